#include "panels/animation/favouritesform.h"

#include "edit/favourites.h"
#include "editor/editordocument.h"
#include "editor/uihelpers.h"
#include "editor/velkonapplication.h"
#include "panels/animation/favouriterowsmodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace velkon {

namespace {

QTreeView* RowsView(QWidget* parent, const char* name, TFavouriteRowsModel* model) {
    auto* view = new QTreeView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->resizeSection(0, 110);
    return view;
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    QToolButton* button = ToolButton(parent, name, text, hint);
    button->setAutoRaise(false);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

TFavouritesForm::TFavouritesForm(TEditorDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("FavouritesForm"));
    setWindowTitle(tr("Favourites Editor"));
    FileName = document.Places.SettingsFile(QString::fromLatin1(TFavourites::FileName));

    cmdModel_ = new TFavouriteRowsModel(this);
    favModel_ = new TFavouriteRowsModel(this);
    namesModel_ = new QStringListModel(this);
    CmdListView = RowsView(this, "CmdListView", cmdModel_);
    FavListView = RowsView(this, "FavListView", favModel_);
    FavListBox = new QListView(this);
    FavListBox->setObjectName(QStringLiteral("FavListBox"));
    FavListBox->setModel(namesModel_);
    FavListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FavListBox->setFixedHeight(110);
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));

    ToFavSpeedButton = SpeedButton(this, "ToFavSpeedButton", tr("Add to Favourites"),
                                   tr("Add selected commands to favourite commands"));
    ToCmdSpeedButton = SpeedButton(this, "ToCmdSpeedButton", tr("Add to Commands"),
                                   tr("Add favourite commands to commands"));
    SaveSpeedButton = SpeedButton(this, "SaveSpeedButton", tr("Save"), tr("Save commands to favourites"));
    DeleteSpeedButton = SpeedButton(this, "DeleteSpeedButton", tr("Delete"), tr("Delete selected favourite"));
    OkBitBtn = new QPushButton(tr("Ok"), this);
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    OkBitBtn->setToolTip(tr("Insert commands to animation"));
    CancelBitBtn = new QPushButton(tr("Cancel"), this);
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    CancelBitBtn->setToolTip(tr("Return to animation"));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Commands:"), this));
    left->addWidget(CmdListView, 1);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(ToFavSpeedButton);
    middle->addWidget(ToCmdSpeedButton);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Favourites:"), this));
    right->addWidget(FavListBox);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(NameEdit, 1);
    nameRow->addWidget(SaveSpeedButton);
    nameRow->addWidget(DeleteSpeedButton);
    right->addLayout(nameRow);
    right->addWidget(FavListView, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(middle);
    lists->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBitBtn);
    buttons->addWidget(CancelBitBtn);
    auto* main = new QVBoxLayout(this);
    main->addLayout(lists, 1);
    main->addLayout(buttons);
    resize(820, 460);

    auto on = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, [sender, handler] { TVelkonApplication::Guard(sender, handler); });
    };
    on(ToFavSpeedButton, &QToolButton::clicked, [this] {
        edit_->AddToFavourites(SelectedRows(CmdListView));
        ShowRows();
    });
    on(ToCmdSpeedButton, &QToolButton::clicked, [this] {
        edit_->AddToCommands(SelectedRows(FavListView));
        ShowRows();
    });
    on(SaveSpeedButton, &QToolButton::clicked, [this] {
        edit_->Name = NameEdit->text();
        edit_->Save();
        ShowNames();
    });
    on(DeleteSpeedButton, &QToolButton::clicked, [this] {
        edit_->Name = NameEdit->text();
        edit_->Remove();
        ShowNames();
        ShowRows();
    });
    on(OkBitBtn, &QPushButton::clicked, [this] { accept(); });
    on(CancelBitBtn, &QPushButton::clicked, [this] { reject(); });
    connect(FavListBox, &QListView::clicked, this, [this](const QModelIndex& index) {
        TVelkonApplication::Guard(FavListBox, [&] { FavListBoxChoose(index.row()); });
    });
}

TFavouritesForm::~TFavouritesForm() {
    // The views must not outlive the rows they show.
    cmdModel_->SetRows(nullptr);
    favModel_->SetRows(nullptr);
}

bool TFavouritesForm::Execute(TImagesItem&, TCommands& track) {
    file_ = std::make_unique<TFavourites>(FileName, document_.Log);
    edit_ = std::make_unique<TFavouritesEdit>(*file_, track);
    cmdModel_->SetRows(&edit_->Left);
    favModel_->SetRows(&edit_->Right);
    ShowNames();
    const bool ok = exec() == QDialog::Accepted;
    const int added = ok ? edit_->Insert(document_.State) : 0;
    cmdModel_->SetRows(nullptr);
    favModel_->SetRows(nullptr);
    edit_.reset();
    file_.reset();
    return added > 0;
}

void TFavouritesForm::ShowNames() {
    namesModel_->setStringList(edit_->Names);
}

void TFavouritesForm::ShowRows() {
    cmdModel_->Refresh();
    favModel_->Refresh();
}

std::vector<int> TFavouritesForm::SelectedRows(QTreeView* view) const {
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TFavouritesForm::FavListBoxChoose(int row) {
    if (row < 0 || row >= edit_->Names.size()) return;
    edit_->Choose(edit_->Names[row]);
    NameEdit->setText(edit_->Name);
    ShowRows();
}

} // namespace velkon
