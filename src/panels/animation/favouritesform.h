#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;
class QToolButton;
class QTreeView;

namespace velkon {

class TCommands;
class TEditorDocument;
class TFavourites;
class TFavouritesEdit;
class TFavouriteRowsModel;
class TImagesItem;

// The favourite commands ("Favourites Editor").
class TFavouritesForm : public QDialog {
    Q_OBJECT
public:
    explicit TFavouritesForm(TEditorDocument& document, QWidget* parent = nullptr);
    ~TFavouritesForm() override;

    // Opens modally on layer's shown track; true when Ok appended commands to
    // it (one undo step). Cancel, or Ok with nothing new, changes nothing.
    bool Execute(TImagesItem& layer, TCommands& track);

    // The favourites file: "Favourites.txt" in the settings folder unless set
    // before Execute.
    QString FileName;

private:
    void ShowNames();
    void ShowRows();
    std::vector<int> SelectedRows(QTreeView* view) const;
    void FavListBoxChoose(int row);

    TEditorDocument& document_;
    std::unique_ptr<TFavourites> file_;
    std::unique_ptr<TFavouritesEdit> edit_;

    QTreeView* CmdListView;
    QListView* FavListBox;
    QLineEdit* NameEdit;
    QTreeView* FavListView;
    QToolButton* ToFavSpeedButton;
    QToolButton* ToCmdSpeedButton;
    QToolButton* SaveSpeedButton;
    QToolButton* DeleteSpeedButton;
    QPushButton* OkBitBtn;
    QPushButton* CancelBitBtn;
    TFavouriteRowsModel* cmdModel_;
    TFavouriteRowsModel* favModel_;
    QStringListModel* namesModel_;
};

} // namespace velkon
