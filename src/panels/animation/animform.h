#pragma once

#include "edit/commandlist.h"
#include "editor/dockform.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTableView;
class QToolButton;

namespace velkon {

class TCommandListModel;
class TCommands;
class TEditorDocument;
class TImagesItem;

// The command list editor ("Animációs parancsok"): the current layer's three
// current tracks on three tabs, with the tool bar, the pop-up menu and the
// keys that edit them. Every change is one call of the command list core.
class TAnimForm : public TDockForm {
    Q_OBJECT
public:
    TAnimForm(TEditorDocument& document, QWidget* parent = nullptr);

    QWidget* AnimationPanel = nullptr;
    QToolButton* AddCommandSpeedButton = nullptr;
    QToolButton* FavoritesSpeedButton = nullptr;
    QToolButton* DeleteCommandSpeedButton = nullptr;
    QToolButton* CmdUpSpeedButton = nullptr;
    QToolButton* CmdDownSpeedButton = nullptr;
    QToolButton* PlaySpeedButton = nullptr;
    QToolButton* StopSpeedButton = nullptr;
    QToolButton* ExecuteSpeedButton = nullptr;
    QToolButton* ExecuteTouchSpeedButton = nullptr;
    QToolButton* DebugerSpeedButton = nullptr;
    QToolButton* EaseSpeedButton = nullptr;
    QLabel* AnimLabel = nullptr;
    QTabWidget* CommandListPage = nullptr;
    std::array<QWidget*, 3> CmdTab{};
    std::array<QTableView*, 3> CommandsListView{};
    std::array<TCommandListModel*, 3> Models{};
    QMenu* CmdPopupMenu = nullptr;
    QAction* ConvertOnPasteAction = nullptr; // "MoveTo, Keyframe átalakítása beillesztéskor"

    // Opens the command edit dialog; tests replace it with a scripted answer.
    TEditCommandFn EditCommand;

    // Refreshes for the current layer; without force the layer shown last is skipped.
    void ShowLayerCommands(bool force);
    // The shown track (0..2) and the selected rows of its list, ascending.
    int ActiveTrack() const;
    std::vector<int> SelectedRows() const;
    void SelectRows(const std::vector<int>& rows);

    // The keys of the lists (and the pop-up items that stand for them).
    void CommandsList1ViewKeyDown(int key, Qt::KeyboardModifiers modifiers);

    void AddCommandSpeedButtonClick();
    void DeleteCommandSpeedButtonClick();
    void CmdUpSpeedButtonClick();
    void CmdDownSpeedButtonClick();
    void ExecuteSpeedButtonClick();
    void FavoritesSpeedButtonClick();
    void EaseSpeedButtonClick();
    void CommandsListViewDblClick();
    void DropOnRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreatePopupMenu();
    void UpdateEnabled();
    void UpdateMarkedRow();
    void FillList(int n, TImagesItem& layer);
    // Tab captions and the shown list from the layer's current tracks.
    void Refill(TImagesItem& layer);
    // The current layer when the panel's buttons may act (exactly one selected).
    TImagesItem* ButtonLayer() const;
    TCommands* ShownTrack(TImagesItem* layer) const;
    // After a change: every panel refreshes, the list shows it.
    void Changed();
    // Runs a batch tool of the pop-up menu on the selected rows.
    void RunTool(void (*tool)(const TListTarget&, const std::vector<int>&));
    void Copy();
    void Paste();
    QWidget* DialogParent() const;

    TEditorDocument& document_;
    const TImagesItem* lastShown_ = nullptr;
    int shownAnimation_ = -1; // the animation whose tracks the lists show
    // What each list was last filled from, to skip refilling an unchanged track.
    struct TFilled {
        const TCommands* Track = nullptr;
        uint64_t Stamp = 0;
    };
    std::array<TFilled, 3> filled_{};
};

} // namespace velkon
