// The command list panel in the real main window: its ease and favourites
// dialogs record an undo step and mark the project modified only when they
// change something; during play a touched layer's commands show under the
// touch animation's caption.

#include "../../editor/uitest.h"

#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "panels/animation/animform.h"
#include "panels/animation/commandlistmodel.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class CommandListWindowTest : public TMainWindowTest {
    Q_OBJECT

    TAnimForm* Panel() const { return form_->findChild<TAnimForm*>(); }
    TImagesItem* AddRedLayer(int left, int top) {
        return AddLayer(test::TLayerSpec().At(double(left), double(top)).Sized(40, 40));
    }
    void SelectRow(int row) {
        QTableView* view = Panel()->CommandsListView[0];
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Opens a dialog with the button and presses the named button in it.
    void RunDialog(QToolButton* opener, const char* press) {
        TModalAnswer answer([press](QWidget* w) {
            auto* button = w->findChild<QPushButton*>(QString::fromLatin1(press));
            QVERIFY2(button, press);
            button->click();
        });
        QTest::mouseClick(opener, Qt::LeftButton);
        QVERIFY(answer.Came());
    }
    void Click(QPoint at) {
        QWidget* canvas = form_->Canvas->OGLRenderPanel;
        MoveOnCanvas(*form_, at);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &release);
        now_ += 100;
    }

private slots:
    void init() {
        QVERIFY(StartWindow(RealDialogs | TestClock));
        QVERIFY(Panel());
        Panel()->raise();
    }
    void cleanup() { StopWindow(); }

    void cancelledAndUnchangedDialogsLeaveTheProjectAndTheUndoRing() {
        TImagesItem* layer = AddRedLayer(100, 100);
        TCommandItem* move =
            layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, "10", "20", "2"));
        form_->Document.SelectSingleLayer(layer);
        emit form_->Document.LayersChanged();
        form_->Scene.Saved = true;
        QCOMPARE(Panel()->Models[0]->rowCount(), 1);
        SelectRow(0);
        QVERIFY(!form_->ToolBar->UndoSpeedButton->isEnabled());

        RunDialog(Panel()->EaseSpeedButton, "BitBtn2"); // Cancel
        RunDialog(Panel()->FavoritesSpeedButton, "CancelBitBtn");
        RunDialog(Panel()->FavoritesSpeedButton, "OkBitBtn"); // nothing chosen to insert
        QVERIFY(form_->Scene.Saved);
        QVERIFY(!form_->ToolBar->UndoSpeedButton->isEnabled());
        QCOMPARE(layer->Base.Track[0].Count(), 1);
        QCOMPARE(move->sParam3(), QStringLiteral("2"));

        // Ok in the ease designer stores the Ease text as one undo step.
        SelectRow(0);
        RunDialog(Panel()->EaseSpeedButton, "OkBitBtn");
        QCOMPARE(layer->Base.Track[0].Item(0)->sParam3(),
                 QStringLiteral("Ease(d=2e=1009f=0,0g=0,0h=0,0i=0,0j=1,0)"));
        QVERIFY(!form_->Scene.Saved);
        QCOMPARE(form_->ErrorLog.Lines().value(0), QStringLiteral("Parancs szerkesztése"));
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(layer->Base.Track[0].Item(0)->sParam3(), QStringLiteral("2"));
    }

    void touchedLayerShowsItsTouchCommandsUnderTheTouchCaption() {
        TImagesItem* button = AddRedLayer(300, 50);
        button->Base.Track[0].Add(
            std::make_unique<TCommandItem>(cmdWait, QStringLiteral("10"))); // keeps playing
        button->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("7")));
        button->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdShow, QStringLiteral("x")));
        form_->ToolBar->AutoStopSpeedButton->setChecked(false);
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(form_->Scene.Playing && form_->Scene.FullPlay);
        Click(QPoint(320, 70));
        QCOMPARE(button->ActiveAnimation(), int(TImagesItem::animTouch1));
        QCOMPARE(Panel()->Models[0]->rowCount(), 2);
        QCOMPARE(Panel()->AnimLabel->text(), QStringLiteral("Touch1 [F6]"));
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        QCOMPARE(Panel()->AnimLabel->text(), QStringLiteral("Base [F5]"));
        QCOMPARE(Panel()->Models[0]->rowCount(), 1);
    }
};

VELKON_UI_TEST_MAIN(CommandListWindowTest)
#include "commandlistwindow.moc"
