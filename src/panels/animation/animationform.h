#pragma once

#include "edit/commandfields.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QStandardItemModel;
class QStringListModel;
class QTableView;
class QWidget;

namespace velkon {

class TCommandEdit;
class TCommandItem;
class TEditorDocument;
class TImagesItem;

// The command edit dialog ("Animation Editor").
class TAnimationForm : public QDialog {
    Q_OBJECT
public:
    explicit TAnimationForm(TEditorDocument& document, QWidget* parent = nullptr);
    ~TAnimationForm() override;

    // Opens modally for a new command (existing null) or to edit existing, a
    // command of layer's shown track. Returns what the user confirmed, nothing
    // when the dialog was cancelled.
    std::optional<TCommandFields> Execute(TImagesItem& layer, const TCommandItem* existing);

    // The dialog's model while it is open (tests read it).
    const TCommandEdit* Edit() const { return edit_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CmdListBoxChoose(int row);
    void ShowBoxes();
    void ShowLayer(const TImagesItem& layer);
    void OkBitBtnClick();

    TEditorDocument& document_;
    std::unique_ptr<TCommandEdit> edit_;

    QListView* CmdListBox;
    QStringListModel* cmdModel_;
    QPlainTextEdit* Memo;
    std::array<QWidget*, 3> Panel{};
    std::array<QLabel*, 3> Label{};
    std::array<QComboBox*, 3> ComboBox{};
    QPushButton* OkBitBtn;
    QPushButton* BitBtn2;
    QLabel* PreviewImage;
    QTableView* AnimInspector;
    QStandardItemModel* inspectorModel_;
};

} // namespace velkon
