// The application's error hook: errors raised in handlers land in the error
// log as their message alone (no class names), grids add their position, the editor carries
// on, errors before the log exists go to a message box, the log stays open.

#include "uitest.h"

#include "editor/errorform.h"
#include "editor/errorlogmodel.h"
#include "engine/params.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>

using namespace velkon;
using namespace velkon::uitest;

namespace {

// No Q_OBJECT: the hook sees the Qt class names.
class TThrowingTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void keyPressEvent(QKeyEvent*) override { throw EVelkonError(QStringLiteral("Grid index out of range")); }
    void mousePressEvent(QMouseEvent*) override { throw std::runtime_error("click failed"); }
};

class TThrowingButton : public QWidget {
    Q_OBJECT
protected:
    void mousePressEvent(QMouseEvent*) override { throw std::out_of_range("List index out of bounds (3)"); }
};

} // namespace

class ErrorHookTest : public TMainWindowTest {
    Q_OBJECT

private slots:
    void init() { QVERIFY(StartWindow()); }
    void cleanup() { StopWindow(); }

    void errorInEventHandlerIsLoggedWithItsMessageAlone() {
        TThrowingButton widget;
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QTest::mouseClick(&widget, Qt::LeftButton);
        QCOMPARE(form_->ErrorLog.Count(), 1);
        const QString line = form_->ErrorLog.Lines().first();
        QVERIFY2(line.endsWith(QStringLiteral(": List index out of bounds (3)")), qPrintable(line));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d: ")).match(line).hasMatch());
        // The panel shows it as its first line.
        QTRY_COMPARE(form_->ErrorForm->ShownLines().value(0), line);
        // The editor carries on: the next error is logged too.
        QTest::mouseClick(&widget, Qt::LeftButton);
        QCOMPARE(form_->ErrorLog.Count(), 2);
    }

    void errorInToolBarHandlerIsLoggedWithoutTheButtonsClass() {
        // A screenshot into a folder that does not exist fails inside the click handler.
        form_->Scene.ProjectFileName = QStringLiteral("scene.VKP");
        form_->Scene.ProjectDir = QStringLiteral("/nonexistent/velkon");
        dialogs_.TextAnswers.push_back(QStringLiteral("shot.png"));
        QTest::mouseClick(form_->ToolBar->PhotoSpeedButton, Qt::LeftButton);
        QCOMPARE(dialogs_.Asked.value(0),
                 QStringLiteral("input:Képernyő mentés|Mi legyen a neve?|sceneT.png"));
        QCOMPARE(form_->ErrorLog.Count(), 1);
        QVERIFY2(form_->ErrorLog.Lines().first().endsWith(QStringLiteral("/nonexistent/velkon/shot.png")),
                 qPrintable(form_->ErrorLog.Lines().first()));
    }

    void gridSenderAddsNamePositionAndSize() {
        TThrowingTable table(3, 4);
        table.setObjectName(QStringLiteral("KeyGrid"));
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.setCurrentCell(1, 2);
        QTest::keyClick(&table, Qt::Key_A);
        QCOMPARE(form_->ErrorLog.Count(), 4);
        const QStringList& lines = form_->ErrorLog.Lines();
        QCOMPARE(lines[0], QStringLiteral("Row:1, Col:2"));
        QCOMPARE(lines[1], QStringLiteral("RowCount:3, ColCount:4"));
        QCOMPARE(lines[2], QStringLiteral("KeyGrid"));
        QVERIFY2(lines[3].endsWith(QStringLiteral(": Grid index out of range")), qPrintable(lines[3]));
        // A click arrives at the grid's viewport; the grid is still the sender.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form_->ErrorLog.Count(), 8);
        QVERIFY(form_->ErrorLog.Lines()[3].endsWith(QStringLiteral(": click failed")));
    }

    void errorBeforeTheLogExistsShowsAMessageBox() {
        auto sink = TVelkonApplication::ErrorSink;
        TVelkonApplication::ErrorSink = nullptr;
        QString shown;
        {
            TModalAnswer box([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                shown = box->text();
                box->accept();
            });
            TVelkonApplication::Guard(nullptr, [] { throw EVelkonError(QStringLiteral("too early")); });
            TVelkonApplication::ErrorSink = sink;
            QVERIFY(box.Came());
        }
        QCOMPARE(shown, QStringLiteral("too early"));
        QCOMPARE(form_->ErrorLog.Count(), 0);
    }

    void noClassNameIsGluedToTheMessage() {
        // A whole-number check failing in a handler of the main window.
        TVelkonApplication::Guard(form_.get(), [] { ToInt(QStringLiteral("abc")); });
        const QString line = form_->ErrorLog.Lines().value(0);
        QVERIFY2(line.endsWith(QStringLiteral(": \"abc\" nem egész szám")), qPrintable(line));
        QVERIFY2(!line.contains(QStringLiteral("TMainForm")), qPrintable(line));
    }

    void errorLogShowsNewestFirstAndKeepsUpWithManyLines() {
        for (int i = 1; i <= 3000; ++i)
            form_->ErrorLog.Add(QStringLiteral("line %1").arg(i));
        QTRY_COMPARE(form_->ErrorForm->Rows->rowCount(), 3000);
        const QStringList shown = form_->ErrorForm->ShownLines();
        QCOMPARE(shown.value(0), QStringLiteral("line 3000"));
        QCOMPARE(shown.value(2999), QStringLiteral("line 1"));
        // Rows come on top of those already shown; a clear empties the view.
        form_->ErrorLog.Add(QStringLiteral("newest"));
        QTRY_COMPARE(form_->ErrorForm->Rows->rowCount(), 3001);
        QCOMPARE(form_->ErrorForm->ShownLines().mid(0, 2),
                 (QStringList{QStringLiteral("newest"), QStringLiteral("line 3000")}));
        form_->ErrorLog.Clear();
        form_->ErrorLog.Add(QStringLiteral("after"));
        QTRY_COMPARE(form_->ErrorForm->ShownLines(), QStringList{QStringLiteral("after")});
    }

    void errorLogRefusesToClose() {
        QVERIFY(form_->ErrorForm->isVisibleTo(form_.get()));
        QVERIFY(!form_->ErrorForm->close());
        QVERIFY(form_->ErrorForm->isVisibleTo(form_.get()));
        QVERIFY(!(form_->ErrorForm->features() & QDockWidget::DockWidgetClosable));
        form_->ErrorForm->setFloating(true);
        QVERIFY(!form_->ErrorForm->close());
        QVERIFY(form_->ErrorForm->isVisible());
    }
};

VELKON_UI_TEST_MAIN(ErrorHookTest)
#include "errorhook.moc"
