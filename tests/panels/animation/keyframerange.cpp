// The timeline's range through the window: the transposition acts on the
// columns the keyframe editor shows selected, however the range was set.

#include "../../editor/uitest.h"

#include "edit/editorstate.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "panels/animation/keyframeform.h"

#include <QTableView>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class KeyFrameRangeTest : public TMainWindowTest {
    Q_OBJECT
    TImagesItem* layer_ = nullptr;

    QWidget* Canvas() const { return form_->Canvas->OGLRenderPanel; }
    TKeyFrameForm* Panel() const { return form_->findChild<TKeyFrameForm*>(); }
    void Send(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(pos), Canvas()->mapToGlobal(QPointF(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &e);
        now_ += 100;
    }
    void Menu(const QString& text) {
        for (QAction* a : Panel()->TimelinePopupMenu->actions())
            if (a->text() == text) {
                a->trigger();
                return;
            }
        QFAIL(qPrintable(QStringLiteral("no menu item ") + text));
    }
    QString Key(int k) const { return layer_->Base.Track[0].Item(k)->sParam1(); }

    // Editing a layer with keyframes at x = 100, 200, 300, with the transpose
    // point dragged 30 pixels right and 10 down of the common origin.
    void EditingWithTheTransposePoint() {
        layer_ = AddLayer(test::TLayerSpec().At(100, 100).Sized(40, 40));
        QVERIFY(layer_);
        for (int x : {100, 200, 300})
            layer_->Base.Track[0].Add(std::make_unique<TCommandItem>(
                cmdKeyFrame, QStringLiteral("x=%1y=100w=40h=40a=0f=255").arg(x), QStringLiteral("1"),
                QString()));
        form_->Document.SelectSingleLayer(layer_);
        QTest::mouseClick(Panel()->KeyEditSpeedButton, Qt::LeftButton);
        QVERIFY(form_->State.KeyframeMode);
        QCOMPARE(Panel()->TimeLineStringGrid->model()->columnCount(), 4);

        Menu(QStringLiteral("Transzponálási pont megadása"));
        QCOMPARE(form_->State.ToolMode, TToolMode::Transpose);
        const TToolPoint o = form_->State.ToolPoint(-1);
        const QPoint point(int(form_->State.ToolPoint(1).X), int(form_->State.ToolPoint(1).Y));
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        MoveOnCanvas(*form_, point);
        Send(QEvent::MouseButtonPress, point, Qt::LeftButton);
        Send(QEvent::MouseMove, QPoint(int(o.X) + 30, int(o.Y) + 10), Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, QPoint(int(o.X) + 30, int(o.Y) + 10), Qt::NoButton);
        QCOMPARE(form_->State.ToolPoint(1).X, o.X + 30);
    }

private slots:
    void init() {
        QVERIFY(StartWindow(RealDialogs | TestClock));
        QVERIFY(Panel());
    }
    void cleanup() { StopWindow(); }

    void transposeAfterSelectAllMovesEveryKeyframe() {
        EditingWithTheTransposePoint();
        Menu(QStringLiteral("Összes kiválasztása"));
        const QModelIndexList shown = Panel()->TimeLineStringGrid->selectionModel()->selectedIndexes();
        QCOMPARE(shown.size(), 3);
        Menu(QStringLiteral("Kiválasztottak transzponálása"));
        QCOMPARE(Key(0), QStringLiteral("x=130y=110w=40h=40a=0f=255"));
        QCOMPARE(Key(1), QStringLiteral("x=230y=110w=40h=40a=0f=255"));
        QCOMPARE(Key(2), QStringLiteral("x=330y=110w=40h=40a=0f=255"));
    }

    void transposeAfterTheColumnsChangedTakesOnlyWhatTheTimelineShows() {
        EditingWithTheTransposePoint();
        // The user's own range, columns 1 and 2, is deleted: the timeline falls back to column 0.
        QTableView* timeline = Panel()->TimeLineStringGrid;
        timeline->selectionModel()->select(
            QItemSelection(timeline->model()->index(0, 1), timeline->model()->index(0, 2)),
            QItemSelectionModel::ClearAndSelect);
        Menu(QStringLiteral("Kiválasztottak törlése"));
        QCOMPARE(layer_->Base.Track[0].Count(), 1);
        QCOMPARE(Key(0), QStringLiteral("x=300y=100w=40h=40a=0f=255"));
        const QModelIndexList shown = timeline->selectionModel()->selectedIndexes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().column(), 0);
        // Column 0 is the start state: nothing of the keyframes moves.
        Menu(QStringLiteral("Kiválasztottak transzponálása"));
        QCOMPARE(Key(0), QStringLiteral("x=300y=100w=40h=40a=0f=255"));
    }
};

VELKON_UI_TEST_MAIN(KeyFrameRangeTest)
#include "keyframerange.moc"
