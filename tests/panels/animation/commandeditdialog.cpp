// The command edit dialog's keys and checks, driven through its own widgets:
// Escape in an open drop-down closes only the drop-down; a value that is
// neither a number nor a parameter function is refused where a number belongs.

#include "../../editor/uitest.h"

#include "edit/editorstate.h"
#include "editor/editordocument.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "panels/animation/animationform.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

using namespace velkon;
using velkon::uitest::TModalAnswer;

namespace {

template <class T> T* Find(QWidget* dialog, const char* name) {
    T* child = dialog ? dialog->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!child) qWarning("no %s", name);
    return child;
}

void Choose(QWidget* dialog, int command) {
    auto* list = Find<QListView>(dialog, "CmdListBox");
    const QModelIndex index = list->model()->index(command - 1, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

} // namespace

class TCommandEditDialogTest : public QObject {
    Q_OBJECT

    TEditorDocument document_;
    TScene& scene_ = document_.Scene;
    TEditorState& state_ = document_.State;
    TErrorLog& log_ = document_.Log;
    TScriptedDialogs scripted_;
    TImagesItem* layer_ = nullptr;

private slots:
    void initTestCase() {
        document_.Port = &scripted_;
        auto layer = std::make_unique<TImagesItem>();
        layer->Name = QStringLiteral("ball");
        layer_ = scene_.Layers.Add(QStringLiteral("ball"), std::move(layer));
    }
    void init() { scripted_ = TScriptedDialogs(); }

    void escapeInAnOpenDropDownClosesOnlyTheDropDown() {
        TAnimationForm form(document_);
        bool openAfterEscape = false, popupClosed = false;
        QString xAfter;
        TModalAnswer answer([&](QWidget* w) {
            Choose(w, cmdMoveTo);
            auto* x = Find<QComboBox>(w, "ComboBox1");
            auto* y = Find<QComboBox>(w, "ComboBox2");
            auto* duration = Find<QComboBox>(w, "ComboBox3");
            QTest::keyClicks(x->lineEdit(), QStringLiteral("130"));
            QTest::keyClicks(y->lineEdit(), QStringLiteral("110"));
            duration->setFocus();
            duration->showPopup();
            QVERIFY(QTest::qWaitFor([&] { return duration->view()->isVisible(); }, 2000));
            // The key goes where the user's Escape goes: to the open drop-down.
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Escape);
            popupClosed = QTest::qWaitFor([&] { return !duration->view()->isVisible(); }, 2000);
            QTest::qWait(50);
            openAfterEscape = w->isVisible();
            xAfter = x->currentText();
            if (!openAfterEscape) return;
            duration->setEditText(QStringLiteral("1,5"));
            QTest::keyClick(w, Qt::Key_F5); // Ok
        });
        const auto fields = form.Execute(*layer_, nullptr);
        QVERIFY(answer.Came());
        QVERIFY(popupClosed);
        QVERIFY2(openAfterEscape, "Escape in the drop-down closed the dialog");
        QCOMPARE(xAfter, QStringLiteral("130"));
        QVERIFY(fields.has_value());
        QCOMPARE(*fields, (TCommandFields{"MoveTo", "130", "110", "1,5"}));
    }

    void valuesThatGiveNoNumberAreRefusedLikeEmptyOnes() {
        TAnimationForm form(document_);
        bool openAfterOk = false;
        QWidget* focused = nullptr;
        TModalAnswer answer([&](QWidget* w) {
            Choose(w, cmdMoveTo);
            auto* x = Find<QComboBox>(w, "ComboBox1");
            auto* y = Find<QComboBox>(w, "ComboBox2");
            auto* duration = Find<QComboBox>(w, "ComboBox3");
            x->setEditText(QStringLiteral("abc"));
            y->setEditText(QStringLiteral("xyz"));
            duration->setEditText(QStringLiteral("fast"));
            Find<QPushButton>(w, "OkBitBtn")->click();
            openAfterOk = w->isVisible();
            focused = w->focusWidget(); // the box to correct, also while the window is not active
            x->setEditText(QStringLiteral("130"));
            y->setEditText(QStringLiteral("Top(ball;10)"));
            duration->setEditText(QStringLiteral("1,5"));
            Find<QPushButton>(w, "OkBitBtn")->click();
        });
        const auto fields = form.Execute(*layer_, nullptr);
        QVERIFY(answer.Came());
        QVERIFY(openAfterOk);
        QCOMPARE(scripted_.Messages,
                 QStringList{QStringLiteral(
                     "A(z) \"x\" paraméter csak szám vagy paraméter függvény lehet: \"abc\"")});
        QVERIFY(focused);
        QVERIFY2(focused->objectName() == QStringLiteral("ComboBox1") ||
                     focused->parentWidget()->objectName() == QStringLiteral("ComboBox1"),
                 qPrintable(focused->objectName()));
        QVERIFY(fields.has_value());
        QCOMPARE(*fields, (TCommandFields{"MoveTo", "130", "Top(ball;10)", "1,5"}));
    }

    void escapeWithNoDropDownOpenCancels() {
        TAnimationForm form(document_);
        TModalAnswer answer([&](QWidget* w) {
            Choose(w, cmdWait);
            QTest::keyClicks(Find<QComboBox>(w, "ComboBox1")->lineEdit(), QStringLiteral("2"));
            QTest::keyClick(Find<QComboBox>(w, "ComboBox1")->lineEdit(), Qt::Key_Escape);
        });
        QVERIFY(!form.Execute(*layer_, nullptr).has_value());
        QVERIFY(answer.Came());
    }
};

VELKON_UI_TEST_MAIN(TCommandEditDialogTest)
#include "commandeditdialog.moc"
