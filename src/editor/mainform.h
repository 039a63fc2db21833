#pragma once

#include "editor/editordocument.h"
#include "editor/qtdialogs.h"

#include <QMainWindow>

namespace velkon {

class TCanvasView;
class TDockForm;
class TErrorForm;
class TKeyRouter;
class TLayoutPersistence;
class TMainToolBar;
class TPlayDriver;
class TStatusLine;

// The editor's main window. It composes: the document that owns the project
// and its editing, the tool bar, the canvas view, the status line, the
// dockable panels, the idle loop, the key router and the layout files, and
// connects what one of them tells to what another shows. The window's own
// part is its caption and its life: the project of the command line, the
// close question and the exit save.
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
    TQtDialogs QtDialogs;
    TDialogs*& Dialogs = Document.Port; // tests answer from a script

    QString ProgramCaption;

    TMainToolBar* ToolBar = nullptr;
    TCanvasView* Canvas = nullptr;
    TStatusLine* Status = nullptr;
    // Dockable panels, created in this order after the main window.
    TErrorForm* ErrorForm = nullptr;
    TDockForm *PropertyForm = nullptr, *AnimForm = nullptr, *KeyFrameForm = nullptr, *ImagesForm = nullptr;
    // The screen and panel layout files.
    TLayoutPersistence* Layout = nullptr;
    // The idle loop that drives playing.
    TPlayDriver* PlayDriver = nullptr;
    // Keys of the window and its panels.
    TKeyRouter* Keys = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStringList args_;
    bool shownOnce_ = false;
    bool skipCloseQuestion_ = false;

    void CreatePanels();
    void ConnectParts();
    void UpdateCaption();
    TDockForm* Panel(int index) const;
};

} // namespace velkon
