#include "panels/layers/imagesform.h"

#include "panels/layers/layertoolspanel.h"

#include "edit/editorstate.h"
#include "edit/import.h"
#include "edit/layerops.h"
#include "edit/selection.h"
#include "editor/editordocument.h"
#include "editor/uihelpers.h"
#include "editor/velkonapplication.h"
#include "model/scene.h"
#include "panels/layers/filelistmodel.h"
#include "panels/layers/importform.h"
#include "panels/layers/layericons.h"
#include "panels/layers/layerlistdelegate.h"
#include "panels/layers/layerlistmodel.h"
#include "panels/layers/layerlistview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace velkon {

namespace {

// Where the state icon of a caption ends, from the cell's left edge.
constexpr int StateIconRight = 22;

QToolButton* Tool(QWidget* parent, QLayout* layout, const char* name, const QString& text,
                  const QString& hint, const QPixmap& icon = {}) {
    QToolButton* b = ToolButton(parent, name, text, hint);
    if (!icon.isNull()) {
        b->setIcon(icon);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    layout->addWidget(b);
    return b;
}

} // namespace

TImagesForm::TImagesForm(TEditorDocument& document, QWidget* parent)
    : TDockForm(QStringLiteral("ImagesForm"), tr("Rétegek"), parent), Document(document) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    CreateToolBar(page);
    CreateLists();
    layout->addWidget(ToolPanel);
    layout->addWidget(AuxPanel);
    layout->addWidget(PageControl, 1);
    setWidget(page);
    ConnectDocument();
    RefreshList();
    UpdateEnabled();
}

TImagesForm::~TImagesForm() {
    // The document outlives the panel: nothing may call back into it.
    Document.State.MarkListEntry = nullptr;
}

void TImagesForm::CreateToolBar(QWidget* page) {
    ToolPanel = new QWidget(page);
    ToolPanel->setObjectName(QStringLiteral("ToolPanel"));
    // Its buttons never widen the dock; a narrow dock clips them instead.
    ToolPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* column = new QVBoxLayout(ToolPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(0);
    column->addLayout(bar);
    GroupSpeedButton =
        Tool(ToolPanel, bar, "GroupSpeedButton", tr("Csop"), tr("Csoport létrehozás"), LayerIcon(0));
    AddImageSpeedButton = Tool(ToolPanel, bar, "AddImageSpeedButton", tr("+Kép"), tr("Képfájl hozzáadása"));
    AddSoundSpeedButton = Tool(ToolPanel, bar, "AddSoundSpeedButton", tr("+Hang"), tr("Hangfájl hozzáadás"));
    AddParticleSpeedButton =
        Tool(ToolPanel, bar, "AddParticleSpeedButton", tr("+Par"), tr("Particle hozzáadás"));
    CloneSpeedButton = Tool(ToolPanel, bar, "CloneSpeedButton", tr("Klón"), tr("Clone image"));
    CloneAnimSpeedButton =
        Tool(ToolPanel, bar, "CloneAnimSpeedButton", tr("Klón+"), tr("Clone image with animations"));
    bar->addStretch();
    // Two rows, so that the panel stays as narrow as the layout files make it.
    bar = new QHBoxLayout;
    bar->setSpacing(0);
    column->addLayout(bar);
    DeleteLayerSpeedButton =
        Tool(ToolPanel, bar, "DeleteLayerSpeedButton", QStringLiteral("✕"), tr("Kijelölt elem törlése"));
    UpSpeedButton = Tool(ToolPanel, bar, "UpSpeedButton", QStringLiteral("▲"), tr("Draw order up"));
    DownSpeedButton = Tool(ToolPanel, bar, "DownSpeedButton", QStringLiteral("▼"), tr("Draw order down"));
    ImportSpeedButton = Tool(ToolPanel, bar, "ImportSpeedButton", tr("Imp"), tr("Import VKP-ből"));
    ColorSwatch = Tool(ToolPanel, bar, "ColorSwatch", QString(), tr("Elem szín"));
    ColorSpeedButton = Tool(ToolPanel, bar, "ColorSpeedButton", tr("Szín"), tr("Elem szín"));
    bar->addStretch();
    UpdateSwatch();

    auto* fold = new QHBoxLayout;
    fold->setSpacing(0);
    column->addLayout(fold);
    CheckAllSpeedButton = Tool(ToolPanel, fold, "CheckAllSpeedButton", QString(),
                               tr("Kijelöltek megjelenítése"), LayerIcon(11));
    CheckOutAllSpeedButton =
        Tool(ToolPanel, fold, "CheckOutAllSpeedButton", QString(), tr("Kijelöltek elrejtése"), LayerIcon(12));
    FoldLabel = Tool(ToolPanel, fold, "FoldLabel", QStringLiteral("►►►►►"), QString());
    FoldLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    AuxPanel = new QWidget(page);
    AuxPanel->setObjectName(QStringLiteral("AuxPanel"));
    AuxPanel->setVisible(false);
    auto* aux = new QVBoxLayout(AuxPanel);
    aux->setContentsMargins(0, 0, 0, 0);
    LayerTools = new TLayerToolsPanel(Document, AuxPanel);
    aux->addWidget(LayerTools);

    On(GroupSpeedButton, &QToolButton::clicked, this, [this] { GroupSpeedButtonClick(); });
    On(AddImageSpeedButton, &QToolButton::clicked, this, [this] { AddImageSpeedButtonClick(); });
    On(AddSoundSpeedButton, &QToolButton::clicked, this, [this] { AddSoundSpeedButtonClick(); });
    On(AddParticleSpeedButton, &QToolButton::clicked, this, [this] { AddParticleSpeedButtonClick(); });
    On(CloneSpeedButton, &QToolButton::clicked, this, [this] { CloneSpeedButtonClick(false); });
    On(CloneAnimSpeedButton, &QToolButton::clicked, this, [this] { CloneSpeedButtonClick(true); });
    On(DeleteLayerSpeedButton, &QToolButton::clicked, this, [this] { DeleteLayerSpeedButtonClick(); });
    On(UpSpeedButton, &QToolButton::clicked, this,
       [this] { MoveLayer(true, QApplication::keyboardModifiers() == Qt::ShiftModifier); });
    On(DownSpeedButton, &QToolButton::clicked, this,
       [this] { MoveLayer(false, QApplication::keyboardModifiers() == Qt::ShiftModifier); });
    On(ImportSpeedButton, &QToolButton::clicked, this, [this] { ImportSpeedButtonClick(); });
    On(ColorSpeedButton, &QToolButton::clicked, this, [this] { ColorSpeedButtonClick(); });
    On(ColorSwatch, &QToolButton::clicked, this, [this] { ColorSwatchClick(); });
    for (QToolButton* b : {CheckAllSpeedButton, CheckOutAllSpeedButton})
        On(b, &QToolButton::clicked, this, [this, b] { CheckAllSpeedButtonClick(b->objectName()); });
    On(FoldLabel, &QToolButton::clicked, this, [this] { FoldLabelClick(); });
}

void TImagesForm::CreateLists() {
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl1"));
    LayerRows = new TLayerListModel(Document.Scene, this);
    FileRows = new TFileListModel(Document.Scene, this);

    LayerListView = new TLayerListView(PageControl);
    LayerListView->setObjectName(QStringLiteral("LayerListView"));
    LayerListView->setModel(LayerRows);
    LayerListView->setItemDelegate(new TLayerListDelegate(Document.Scene, LayerListView));
    LayerListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    LayerListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LayerListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LayerListView->setShowGrid(true);
    LayerListView->verticalHeader()->hide();
    LayerListView->verticalHeader()->setDefaultSectionSize(20);
    LayerListView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    LayerListView->setWordWrap(false);
    QHeaderView* header = LayerListView->horizontalHeader();
    header->setSectionsClickable(true);
    header->resizeSection(colName, 120);
    header->resizeSection(colStatus, 50);
    header->setSectionResizeMode(colStatus, QHeaderView::Fixed);
    header->resizeSection(colFileName, 150);
    LayerListView->setContextMenuPolicy(Qt::CustomContextMenu);
    PageControl->addTab(LayerListView, tr("Images"));

    FileListView = new QTableView(PageControl);
    FileListView->setObjectName(QStringLiteral("FileListView"));
    FileListView->setModel(FileRows);
    FileListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    FileListView->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FileListView->verticalHeader()->hide();
    FileListView->horizontalHeader()->setSectionsClickable(false);
    FileListView->horizontalHeader()->resizeSection(0, 100);
    FileListView->horizontalHeader()->resizeSection(1, 150);
    FileListView->installEventFilter(this);
    PageControl->addTab(FileListView, tr("Files"));

    LayerPopupMenu = new QMenu(this);
    LayerPopupMenu->setObjectName(QStringLiteral("LayerPopupMenu"));
    auto item = [this](const QString& text, std::function<void()> handler) {
        QAction* action = LayerPopupMenu->addAction(text);
        On(action, &QAction::triggered, this, handler);
    };
    item(tr("Összes csoport kinyitás"), [this] {
        OpenAllGroups(Document.Scene, true);
        Changed();
    });
    item(tr("Összes csoport bezárás"), [this] {
        OpenAllGroups(Document.Scene, false);
        Changed();
    });
    item(tr("Kijelölt elemek átnevezése"), [this] {
        if (BatchRename(Document.State, Document.Dialogs())) Changed();
    });
    // The layer command tools' entries.
    LayerPopupMenu->addActions(
        {LayerTools->PasteAction, LayerTools->TransposePointAction, LayerTools->TransposeSelectedAction});
    connect(LayerListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        LayerPopupMenu->popup(LayerListView->viewport()->mapToGlobal(pos));
    });

    On(PageControl, &QTabWidget::currentChanged, this, [this] { RefreshList(); });
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        TVelkonApplication::Guard(LayerListView->horizontalHeader(), [&] {
            if (section != colStatus) return;
            StatusHeaderClick(Document.State, headerFlag_);
            Changed();
        });
    });
    LayerListView->OnPress = [this](QMouseEvent* e) { ListPress(e); };
    LayerListView->OnHeldMove = [this](QMouseEvent* e) { return ListHeldMove(e); };
    LayerListView->OnClick = [this](QMouseEvent* e) { ListClick(e); };
    LayerListView->OnDrop = [this](QPoint pos) { ListDrop(pos); };
    LayerListView->OnKey = [this](QKeyEvent* e) { return ListKey(e); };
    // Any key that changed the list's selection (arrows, Shift+arrows, Home,
    // End, Ctrl+A) selects what the list shows, so that the operations act on it.
    LayerListView->OnKeyRelease = [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down || SelectedRowNumbers() != syncedRows_)
            SelectionFromList();
    };
}

void TImagesForm::ConnectDocument() {
    connect(&Document, &TEditorDocument::LayersChanged, this, [this] { RefreshList(); });
    connect(&Document, &TEditorDocument::ProjectReplaced, this, [this] { RefreshList(); });
    connect(&Document, &TEditorDocument::UndoApplied, this, [this] { RefreshList(); });
    connect(&Document, &TEditorDocument::SelectionChanged, this, [this] {
        if (!Document.Playing()) SyncSelection();
    });
    connect(&Document, &TEditorDocument::EnabledStateChanged, this, [this] { UpdateEnabled(); });
    Document.State.MarkListEntry = [this](int index) { MarkListEntry(index); };
    // Page Up/Down: the selected layers one step (ten with Shift) in the drawing order.
    const struct {
        const char* Id;
        const char* Text;
        QKeyCombination Keys;
        bool Up, Ten;
    } moves[] = {
        {"layers.moveUp", QT_TR_NOOP("Feljebb"), Qt::Key_PageUp, true, false},
        {"layers.moveDown", QT_TR_NOOP("Lejjebb"), Qt::Key_PageDown, false, false},
        {"layers.moveUpTen", QT_TR_NOOP("Tízzel feljebb"), Qt::SHIFT | Qt::Key_PageUp, true, true},
        {"layers.moveDownTen", QT_TR_NOOP("Tízzel lejjebb"), Qt::SHIFT | Qt::Key_PageDown, false, true},
    };
    for (const auto& m : moves)
        Document.Registry.Command(m.Id, this, tr(m.Text), tr(m.Text), {QKeySequence(m.Keys)},
                                  [this, up = m.Up, ten = m.Ten] { MoveLayer(up, ten); });
}

void TImagesForm::UpdateEnabled() {
    const bool tools = !Document.Playing() && !Document.KeyframeEditing();
    ToolPanel->setEnabled(tools);
    AuxPanel->setEnabled(tools);
}

void TImagesForm::RefreshList() {
    if (PageControl->currentWidget() == FileListView) {
        FileRows->Refresh();
        const TImagesItem* current = Document.Scene.CurrentLayer;
        const int file = current ? Document.Scene.Files.IndexOf(current->FileItem) : -1;
        if (file >= 0) FileListView->selectRow(file);
        return;
    }
    const int currentRow = LayerListView->currentIndex().row();
    LayerRows->Refresh();
    SyncSelection();
    if (currentRow >= 0 && currentRow < LayerRows->rowCount())
        LayerListView->selectionModel()->setCurrentIndex(LayerRows->index(currentRow, 0),
                                                         QItemSelectionModel::NoUpdate);
}

void TImagesForm::SyncSelection() {
    QItemSelection selection;
    const int rows = LayerRows->rowCount();
    int first = -1;
    for (int i = 0; i <= rows; ++i) {
        const bool on = i < rows && RowSelected(Document.Scene, LayerRows->Row(i));
        if (on && first < 0) first = i;
        if (!on && first >= 0) {
            selection.select(LayerRows->index(first, 0), LayerRows->index(i - 1, LayerColumnCount - 1));
            first = -1;
        }
    }
    LayerListView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) LayerListView->scrollTo(selection.first().topLeft());
    syncedRows_ = SelectedRowNumbers();
}

std::vector<int> TImagesForm::SelectedRowNumbers() const {
    std::vector<int> rows;
    for (const QModelIndex& i : LayerListView->selectionModel()->selectedRows())
        rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TImagesForm::MarkListEntry(int layerIndex) {
    if (layerIndex < 0 || layerIndex >= Document.Scene.Layers.Count()) return;
    const int row = LayerRows->RowOf(Document.Scene.Layers.At(layerIndex));
    if (row < 0) return;
    LayerListView->selectionModel()->select(LayerRows->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::vector<TLayerRow> TImagesForm::SelectedRows() const {
    std::vector<TLayerRow> rows;
    QModelIndexList picked = LayerListView->selectionModel()->selectedRows();
    std::sort(picked.begin(), picked.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& i : picked)
        if (i.row() < static_cast<int>(LayerRows->Rows().size())) rows.push_back(LayerRows->Row(i.row()));
    return rows;
}

void TImagesForm::Changed(bool selectionChanged) {
    if (selectionChanged) RecomputeSelection(Document.State);
    Document.Edited();
}

// ---- Mouse and keys in the layer list ----

void TImagesForm::ListPress(QMouseEvent* event) {
    toggle_ = {};
    lastPaintedRow_ = -1;
    pressPos_ = event->position().toPoint();
    const QModelIndex index = LayerListView->indexAt(pressPos_);
    pressColumn_ = index.isValid() ? index.column() : -1;
    pressOnIcon_ = index.column() == colName &&
                   pressPos_.x() - LayerListView->columnViewportPosition(colName) < StateIconRight;
    if (!index.isValid() || LayerRows->Row(index.row()).IsGroup()) return;
    const int statusX = pressPos_.x() - LayerListView->columnViewportPosition(colStatus);
    toggle_ = StartRowToggle(Document.State, LayerRows->Row(index.row()), pressOnIcon_, index.column() == colStatus, statusX);
    if (toggle_.Kind == TRowToggle::none) return;
    lastPaintedRow_ = index.row();
    Document.Scene.Saved = false; // what the toggles change is stored in the project
    LayerListView->viewport()->update();
    Document.Redraw();
}

bool TImagesForm::ListHeldMove(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (toggle_.Kind != TRowToggle::none) {
        const QModelIndex index = LayerListView->indexAt(pos);
        if (index.isValid() && index.row() != lastPaintedRow_) {
            lastPaintedRow_ = index.row();
            if (PaintRowToggle(Document.Scene, LayerRows->Row(index.row()), toggle_)) {
                LayerListView->viewport()->update();
                Document.Redraw();
            }
        }
        return true;
    }
    if (pressColumn_ == colName && !pressOnIcon_ &&
        (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        pressColumn_ = -1; // one drag per press
        LayerListView->StartRowDrag();
        return true;
    }
    return false;
}

void TImagesForm::ListClick(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = LayerListView->indexAt(pos);
    const bool groupRow = index.isValid() && LayerRows->Row(index.row()).IsGroup();
    const bool inStatus = index.column() == colStatus;
    if (groupRow && inStatus)
        LayerListView->selectionModel()->select(index,
                                                QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    SelectFromRows(Document.Scene, SelectedRows());
    if (groupRow) {
        const bool onIcon = index.column() == colName &&
                            pos.x() - LayerListView->columnViewportPosition(colName) < StateIconRight;
        const int statusX = pos.x() - LayerListView->columnViewportPosition(colStatus);
        GroupRowClick(Document.State, Document.Dialogs(), LayerRows->Row(index.row()).Group, inStatus,
                      statusX, onIcon);
    }
    toggle_ = {};
    Changed(true);
}

void TImagesForm::SelectionFromList() {
    SelectFromRows(Document.Scene, SelectedRows());
    Changed(true);
}

void TImagesForm::ListDrop(QPoint pos) {
    const QModelIndex index = LayerListView->indexAt(pos);
    std::optional<TLayerRow> target;
    if (index.isValid()) target = LayerRows->Row(index.row());
    DropRows(Document.State, Document.Dialogs(), SelectedRows(), target);
    Changed();
}

bool TImagesForm::ListKey(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (event->key() == Qt::Key_R) {
        if (BatchRename(Document.State, Document.Dialogs())) Changed();
        return true;
    }
    if (event->key() == Qt::Key_L) {
        if (LockAllButCurrent(Document.State)) Changed();
        return true;
    }
    return false;
}

bool TImagesForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FileListView && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        TVelkonApplication::Guard(FileListView, [this] {
            const QModelIndexList rows = FileListView->selectionModel()->selectedRows();
            if (rows.size() != 1) return;
            if (DeleteFile(Document.State, Document.Dialogs(), FileRows->FileOf(rows.first().row())))
                Changed();
        });
        return true;
    }
    return TDockForm::eventFilter(watched, event);
}

// ---- Tool bar ----

void TImagesForm::GroupSpeedButtonClick() {
    if (CreateGroup(Document.State, Document.Dialogs(), SelectedRows())) Changed();
}

void TImagesForm::AddImageSpeedButtonClick() {
    AddPictures(Document.State, Document.Dialogs(), Document.Log, SelectedRows());
    Changed(true);
}

void TImagesForm::AddSoundSpeedButtonClick() {
    AddSounds(Document.State, Document.Dialogs(), Document.Log);
    Changed();
}

void TImagesForm::AddParticleSpeedButtonClick() {
    AddParticles(Document.State, Document.Dialogs(), Document.Log);
    Changed();
}

void TImagesForm::CloneSpeedButtonClick(bool withAnimations) {
    if (CloneLayers(Document.State, Document.Dialogs(), SelectedRows(), withAnimations) > 0) Changed(true);
}

void TImagesForm::DeleteLayerSpeedButtonClick() {
    if (DeleteSelected(Document.State, Document.Dialogs(), Document.Log, SelectedRows())) Changed(true);
}

void TImagesForm::MoveLayer(bool up, bool shift) {
    std::vector<TLayerRow> rows = SelectedRows();
    if (rows.empty()) // Page Up/Down with the list out of date: the selected layers
        for (int i = Document.Scene.Layers.Count() - 1; i >= 0; --i)
            if (Document.Scene.Layers.At(i)->Selected)
                rows.push_back(TLayerRow{-1, Document.Scene.Layers.At(i)});
    // A selected group row keeps its selection through the rebuild by itself.
    MoveSelected(Document.State, up, shift, rows);
    Changed();
}

void TImagesForm::ImportSpeedButtonClick() {
    QWidget* owner = Document.DialogParent ? Document.DialogParent : static_cast<QWidget*>(this);
    ImportFromProject(Document.State, Document.Dialogs(), Document.Log,
                      [owner](const QStringList& names) { return TImportForm::Choose(names, owner); });
    Changed(true);
}

void TImagesForm::ColorSpeedButtonClick() {
    const QColor c = QColorDialog::getColor(ToQColor(SwatchColor), this);
    if (!c.isValid()) return;
    SwatchColor = ToBgr(c);
    UpdateSwatch();
}

void TImagesForm::ColorSwatchClick() {
    SetRowsColor(Document.State, SelectedRows(), SwatchColor);
    Document.Scene.Saved = false;
    Changed();
}

void TImagesForm::CheckAllSpeedButtonClick(const QString& controlName) {
    SetSelectedVisible(Document.State, controlName != QLatin1String("CheckOutAllSpeedButton"));
    Changed();
}

void TImagesForm::FoldLabelClick() {
    const bool show = !AuxPanel->isVisible();
    AuxPanel->setVisible(show);
    FoldLabel->setText(show ? QStringLiteral("▼▼▼▼▼") : QStringLiteral("►►►►►"));
}

void TImagesForm::UpdateSwatch() {
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(SwatchColor));
    QPainter p(&swatch);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 15);
    ColorSwatch->setIcon(swatch);
}

} // namespace velkon
