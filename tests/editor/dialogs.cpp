// The Qt side of the dialogs port: question boxes default to No, filters
// arrive in Qt's form, input boxes return the text or nothing.

#include "uitest.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

using namespace velkon;

namespace {
// Runs f on the next modal dialog once it is up.
template <class F> void OnNextModal(F f) {
    QTimer::singleShot(0, [f] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        f(QApplication::activeModalWidget());
    });
}
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void filtersTurnIntoQtForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pair") << "*.VKP|*.VKP"
                              << "*.VKP (*.VKP)";
        QTest::newRow("bare") << "*.VKM"
                              << "*.VKM (*.VKM)";
        QTest::newRow("two") << "Képek|*.png;*.jpg|Hang|*.wav"
                             << "Képek (*.png *.jpg);;Hang (*.wav)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void filtersTurnIntoQtForm() {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(TQtDialogs::QtFilter(filter), expected);
    }

    void questionHasQuestionIconAndNoAsDefault() {
        TQtDialogs dialogs;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        OnNextModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            icon = box->icon();
            title = box->windowTitle();
            text = box->text();
            QTest::keyClick(box, Qt::Key_Return); // the default button
        });
        QVERIFY(!dialogs.AskYesNo(QStringLiteral("Kilépés"), QStringLiteral("Biztos kilép?")));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(title, QStringLiteral("Kilépés"));
        QCOMPARE(text, QStringLiteral("Biztos kilép?"));

        OnNextModal([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(dialogs.AskYesNo(QStringLiteral("Kilépés"), QStringLiteral("Biztos kilép?")));
    }

    void inputBoxReturnsTextOrNothing() {
        TQtDialogs dialogs;
        OnNextModal([](QWidget* w) {
            auto* input = qobject_cast<QInputDialog*>(w);
            QVERIFY(input);
            QCOMPARE(input->textValue(), QStringLiteral("sceneT.png"));
            input->setTextValue(QStringLiteral("other.png"));
            input->accept();
        });
        QCOMPARE(dialogs.InputText(QStringLiteral("Képernyő mentés"), QStringLiteral("Mi legyen a neve?"),
                                   QStringLiteral("sceneT.png")),
                 std::optional<QString>(QStringLiteral("other.png")));
        OnNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        QVERIFY(!dialogs.InputText(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
    }
};

VELKON_UI_TEST_MAIN(DialogsTest)
#include "dialogs.moc"
