#include "panels/animation/animform.h"

#include "edit/editorstate.h"
#include "editor/editordocument.h"
#include "editor/uihelpers.h"
#include "editor/velkonapplication.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "panels/animation/animationform.h"
#include "panels/animation/commandlistmodel.h"
#include "panels/animation/debugerform.h"
#include "panels/animation/easeform.h"
#include "panels/animation/favouritesform.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velkon {

namespace {

// The animation selector's items, as the caption above the lists shows them.
QString AnimationCaption(int index) {
    static const char* const names[] = {"Base [F5]", "Touch1 [F6]", "Touch2 [F7]", "Touch3 [F8]"};
    return QString::fromLatin1(names[index >= 0 && index < 4 ? index : 0]);
}

QFont ListFont() {
    QFont f(QStringLiteral("Courier New"), 8);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

} // namespace

TAnimForm::TAnimForm(TEditorDocument& document, QWidget* parent)
    : TDockForm(QStringLiteral("AnimForm"), tr("Animációs parancsok"), parent), document_(document) {
    EditCommand = [this](TImagesItem& layer, const TCommandItem* existing) {
        TAnimationForm form(document_, DialogParent());
        return form.Execute(layer, existing);
    };
    CreateControls();
    CreatePopupMenu();

    document_.Registry.Command("commands.add", this, AddCommandSpeedButton->text(), AddCommandSpeedButton->toolTip(),
                               {QKeySequence(Qt::Key_Insert)}, [this] { AddCommandSpeedButtonClick(); });
    // Alt+1 and Alt+2: the layer's start bits of Base (bit 0) and Touch (bit 2), as their buttons.
    const auto toggleStartBit = [this](QToolButton* button) {
        if (document_.Playing()) return;
        button->setChecked(!button->isChecked());
        ExecuteSpeedButtonClick();
    };
    document_.Registry.Command("commands.startBitBase", this, ExecuteSpeedButton->text(),
                               ExecuteSpeedButton->toolTip(), {QKeySequence(Qt::ALT | Qt::Key_1)},
                               [this, toggleStartBit] { toggleStartBit(ExecuteSpeedButton); });
    document_.Registry.Command("commands.startBitTouch", this, ExecuteTouchSpeedButton->text(),
                               ExecuteTouchSpeedButton->toolTip(), {QKeySequence(Qt::ALT | Qt::Key_2)},
                               [this, toggleStartBit] { toggleStartBit(ExecuteTouchSpeedButton); });
    const std::pair<QWidget*, const char*> keyed[] = {{AddCommandSpeedButton, "commands.add"},
                                                      {ExecuteSpeedButton, "commands.startBitBase"},
                                                      {ExecuteTouchSpeedButton, "commands.startBitTouch"}};
    for (const auto& [button, id] : keyed)
        document_.Registry.ShowKeys(button, QString::fromLatin1(id));

    connect(&document_, &TEditorDocument::SelectionChanged, this,
            [this] { TVelkonApplication::Guard(this, [this] { ShowLayerCommands(false); }); });
    for (auto signal : {&TEditorDocument::LayersChanged, &TEditorDocument::UndoApplied})
        connect(&document_, signal, this,
                [this] { TVelkonApplication::Guard(this, [this] { ShowLayerCommands(true); }); });
    connect(&document_, &TEditorDocument::ProjectReplaced, this, [this] {
        TVelkonApplication::Guard(this, [this] {
            lastShown_ = nullptr;
            filled_ = {};
            ShowLayerCommands(true);
        });
    });
    connect(&document_, &TEditorDocument::EnabledStateChanged, this,
            [this] { TVelkonApplication::Guard(this, [this] { UpdateEnabled(); }); });
    UpdateEnabled();
    ShowLayerCommands(true);
}

void TAnimForm::CreateControls() {
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    AnimationPanel = new QWidget(body);
    AnimationPanel->setObjectName(QStringLiteral("AnimationPanel"));
    auto* bar = new QHBoxLayout(AnimationPanel);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);
    const auto button = [&](QToolButton*& b, const char* name, const char* text, const QString& hint,
                            bool toggle = false) {
        b = ToolButton(AnimationPanel, name, QString::fromUtf8(text), hint, toggle);
        b->setFixedSize(22, 22); // the panel docks narrow
        bar->addWidget(b);
    };
    button(AddCommandSpeedButton, "AddCommandSpeedButton", "+", tr("Add/insert new command"));
    button(FavoritesSpeedButton, "FavoritesSpeedButton", "★", tr("Favourites"));
    button(DeleteCommandSpeedButton, "DeleteCommandSpeedButton", "✕", tr("Delete command"));
    button(CmdUpSpeedButton, "CmdUpSpeedButton", "▲", tr("Command order up"));
    button(CmdDownSpeedButton, "CmdDownSpeedButton", "▼", tr("Command order down"));
    button(PlaySpeedButton, "PlaySpeedButton", "▶", tr("Start animation preview"));
    button(StopSpeedButton, "StopSpeedButton", "■", tr("Stop animation preview"));
    button(ExecuteSpeedButton, "ExecuteSpeedButton", "B", tr("Base animáció elinduljon-e [ALT+1]"), true);
    button(ExecuteTouchSpeedButton, "ExecuteTouchSpeedButton", "T", tr("Touch animáció elinduljon-e [ALT+2]"),
           true);
    button(DebugerSpeedButton, "DebugerSpeedButton", "?", tr("Hibakereső"));
    button(EaseSpeedButton, "EaseSpeedButton", "~", tr("Idő módosító"));
    bar->addStretch(1);

    AnimLabel = new QLabel(AnimationCaption(0), body);
    AnimLabel->setObjectName(QStringLiteral("AnimLabel"));
    QFont bold = AnimLabel->font();
    bold.setBold(true);
    AnimLabel->setFont(bold);

    CommandListPage = new QTabWidget(body);
    CommandListPage->setObjectName(QStringLiteral("CommandListPage"));
    for (int n = 0; n < 3; ++n) {
        CmdTab[n] = new QWidget(CommandListPage);
        CmdTab[n]->setObjectName(QStringLiteral("CmdTab%1").arg(n + 1));
        auto* layout = new QVBoxLayout(CmdTab[n]);
        layout->setContentsMargins(0, 0, 0, 0);
        QTableView* view = new QTableView(CmdTab[n]);
        CommandsListView[n] = view;
        view->setObjectName(QStringLiteral("CommandsList%1View").arg(n + 1));
        Models[n] = new TCommandListModel(this);
        Models[n]->Dropped = [this](int row) { TVelkonApplication::Guard(this, [&] { DropOnRow(row); }); };
        view->setModel(Models[n]);
        view->setFont(ListFont());
        view->setShowGrid(true);
        view->setWordWrap(false);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->verticalHeader()->hide();
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
        view->horizontalHeader()->setStretchLastSection(true);
        view->setColumnWidth(0,
                             view->fontMetrics().horizontalAdvance(QStringLiteral("|||-00. RelativeMoveTo")));
        view->setDragEnabled(true);
        view->setAcceptDrops(true);
        view->setDragDropMode(QAbstractItemView::DragDrop);
        view->setDragDropOverwriteMode(true);
        view->setDefaultDropAction(Qt::CopyAction);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->installEventFilter(this);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& pos) { CmdPopupMenu->popup(view->viewport()->mapToGlobal(pos)); });
        On(view, &QAbstractItemView::doubleClicked, this, [this] { CommandsListViewDblClick(); });
        layout->addWidget(view);
        CommandListPage->addTab(CmdTab[n], QStringLiteral("%1.").arg(n + 1));
    }
    On(CommandListPage, &QTabWidget::currentChanged, this, [this] {
        // The layers panel's paste goes into the tab shown here.
        document_.State.CommandListTab = ActiveTrack() + 1;
        ShowLayerCommands(true);
    });

    column->addWidget(AnimationPanel);
    column->addWidget(AnimLabel);
    column->addWidget(CommandListPage, 1);
    setWidget(body);

    On(AddCommandSpeedButton, &QToolButton::clicked, this, [this] { AddCommandSpeedButtonClick(); });
    On(FavoritesSpeedButton, &QToolButton::clicked, this, [this] { FavoritesSpeedButtonClick(); });
    On(DeleteCommandSpeedButton, &QToolButton::clicked, this, [this] { DeleteCommandSpeedButtonClick(); });
    On(CmdUpSpeedButton, &QToolButton::clicked, this, [this] { CmdUpSpeedButtonClick(); });
    On(CmdDownSpeedButton, &QToolButton::clicked, this, [this] { CmdDownSpeedButtonClick(); });
    // Both preview buttons are the main window's preview toggle.
    On(PlaySpeedButton, &QToolButton::clicked, this, [this] {
        if (!document_.Playing()) document_.PlayStopToggle(true);
    });
    On(StopSpeedButton, &QToolButton::clicked, this, [this] {
        if (document_.Playing()) document_.PlayStopToggle(true);
    });
    On(ExecuteSpeedButton, &QToolButton::clicked, this, [this] { ExecuteSpeedButtonClick(); });
    On(ExecuteTouchSpeedButton, &QToolButton::clicked, this, [this] { ExecuteSpeedButtonClick(); });
    On(DebugerSpeedButton, &QToolButton::clicked, this, [this] {
        if (ButtonLayer()) TDebugerForm::Open(document_, DialogParent());
    });
    On(EaseSpeedButton, &QToolButton::clicked, this, [this] { EaseSpeedButtonClick(); });
}

void TAnimForm::CreatePopupMenu() {
    CmdPopupMenu = new QMenu(this);
    CmdPopupMenu->setObjectName(QStringLiteral("CmdPopupMenu"));
    const auto item = [this](const QString& text, std::function<void()> run) {
        QAction* a = CmdPopupMenu->addAction(text);
        On(a, &QAction::triggered, this, std::move(run));
        return a;
    };
    const auto key = [this](int k) {
        return [this, k] { CommandsList1ViewKeyDown(k, Qt::ControlModifier); };
    };
    item(tr("Select All (Ctrl+A)"), key(Qt::Key_A));
    CmdPopupMenu->addSeparator();
    ConvertOnPasteAction = CmdPopupMenu->addAction(tr("MoveTo, Keyframe átalakítása beillesztéskor"));
    ConvertOnPasteAction->setCheckable(true);
    ConvertOnPasteAction->setChecked(true);
    item(tr("Copy (Ctrl+C)"), key(Qt::Key_C));
    item(tr("Paste (Ctrl+V)"), key(Qt::Key_V));
    item(tr("Insert (Ins)"), key(Qt::Key_Insert));
    item(tr("Delete (Del)"), key(Qt::Key_Delete));
    item(tr("Copy and Delete (Ctrl+X)"), key(Qt::Key_X));
    CmdPopupMenu->addSeparator();
    item(tr("MoveTo konvert RelativeMoveTo"), [this] { RunTool(&ConvertMoveToRelative); });
    item(tr("Duration módosítás"), [this] { RunTool(&ChangeDuration); });
    item(tr("Duration sebességből"), [this] {
        RunTool([](const TListTarget& t, const std::vector<int>& rows) { DurationFromSpeed(t, rows); });
    });
    item(tr("Duration-ok összegzése"), [this] {
        if (TImagesItem* layer = ButtonLayer())
            if (TCommands* track = ShownTrack(layer))
                DurationSum(document_.Dialogs(), *track, SelectedRows());
    });
    item(tr("Parancsok inverze"), [this] { RunTool(&InvertCommands); });
}

// ---- Refresh ----

void TAnimForm::ShowLayerCommands(bool force) {
    TScene& scene = document_.Scene;
    TImagesItem* layer = scene.CurrentLayer;
    if (!layer) {
        // Nothing of a layer that may be gone stays on show.
        lastShown_ = nullptr;
        filled_ = {};
        for (TCommandListModel* m : Models)
            if (m->rowCount() > 0) m->SetRows({});
        for (int n = 0; n < 3; ++n)
            CommandListPage->setTabText(n, QStringLiteral("%1.").arg(n + 1));
        return;
    }
    if (scene.SelectedCount != 1) return;
    // During play a touch switches the layer's tracks: they are shown anew.
    if (layer == lastShown_ && !force && layer->ActiveAnimation() == shownAnimation_) {
        UpdateMarkedRow();
        return;
    }
    lastShown_ = layer;
    ExecuteSpeedButton->setChecked((layer->PlayAnim & 1) != 0);
    ExecuteTouchSpeedButton->setChecked((layer->PlayAnim & 2) == 0);
    if (!document_.Playing()) layer->SelectAnimation(document_.State.AnimSelect);
    shownAnimation_ = layer->ActiveAnimation();
    Refill(*layer);
    // The caption names the animation whose commands are shown (a touch's while it plays).
    AnimLabel->setText(AnimationCaption(shownAnimation_ >= 0 ? shownAnimation_ : document_.State.AnimSelect));
}

void TAnimForm::Refill(TImagesItem& layer) {
    for (int n = 0; n < 3; ++n)
        if (const TCommands* track = layer.ActiveTracks[n])
            CommandListPage->setTabText(n, TrackCaption(n + 1, *track));
    FillList(ActiveTrack(), layer);
    UpdateMarkedRow();
}

void TAnimForm::FillList(int n, TImagesItem& layer) {
    const TCommands* track = layer.ActiveTracks[n];
    if (!track) return;
    TFilled& filled = filled_[n];
    if (filled.Track == track && filled.Stamp == track->Stamp()) return; // the rows are still right
    const std::vector<int> selected = SelectedRows();
    const int keep = selected.size() == 1 ? selected.front() : -1;
    Models[n]->SetRows(CommandRows(*track));
    filled = {track, track->Stamp()};
    if (keep >= 0 && keep < Models[n]->rowCount()) {
        SelectRows({keep});
        CommandsListView[n]->scrollTo(Models[n]->index(keep, 0));
    }
}

void TAnimForm::UpdateMarkedRow() {
    const TEditorState& s = document_.State;
    for (int n = 0; n < 3; ++n)
        Models[n]->SetMarkedRow(s.KeyframeMode && n == ActiveTrack() ? s.KeyFrameIndex : -1);
}

void TAnimForm::UpdateEnabled() {
    const bool playing = document_.Playing();
    const bool editable = !playing && !document_.KeyframeEditing();
    PlaySpeedButton->setEnabled(!playing);
    StopSpeedButton->setEnabled(playing);
    ExecuteSpeedButton->setEnabled(!playing);
    ExecuteTouchSpeedButton->setEnabled(!playing);
    for (QToolButton* b : {AddCommandSpeedButton, FavoritesSpeedButton, DeleteCommandSpeedButton,
                           CmdUpSpeedButton, CmdDownSpeedButton})
        b->setEnabled(editable);
    CommandListPage->setEnabled(editable);
    UpdateMarkedRow();
}

// ---- Selection ----

int TAnimForm::ActiveTrack() const {
    const int n = CommandListPage->currentIndex();
    return n >= 0 && n < 3 ? n : 0;
}

std::vector<int> TAnimForm::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : CommandsListView[ActiveTrack()]->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TAnimForm::SelectRows(const std::vector<int>& rows) {
    QTableView* view = CommandsListView[ActiveTrack()];
    QItemSelection selection;
    for (int r : rows)
        if (r >= 0 && r < view->model()->rowCount())
            selection.select(view->model()->index(r, 0), view->model()->index(r, 1));
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty()) {
        view->selectionModel()->setCurrentIndex(view->model()->index(rows.front(), 0),
                                                QItemSelectionModel::NoUpdate);
        view->scrollTo(view->model()->index(rows.front(), 0));
    }
}

// ---- Operations ----

TImagesItem* TAnimForm::ButtonLayer() const {
    return document_.Scene.SelectedCount == 1 ? document_.Scene.CurrentLayer : nullptr;
}

TCommands* TAnimForm::ShownTrack(TImagesItem* layer) const {
    return layer ? layer->ActiveTracks[ActiveTrack()] : nullptr;
}

QWidget* TAnimForm::DialogParent() const {
    return document_.DialogParent ? document_.DialogParent : const_cast<TAnimForm*>(this);
}

void TAnimForm::Changed() {
    document_.Edited(); // every panel refreshes, this one with them
    // The keys act on the current layer also while others are selected:
    // its rows are shown again here then.
    if (TImagesItem* layer = document_.Scene.CurrentLayer) Refill(*layer);
}

void TAnimForm::RunTool(void (*tool)(const TListTarget&, const std::vector<int>&)) {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    const std::vector<int> rows = SelectedRows();
    // A tool stopped by a number it cannot read keeps what it changed: show that too.
    try {
        tool({document_.State, document_.Dialogs(), *layer, *track}, rows);
    } catch (...) {
        Changed();
        throw;
    }
    Changed();
    SelectRows(rows);
}

void TAnimForm::CommandsList1ViewKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers mods =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_Insert) return AddCommandSpeedButtonClick();
    if (key == Qt::Key_Delete) return DeleteCommandSpeedButtonClick();
    TImagesItem* layer = document_.Scene.CurrentLayer;
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    const TListTarget t{document_.State, document_.Dialogs(), *layer, *track};
    if (mods == Qt::AltModifier && key == Qt::Key_R) {
        velkon::AppendRestart(t);
        Changed();
        return;
    }
    if (mods != Qt::ControlModifier) return;
    switch (key) {
    case Qt::Key_A:
        CommandsListView[ActiveTrack()]->selectAll();
        break;
    case Qt::Key_C:
        Copy();
        break;
    case Qt::Key_X:
        if (SelectedRows().empty()) break;
        Copy();
        DeleteCommandSpeedButtonClick();
        break;
    case Qt::Key_V:
        Paste();
        break;
    default:
        break;
    }
}

void TAnimForm::Copy() {
    TImagesItem* layer = document_.Scene.CurrentLayer;
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    const QString text = CopyCommands({document_.State, document_.Dialogs(), *layer, *track}, SelectedRows());
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void TAnimForm::Paste() {
    TImagesItem* layer = document_.Scene.CurrentLayer;
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::optional<QString> text;
    if (data && data->hasText()) text = data->text();
    const std::vector<int> placed = PasteCommands({document_.State, document_.Dialogs(), *layer, *track},
                                                  text, SelectedRows(), ConvertOnPasteAction->isChecked());
    if (placed.empty()) return;
    Changed();
    SelectRows(placed);
}

void TAnimForm::AddCommandSpeedButtonClick() {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track || document_.Playing()) return;
    const int row = velkon::AddCommand({document_.State, document_.Dialogs(), *layer, *track}, SelectedRows(),
                                       EditCommand);
    Changed();
    if (row >= 0) SelectRows({row});
}

void TAnimForm::CommandsListViewDblClick() {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) return;
    if (velkon::EditCommand({document_.State, document_.Dialogs(), *layer, *track}, rows, EditCommand))
        Changed();
    SelectRows(rows);
}

void TAnimForm::DeleteCommandSpeedButtonClick() {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    DeleteCommands({document_.State, document_.Dialogs(), *layer, *track}, SelectedRows());
    Changed();
}

void TAnimForm::CmdUpSpeedButtonClick() {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    if (auto moved = MoveCommandsUp({document_.State, document_.Dialogs(), *layer, *track}, SelectedRows())) {
        Changed();
        SelectRows(*moved);
    }
}

void TAnimForm::CmdDownSpeedButtonClick() {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    if (auto moved =
            MoveCommandsDown({document_.State, document_.Dialogs(), *layer, *track}, SelectedRows())) {
        Changed();
        SelectRows(*moved);
    }
}

void TAnimForm::DropOnRow(int row) {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    if (DropCommand({document_.State, document_.Dialogs(), *layer, *track}, SelectedRows(), row)) {
        Changed();
        SelectRows({row});
    }
}

void TAnimForm::ExecuteSpeedButtonClick() {
    TImagesItem* layer = ButtonLayer();
    if (!layer) return;
    if (SetPlayAnim(document_.State, *layer, ExecuteSpeedButton->isChecked(),
                    ExecuteTouchSpeedButton->isChecked()))
        document_.Edited();
}

void TAnimForm::FavoritesSpeedButtonClick() {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    // The dialog records its step and marks the project modified only when Ok appends something.
    TFavouritesForm form(document_, DialogParent());
    if (form.Execute(*layer, *track)) Changed();
}

void TAnimForm::EaseSpeedButtonClick() {
    TImagesItem* layer = ButtonLayer();
    TCommands* track = ShownTrack(layer);
    if (!track) return;
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1 || rows.front() >= track->Count()) return;
    TEaseForm form(document_, DialogParent());
    if (!form.Execute(*layer, *track->Item(rows.front()))) return; // cancelled or unchanged
    Changed();
    SelectRows(rows);
}

bool TAnimForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (QTableView* view : CommandsListView) {
            if (watched != view) continue;
            auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers mods =
                key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
            const bool ours =
                key->key() == Qt::Key_Delete || (mods == Qt::AltModifier && key->key() == Qt::Key_R) ||
                (mods == Qt::ControlModifier && (key->key() == Qt::Key_A || key->key() == Qt::Key_C ||
                                                 key->key() == Qt::Key_X || key->key() == Qt::Key_V));
            // Insert is the main window's key: it adds once, whoever has the focus.
            if (!ours) return false;
            TVelkonApplication::Guard(view, [&] { CommandsList1ViewKeyDown(key->key(), key->modifiers()); });
            return true;
        }
    }
    return TDockForm::eventFilter(watched, event);
}

} // namespace velkon
