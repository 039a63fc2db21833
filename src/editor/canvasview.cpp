#include "editor/canvasview.h"
#include "editor/previewform.h"

#include "edit/canvasgeometry.h"
#include "edit/helperlines.h"
#include "edit/resolutions.h"
#include "editor/canvascursors.h"
#include "render/canvasrenderer.h"
#include "editor/editordocument.h"
#include "editor/oglrenderpanel.h"
#include "editor/uihelpers.h"
#include "model/dialogs.h"
#include "model/velkonerror.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace velkon {

TShiftState ShiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

namespace {

// The tick count the interaction's click guard measures with: milliseconds
// of the monotonic clock, so that the first events of a run are not taken
// as coming right after a click at time zero.
uint32_t MonotonicTickCount() {
    QElapsedTimer clock;
    clock.start();
    return static_cast<uint32_t>(clock.msecsSinceReference());
}

} // namespace

TCanvasView::TCanvasView(TEditorDocument& document, QWidget* parent)
    : QScrollArea(parent), Interaction(document.State), document_(document), scene_(document.Scene),
      state_(document.State) {
    setObjectName(QStringLiteral("ScrollBox1"));
    setWidgetResizable(false);
    TickCount = MonotonicTickCount;
    CreateCanvas();
    RegisterActions();
    ConnectInteraction();
    connect(&document_, &TEditorDocument::RedrawRequested, this, [this] { RequestRedraw(); });
    // A new or read project brings its own resolution.
    connect(&document_, &TEditorDocument::ProjectReplaced, this, [this] { ApplyResolution(); });
}

void TCanvasView::CreateCanvas() {
    Panel5 = new QWidget;
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->resize(4200, 4200);
    OGLRenderPanel = new TOGLRenderPanel(state_, Panel5);
    OGLRenderPanel->move(0, 0);
    OGLRenderPanel->Options = [this] { return RenderOptions(); };
    // The figure counts play frames; idle redraws are too rare to count.
    OGLRenderPanel->Renderer.OnFps = [this](int fps) {
        if (scene_.Playing) emit FpsMeasured(fps);
    };
    // A picture the canvas cannot show: logged with its file and told in the
    // status line (never a box); the layer shows the broken-picture outline.
    // After the pass, so that nothing else is drawn from inside a paint.
    OGLRenderPanel->OnTextureError = [this](const QString& message) {
        QTimer::singleShot(0, this, [this, message] {
            document_.Log.Add(message);
            emit StatusChanged(message, true);
        });
    };
    // The canvas is a widget, not a signal sender: its handlers are guarded
    // here so that their errors name the canvas.
    auto guarded = [this](void (TCanvasView::*handler)(QMouseEvent*)) {
        return [this, handler](QMouseEvent* e) {
            TVelkonApplication::Guard(OGLRenderPanel, [&] { (this->*handler)(e); });
        };
    };
    OGLRenderPanel->OnMousePress = guarded(&TCanvasView::MouseDown);
    OGLRenderPanel->OnMouseMove = guarded(&TCanvasView::MouseMove);
    OGLRenderPanel->OnMouseRelease = guarded(&TCanvasView::MouseUp);
    setWidget(Panel5);
    // A narrow window takes its room from the docks first: the canvas keeps this much.
    setMinimumWidth(400);

    EditorPopupMenu = new QMenu(this);
    EditorPopupMenu->setObjectName(QStringLiteral("EditorPopupMenu"));
    for (QWidget* w : {static_cast<QWidget*>(OGLRenderPanel), Panel5}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { EditorPopupMenu->popup(w->mapToGlobal(pos)); });
    }
    // A click beside the canvas selects nothing; Ctrl+wheel over it zooms.
    for (QWidget* w : {static_cast<QWidget*>(OGLRenderPanel), Panel5, viewport()})
        w->installEventFilter(this);
}

void TCanvasView::RegisterActions() {
    TActionRegistry& registry = document_.Registry;
    const auto add = [this, &registry](const char* id, const QString& text, const QString& hint,
                                       const QList<QKeySequence>& keys, std::function<void()> run) {
        registry.Command(id, this, text, hint, keys, std::move(run));
    };
    add("project.pack", tr("Csomagol"), tr("Csomagolás"), {},
        [this] { document_.PackProject([this] { ScreenshotPicture = ReadFrame(); }); });
    add("export.preview", tr("Előnézet"), tr("Képkockák vagy animált WebP készítése"), {},
        [this] { TPreviewForm::Open(document_, [this] { return ReadFrame(false); }, window()); });
    add("project.photo", tr("Fotó"), tr("Képernyő lementése"), {}, [this] { Photo(); });
    add("view.zoomIn", tr("Nagyítás"), tr("Nagyítás"), {QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
        [this] { ZoomStep(10); });
    add("view.zoomOut", tr("Kicsinyítés"), tr("Kicsinyítés"),
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)}, [this] { ZoomStep(-10); });
    // A helper line through the pointer: Alt+V horizontal, Alt+F vertical.
    const auto helperLine = [this](bool horizontal) {
        const QPoint p = PointerTarget();
        ToggleHelperLine(scene_, horizontal, horizontal ? p.y() : p.x());
        RequestRedraw();
    };
    add("view.helperLineHorizontal", tr("Vízszintes segédvonal"), tr("Vízszintes segédvonal"),
        {QKeySequence(Qt::ALT | Qt::Key_V)}, [helperLine] { helperLine(true); });
    add("view.helperLineVertical", tr("Függőleges segédvonal"), tr("Függőleges segédvonal"),
        {QKeySequence(Qt::ALT | Qt::Key_F)}, [helperLine] { helperLine(false); });
    add("view.reset", tr("Képernyő alapállapotba"), tr("Képernyő alapállapotba"), {},
        [this] { ResetView(); });
    add("view.clearHelperLines", tr("Segédvonalak törlése"), tr("Segédvonalak törlése"), {}, [this] {
        scene_.Lines.clear();
        RequestRedraw();
    });
}

void TCanvasView::FillPopupMenu() {
    EditorPopupMenu->clear();
    for (const char* id : {"layout.saveScreen", "view.reset", "layout.savePanels", "layout.loadPanels",
                           "layout.resetPanels", "view.clearHelperLines"})
        if (QAction* action = document_.Registry.Action(QString::fromLatin1(id)))
            EditorPopupMenu->addAction(action);
}

void TCanvasView::ApplyResolution() {
    if (scene_.Resolution < 0 || scene_.Resolution >= ResolutionCount) scene_.Resolution = 1;
    const TResolutionLayout layout = velkon::ApplyResolution(state_, scene_.Resolution);
    emit ResolutionApplied(scene_.Resolution);
    // The scroll box fills the window in this layout, so only its content is sized.
    Panel5->setFixedSize(layout.PanelWidth, layout.PanelHeight);
    OGLRenderPanel->setFixedSize(layout.CanvasWidth, layout.CanvasHeight);
    RequestRedraw();
}

TRenderOptions TCanvasView::RenderOptions() const {
    TRenderOptions o;
    if (ViewOptions) ViewOptions(o);
    o.Dragging = (Interaction.Zone & TCanvasInteraction::zoneDragging) != 0;
    o.Marquee = Interaction.MarqueeActive;
    o.MarqueeDownX = Interaction.DownX;
    o.MarqueeDownY = Interaction.DownY;
    o.PointerX = Interaction.PointerX;
    o.PointerY = Interaction.PointerY;
    o.KeyFramePlay = state_.KeyframePlaying;
    o.InverseSweep = state_.InverseSweep;
    o.AutoRotate = state_.AutoRotate;
    o.AutoDuration = state_.AutoDuration;
    return o;
}

void TCanvasView::RequestRedraw() {
    OGLRenderPanel->update();
}

QImage TCanvasView::ReadFrame(bool editingMarks) {
    return OGLRenderPanel->ReadFrame(editingMarks);
}

QPoint TCanvasView::PointerTarget() const {
    const QPoint p = OGLRenderPanel->PointerPos;
    return {WindowToTargetX(state_, p.x()), WindowToTargetY(state_, p.y())};
}

void TCanvasView::ZoomStep(int delta) {
    SyncInteractionSizes();
    if (!Interaction.Wheel(delta, ssCtrl)) return;
    emit StatusText(Interaction.Status);
    RequestRedraw();
}

void TCanvasView::ResetView() {
    state_.Zoom = 1.0;
    state_.FrameOffsetX = state_.FrameOffsetY = 0;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    RequestRedraw();
}

void TCanvasView::Photo() {
    if (scene_.ProjectFileName == QLatin1String(UntitledProjectName)) return;
    document_.SelectSingleLayer(nullptr);
    ScreenshotPicture = ReadFrame();
    const auto chosen =
        document_.Dialogs().InputText(tr("Képernyő mentés"), tr("Mi legyen a neve?"), PhotoFileName(scene_));
    if (!chosen) return;
    const QString path = QDir(scene_.ProjectDir).filePath(*chosen);
    if (!ScreenshotPicture.save(path, "PNG"))
        throw EVelkonError(tr("A képet nem sikerült menteni: %1").arg(path));
}

bool TCanvasView::IsCanvasArea(const QWidget* w) const {
    return w == OGLRenderPanel || w == Panel5 || w == this || w == viewport();
}

bool TCanvasView::eventFilter(QObject* watched, QEvent* event) {
    // A click on the panel around the canvas selects no layer.
    if (event->type() == QEvent::MouseButtonPress && watched == Panel5 &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        TVelkonApplication::Guard(Panel5, [this] {
            document_.SelectSingleLayer(nullptr);
            emit document_.LayersChanged();
            emit document_.SelectionChanged();
        });
    }
    // Ctrl+wheel over the canvas zooms. It is consumed: the scroll box would
    // otherwise page away from the layer the zoom just centred.
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (ShiftOf(wheel->modifiers()) == ssCtrl) {
            const int delta = wheel->angleDelta().y() != 0 ? wheel->angleDelta().y() : wheel->angleDelta().x();
            if (delta != 0) TVelkonApplication::Guard(watched, [&] { ZoomStep(delta); });
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

bool TCanvasView::KeyDown(QKeyEvent* event, QWidget* target) {
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const TShiftState shift = ShiftOf(mods);
    if (event->key() == Qt::Key_S && !(mods & Qt::ControlModifier) && Interaction.StartMarqueeMode(shift)) {
        emit SelectModeChanged(true);
        OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::Drag));
        return true;
    }
    using TArrow = TCanvasInteraction::TArrow;
    std::optional<TArrow> arrow;
    switch (event->key()) {
    case Qt::Key_Left:
        arrow = TArrow::Left;
        break;
    case Qt::Key_Right:
        arrow = TArrow::Right;
        break;
    case Qt::Key_Up:
        arrow = TArrow::Up;
        break;
    case Qt::Key_Down:
        arrow = TArrow::Down;
        break;
    default:
        break;
    }
    if (arrow && Interaction.ArrowKey(*arrow, shift)) {
        document_.Edited();
        return true;
    }
    // Keys on the canvas go nowhere else (the scroll box would scroll on arrows).
    return target && IsCanvasArea(target);
}

void TCanvasView::KeyUp(QKeyEvent* event) {
    Qt::KeyboardModifiers mods = event->modifiers();
    // The released key's own modifier is no longer held.
    if (event->key() == Qt::Key_Shift) mods &= ~Qt::ShiftModifier;
    if (event->key() == Qt::Key_Control) mods &= ~Qt::ControlModifier;
    if (event->key() == Qt::Key_Alt) mods &= ~Qt::AltModifier;
    Interaction.KeyUp(ShiftOf(mods));
}

void TCanvasView::ShowKeyHint(Qt::KeyboardModifiers mods) {
    if (!(Interaction.Zone & TCanvasInteraction::zoneInside)) return;
    if (mods & Qt::AltModifier)
        OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::Rotate));
    else if (mods & Qt::ControlModifier)
        OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::SizeNWSE));
}

void TCanvasView::ShowSelectMode(bool down) {
    if (down) OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::Drag));
}

void TCanvasView::ConnectInteraction() {
    Interaction.Redraw = [this] { RequestRedraw(); };
    Interaction.ScrollBy = [this](int32_t dx, int32_t dy) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
        verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
    };
    Interaction.ScrollTo = [this](int32_t x, int32_t y) {
        horizontalScrollBar()->setValue(x);
        verticalScrollBar()->setValue(y);
    };
    Interaction.ApplyResolution = [this] { ApplyResolution(); };
    Interaction.TouchStart = [this](TImagesItem& layer) { document_.Player->TouchStart(layer); };
    Interaction.BoneSetup = [this] { document_.Registry.Trigger(QStringLiteral("keyframe.bone")); };
}

void TCanvasView::SyncInteractionSizes() {
    Interaction.PanelWidth = Panel5->width();
    Interaction.PanelHeight = Panel5->height();
    Interaction.ScrollBoxWidth = viewport()->width();
    Interaction.ScrollBoxHeight = viewport()->height();
}

void TCanvasView::ShowInteraction() {
    // Red while the turn since the button went down is beyond a full turn.
    emit StatusChanged(Interaction.Status, Interaction.StatusRed);
    OGLRenderPanel->setCursor(CanvasCursor(Interaction.Cursor));
}

void TCanvasView::MouseDown(QMouseEvent* event) {
    // Keys go to the canvas from now on, not to a panel control.
    OGLRenderPanel->setFocus(Qt::MouseFocusReason);
    SyncInteractionSizes();
    TShiftState shift = ShiftOf(event->modifiers(), event->buttons());
    if (event->type() == QEvent::MouseButtonDblClick) shift |= ssDouble;
    const QPoint p = event->position().toPoint();
    Interaction.MouseDown(shift, p.x(), p.y(), TickCount());
    document_.UpdateEnabledState();
    RequestRedraw();
}

void TCanvasView::MouseMove(QMouseEvent* event) {
    SyncInteractionSizes();
    const QPoint p = event->position().toPoint();
    const bool wasDown = Interaction.LeftDown;
    Interaction.MouseMove(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y(), TickCount());
    ShowInteraction();
    if (wasDown) document_.UpdateEnabledState(); // the drag's first step recorded an undo step
}

void TCanvasView::MouseUp(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Interaction.MouseUp(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
    emit SelectModeChanged(state_.SelectModeDown); // the marquee may have released it
    ShowInteraction();
    document_.Edited();
}

} // namespace velkon
