// The Qt side of the dialogs port: question boxes default to No, filters
// arrive in Qt's form, input boxes return the text or nothing.

#include "uitest.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

using namespace velkon;

using namespace velkon::uitest;

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
        bool answer = true;
        {
            TModalAnswer box([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                icon = box->icon();
                title = box->windowTitle();
                text = box->text();
                QTest::keyClick(box, Qt::Key_Return); // the default button
            });
            answer = dialogs.AskYesNo(QStringLiteral("Kilépés"), QStringLiteral("Biztos kilép?"));
            QVERIFY(box.Came());
        }
        QVERIFY(!answer);
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(title, QStringLiteral("Kilépés"));
        QCOMPARE(text, QStringLiteral("Biztos kilép?"));

        TModalAnswer yes([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(dialogs.AskYesNo(QStringLiteral("Kilépés"), QStringLiteral("Biztos kilép?")));
        QVERIFY(yes.Came());
    }

    void standardButtonsSpeakHungarian() {
        QVERIFY(static_cast<TVelkonApplication*>(qApp)->QtTranslated());
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kilépés"), QStringLiteral("Biztos kilép?"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Igen"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nem"));
    }

    void inputBoxReturnsTextOrNothing() {
        TQtDialogs dialogs;
        std::optional<QString> typed;
        {
            TModalAnswer input([](QWidget* w) {
                auto* input = qobject_cast<QInputDialog*>(w);
                QVERIFY(input);
                QCOMPARE(input->textValue(), QStringLiteral("sceneT.png"));
                input->setTextValue(QStringLiteral("other.png"));
                input->accept();
            });
            typed = dialogs.InputText(QStringLiteral("Képernyő mentés"), QStringLiteral("Mi legyen a neve?"),
                                      QStringLiteral("sceneT.png"));
            QVERIFY(input.Came());
        }
        QCOMPARE(typed, std::optional<QString>(QStringLiteral("other.png")));
        TModalAnswer cancel([](QWidget* w) { QVERIFY(qobject_cast<QInputDialog*>(w)); });
        QVERIFY(!dialogs.InputText(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
        QVERIFY(cancel.Came());
    }
};

VELKON_UI_TEST_MAIN(DialogsTest)
#include "dialogs.moc"
