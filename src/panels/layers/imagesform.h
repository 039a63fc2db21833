#pragma once

#include "edit/layerlist.h"
#include "editor/dockform.h"

#include <QPoint>
#include <cstdint>
#include <vector>

class QMenu;
class QTabWidget;
class QTableView;
class QToolButton;

namespace velkon {

class TLayerToolsPanel;

class TEditorDocument;
class TFileListModel;
class TLayerListModel;
class TLayerListView;

// The layers panel "Rétegek": the layer list with its groups ("Images"), the
// resource files ("Files"), the tool bar of the layer and file operations and
// the fold label of the auxiliary panel. It keeps no scene data: every click
// is one core operation on the document's scene, then the document is told.
class TImagesForm : public TDockForm {
    Q_OBJECT
public:
    TImagesForm(TEditorDocument& document, QWidget* parent = nullptr);
    ~TImagesForm() override;

    TEditorDocument& Document;

    QTabWidget* PageControl;
    TLayerListView* LayerListView;
    QTableView* FileListView;
    TLayerListModel* LayerRows;
    TFileListModel* FileRows;
    QWidget* ToolPanel;
    QToolButton *GroupSpeedButton, *AddImageSpeedButton, *AddSoundSpeedButton, *AddParticleSpeedButton;
    QToolButton *CloneSpeedButton, *CloneAnimSpeedButton, *DeleteLayerSpeedButton, *UpSpeedButton,
        *DownSpeedButton;
    QToolButton *ImportSpeedButton, *ColorSwatch, *ColorSpeedButton;
    QToolButton *CheckAllSpeedButton, *CheckOutAllSpeedButton, *FoldLabel;
    // The auxiliary panel under the fold label; its tools come later.
    TLayerToolsPanel* LayerTools = nullptr; // the auxiliary panel's contents
    QWidget* AuxPanel;
    QMenu* LayerPopupMenu;
    uint32_t SwatchColor = 0xFFFFFF; // 0x00BBGGRR

    // Rebuilds the list of the active tab and marks the selected rows.
    void RefreshList();
    // The rows selected in the layer list, top to bottom.
    std::vector<TLayerRow> SelectedRows() const;

    // Tool bar.
    void GroupSpeedButtonClick();
    void AddImageSpeedButtonClick();
    void AddSoundSpeedButtonClick();
    void AddParticleSpeedButtonClick();
    void CloneSpeedButtonClick(bool withAnimations);
    void DeleteLayerSpeedButtonClick();
    // Up/Down and Page Up/Down.
    void MoveLayer(bool up, bool shift);
    void ImportSpeedButtonClick();
    void ColorSpeedButtonClick();
    void ColorSwatchClick();
    void CheckAllSpeedButtonClick(const QString& controlName);
    void FoldLabelClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolBar(QWidget* page);
    void CreateLists();
    void ConnectDocument();
    // The rows of the layers' and groups' Selected flags, the view's selection following.
    void SyncSelection();
    // The row numbers the view shows selected, in order.
    std::vector<int> SelectedRowNumbers() const;
    void MarkListEntry(int layerIndex);
    // After a change of layers: the document tells every panel.
    void Changed(bool selectionChanged = false);
    void ListPress(QMouseEvent* event);
    bool ListHeldMove(QMouseEvent* event);
    void ListClick(QMouseEvent* event);
    void ListDrop(QPoint pos);
    bool ListKey(QKeyEvent* event);
    void SelectionFromList();
    void UpdateSwatch();
    void UpdateEnabled();

    TRowToggle toggle_;
    int lastPaintedRow_ = -1;
    std::vector<int> syncedRows_; // what the last SyncSelection showed selected
    bool headerFlag_ = false;
    QPoint pressPos_;
    int pressColumn_ = -1;
    bool pressOnIcon_ = false;
};

} // namespace velkon
