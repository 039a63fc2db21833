#pragma once

#include "editor/dockform.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QScrollArea;
class QTableView;
class QToolButton;

namespace velkon {

class TKeyFramePathTools;

class TEditorDocument;
class TKeyframeGridModel;

// The keyframe editor ("Kulcskockás animáció"): switches keyframe editing,
// shows the keyframes as columns of a grid, and turns its buttons, the
// timeline's pop-up menu and the main window's keys into calls of the
// keyframe editing core.
class TKeyFrameForm : public TDockForm {
    Q_OBJECT
public:
    TKeyFrameForm(TEditorDocument& document, QWidget* parent = nullptr);
    ~TKeyFrameForm() override;

    QGroupBox* KeyframeGroupBox = nullptr;
    QToolButton* KeyEditSpeedButton = nullptr;
    QToolButton* AutoCommandCopySpeedButton = nullptr;
    QToolButton* SpeedButton3 = nullptr;  // "-"
    QToolButton* SpeedButton11 = nullptr; // "+"
    QLineEdit* AutoDurationEdit = nullptr;
    QToolButton* KeyframeTimeSetSpeedButton = nullptr;
    QToolButton* CopyKeyframeSpeedButton = nullptr;
    QToolButton* DeleteKeyframeSpeedButton = nullptr;
    QToolButton* CmdUpSpeedButton = nullptr;
    QToolButton* CmdDownSpeedButton = nullptr;
    QToolButton* SkeltonSpeedButton = nullptr;
    QToolButton* LinkSpeedButton = nullptr;
    QToolButton* KeyFrameSelectSpeedButton = nullptr;
    QToolButton* PlaySpeedButton = nullptr;
    QComboBox* AnimSelectComboBox = nullptr;
    // Holds the path, bone and transposition tools.
    QWidget* PathToolsBox = nullptr;
    TKeyFramePathTools* PathTools = nullptr; // curve, ellipse, bone, transposition, start commands
    QScrollArea* KeyframeScrollBox = nullptr;
    QTableView* KeyframeStringGrid = nullptr;
    QTableView* TimeLineStringGrid = nullptr;
    QMenu* TimelinePopupMenu = nullptr;
    // The transposition items of the pop-up menu; the path tools connect them.

    // Re-reads the keyframe state into the controls.
    void Reload();
    void UpdateEnabledState();

private:
    void CreateControls();
    void CreateKeyframeButtons(QWidget* content);
    void ConnectControls();
    void CreateGrids(QWidget* parent);
    void CreatePopupMenu();

    void KeyEditSpeedButtonClick();
    void PlaySpeedButtonClick();
    void DurationButtonClick(bool plus);
    void KeyframeGridSelect(int column);
    void TimelineSelectionChanged();
    void ShowKeyframeArea(bool shown);
    void AfterChange();

    TEditorDocument& document_;
    TKeyframeGridModel* keyModel_ = nullptr;
    TKeyframeGridModel* timeModel_ = nullptr;
    bool updating_ = false; // the suppress flag: the panel moves the grids itself
};

} // namespace velkon
