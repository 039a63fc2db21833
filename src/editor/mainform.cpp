#include "editor/mainform.h"

#include "edit/errorreport.h"
#include "edit/projectplace.h"
#include "render/canvasrenderer.h"
#include "editor/canvasview.h"
#include "editor/dockform.h"
#include "editor/errorform.h"
#include "editor/filedrop.h"
#include "editor/keyrouter.h"
#include "editor/layoutpersistence.h"
#include "editor/maintoolbar.h"
#include "editor/oglrenderpanel.h"
#include "editor/playdriver.h"
#include "editor/statusline.h"
#include "editor/velkonapplication.h"
#include "engine/sounds.h"
#include "panels/animation/animform.h"
#include "panels/animation/keyframeform.h"
#include "panels/layers/imagesform.h"
#include "panels/layers/propertyform.h"
#include "project/projectcommands.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QTime>
#include <QTimer>

namespace velkon {

TMainForm::TMainForm(const QStringList& args, QWidget* parent) : QMainWindow(parent), args_(args) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Velkon Editor v1.97"));
    ProgramCaption = windowTitle();
    skipCloseQuestion_ = args_.size() >= 2 && args_[1] == QLatin1String("n");
    QtDialogs.SetParent(this);
    Dialogs = &QtDialogs;
    Document.DialogParent = this;
    Scene.BackgroundColor = 0xFFFFFF;
    Scene.SelectColor = 0xFFFFFF;
    Scene.ProjectFileName = QString::fromLatin1(UntitledProjectName);

    ToolBar = new TMainToolBar(Document, this);
    addToolBar(Qt::TopToolBarArea, ToolBar);
    Status = new TStatusLine(this);
    statusBar()->addPermanentWidget(Status, 1);
    UpdateCaption();
    Canvas = new TCanvasView(Document, this);
    setCentralWidget(Canvas);
    PlayDriver = new TPlayDriver(Document, this);
    ConnectParts();

    // The second resolution of the list to start with.
    Scene.Resolution = 1;
    Canvas->ApplyResolution();

    // Without a sound device the editor still runs; sounds then stay silent.
    OpenSceneSounds(Scene, ErrorLog);

    // Panels: the error log first, so that errors from now on are logged.
    CreatePanels();
    Status->ShowNotices(ErrorLog, *ErrorForm);
    Keys = new TKeyRouter(Document, this, *Canvas);
    new TFileDrop(Document, this, Canvas->OGLRenderPanel, static_cast<TImagesForm&>(*ImagesForm)); // dropped files
    TLayoutPersistence::TParts parts;
    parts.Window = this;
    parts.ScrollBox = Canvas;
    parts.Panel5 = Canvas->Panel5;
    parts.Canvas = Canvas->OGLRenderPanel;
    parts.Status = Status;
    parts.ToolBar = ToolBar;
    for (int i = 0; i < TLayoutSettings::PanelCount; ++i)
        parts.Panels[static_cast<size_t>(i)] = Panel(i);
    Layout = new TLayoutPersistence(Document.Places, parts, this);
    Layout->RegisterActions(Document.Registry);
    Canvas->FillPopupMenu();
    Layout->LoadScreenLayout();
    Layout->LoadPanelLayout();
    emit Document.LayersChanged();
    emit Document.SelectionChanged();
    Document.UpdateEnabledState();
}

void TMainForm::ConnectParts() {
    TEditorDocument* d = &Document;
    connect(PlayDriver, &TPlayDriver::FrameDue, Canvas, &TCanvasView::RequestRedraw);
    Canvas->ViewOptions = [this](TRenderOptions& options) { ToolBar->FillViewOptions(options); };
    connect(ToolBar, &TMainToolBar::ResolutionChosen, Canvas, &TCanvasView::ApplyResolution);
    connect(Canvas, &TCanvasView::ResolutionApplied, ToolBar, &TMainToolBar::ShowResolution);
    connect(ToolBar, &TMainToolBar::SelectModeToggled, Canvas, &TCanvasView::ShowSelectMode);
    connect(Canvas, &TCanvasView::SelectModeChanged, ToolBar, &TMainToolBar::ShowSelectMode);
    connect(Canvas, &TCanvasView::StatusChanged, Status, &TStatusLine::ShowInfo);
    connect(Canvas, &TCanvasView::StatusText, Status, &TStatusLine::ShowText);
    connect(Canvas, &TCanvasView::FpsMeasured, Status, &TStatusLine::ShowFps);
    connect(d, &TEditorDocument::EnabledStateChanged, Status, [this] {
        if (!Scene.Playing) Status->ShowFps(0);
    });
    connect(d, &TEditorDocument::ProjectNameChanged, this, [this] { UpdateCaption(); });
    connect(d, &TEditorDocument::SavedChanged, this, [this](bool saved) { setWindowModified(!saved); });
}

TMainForm::~TMainForm() {
    TVelkonApplication::ErrorSink = nullptr;
    delete Keys;
    Keys = nullptr;
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
    delete ToolBar;
    delete Status;
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
    const QString incomplete = Scene.Incomplete.isEmpty() ? QString() : tr(" (hiányosan betöltve)");
    // "[*]" is where Qt shows the modified mark: "demo.VKP* - ..." while unsaved.
    setWindowTitle(Scene.ProjectFileName + QStringLiteral("[*]") + incomplete + QStringLiteral(" - ") + ProgramCaption);
    setWindowModified(!Scene.Saved);
    Status->ShowProjectPlace(ProjectPlace(Scene));
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // Crash recovery first: a restored copy stands for the command line's project.
    QTimer::singleShot(0, this, [this] {
        bool restored = false;
        TVelkonApplication::Guard(this, [&] { restored = Document.StartRecovery(); });
        if (!restored && !args_.isEmpty())
            TVelkonApplication::Guard(this, [&] { Document.OpenProject(args_.first()); });
    });
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Canvas->ApplyResolution();
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

} // namespace velkon
