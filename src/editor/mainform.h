#pragma once

#include "edit/canvasinteraction.h"
#include "edit/editorstate.h"
#include "edit/layoutsettings.h"
#include "editor/editordocument.h"
#include "editor/qtdialogs.h"
#include "model/errorlog.h"
#include "model/scene.h"

#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QSlider;
class QSpinBox;
class QToolButton;

namespace velkon {

class TDockForm;
class TErrorForm;
class TLayoutPersistence;
class TPlayDriver;
class TOGLRenderPanel;
class TStatusNotice;
struct TRenderOptions;

// The editor's main window: owns the one scene and the editor state, hosts
// the canvas and the dockable panels, runs the idle loop that drives the
// player and the redraws, and maps the tool bar and keys to core operations.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // args: the command-line arguments after the program name (a project to
    // open once shown; a second argument "n" skips the close question).
    explicit TMainForm(const QStringList& args = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The open project and its editing; the panels get it when they are created.
    TEditorDocument Document;
    TScene& Scene = Document.Scene;
    TEditorState& State = Document.State;
    TErrorLog& ErrorLog = Document.Log;
    // Mouse and keyboard editing on the canvas.
    TCanvasInteraction Interaction{State};
    TQtDialogs QtDialogs;
    TDialogs*& Dialogs = Document.Port; // tests answer from a script

    QString ProgramCaption;

    // Tool bar.
    QToolButton *NewSpeedButton, *OpenSpeedButton, *SaveSpeedButton, *PackSpeedButton, *InfoSpeedButton;
    QToolButton* HelpSpeedButton; // the help window "Súgó"
    QMenu* InfoMenu;              // the Info button's menu: change log and help
    QMenu* RecentMenu;            // the Open button's menu: "Legutóbbi projektek"
    QComboBox* ResComboBox;
    QToolButton *StartPageSpeedButton, *StopPageSpeedButton3, *AutoStopSpeedButton,
        *CommandPreviewSpeedButton;
    QSlider* TrackBar2;
    QSpinBox *SpinEdit1, *SpinEdit2;
    QCheckBox *VonalakCB, *ClearCheckBox;
    QToolButton *BackGroundSpeedButton, *SelectedColorSpeedButton, *LockSpeedButton, *SelectModeSpeedButton;
    QToolButton *UndoSpeedButton, *RedoSpeedButton, *PhotoSpeedButton;
    QSlider* TrackBar1;
    // Status line.
    QLabel *InfoLabel, *FPSLabel;
    QLabel* ProjectLabel = nullptr; // the project's folder and file
    // The newest notice of the log, for a few seconds, and the log tab's mark.
    TStatusNotice* StatusNotice = nullptr;
    // Canvas.
    QScrollArea* ScrollBox1;
    QWidget* Panel5;
    TOGLRenderPanel* OGLRenderPanel;
    QMenu* EditorPopupMenu;
    // Dockable panels, created in this order after the main window.
    TErrorForm* ErrorForm = nullptr;
    TDockForm *PropertyForm = nullptr, *AnimForm = nullptr, *KeyFrameForm = nullptr, *ImagesForm = nullptr;
    // The screen and panel layout files.
    TLayoutPersistence* Layout = nullptr;
    // The idle loop that drives playing.
    TPlayDriver* PlayDriver = nullptr;

    // Operations other parts use.
    void PlayStopToggle(bool preview);
    void SelectSingleLayer(TImagesItem* layer);
    void RefreshLayerPanel();
    void RefreshPropertyPanels();
    void UpdateEnabledState();
    void RedrawNow();
    // Redraws on the next pass; while idle this is what keeps the canvas current.
    void RequestRedraw();
    void ApplyResolution();
    // Opens a project file (the command-line argument and the open button).
    void OpenProject(const QString& path);

    // Tool bar handlers.
    void NewSpeedButtonClick();
    void OpenSpeedButtonClick();
    // The recent projects, read anew each time the menu opens.
    void FillRecentMenu();
    void SaveSpeedButtonClick(bool fromButton);
    void PackSpeedButtonClick();
    void PhotoSpeedButtonClick();

    // Frame read-back: the target frame as a 24-bit picture, top row first.
    QImage ReadFrame();
    // The last frame read back (screenshot and pack).
    QImage ScreenshotPicture;

    // Layout (context menu of the canvas).
    TLayoutSettings CurrentLayout() const;
    void SaveScreenLayout();
    void LoadScreenLayout();
    void SavePanelLayout();
    void LoadPanelLayout();
    void ResetPanelLayout();
    void ResetView();

    // Keyboard table of the main window; true when the key was consumed.
    // target: the widget the key went to (null counts as the canvas).
    bool FormKeyDown(QKeyEvent* event, QWidget* target = nullptr);
    void FormKeyUp(QKeyEvent* event);

    // Undo (tool button, Ctrl+Z) and redo (tool button, Ctrl+Y, Ctrl+Shift+Z).
    void UndoSpeedButtonClick();
    void RedoSpeedButtonClick();
    // Ctrl+wheel and numeric-pad zoom step.
    void ZoomStep(int delta);

    // The milliseconds the canvas's click guard measures with; tests set their own clock.
    std::function<uint32_t()> TickCount;

    // Canvas position of the pointer, in target pixels.
    QPoint PointerTarget() const;

    // One pass of the idle loop; true while it must keep running.
    bool IdlePass();
    bool IdleLoopRunning() const;
    // Passes of the idle loop since the window was made.
    uint64_t IdlePassesRun() const;

    TRenderOptions RenderOptions() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList args_;
    bool shownOnce_ = false;
    bool skipCloseQuestion_ = false;

    void CreateToolBar();
    void CreateCanvas();
    void ConnectInteraction();
    void CanvasMouseDown(QMouseEvent* event);
    void CanvasMouseMove(QMouseEvent* event);
    void CanvasMouseUp(QMouseEvent* event);
    // Sizes the interaction needs for panning and zoom centring.
    void SyncInteractionSizes();
    // Status line, its colour and the canvas cursor from the interaction.
    void ShowInteraction();
    // After an edit: panels, undo buttons and the canvas.
    void AfterEdit();
    // Whether keys pressed in target are the main window's own (no control is typed into).
    bool KeysForWindow(QWidget* target) const;
    bool IsCanvasArea(QWidget* w) const;
    void CreatePanels();
    void ConnectGuarded(QObject* sender, const char* signal, std::function<void()> handler);
    void UpdateCaption();
    // The tool bar's enabled state follows playing, keyframe editing and the undo ring.
    void EnableToolBar();
    void ConnectDocument();
    // The window's own commands: pack, zoom, helper lines.
    void RegisterActions();
    void ChooseColour(uint32_t& colour);
    TDockForm* Panel(int index) const;
};

} // namespace velkon
