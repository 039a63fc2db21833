#pragma once

#include <QToolBar>

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QSlider;
class QSpinBox;
class QToolButton;

namespace velkon {

class TEditorDocument;
enum class TLanguage;
class TTimeScrubber;
struct TRenderOptions;

// The main window's tool bar ("Panel1"): the project commands, the
// resolution, playing, the canvas's view switches (phases, paths, clearing),
// the colours, the pick rules, undo and redo, the photo and the slow-down.
// Buttons run the registered commands; the switches write the scene and the
// editor state directly and ask for a redraw.
class TMainToolBar : public QToolBar {
    Q_OBJECT
public:
    TMainToolBar(TEditorDocument& document, QWidget* parent = nullptr);

    QToolButton *NewSpeedButton, *OpenSpeedButton, *SaveSpeedButton, *PackSpeedButton, *InfoSpeedButton;
    QToolButton* HelpSpeedButton; // the help window "Súgó"
    QMenu* InfoMenu;              // the Info button's menu: change log, help, language
    QMenu* LanguageMenu;          // "Nyelv / Language": Magyar, English (the chosen one checked)
    QAction *HungarianAction, *EnglishAction;
    QMenu* RecentMenu;            // the Open button's menu: "Legutóbbi projektek"
    QComboBox* ResComboBox;
    QToolButton *StartPageSpeedButton, *StopPageSpeedButton3, *AutoStopSpeedButton,
        *CommandPreviewSpeedButton;
    TTimeScrubber* Scrubber; // the time slider, its field and the preview export's button
    QSlider* TrackBar2;
    QSpinBox *SpinEdit1, *SpinEdit2;
    QCheckBox *VonalakCB, *ClearCheckBox;
    QToolButton *BackGroundSpeedButton, *SelectedColorSpeedButton, *LockSpeedButton, *SelectModeSpeedButton;
    QToolButton *UndoSpeedButton, *RedoSpeedButton, *PhotoSpeedButton;
    QSlider* TrackBar1;

    // The view switches the canvas draws with (phases, paths, clearing).
    void FillViewOptions(TRenderOptions& options) const;
    // The resolution on show follows the scene's.
    void ShowResolution(int index);
    // The marquee switch follows the editor state (a key or a marquee changed it).
    void ShowSelectMode(bool down);
    // The recent projects, read anew each time the menu opens.
    void FillRecentMenu();
    // Stores the language for the next start and says so in both languages.
    void ChooseLanguage(TLanguage language);

signals:
    // The user chose another resolution (the scene holds it already).
    void ResolutionChosen();
    // The marquee switch was turned by hand.
    void SelectModeToggled(bool down);

private:
    TEditorDocument& document_;

    void ConnectControls();
    // Playing, keyframe editing and the undo ring decide what may be pressed.
    void EnableForState();
    void ChooseColour(uint32_t& colour, const QString& caption);
};

} // namespace velkon
