// Canvas interaction through the window: real mouse, wheel and key events on
// the canvas reach the editing core, and what it does shows on the canvas,
// the status line, the cursor and the undo buttons.

#include "uitest.h"
#include "model/commanddesc.h"

#include "model/commanditem.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

using namespace velkon;
using namespace velkon::uitest;

class InteractionTest : public TMainWindowTest {
    Q_OBJECT
    // Past the click guard, with the frame drawn that the wait would have shown.
    void Later() {
        now_ += 100;
        Paint();
    }

    TImagesItem* AddRedLayer(double left, double top, int w = 80, int h = 40) {
        return AddLayer(test::TLayerSpec().At(left, top).Sized(w, h));
    }

    QWidget* Canvas() const { return form_->Canvas->OGLRenderPanel; }
    // One on-screen pass: the corners and selection bounds hit-testing reads.
    void Paint() { form_->Canvas->OGLRenderPanel->grabFramebuffer(); }

    // Mouse events are delivered to the canvas directly, so that another test
    // window on the same virtual screen cannot catch them.
    void Send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(pos), Canvas()->mapToGlobal(QPointF(pos)), button, buttons, mods);
        QApplication::sendEvent(Canvas(), &e);
    }
    void Press(QPoint pos, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {}) {
        Send(QEvent::MouseButtonPress, pos, button, button, mods);
    }
    void MoveHeld(QPoint pos, Qt::MouseButtons buttons = Qt::LeftButton, Qt::KeyboardModifiers mods = {}) {
        Send(QEvent::MouseMove, pos, Qt::NoButton, buttons, mods);
    }
    void Release(QPoint pos, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {}) {
        Send(QEvent::MouseButtonRelease, pos, button, Qt::NoButton, mods);
    }
    // Hover, press, wait out the click guard, move through the points, release.
    void Drag(QPoint from, std::initializer_list<QPoint> path, Qt::KeyboardModifiers mods = {}) {
        MoveOnCanvas(*form_, from);
        Press(from, Qt::LeftButton, mods);
        Later();
        QPoint last = from;
        for (QPoint p : path)
            MoveHeld(last = p, Qt::LeftButton, mods);
        Release(last, Qt::LeftButton, mods);
        Paint();
    }
    void Click(QPoint pos) {
        MoveOnCanvas(*form_, pos);
        Press(pos);
        Release(pos);
        Paint();
        Later(); // moves right after a click are ignored, hovering too
    }
    void Wheel(int delta, Qt::KeyboardModifiers mods) {
        const QPointF pos(50, 50);
        QWheelEvent e(pos, Canvas()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(Canvas(), &e);
    }

private slots:
    void init() {
        QVERIFY(StartWindow(RealDialogs | TestClock));
    }
    void cleanup() { StopWindow(); }

    void dragMovesThePickedLayerByThePointersStepAndCtrlZPutsItBack() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Paint();
        QVERIFY(!form_->ToolBar->UndoSpeedButton->isEnabled());
        QVERIFY(Near(form_->Canvas->ReadFrame().pixel(200, 100), Grey));

        MoveOnCanvas(*form_, QPoint(120, 70));
        Press(QPoint(120, 70));
        QVERIFY(layer->Selected);
        QCOMPARE(form_->Scene.CurrentLayer, layer);
        Later(); // moves right after the click are ignored
        MoveHeld(QPoint(135, 80));
        MoveHeld(QPoint(150, 90));
        QVERIFY(form_->Canvas->RenderOptions().Dragging); // no selection marks while dragging
        QVERIFY2(form_->Status->InfoLabel->text().contains(QStringLiteral("w:30, h:20, a:")),
                 qPrintable(form_->Status->InfoLabel->text()));
        Release(QPoint(150, 90));
        QVERIFY(!form_->Canvas->RenderOptions().Dragging);

        QCOMPARE(layer->Left, 130.0);
        QCOMPARE(layer->Top, 70.0);
        QVERIFY(!form_->Scene.Saved);
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(200, 100), Red), qPrintable(Describe(frame.pixel(200, 100))));
        QVERIFY(Near(frame.pixel(110, 60), Grey));

        QTest::keyClick(Canvas(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(layer->Left, 100.0);
        QCOMPARE(layer->Top, 50.0);
        QVERIFY(form_->ErrorLog.Lines().contains(QStringLiteral("Redo készítése")));
        QVERIFY(form_->ToolBar->RedoSpeedButton->isEnabled());
        frame = form_->Canvas->ReadFrame();
        QVERIFY(Near(frame.pixel(110, 60), Red));
        QVERIFY(Near(frame.pixel(200, 100), Grey));

        // Redo: the button, Ctrl+Y and Ctrl+Shift+Z; the hints say so.
        QTest::mouseClick(form_->ToolBar->RedoSpeedButton, Qt::LeftButton);
        QCOMPARE(layer->Left, 130.0);
        QTest::keyClick(Canvas(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(layer->Left, 100.0);
        QTest::keyClick(Canvas(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(layer->Left, 130.0);
        QTest::keyClick(Canvas(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(layer->Left, 100.0);
        QTest::keyClick(Canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(layer->Left, 130.0);
        frame = form_->Canvas->ReadFrame();
        QVERIFY(Near(frame.pixel(200, 100), Red));
        QVERIFY(Near(frame.pixel(110, 60), Grey));
        QCOMPARE(form_->ToolBar->UndoSpeedButton->toolTip(), QStringLiteral("Visszavonás [Ctrl+Z]"));
        QCOMPARE(form_->ToolBar->RedoSpeedButton->toolTip(), QStringLiteral("Újra [Ctrl+Y, Ctrl+Shift+Z]"));
        QCOMPARE(form_->ToolBar->SaveSpeedButton->toolTip(), QStringLiteral("Projekt mentése [Ctrl+S]"));
    }

    void dragAtDoubleZoomMovesByHalfTheWindowStep() {
        TImagesItem* layer = AddRedLayer(100, 50);
        form_->State.Zoom = 2.0;
        form_->Canvas->ApplyResolution();
        Paint();
        Drag(QPoint(240, 120), {QPoint(260, 130), QPoint(280, 160)});
        QCOMPARE(layer->Left, 120.0);
        QCOMPARE(layer->Top, 70.0);
    }

    void clickOnEmptyCanvasClearsTheSelectionAndShiftClickAdds() {
        TImagesItem* a = AddRedLayer(100, 50);
        TImagesItem* b = AddRedLayer(300, 50);
        Paint();
        Press(QPoint(120, 60));
        Release(QPoint(120, 60));
        Paint();
        MoveOnCanvas(*form_, QPoint(320, 60));
        Press(QPoint(320, 60), Qt::LeftButton, Qt::ShiftModifier);
        Release(QPoint(320, 60), Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(a->Selected && b->Selected);
        QCOMPARE(form_->Scene.SelectedCount, 2);
        Paint();
        MoveOnCanvas(*form_, QPoint(700, 600));
        Press(QPoint(700, 600));
        Release(QPoint(700, 600));
        QVERIFY(!a->Selected && !b->Selected);
        QCOMPARE(form_->Scene.SelectedCount, 0);
    }

    void doubleClickPutsTheCommonOriginOnTheLayersOrigin() {
        TImagesItem* layer = AddRedLayer(100, 50);
        layer->OrigoX = 10;
        layer->OrigoY = 5;
        Paint();
        Press(QPoint(150, 70));
        Release(QPoint(150, 70));
        Send(QEvent::MouseButtonDblClick, QPoint(150, 70), Qt::LeftButton, Qt::LeftButton);
        Release(QPoint(150, 70));
        QCOMPARE(form_->State.ToolPoint(-1).X, 110.0);
        QCOMPARE(form_->State.ToolPoint(-1).Y, 55.0);
    }

    void sKeyMarqueeSelectsTheLayersItCrosses() {
        TImagesItem* a = AddRedLayer(100, 100);
        TImagesItem* b = AddRedLayer(300, 100);
        TImagesItem* c = AddRedLayer(600, 400);
        Paint();
        QTest::keyClick(Canvas(), Qt::Key_S);
        QVERIFY(form_->ToolBar->SelectModeSpeedButton->isChecked());
        QVERIFY(form_->State.SelectModeDown);
        // Dragged from bottom-right to top-left: the rectangle is normalised.
        MoveOnCanvas(*form_, QPoint(320, 130));
        Press(QPoint(320, 130));
        Later();
        MoveHeld(QPoint(200, 100));
        MoveHeld(QPoint(150, 80));
        QVERIFY(form_->Canvas->RenderOptions().Marquee);
        QCOMPARE(form_->Canvas->RenderOptions().PointerX, 150.0);
        // The marquee is drawn while it is dragged: blue dashes along its top edge.
        const QImage frame = form_->Canvas->OGLRenderPanel->grabFramebuffer();
        int blue = 0;
        for (int x = 160; x < 310; ++x)
            blue += Near(frame.pixel(x, 80), QColor(0, 0, 255), 40) ? 1 : 0;
        QVERIFY2(blue > 20, qPrintable(QString::number(blue)));
        Release(QPoint(150, 80));
        QVERIFY(a->Selected);
        QVERIFY(b->Selected);
        QVERIFY(!c->Selected);
        QCOMPARE(form_->Scene.SelectedCount, 2);
        QVERIFY(!form_->ToolBar->SelectModeSpeedButton->isChecked());
        QVERIFY(!form_->Canvas->RenderOptions().Marquee);
        // The selection frame goes round both, and the common origin to its centre.
        const QImage after = form_->Canvas->OGLRenderPanel->grabFramebuffer();
        const TRectI& sb = form_->State.SelectionBounds;
        QCOMPARE(QRect(QPoint(sb.Left, sb.Top), QPoint(sb.Right, sb.Bottom)),
                 QRect(QPoint(100, 100), QPoint(380, 140)));
        QVERIFY(Near(after.pixel(250, 100), QColor(0, 0, 255), 40));
        QCOMPARE(form_->State.ToolPoint(-1).X, 240.0);
        QCOMPARE(form_->State.ToolPoint(-1).Y, 120.0);
    }

    void ctrlWheelZoomsWithinLimitsAndCentresTheSingleSelectedLayer() {
        TImagesItem* layer = AddRedLayer(900, 700);
        const QSize size100 = Canvas()->size();
        Wheel(120, Qt::ControlModifier);
        QCOMPARE(form_->State.Zoom, 1.1);
        QVERIFY(Canvas()->width() > size100.width());
        QVERIFY2(form_->Status->InfoLabel->text().contains(QStringLiteral("Zoom:110%")),
                 qPrintable(form_->Status->InfoLabel->text()));
        // The wheel without Ctrl leaves the zoom alone.
        Wheel(120, Qt::NoModifier);
        Wheel(120, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form_->State.Zoom, 1.1);
        for (int i = 0; i < 20; ++i)
            Wheel(-120, Qt::ControlModifier);
        QCOMPARE(form_->State.Zoom, 0.5);
        QCOMPARE(Canvas()->size(), QSize(512, 384));

        form_->Document.SelectSingleLayer(layer);
        for (int i = 0; i < 20; ++i)
            Wheel(120, Qt::ControlModifier);
        QCOMPARE(form_->State.Zoom, 2.0);
        // The layer's origin point (900, 700) at 200 % is centred in the scroll box.
        QScrollBar* h = form_->Canvas->horizontalScrollBar();
        QScrollBar* v = form_->Canvas->verticalScrollBar();
        const QWidget* view = form_->Canvas->viewport();
        QCOMPARE(h->value(), std::min(h->maximum(), int(std::nearbyint(1800 - view->width() / 2.0))));
        QCOMPARE(v->value(), std::min(v->maximum(), int(std::nearbyint(1400 - view->height() / 2.0))));
        QVERIFY(h->value() > 0 && v->value() > 0);
    }

    void numericPadKeysZoomInSteps() {
        QTest::keyClick(Canvas(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(form_->State.Zoom, 1.1);
        QTest::keyClick(Canvas(), Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(Canvas(), Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(form_->State.Zoom, 0.9);
    }

    void arrowKeysNudgeTheSelectionAsOneUndoStep() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Paint();
        Click(QPoint(120, 60));
        QVERIFY(layer->Selected);
        QTest::keyClick(Canvas(), Qt::Key_Right);
        QTest::keyClick(Canvas(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(Canvas(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(layer->Left, 91.0);
        QCOMPARE(layer->Top, 60.0);
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(layer->Left, 100.0);
        QCOMPARE(layer->Top, 50.0);
        // Ctrl+Up turns it about its origin point.
        QTest::keyClick(Canvas(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(layer->Angle, -1.0);
        QCOMPARE(layer->Top, 50.0);
        // Typing into a tool-bar control keeps the arrows for the control.
        form_->ToolBar->SpinEdit1->setFocus();
        QTest::keyClick(form_->ToolBar->SpinEdit1, Qt::Key_Up);
        QCOMPARE(form_->ToolBar->SpinEdit1->value(), 2);
        QCOMPARE(layer->Top, 50.0);
    }

    void rotateZoneTurnsTheSelectionAndTheStatusTurnsRedBeyondAFullTurn() {
        TImagesItem* layer = AddRedLayer(400, 300);
        Paint();
        Click(QPoint(420, 320)); // picked: the common origin goes to its origin point
        QCOMPARE(form_->State.ToolPoint(-1).X, 400.0);
        const TRectI b = form_->State.SelectionBounds;
        QCOMPARE(b.Left, 400);
        // Over the rotate zone beyond the bottom-right corner: the editor's own cursor.
        const QPoint zone(b.Right + 16, b.Bottom + 16);
        MoveOnCanvas(*form_, zone);
        QCOMPARE(Canvas()->cursor().shape(), Qt::BitmapCursor);
        Press(zone);
        Later();
        // Round the common origin (the layer's origin point, its top-left) one and a quarter times.
        const QPointF o(form_->State.ToolPoint(-1).X, form_->State.ToolPoint(-1).Y);
        const double r = std::hypot(zone.x() - o.x(), zone.y() - o.y());
        const double start = std::atan2(zone.y() - o.y(), zone.x() - o.x());
        for (int i = 1; i <= 100; ++i) {
            const double a = start + i * 2.5 * M_PI / 100;
            MoveHeld(
                QPoint(int(std::lround(o.x() + r * std::cos(a))), int(std::lround(o.y() + r * std::sin(a)))));
        }
        QVERIFY2(form_->Status->InfoLabel->styleSheet().contains(QStringLiteral("#FF0000")),
                 qPrintable(form_->Status->InfoLabel->text()));
        Release(QPoint(int(std::lround(o.x() + r * std::cos(start + 2.5 * M_PI))),
                       int(std::lround(o.y() + r * std::sin(start + 2.5 * M_PI)))));
        QVERIFY2(std::abs(std::abs(layer->Angle) - 450) < 3, qPrintable(QString::number(layer->Angle)));
        // A new gesture starts white again.
        MoveOnCanvas(*form_, QPoint(10, 700));
        QVERIFY(form_->Status->InfoLabel->styleSheet().isEmpty());
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
    }

    void cornerDragResizesProportionally() {
        TImagesItem* layer = AddRedLayer(400, 300);
        form_->Document.SelectSingleLayer(layer);
        Paint();
        const TRectI b = form_->State.SelectionBounds;
        // The bottom-right handle; the common origin is the layer's top-left.
        const QPoint corner(b.Right, b.Bottom);
        MoveOnCanvas(*form_, corner);
        QCOMPARE(Canvas()->cursor().shape(), Qt::SizeFDiagCursor);
        Drag(corner, {QPoint(b.Right + 20, b.Bottom + 5)});
        QCOMPARE(layer->Width, 120.0); // the bounds grow by twice the step
        QCOMPARE(layer->Height, 60.0);
        QCOMPARE(layer->Left, 400.0);
    }

    void clickInFullPlayTouchesOnlyTouchableLayers() {
        TImagesItem* idle = AddRedLayer(100, 50);
        TImagesItem* button = AddRedLayer(300, 50);
        auto wait = [] { return std::make_unique<TCommandItem>(cmdWait, QStringLiteral("10")); };
        for (TImagesItem* l : {idle, button})
            l->Base.Track[0].Add(wait()); // keeps playing
        idle->Touch1.Track[1].Add(wait());
        button->Touch1.Track[0].Add(wait());
        form_->ToolBar->AutoStopSpeedButton->setChecked(false);
        Paint();
        QTest::keyClick(Canvas(), Qt::Key_F1);
        QVERIFY(form_->Scene.Playing && form_->Scene.FullPlay);
        Click(QPoint(120, 60));
        QCOMPARE(idle->TouchIndex, 0);
        QCOMPARE(idle->ActiveAnimation(), int(TImagesItem::animBase));
        Click(QPoint(320, 60));
        QCOMPARE(button->TouchIndex, 1);
        QCOMPARE(button->ActiveAnimation(), int(TImagesItem::animTouch1));
        QTest::keyClick(Canvas(), Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        // Play never moves a layer through the canvas.
        QCOMPARE(button->Left, 300.0);
    }

    void movesWithinTheClickGuardAreIgnored() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Paint();
        MoveOnCanvas(*form_, QPoint(120, 70));
        Press(QPoint(120, 70));
        now_ += 59; // the window's clock says: 59 ms after the press
        MoveHeld(QPoint(150, 90));
        QCOMPARE(layer->Left, 100.0);
        now_ += 1;
        MoveHeld(QPoint(150, 90));
        Release(QPoint(150, 90));
        QCOMPARE(layer->Left, 130.0);
    }

    void touchDuringPlayReachesTheSelectedLayerUnderTheCommonOrigin() {
        TImagesItem* ball = AddRedLayer(400, 300);
        ball->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("10"))); // keeps playing
        ball->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("0,05")));
        ball->Touch2.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("10")));
        form_->ToolBar->AutoStopSpeedButton->setChecked(false);
        Paint();
        Click(QPoint(440, 320));
        QVERIFY(ball->Selected);
        // The common origin on the ball's centre, as after a double click there.
        form_->State.ToolPoint(-1).X = 440;
        form_->State.ToolPoint(-1).Y = 320;
        Paint();
        QTest::keyClick(Canvas(), Qt::Key_F1);
        QVERIFY(form_->Scene.Playing && form_->Scene.FullPlay);
        Click(QPoint(440, 320));
        QCOMPARE(form_->State.GrabbedPoint, 0);
        QCOMPARE(ball->TouchIndex, 1);
        QCOMPARE(ball->ActiveAnimation(), int(TImagesItem::animTouch1));
        // A second tap once the first touch has run: the next touch animation.
        QTRY_VERIFY(!ball->TouchRunning);
        Click(QPoint(440, 320));
        QCOMPARE(ball->TouchIndex, 2);
        QCOMPARE(ball->ActiveAnimation(), int(TImagesItem::animTouch2));
        QCOMPARE(form_->State.ToolPoint(-1).X, 440.0);
        QTest::keyClick(Canvas(), Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        QCOMPARE(ball->Left, 400.0);
    }

    void undoAndRedoButtonsAreOffWhilePlaying() {
        TImagesItem* layer = AddRedLayer(100, 50);
        layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("10")));
        form_->ToolBar->AutoStopSpeedButton->setChecked(false);
        Paint();
        Drag(QPoint(120, 70), {QPoint(135, 75), QPoint(150, 80)});
        Drag(QPoint(170, 80), {QPoint(190, 85)});
        QCOMPARE(layer->Left, 150.0);
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(layer->Left, 130.0);
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QVERIFY(form_->ToolBar->RedoSpeedButton->isEnabled());

        QTest::keyClick(Canvas(), Qt::Key_F1);
        QVERIFY(form_->Scene.Playing);
        QVERIFY(!form_->ToolBar->UndoSpeedButton->isEnabled());
        QVERIFY(!form_->ToolBar->RedoSpeedButton->isEnabled());
        const int top = form_->State.Undo.Top();
        const int lines = form_->ErrorLog.Count();
        form_->Document.Undo(); // even called directly it does nothing while playing
        form_->Document.Redo();
        QCOMPARE(form_->State.Undo.Top(), top);
        QCOMPARE(form_->ErrorLog.Count(), lines);

        QTest::keyClick(Canvas(), Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        QCOMPARE(layer->Left, 130.0);
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QVERIFY(form_->ToolBar->RedoSpeedButton->isEnabled());
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(layer->Left, 100.0);
    }

    void dragTellsTheCurrentLayersListeners() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Paint();
        int heard = 0;
        form_->State.LayerValuesChanged.Subscribe([&] { ++heard; });
        Drag(QPoint(120, 70), {QPoint(135, 80), QPoint(150, 90)});
        QCOMPARE(layer->Left, 130.0);
        QCOMPARE(heard, 2);
        QTest::keyClick(Canvas(), Qt::Key_Right);
        QCOMPARE(heard, 3);
    }

    void middleButtonPansTheScrollBox() {
        form_->State.Zoom = 2.0;
        form_->Canvas->ApplyResolution();
        QScrollBar* h = form_->Canvas->horizontalScrollBar();
        h->setValue(300);
        MoveOnCanvas(*form_, QPoint(700, 400));
        Press(QPoint(700, 400), Qt::MiddleButton);
        Later();
        MoveHeld(QPoint(680, 400), Qt::MiddleButton);
        Release(QPoint(680, 400), Qt::MiddleButton);
        // Twenty window pixels at 200 % are ten target pixels.
        QCOMPARE(h->value(), 310);
    }
};

VELKON_UI_TEST_MAIN(InteractionTest)
#include "interaction.moc"
