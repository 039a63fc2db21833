#include "editor/mainform.h"

#include "edit/errorreport.h"
#include "edit/helperlines.h"
#include "edit/projectplace.h"
#include "edit/resolutions.h"
#include "editor/canvascursors.h"
#include "editor/canvasrenderer.h"
#include "editor/dockform.h"
#include "editor/errorform.h"
#include "editor/filedrop.h"
#include "editor/helpform.h"
#include "editor/keymap.h"
#include "editor/layoutpersistence.h"
#include "editor/keytargets.h"
#include "editor/oglrenderpanel.h"
#include "editor/playdriver.h"
#include "editor/statusnotice.h"
#include "editor/uihelpers.h"
#include "editor/ujdonsagform.h"
#include "editor/velkonapplication.h"
#include "engine/sounds.h"
#include "model/velkonerror.h"
#include "panels/animation/animform.h"
#include "panels/layers/imagesform.h"
#include "panels/layers/propertyform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTime>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

#include "edit/canvasgeometry.h"
#include "edit/undobuffer.h"
#include "engine/clock.h"
#include "engine/playback.h"
#include "engine/player.h"
#include "panels/animation/keyframeform.h"
#include "project/inifile.h"
#include "project/packexport.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/resourcesbeside.h"

namespace velkon {

namespace {

TShiftState ShiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

// The tick count the interaction's click guard measures with: milliseconds
// of the monotonic clock, so that the first events of a run are not taken
// as coming right after a click at time zero.
uint32_t MonotonicTickCount() {
    QElapsedTimer clock;
    clock.start();
    return static_cast<uint32_t>(clock.msecsSinceReference());
}

QToolButton* Button(QToolBar* bar, const char* name, const QString& text, const QString& hint,
                    bool checkable = false) {
    QToolButton* b = ToolButton(bar, name, text, hint, checkable);
    bar->addWidget(b);
    return b;
}

} // namespace

TMainForm::TMainForm(const QStringList& args, QWidget* parent) : QMainWindow(parent), args_(args) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Velkon Editor v1.97"));
    ProgramCaption = windowTitle();
    TickCount = MonotonicTickCount;
    skipCloseQuestion_ = args_.size() >= 2 && args_[1] == QLatin1String("n");
    QtDialogs.SetParent(this);
    Dialogs = &QtDialogs;
    Document.DialogParent = this;
    Scene.BackgroundColor = 0xFFFFFF;
    Scene.SelectColor = 0xFFFFFF;
    Scene.ProjectFileName = QString::fromLatin1(UntitledProjectName);
    CreateToolBar();
    UpdateCaption();
    CreateCanvas();
    PlayDriver = new TPlayDriver(Document, this);
    connect(PlayDriver, &TPlayDriver::FrameDue, this, [this] { RedrawNow(); });

    // The resolution list, item 1 selected and applied.
    for (const TResolutionDesc& preset : ResolutionPresets())
        ResComboBox->addItem(preset.Name);
    ResComboBox->setCurrentIndex(1);
    Scene.Resolution = 1;
    ApplyResolution();

    // Without a sound device the editor still runs; sounds then stay silent.
    OpenSceneSounds(Scene, ErrorLog);

    ConnectDocument();

    // Panels: the error log first, so that errors from now on are logged.
    CreatePanels();
    new TFileDrop(Document, this, OGLRenderPanel, static_cast<TImagesForm&>(*ImagesForm)); // dropped files
    auto* status = findChild<QWidget*>(QStringLiteral("Panel2"));
    StatusNotice = new TStatusNotice(ErrorLog, *ErrorForm, status);
    static_cast<QHBoxLayout*>(status->layout())->insertWidget(1, StatusNotice->NoticeLabel);
    qApp->installEventFilter(this);
    TLayoutPersistence::TParts parts;
    parts.Window = this;
    parts.ScrollBox = ScrollBox1;
    parts.Panel5 = Panel5;
    parts.Canvas = OGLRenderPanel;
    parts.Status = findChild<QWidget*>(QStringLiteral("Panel2"));
    parts.ToolBar = findChild<QToolBar*>(QStringLiteral("Panel1"));
    for (int i = 0; i < TLayoutSettings::PanelCount; ++i)
        parts.Panels[static_cast<size_t>(i)] = Panel(i);
    Layout = new TLayoutPersistence(Document.Places, parts, this);
    LoadScreenLayout();
    LoadPanelLayout();
    RefreshLayerPanel();
    RefreshPropertyPanels();
    UpdateEnabledState();

    ConnectInteraction();
}

void TMainForm::RegisterActions() {
    const auto add = [this](const char* id, const QString& text, const QString& hint,
                            const QList<QKeySequence>& keys, std::function<void()> run) {
        Document.Registry.Command(id, this, text, hint, keys, std::move(run));
    };
    add("project.pack", QStringLiteral("Csomagol"), QStringLiteral("Csomagolás"), {},
        [this] { PackSpeedButtonClick(); });
    add("view.zoomIn", QStringLiteral("Nagyítás"), QStringLiteral("Nagyítás"), {QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
        [this] { ZoomStep(10); });
    add("view.zoomOut", QStringLiteral("Kicsinyítés"), QStringLiteral("Kicsinyítés"),
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)}, [this] { ZoomStep(-10); });
    // A helper line through the pointer: Alt+V horizontal, Alt+F vertical.
    const auto helperLine = [this](bool horizontal) {
        const QPoint p = PointerTarget();
        ToggleHelperLine(Scene, horizontal, horizontal ? p.y() : p.x());
        RequestRedraw();
    };
    add("view.helperLineHorizontal", QStringLiteral("Vízszintes segédvonal"), QStringLiteral("Vízszintes segédvonal"),
        {QKeySequence(Qt::ALT | Qt::Key_V)}, [helperLine] { helperLine(true); });
    add("view.helperLineVertical", QStringLiteral("Függőleges segédvonal"), QStringLiteral("Függőleges segédvonal"),
        {QKeySequence(Qt::ALT | Qt::Key_F)}, [helperLine] { helperLine(false); });
}

void TMainForm::ConnectDocument() {
    TEditorDocument* d = &Document;
    connect(d, &TEditorDocument::RedrawRequested, this, [this] { RequestRedraw(); });
    connect(d, &TEditorDocument::EnabledStateChanged, this, [this] { EnableToolBar(); });
    connect(d, &TEditorDocument::ProjectNameChanged, this, [this] { UpdateCaption(); });
    connect(d, &TEditorDocument::SavedChanged, this, [this](bool saved) { setWindowModified(!saved); });
    // A new or read project brings its own Lock switch and resolution.
    connect(d, &TEditorDocument::ProjectReplaced, this, [this] {
        LockSpeedButton->setChecked(Scene.Lock);
        ApplyResolution();
    });
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    TVelkonApplication::ErrorSink = nullptr;
    PlayDriver->Stop();
    // Textures go with the canvas; free the files while it still exists.
    Scene.ClearLayersAndFiles();
    // The panels and the canvas refer to the scene, the log and the document,
    // which are members: they must go before the members do, not with the base class.
    for (TDockForm** panel : {&ImagesForm, &KeyFrameForm, &AnimForm, &PropertyForm,
                              reinterpret_cast<TDockForm**>(&ErrorForm)}) {
        delete *panel;
        *panel = nullptr;
    }
    delete takeCentralWidget();
}

void TMainForm::CreateToolBar() {
    auto* bar = new QToolBar(QStringLiteral("Panel1"), this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, bar);

    NewSpeedButton = Button(bar, "NewSpeedButton", QStringLiteral("Új"), QStringLiteral("Új projekt"));
    OpenSpeedButton =
        Button(bar, "OpenSpeedButton", QStringLiteral("Megnyit"), QStringLiteral("Projekt betöltése"));
    SaveSpeedButton =
        Button(bar, "SaveSpeedButton", QStringLiteral("Ment"), QStringLiteral("Projekt mentése [Ctrl+S]"));
    PackSpeedButton =
        Button(bar, "PackSpeedButton", QStringLiteral("Csomagol"), QStringLiteral("Csomagolás"));
    InfoSpeedButton = Button(bar, "InfoSpeedButton", QStringLiteral("Info"), QStringLiteral("Change log"));
    HelpSpeedButton =
        Button(bar, "HelpSpeedButton", QStringLiteral("Súgó"), QStringLiteral("Súgó: billentyűk, fájlok"));
    // The button still opens the change log; its arrow offers the help too.
    InfoMenu = new QMenu(InfoSpeedButton);
    InfoMenu->setObjectName(QStringLiteral("InfoMenu"));
    InfoSpeedButton->setMenu(InfoMenu);
    InfoSpeedButton->setPopupMode(QToolButton::MenuButtonPopup);
    // The Open button still asks for a file; its arrow lists the recent projects.
    RecentMenu = new QMenu(QStringLiteral("Legutóbbi projektek"), OpenSpeedButton);
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    RecentMenu->setToolTipsVisible(true);
    OpenSpeedButton->setMenu(RecentMenu);
    OpenSpeedButton->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addSeparator();
    ResComboBox = new QComboBox(bar);
    ResComboBox->setObjectName(QStringLiteral("ResComboBox"));
    bar->addWidget(ResComboBox);
    bar->addSeparator();
    StartPageSpeedButton =
        Button(bar, "StartPageSpeedButton", QStringLiteral("▶"), QStringLiteral("Lejátszás [F1]"));
    StopPageSpeedButton3 =
        Button(bar, "StopPageSpeedButton3", QStringLiteral("■"), QStringLiteral("Leállítás [F1]"));
    AutoStopSpeedButton = Button(bar, "AutoStopSpeedButton", QStringLiteral("Auto"),
                                 QStringLiteral("Automatikus leállás"), true);
    AutoStopSpeedButton->setChecked(true);
    bar->addSeparator();
    CommandPreviewSpeedButton = Button(bar, "CommandPreviewSpeedButton", QStringLiteral("Fázisok"),
                                       QStringLiteral("Fázisok megjelenítése"), true);
    TrackBar2 = new QSlider(Qt::Horizontal, bar);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setRange(1, 10);
    TrackBar2->setValue(5);
    TrackBar2->setMaximumWidth(80);
    TrackBar2->setToolTip(QStringLiteral("Fázisok mennyire legyenek átlátszóak"));
    bar->addWidget(TrackBar2);
    SpinEdit1 = new QSpinBox(bar);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit2 = new QSpinBox(bar);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    for (QSpinBox* s : {SpinEdit1, SpinEdit2}) {
        s->setRange(0, 100);
        s->setValue(1);
        bar->addWidget(s);
    }
    VonalakCB = new QCheckBox(QStringLiteral("Vonalak"), bar);
    VonalakCB->setObjectName(QStringLiteral("VonalakCB"));
    bar->addWidget(VonalakCB);
    ClearCheckBox = new QCheckBox(QStringLiteral("Törlés"), bar);
    ClearCheckBox->setObjectName(QStringLiteral("ClearCheckBox"));
    ClearCheckBox->setToolTip(QStringLiteral("Rajzvászon törlése"));
    bar->addWidget(ClearCheckBox);
    bar->addSeparator();
    BackGroundSpeedButton =
        Button(bar, "BackGroundSpeedButton", QStringLiteral("Háttér"), QStringLiteral("Háttérszín"));
    SelectedColorSpeedButton = Button(bar, "SelectedColorSpeedButton", QStringLiteral("Kijelölés"),
                                      QStringLiteral("Kijelölés színe"));
    LockSpeedButton = Button(bar, "LockSpeedButton", QStringLiteral("Zár"),
                             QStringLiteral("A zárolt objektumokat ki lehet-e választani?"), true);
    SelectModeSpeedButton = Button(bar, "SelectModeSpeedButton", QStringLiteral("Ölelés"),
                                   QStringLiteral("Öleléses kiválasztás [s]"), true);
    UndoSpeedButton =
        Button(bar, "UndoSpeedButton", QStringLiteral("↶"), QStringLiteral("Visszavonás [Ctrl+Z]"));
    RedoSpeedButton =
        Button(bar, "RedoSpeedButton", QStringLiteral("↷"), QStringLiteral("Újra [Ctrl+Y, Ctrl+Shift+Z]"));
    UndoSpeedButton->setEnabled(false);
    RedoSpeedButton->setEnabled(false);
    PhotoSpeedButton =
        Button(bar, "PhotoSpeedButton", QStringLiteral("Fotó"), QStringLiteral("Képernyő lementése"));
    TrackBar1 = new QSlider(Qt::Horizontal, bar);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(1, 10);
    TrackBar1->setValue(1);
    TrackBar1->setMaximumWidth(100);
    TrackBar1->setToolTip(QStringLiteral("Lassítás"));
    bar->addWidget(TrackBar1);

    RegisterActions();
    // The buttons run the registered commands.
    const std::pair<QToolButton*, const char*> commands[] = {
        {NewSpeedButton, "project.new"},       {OpenSpeedButton, "project.open"},
        {SaveSpeedButton, "project.saveAs"},   {PackSpeedButton, "project.pack"},
        {StartPageSpeedButton, "play.toggle"}, {StopPageSpeedButton3, "play.toggle"},
        {UndoSpeedButton, "edit.undo"},        {RedoSpeedButton, "edit.redo"},
    };
    for (const auto& [button, id] : commands)
        connect(button, &QToolButton::clicked, this, [this, id] { Document.Registry.Trigger(QString::fromLatin1(id)); });
    On(PhotoSpeedButton, &QToolButton::clicked, this, [this] { PhotoSpeedButtonClick(); });
    const auto openChangeLog = [this] { TUjdonsagForm::Open(this); };
    On(InfoSpeedButton, &QToolButton::clicked, this, openChangeLog);
    On(InfoMenu->addAction(QStringLiteral("Fejlesztési napló")), &QAction::triggered, this, openChangeLog);
    On(InfoMenu->addAction(QStringLiteral("Súgó")), &QAction::triggered, this,
       [this] { THelpForm::Open(this); });
    On(HelpSpeedButton, &QToolButton::clicked, this, [this] { THelpForm::Open(this); });
    On(RecentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    On(ResComboBox, &QComboBox::activated, this, [this] {
        Scene.Resolution = ResComboBox->currentIndex();
        ApplyResolution();
    });
    On(TrackBar1, &QSlider::valueChanged, this, [this] { Scene.TimeScale = TrackBar1->value(); });
    // Down: locked layers cannot be picked, and the project says Lock=1.
    On(LockSpeedButton, &QToolButton::toggled, this, [this] { Scene.Lock = LockSpeedButton->isChecked(); });
    On(BackGroundSpeedButton, &QToolButton::clicked, this, [this] { ChooseColour(Scene.BackgroundColor); });
    On(SelectedColorSpeedButton, &QToolButton::clicked, this, [this] { ChooseColour(Scene.SelectColor); });
    for (QObject* control :
         std::initializer_list<QObject*>{CommandPreviewSpeedButton, VonalakCB, ClearCheckBox})
        connect(static_cast<QAbstractButton*>(control), &QAbstractButton::toggled, this,
                [this] { RequestRedraw(); });
    connect(TrackBar2, &QSlider::valueChanged, this, [this] { RequestRedraw(); });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { RequestRedraw(); });
    connect(SpinEdit2, &QSpinBox::valueChanged, this, [this] { RequestRedraw(); });
    Scene.Lock = LockSpeedButton->isChecked();
    On(AutoStopSpeedButton, &QToolButton::toggled, this,
       [this] { Document.Playback->AutoStop = AutoStopSpeedButton->isChecked(); });

    auto* status = new QWidget(this);
    status->setObjectName(QStringLiteral("Panel2"));
    auto* row = new QHBoxLayout(status);
    row->setContentsMargins(4, 0, 4, 0);
    InfoLabel = new QLabel(status);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    // Where the next Ctrl+S writes: after a pack that is the pack's folder.
    ProjectLabel = new QLabel(status);
    ProjectLabel->setObjectName(QStringLiteral("ProjectLabel"));
    ProjectLabel->setToolTip(QStringLiteral("A projekt helye (ide ment a Ctrl+S)"));
    FPSLabel = new QLabel(QStringLiteral("FPS = 0"), status);
    FPSLabel->setObjectName(QStringLiteral("FPSLabel"));
    row->addWidget(InfoLabel, 1);
    row->addWidget(ProjectLabel);
    row->addWidget(FPSLabel);
    statusBar()->addPermanentWidget(status, 1);
}

void TMainForm::CreateCanvas() {
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    Panel5 = new QWidget;
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->resize(4200, 4200);
    OGLRenderPanel = new TOGLRenderPanel(State, Panel5);
    OGLRenderPanel->move(0, 0);
    OGLRenderPanel->Options = [this] { return RenderOptions(); };
    // The figure counts play frames; idle redraws are too rare to count.
    OGLRenderPanel->Renderer.OnFps = [this](int fps) {
        if (Scene.Playing) FPSLabel->setText(QStringLiteral("FPS = %1").arg(fps));
    };
    // A picture the canvas cannot show: logged with its file and told in the
    // status line (never a box); the layer shows the broken-picture outline.
    // After the pass, so that nothing else is drawn from inside a paint.
    OGLRenderPanel->OnTextureError = [this](const QString& message) {
        QTimer::singleShot(0, this, [this, message] {
            ErrorLog.Add(message);
            InfoLabel->setText(message);
            InfoLabel->setStyleSheet(QStringLiteral("background-color: #FF0000;"));
        });
    };
    // The canvas is a widget, not a signal sender: its handlers are guarded
    // here so that their errors name the canvas.
    auto guarded = [this](void (TMainForm::*handler)(QMouseEvent*)) {
        return [this, handler](QMouseEvent* e) {
            TVelkonApplication::Guard(OGLRenderPanel, [&] { (this->*handler)(e); });
        };
    };
    OGLRenderPanel->OnMousePress = guarded(&TMainForm::CanvasMouseDown);
    OGLRenderPanel->OnMouseMove = guarded(&TMainForm::CanvasMouseMove);
    OGLRenderPanel->OnMouseRelease = guarded(&TMainForm::CanvasMouseUp);
    ScrollBox1->setWidget(Panel5);
    // A narrow window takes its room from the docks first: the canvas keeps this much.
    ScrollBox1->setMinimumWidth(400);
    setCentralWidget(ScrollBox1);

    EditorPopupMenu = new QMenu(this);
    EditorPopupMenu->setObjectName(QStringLiteral("EditorPopupMenu"));
    const std::pair<QString, std::function<void()>> items[] = {
        {QStringLiteral("Elválasztók helyzetének mentése"), [this] { SaveScreenLayout(); }},
        {QStringLiteral("Képernyő alapállapotba"), [this] { ResetView(); }},
        {QStringLiteral("Lebegő panelek elmentése"), [this] { SavePanelLayout(); }},
        {QStringLiteral("Lebegő panelek betöltése"), [this] { LoadPanelLayout(); }},
        {QStringLiteral("Lebegő panelek alaphelyzetbe"), [this] { ResetPanelLayout(); }},
        {QStringLiteral("Segédvonalak törlése"),
         [this] {
             Scene.Lines.clear();
             RequestRedraw();
         }},
    };
    for (const auto& [text, handler] : items) {
        QAction* action = EditorPopupMenu->addAction(text);
        On(action, &QAction::triggered, this, handler);
    }
    for (QWidget* w : {static_cast<QWidget*>(OGLRenderPanel), Panel5}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { EditorPopupMenu->popup(w->mapToGlobal(pos)); });
    }
}

void TMainForm::CreatePanels() {
    ErrorForm = new TErrorForm(ErrorLog, this);
    TVelkonApplication::ErrorSink = [this](QObject* sender, const QString& message) {
        std::optional<TGridInfo> grid;
        // Mouse events of a grid go to its viewport; the grid is the sender that counts.
        if (auto* area = sender ? qobject_cast<QAbstractScrollArea*>(sender->parent()) : nullptr;
            area && area->viewport() == sender)
            sender = area;
        if (auto* table = qobject_cast<QTableWidget*>(sender))
            grid = TGridInfo{table->objectName(), table->rowCount(), table->columnCount(),
                             table->currentRow(), table->currentColumn()};
        ReportError(ErrorLog, QTime::currentTime(), message, grid);
    };
    // Each panel gets the document.
    PropertyForm = new TPropertyForm(Document, this);
    AnimForm = new TAnimForm(Document, this);
    KeyFrameForm = new TKeyFrameForm(Document, this);
    ImagesForm = new TImagesForm(Document, this);
    for (TDockForm* panel :
         {static_cast<TDockForm*>(ErrorForm), PropertyForm, AnimForm, KeyFrameForm, ImagesForm}) {
        if (!panel->widget()) panel->setWidget(new QWidget(panel));
        addDockWidget(Qt::RightDockWidgetArea, panel);
    }
    for (TDockForm* panel : {PropertyForm, AnimForm, KeyFrameForm, ImagesForm})
        tabifyDockWidget(ErrorForm, panel);
}

TDockForm* TMainForm::Panel(int index) const {
    switch (index) {
    case TLayoutSettings::panImages:
        return ImagesForm;
    case TLayoutSettings::panKeyFrame:
        return KeyFrameForm;
    case TLayoutSettings::panProperty:
        return PropertyForm;
    case TLayoutSettings::panAnim:
        return AnimForm;
    default:
        return ErrorForm;
    }
}

void TMainForm::UpdateCaption() {
    // A project read only in part says so, until it is saved somewhere whole.
    const QString incomplete = Scene.Incomplete.isEmpty() ? QString() : QStringLiteral(" (hiányosan betöltve)");
    // "[*]" is where Qt shows the modified mark: "demo.VKP* - ..." while unsaved.
    setWindowTitle(Scene.ProjectFileName + QStringLiteral("[*]") + incomplete + QStringLiteral(" - ") + ProgramCaption);
    setWindowModified(!Scene.Saved);
    if (ProjectLabel) ProjectLabel->setText(ProjectPlace(Scene));
}

void TMainForm::ApplyResolution() {
    if (Scene.Resolution < 0 || Scene.Resolution >= ResolutionCount) Scene.Resolution = 1;
    const TResolutionLayout layout = velkon::ApplyResolution(State, Scene.Resolution);
    if (ResComboBox->currentIndex() != Scene.Resolution) ResComboBox->setCurrentIndex(Scene.Resolution);
    // ScrollBox1 fills the window in this layout, so only its content is sized.
    Panel5->setFixedSize(layout.PanelWidth, layout.PanelHeight);
    OGLRenderPanel->setFixedSize(layout.CanvasWidth, layout.CanvasHeight);
    RequestRedraw();
}

TRenderOptions TMainForm::RenderOptions() const {
    TRenderOptions o;
    o.ClearFrame = ClearCheckBox->isChecked();
    o.ShowPhases = CommandPreviewSpeedButton->isChecked();
    o.PhaseOpacity = TrackBar2->value();
    o.PhasesBefore = SpinEdit1->value();
    o.PhasesAfter = SpinEdit2->value();
    o.ShowPaths = VonalakCB->isChecked();
    o.Dragging = (Interaction.Zone & TCanvasInteraction::zoneDragging) != 0;
    o.Marquee = Interaction.MarqueeActive;
    o.MarqueeDownX = Interaction.DownX;
    o.MarqueeDownY = Interaction.DownY;
    o.PointerX = Interaction.PointerX;
    o.PointerY = Interaction.PointerY;
    o.KeyFramePlay = State.KeyframePlaying;
    o.InverseSweep = State.InverseSweep;
    o.AutoRotate = State.AutoRotate;
    o.AutoDuration = State.AutoDuration;
    return o;
}

void TMainForm::RedrawNow() {
    OGLRenderPanel->update();
}
void TMainForm::RequestRedraw() {
    OGLRenderPanel->update();
}

QImage TMainForm::ReadFrame() {
    return OGLRenderPanel->ReadFrame();
}

QPoint TMainForm::PointerTarget() const {
    const QPoint p = OGLRenderPanel->PointerPos;
    return {WindowToTargetX(State, p.x()), WindowToTargetY(State, p.y())};
}

// ---- Selection and panels ----

void TMainForm::SelectSingleLayer(TImagesItem* layer) {
    Document.SelectSingleLayer(layer);
}

void TMainForm::RefreshLayerPanel() {
    emit Document.LayersChanged();
}

void TMainForm::RefreshPropertyPanels() {
    emit Document.SelectionChanged();
}

void TMainForm::UpdateEnabledState() {
    Document.UpdateEnabledState();
}

void TMainForm::EnableToolBar() {
    const bool playing = Scene.Playing;
    OpenSpeedButton->setEnabled(!playing && !State.KeyframeMode);
    SaveSpeedButton->setEnabled(!playing);
    PackSpeedButton->setEnabled(!playing);
    NewSpeedButton->setEnabled(!playing);
    ResComboBox->setEnabled(!playing);
    StartPageSpeedButton->setEnabled(!playing);
    StopPageSpeedButton3->setEnabled(playing);
    if (!playing) FPSLabel->setText(QStringLiteral("FPS = 0"));
    // A step undone while playing would be lost to the restore at stop.
    UndoSpeedButton->setEnabled(!playing && State.Undo.UndoEnabled());
    RedoSpeedButton->setEnabled(!playing && State.Undo.RedoEnabled());
}

// ---- Playing and the idle loop ----

void TMainForm::PlayStopToggle(bool preview) {
    Document.PlayStopToggle(preview);
}

bool TMainForm::IdlePass() {
    return PlayDriver->Pass();
}
bool TMainForm::IdleLoopRunning() const {
    return PlayDriver->Running();
}
uint64_t TMainForm::IdlePassesRun() const {
    return PlayDriver->PassesRun();
}

// ---- Projects ----

void TMainForm::NewSpeedButtonClick() {
    Document.NewProject();
}

void TMainForm::FillRecentMenu() {
    RecentMenu->clear();
    RecentMenu->addSection(RecentMenu->title());
    // A section's title does not widen the menu by itself.
    RecentMenu->setMinimumWidth(RecentMenu->fontMetrics().horizontalAdvance(RecentMenu->title()) + 48);
    const QStringList paths = Document.RecentProjects();
    if (paths.isEmpty()) RecentMenu->addAction(QStringLiteral("(nincs még)"))->setEnabled(false);
    for (const QString& path : paths) {
        QAction* item = RecentMenu->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        On(item, &QAction::triggered, this, [this, path] { Document.OpenRecentProject(path); });
    }
}

void TMainForm::OpenSpeedButtonClick() {
    Document.OpenProject();
}

void TMainForm::OpenProject(const QString& path) {
    Document.OpenProject(path);
}

void TMainForm::SaveSpeedButtonClick(bool fromButton) {
    Document.SaveProject(fromButton);
}

void TMainForm::PackSpeedButtonClick() {
    Document.PackProject([this] { ScreenshotPicture = ReadFrame(); });
}

void TMainForm::PhotoSpeedButtonClick() {
    if (Scene.ProjectFileName == QLatin1String(UntitledProjectName)) return;
    SelectSingleLayer(nullptr);
    ScreenshotPicture = ReadFrame();
    const QImage& frame = ScreenshotPicture;
    const auto chosen = Dialogs->InputText(QStringLiteral("Képernyő mentés"), QStringLiteral("Mi legyen a neve?"),
                                           PhotoFileName(Scene));
    if (!chosen) return;
    const QString path = QDir(Scene.ProjectDir).filePath(*chosen);
    if (!frame.save(path, "PNG")) throw EVelkonError(QStringLiteral("A képet nem sikerült menteni: ") + path);
}

void TMainForm::ChooseColour(uint32_t& colour) {
    const QColor c = QColorDialog::getColor(ToQColor(colour), this);
    if (!c.isValid()) return;
    colour = ToBgr(c);
    RequestRedraw();
}

// ---- Window events ----

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (!args_.isEmpty()) {
        const QString path = args_.first();
        QTimer::singleShot(0, this,
                           [this, path] { TVelkonApplication::Guard(this, [&] { OpenProject(path); }); });
    }
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) ApplyResolution();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!skipCloseQuestion_ && !Document.MayClose()) {
        event->ignore();
        return;
    }
    PlayDriver->Stop();
    // The pose being edited is stored and the exit save sees the start state.
    TVelkonApplication::Guard(this, [this] { Document.EndKeyframeEditing(); });
    // The exit save always runs; a failure is logged and the window still closes.
    TVelkonApplication::Guard(this, [this] { Document.ExitSave(); });
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // A click on the panel around the canvas selects no layer.
    if (event->type() == QEvent::MouseButtonPress && watched == Panel5 &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        SelectSingleLayer(nullptr);
        RefreshLayerPanel();
        RefreshPropertyPanels();
    }
    if (event->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        // Key preview: keys for this window and its docked or floating panels.
        if (w && w->isWidgetType() && (w->window() == this || qobject_cast<TDockForm*>(w->window()))) {
            // A key a field ignored travels on to its parents; it is still the field's key.
            QWidget* target = w;
            if (QWidget* focus = QApplication::focusWidget(); focus && w->isAncestorOf(focus)) target = focus;
            bool consumed = false;
            TVelkonApplication::Guard(
                w, [&] { consumed = FormKeyDown(static_cast<QKeyEvent*>(event), target); });
            if (consumed) return true;
        }
    }
    if (event->type() == QEvent::KeyRelease) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->isWidgetType() && (w->window() == this || qobject_cast<TDockForm*>(w->window())))
            TVelkonApplication::Guard(w, [&] { FormKeyUp(static_cast<QKeyEvent*>(event)); });
    }
    // Ctrl+wheel over the canvas zooms. It is consumed: the scroll box would
    // otherwise page away from the layer the zoom just centred.
    if (event->type() == QEvent::Wheel) {
        auto* w = qobject_cast<QWidget*>(watched);
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (w && w->isWidgetType() && IsCanvasArea(w) && ShiftOf(wheel->modifiers()) == ssCtrl) {
            const int delta =
                wheel->angleDelta().y() != 0 ? wheel->angleDelta().y() : wheel->angleDelta().x();
            if (delta != 0) TVelkonApplication::Guard(w, [&] { ZoomStep(delta); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::IsCanvasArea(QWidget* w) const {
    return w == OGLRenderPanel || w == Panel5 || w == ScrollBox1 || w == ScrollBox1->viewport();
}

bool TMainForm::KeysForWindow(QWidget* target) const {
    if (!target || target == this || IsCanvasArea(target)) return true;
    return target->window() == this && !OwnsItsKeys(target);
}

bool TMainForm::FormKeyDown(QKeyEvent* event, QWidget* target) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const TShiftState shift = ShiftOf(mods);
    TKeyPress press;
    press.Key = event->key();
    press.Mods = mods;
    press.Keypad = event->modifiers() & Qt::KeypadModifier;
    press.AutoRepeat = event->isAutoRepeat();
    press.Typing = target && IsTextEntry(target);
    press.ForWindow = KeysForWindow(target);
    press.Playing = Scene.Playing;
    press.KeyframeEditing = State.KeyframeMode;
    press.KeyframePlaying = State.KeyframePlaying;
    press.SelectedCount = Scene.SelectedCount;
    const TKeyDecision decision = TKeyMap::Decide(press);
    if (decision.Kind == TKeyDecision::Swallow) return true;
    // Holding Alt or Ctrl over the selection shows what a drag would do.
    if (Interaction.Zone & TCanvasInteraction::zoneInside) {
        if (mods & Qt::AltModifier)
            OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::Rotate));
        else if (mods & Qt::ControlModifier)
            OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::SizeNWSE));
    }
    if (decision.Kind == TKeyDecision::Pass) return false;
    if (decision.Kind == TKeyDecision::Run) {
        // A command whose owner is not there (a panel test without it) leaves the key to the canvas.
        if (QAction* action = Document.Registry.Action(decision.Action)) {
            if (action->isEnabled()) action->trigger();
            return true;
        }
        if (!press.ForWindow) return false;
    }
    if (event->key() == Qt::Key_S && !(mods & Qt::ControlModifier) && Interaction.StartMarqueeMode(shift)) {
        SelectModeSpeedButton->setChecked(true);
        OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::Drag));
        return true;
    }
    {
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
            AfterEdit();
            return true;
        }
    }
    // Keys on the canvas go nowhere else (the scroll box would scroll on arrows).
    return target && IsCanvasArea(target);
}

void TMainForm::FormKeyUp(QKeyEvent* event) {
    Qt::KeyboardModifiers mods = event->modifiers();
    // The released key's own modifier is no longer held.
    if (event->key() == Qt::Key_Shift) mods &= ~Qt::ShiftModifier;
    if (event->key() == Qt::Key_Control) mods &= ~Qt::ControlModifier;
    if (event->key() == Qt::Key_Alt) mods &= ~Qt::AltModifier;
    Interaction.KeyUp(ShiftOf(mods));
}

// ---- Canvas interaction ----

void TMainForm::ConnectInteraction() {
    Interaction.Redraw = [this] { RedrawNow(); };
    Interaction.ScrollBy = [this](int32_t dx, int32_t dy) {
        QScrollBar* h = ScrollBox1->horizontalScrollBar();
        QScrollBar* v = ScrollBox1->verticalScrollBar();
        h->setValue(h->value() + dx);
        v->setValue(v->value() + dy);
    };
    Interaction.ScrollTo = [this](int32_t x, int32_t y) {
        ScrollBox1->horizontalScrollBar()->setValue(x);
        ScrollBox1->verticalScrollBar()->setValue(y);
    };
    Interaction.ApplyResolution = [this] { ApplyResolution(); };
    Interaction.TouchStart = [this](TImagesItem& layer) { Document.Player->TouchStart(layer); };
    Interaction.BoneSetup = [this] { Document.Registry.Trigger(QStringLiteral("keyframe.bone")); };
    On(SelectModeSpeedButton, &QToolButton::toggled, this, [this] {
        State.SelectModeDown = SelectModeSpeedButton->isChecked();
        if (State.SelectModeDown) OGLRenderPanel->setCursor(CanvasCursor(TCanvasCursor::Drag));
    });
}

void TMainForm::SyncInteractionSizes() {
    Interaction.PanelWidth = Panel5->width();
    Interaction.PanelHeight = Panel5->height();
    Interaction.ScrollBoxWidth = ScrollBox1->viewport()->width();
    Interaction.ScrollBoxHeight = ScrollBox1->viewport()->height();
}

void TMainForm::ShowInteraction() {
    if (!Interaction.Status.isEmpty()) InfoLabel->setText(Interaction.Status);
    // Red while the turn since the button went down is beyond a full turn.
    InfoLabel->setStyleSheet(Interaction.StatusRed ? QStringLiteral("background-color: #FF0000;")
                                                   : QString());
    OGLRenderPanel->setCursor(CanvasCursor(Interaction.Cursor));
}

void TMainForm::AfterEdit() {
    RefreshLayerPanel();
    RefreshPropertyPanels();
    UpdateEnabledState();
    RequestRedraw();
}

void TMainForm::CanvasMouseDown(QMouseEvent* event) {
    // Keys go to the canvas from now on, not to a panel control.
    OGLRenderPanel->setFocus(Qt::MouseFocusReason);
    SyncInteractionSizes();
    TShiftState shift = ShiftOf(event->modifiers(), event->buttons());
    if (event->type() == QEvent::MouseButtonDblClick) shift |= ssDouble;
    const QPoint p = event->position().toPoint();
    Interaction.MouseDown(shift, p.x(), p.y(), TickCount());
    UpdateEnabledState();
    RequestRedraw();
}

void TMainForm::CanvasMouseMove(QMouseEvent* event) {
    SyncInteractionSizes();
    const QPoint p = event->position().toPoint();
    const bool wasDown = Interaction.LeftDown;
    Interaction.MouseMove(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y(), TickCount());
    ShowInteraction();
    if (wasDown) UpdateEnabledState(); // the drag's first step recorded an undo step
}

void TMainForm::CanvasMouseUp(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Interaction.MouseUp(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
    if (SelectModeSpeedButton->isChecked() != State.SelectModeDown)
        SelectModeSpeedButton->setChecked(State.SelectModeDown); // the marquee released it
    ShowInteraction();
    AfterEdit();
}

void TMainForm::ZoomStep(int delta) {
    SyncInteractionSizes();
    if (!Interaction.Wheel(delta, ssCtrl)) return;
    InfoLabel->setText(Interaction.Status);
    RequestRedraw();
}

void TMainForm::UndoSpeedButtonClick() {
    Document.Undo();
}

void TMainForm::RedoSpeedButtonClick() {
    Document.Redo();
}

// ---- Layout ----

TLayoutSettings TMainForm::CurrentLayout() const {
    return Layout->CurrentLayout();
}
void TMainForm::SaveScreenLayout() {
    Layout->SaveScreenLayout();
}
void TMainForm::LoadScreenLayout() {
    Layout->LoadScreenLayout();
}
void TMainForm::SavePanelLayout() {
    Layout->SavePanelLayout();
}
void TMainForm::LoadPanelLayout() {
    Layout->LoadPanelLayout();
}
void TMainForm::ResetPanelLayout() {
    Layout->ResetPanelLayout();
}

void TMainForm::ResetView() {
    State.Zoom = 1.0;
    State.FrameOffsetX = State.FrameOffsetY = 0;
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
    RequestRedraw();
}

} // namespace velkon
