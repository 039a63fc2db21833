// The command edit dialog, the ease designer and the favourites dialog,
// driven through their own widgets.
#include "../../editor/uitest.h"

#include "edit/editorstate.h"
#include "editor/editordocument.h"
#include "editor/qtdialogs.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/errorlog.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "panels/animation/animationform.h"
#include "panels/animation/easeform.h"
#include "panels/animation/favouritesform.h"
#include "project/inifile.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeView>

using namespace velkon;
using velkon::uitest::TModalAnswer;

namespace {

template <class T> T* Find(QWidget* dialog, const char* name) {
    T* child = dialog ? dialog->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!child) qWarning("no %s", name);
    return child;
}

} // namespace

class TCommandDialogsTest : public QObject {
    Q_OBJECT

    TEditorDocument document_;
    TScene& scene_ = document_.Scene;
    TEditorState& state_ = document_.State;
    TErrorLog& log_ = document_.Log;
    TScriptedDialogs scripted_;
    TImagesItem* body_ = nullptr;
    TImagesItem* arm_ = nullptr;

    TImagesItem* AddLayer(const char* name, double left, double top, uint32_t colour) {
        auto layer = std::make_unique<TImagesItem>();
        const QString key = QString::fromLatin1(name);
        layer->Name = key;
        layer->Left = left;
        layer->Top = top;
        layer->Width = 40;
        layer->Height = 30;
        layer->ItemColor = colour;
        return scene_.Layers.Add(key, std::move(layer));
    }

private slots:
    void initTestCase() {
        document_.Port = &scripted_;
        body_ = AddLayer("body", 100, 100, 0x00FFFF);
        arm_ = AddLayer("arm", 120, 90, 0xFF00FF);
        arm_->Parent = QStringLiteral("body");
    }

    void init() {
        scripted_ = TScriptedDialogs();
        log_.Clear();
    }

    void chooseMoveToAndGetItsFields() {
        TAnimationForm form(document_);
        QStringList offered;
        bool okEnabledAtStart = true;
        TModalAnswer answer([&](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("AnimationForm"));
            QCOMPARE(w->windowTitle(), QStringLiteral("Animation Editor"));
            auto* list = Find<QListView>(w, "CmdListBox");
            auto* ok = Find<QPushButton>(w, "OkBitBtn");
            QVERIFY(list && ok);
            okEnabledAtStart = ok->isEnabled();
            const QModelIndex moveTo = list->model()->index(cmdMoveTo - 1, 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(moveTo).center());
            QVERIFY(ok->isEnabled());
            QVERIFY(Find<QWidget>(w, "Panel3")->isVisibleTo(w));
            auto* first = Find<QComboBox>(w, "ComboBox1");
            for (int i = 0; i < first->count(); ++i)
                offered << first->itemText(i);
            // An empty box keeps the dialog open.
            first->setEditText(QStringLiteral("130"));
            ok->click();
            QCOMPARE(scripted_.Messages, QStringList{"Required data!"});
            QCOMPARE(scripted_.Asked, QStringList{"warning:Required data!"});
            QVERIFY(w->isVisible());
            Find<QComboBox>(w, "ComboBox2")->setEditText(QStringLiteral("110"));
            Find<QComboBox>(w, "ComboBox3")->setEditText(QStringLiteral("1,5"));
            ok->click();
        });
        const auto fields = form.Execute(*arm_, nullptr);
        QVERIFY(answer.Came());
        QVERIFY(!okEnabledAtStart);
        QVERIFY(offered.size() == 10);
        QCOMPARE(offered.first(), QStringLiteral("Left(20;body)"));
        QVERIFY(fields.has_value());
        QCOMPARE(*fields, (TCommandFields{"MoveTo", "130", "110", "1,5"}));
    }

    void requiredDataWarnsAndStartOtherOffersWhichAnimation() {
        // The editor's own message boxes answer here, not the script.
        TQtDialogs qtDialogs;
        TDialogs* const scripted = document_.Port;
        document_.Port = &qtDialogs;
        TAnimationForm form(document_);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString warned;
        QStringList which;
        bool warningCame = false;
        TModalAnswer answer([&](QWidget* w) {
            auto* list = Find<QListView>(w, "CmdListBox");
            auto* ok = Find<QPushButton>(w, "OkBitBtn");
            QVERIFY(list && ok);
            const QModelIndex startOther = list->model()->index(cmdStartOther - 1, 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(startOther).center());
            auto* second = Find<QComboBox>(w, "ComboBox2");
            QVERIFY(second && second->isVisibleTo(w));
            for (int i = 0; i < second->count(); ++i)
                which << second->itemText(i);
            // "which" left empty: Ok is refused with the warning box.
            second->setEditText(QString());
            {
                TModalAnswer box([&](QWidget* b) {
                    auto* message = qobject_cast<QMessageBox*>(b);
                    QVERIFY(message);
                    icon = message->icon();
                    warned = message->text();
                });
                ok->click();
                warningCame = box.Came();
            }
            QVERIFY(w->isVisible());
            second->setEditText(QStringLiteral("1"));
            ok->click();
        });
        const auto fields = form.Execute(*arm_, nullptr);
        document_.Port = scripted;
        QVERIFY(answer.Came());
        QVERIFY(warningCame);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(warned, QStringLiteral("Required data!"));
        // 0 restarts the other layer's animation, 1 starts its next touch animation.
        QCOMPARE(which, (QStringList{"0", "1"}));
        QVERIFY(fields.has_value());
        QCOMPARE(*fields, (TCommandFields{"StartOther", "arm", "1", ""}));
    }

    void editShowPicksALayerOnItsColour() {
        TCommandItem show(cmdShow, QStringLiteral("body"));
        TAnimationForm form(document_);
        TModalAnswer answer([&](QWidget* w) {
            auto* first = Find<QComboBox>(w, "ComboBox1");
            QVERIFY(first);
            QVERIFY(!first->isEditable());
            QVERIFY(!Find<QWidget>(w, "Panel2")->isVisibleTo(w));
            QCOMPARE(first->currentText(), QStringLiteral("body"));
            QCOMPARE(first->itemText(0), QStringLiteral("arm")); // the layer list backwards
            QCOMPARE(first->itemData(0, Qt::UserRole + 1).toUInt(), 0xFF00FFu);
            first->setCurrentIndex(0);
            QTest::keyClick(first, Qt::Key_F5); // F5 is Ok
        });
        const auto fields = form.Execute(*arm_, &show);
        QVERIFY(answer.Came());
        QVERIFY(fields.has_value());
        QCOMPARE(*fields, (TCommandFields{"Show", "arm", "", ""}));
        QCOMPARE(show.sParam1(), QStringLiteral("body")); // the caller applies the fields
    }

    void editKindChangeKeepsUnusedParameters() {
        TCommandItem move(cmdMoveTo, QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("1,5"));
        TAnimationForm form(document_);
        bool openAfterEnter = false;
        TModalAnswer answer([&](QWidget* w) {
            auto* list = Find<QListView>(w, "CmdListBox");
            QCOMPARE(list->currentIndex().row(), cmdMoveTo - 1);
            QCOMPARE(Find<QComboBox>(w, "ComboBox3")->currentText(), QStringLiteral("1,5"));
            const QModelIndex wait = list->model()->index(cmdWait - 1, 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(wait).center());
            QVERIFY(!Find<QWidget>(w, "Panel2")->isVisibleTo(w));
            auto* first = Find<QComboBox>(w, "ComboBox1");
            QCOMPARE(first->currentText(), QString());
            QTest::keyClicks(first->lineEdit(), QStringLiteral("3"));
            QTest::keyClick(first->lineEdit(), Qt::Key_Return); // Enter moves on, it does not close
            openAfterEnter = w->isVisible();
            QTest::keyClick(w, Qt::Key_F5);
        });
        const auto fields = form.Execute(*body_, &move);
        QVERIFY(answer.Came());
        QVERIFY(openAfterEnter);
        QVERIFY(fields.has_value());
        QCOMPARE(*fields, (TCommandFields{"Wait", "3", "200", "1,5"}));
    }

    void cancelGivesNothing() {
        TAnimationForm form(document_);
        TModalAnswer answer([&](QWidget* w) {
            auto* list = Find<QListView>(w, "CmdListBox");
            const QModelIndex reset = list->model()->index(cmdReSet - 1, 0);
            list->scrollTo(reset);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(reset).center());
            QVERIFY(Find<QPushButton>(w, "OkBitBtn")->isEnabled());
            Find<QPushButton>(w, "BitBtn2")->click();
        });
        QVERIFY(!form.Execute(*body_, nullptr).has_value());
        QVERIFY(answer.Came());
    }

    void easePresetStoredAndReadBack() {
        TCommands& track = body_->TrackByNumber(1);
        track.Clear();
        TCommandItem* move = track.Add(std::make_unique<TCommandItem>(cmdMoveTo, "10", "20", "2"));

        TEaseForm form(document_);
        QString before, shown;
        int ballX = 0;
        TModalAnswer answer([&](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("EaseForm"));
            QCOMPARE(Find<QWidget>(w, "Panel1")->x(), 220);
            QCOMPARE(Find<QWidget>(w, "Panel4")->x(), 280);
            QCOMPARE(Find<QLineEdit>(w, "Edit2")->text(), QStringLiteral("2"));
            before = Find<QLineEdit>(w, "Edit1")->text();
            auto* presets = Find<QComboBox>(w, "ComboBox1");
            presets->setFocus();
            for (int i = 0; i < 6; ++i) // down to "back cubic"
                QTest::keyClick(presets, Qt::Key_Down);
            QCOMPARE(presets->currentText(), QStringLiteral("back cubic"));
            const int expected[4] = {200, 170, 150, 180};
            for (int i = 0; i < 4; ++i)
                QCOMPARE(Find<QWidget>(w, QStringLiteral("Panel%1").arg(i + 1).toLatin1().constData())->x(),
                         expected[i]);
            shown = Find<QLineEdit>(w, "Edit1")->text();
            Find<QRadioButton>(w, "RadioButton2")->click(); // Out
            for (const char* off : {"CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
                Find<QCheckBox>(w, off)->setChecked(false);
            Find<QPushButton>(w, "Button2")->click();
            auto* ease = static_cast<TEaseForm*>(w);
            QVERIFY(QTest::qWaitFor([&] { return !ease->Testing(); }, 5000));
            ballX = Find<QWidget>(w, "Panel5")->x();
            Find<QPushButton>(w, "OkBitBtn")->click();
        });
        QVERIFY(form.Execute(*body_, *move));
        QVERIFY(answer.Came());
        QCOMPARE(before, QStringLiteral("1,0, 0,0, 0,0, 0,0, 0,0"));
        QCOMPARE(shown, QStringLiteral("0,0, -3,0, 4,0, 0,0, 0,0"));
        QCOMPARE(ballX, 300);
        QCOMPARE(move->sParam3(), QStringLiteral("Ease(d=2e=50f=0,0g=0,0h=4,0i=-3,0j=0,0)"));
        QCOMPARE(track.Item(0)->sParam3(), move->sParam3());

        // Opened again, the designer reads its own text back.
        TEaseForm again(document_);
        TModalAnswer reread([&](QWidget* w) {
            QCOMPARE(Find<QWidget>(w, "Panel2")->x(), 170);
            QVERIFY(Find<QRadioButton>(w, "RadioButton2")->isChecked());
            QVERIFY(Find<QCheckBox>(w, "CheckBox2")->isChecked());
            QVERIFY(!Find<QCheckBox>(w, "CheckBox3")->isChecked());
            Find<QPushButton>(w, "BitBtn2")->click();
        });
        QVERIFY(!again.Execute(*body_, *move));
        QVERIFY(reread.Came());
        QCOMPARE(move->sParam3(), QStringLiteral("Ease(d=2e=50f=0,0g=0,0h=4,0i=-3,0j=0,0)"));
    }

    void easeHandleFollowsTheMouse() {
        TCommandItem wait(cmdWait, "1");
        TEaseForm form(document_);
        TModalAnswer answer([&](QWidget* w) {
            auto* handle = Find<QWidget>(w, "Panel1");
            QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(8, 8));
            QMouseEvent move(QEvent::MouseMove, QPointF(8 + 30, 8), handle->mapToGlobal(QPointF(38, 8)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(handle, &move);
            QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(8, 8));
            QCOMPARE(handle->x(), 250 + 8); // its left edge is where the mouse is
            QCOMPARE(Find<QLineEdit>(w, "Edit1")->text(), QStringLiteral("2,9, -7,6, 11,4, -7,6, 1,9"));
            Find<QPushButton>(w, "OkBitBtn")->click();
        });
        QVERIFY(form.Execute(*body_, wait));
        QVERIFY(answer.Came());
        QCOMPARE(wait.sParam1(), QStringLiteral("Ease(d=1e=1009f=1,9g=-7,6h=11,4i=-7,6j=2,9)"));
    }

    void favouritesAddSaveAndOkAppend() {
        QTemporaryDir dir;
        TCommands& track = body_->TrackByNumber(2);
        track.Clear();
        track.Add(std::make_unique<TCommandItem>(cmdWait, "1"));
        track.Add(std::make_unique<TCommandItem>(cmdMoveTo, "5", "6", "0,5"));

        TFavouritesForm form(document_);
        form.FileName = dir.filePath(QStringLiteral("Favourites.txt"));
        QStringList names;
        TModalAnswer answer([&](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("FavouritesForm"));
            auto* commands = Find<QTreeView>(w, "CmdListView");
            auto* favourites = Find<QTreeView>(w, "FavListView");
            QCOMPARE(commands->model()->rowCount(), 2);
            QCOMPARE(commands->model()->index(1, 1).data().toString(),
                     QStringLiteral("x=5, y=6, duration=0,5"));
            commands->selectionModel()->select(commands->model()->index(1, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
            Find<QToolButton>(w, "ToFavSpeedButton")->click();
            QCOMPARE(favourites->model()->rowCount(), 1);
            Find<QLineEdit>(w, "NameEdit")->setText(QStringLiteral("Jump"));
            Find<QToolButton>(w, "SaveSpeedButton")->click();
            auto* list = Find<QListView>(w, "FavListBox");
            QCOMPARE(list->model()->rowCount(), 1);
            const QModelIndex jump = list->model()->index(0, 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(jump).center());
            QCOMPARE(favourites->model()->rowCount(), 1);
            favourites->clearSelection();
            Find<QToolButton>(w, "ToCmdSpeedButton")->click(); // none selected: all of them
            QCOMPARE(commands->model()->rowCount(), 3);
            for (int i = 0; i < list->model()->rowCount(); ++i)
                names << list->model()->index(i, 0).data().toString();
            Find<QPushButton>(w, "OkBitBtn")->click();
        });
        QVERIFY(form.Execute(*body_, track));
        QVERIFY(answer.Came());
        QCOMPARE(names, QStringList{"Jump"});
        QCOMPARE(track.Count(), 3);
        QCOMPARE(track.Name(2), QStringLiteral("MoveTo"));
        QCOMPARE(track.Item(2)->sParam3(), QStringLiteral("0,5"));
        QVERIFY(track.Item(2) != track.Item(1));
        TIniFile ini;
        QVERIFY(ini.LoadFromFile(form.FileName));
        QCOMPARE(ini.Sections(), QStringList{"Jump_Command_1"});
        QCOMPARE(ini.ReadString("Jump_Command_1", "Command", {}), QStringLiteral("1"));
    }

    void favouritesCancelLeavesTheTrack() {
        QTemporaryDir dir;
        TCommands& track = body_->TrackByNumber(3);
        track.Clear();
        track.Add(std::make_unique<TCommandItem>(cmdWait, "1"));
        TFavouritesForm form(document_);
        form.FileName = dir.filePath(QStringLiteral("Favourites.txt"));
        TModalAnswer answer([&](QWidget* w) {
            Find<QToolButton>(w, "ToFavSpeedButton")->click();
            Find<QToolButton>(w, "ToCmdSpeedButton")->click();
            Find<QPushButton>(w, "CancelBitBtn")->click();
        });
        QVERIFY(!form.Execute(*body_, track));
        QVERIFY(answer.Came());
        QCOMPARE(track.Count(), 1);
    }
};

VELKON_UI_TEST_MAIN(TCommandDialogsTest)
#include "commanddialogs.moc"
