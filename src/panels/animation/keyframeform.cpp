#include "panels/animation/keyframeform.h"

#include "panels/animation/keyframepathtools.h"

#include "edit/editorstate.h"
#include "editor/editordocument.h"
#include "editor/uihelpers.h"
#include "editor/velkonapplication.h"
#include "engine/playback.h"
#include "model/scene.h"
#include "panels/animation/keyframegridmodel.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace velkon {

namespace {

constexpr int kColumnWidth = 14;
constexpr int kRowHeight = 20;
constexpr int kGridBoxWidth = 4000;
constexpr int kHeightEditing = 140;
constexpr int kHeightIdle = 77;

} // namespace

TKeyFrameForm::TKeyFrameForm(TEditorDocument& document, QWidget* parent)
    : TDockForm(QStringLiteral("KeyFrameForm"), tr("Kulcskockás animáció"), parent), document_(document) {
    CreateControls();
    // The buttons whose commands have keys show them.
    // (The group and link switches name their Alt keys in their own hints.)
    const std::pair<QWidget*, const char*> keyed[] = {{AutoCommandCopySpeedButton, "keyframe.storeAndCopy"},
                                                      {PlaySpeedButton, "keyframe.play"}};
    for (const auto& [button, id] : keyed)
        document_.Registry.ShowKeys(button, QString::fromLatin1(id));
    CreatePopupMenu();

    connect(&document_, &TEditorDocument::KeyframesChanged, this, [this] { Reload(); });
    connect(&document_, &TEditorDocument::EnabledStateChanged, this, [this] { UpdateEnabledState(); });
    // A layer deleted or renamed elsewhere: the members are read afresh.
    connect(&document_, &TEditorDocument::LayersChanged, this, [this] { UpdateEnabledState(); });
    Reload();
}

TKeyFrameForm::~TKeyFrameForm() = default;

void TKeyFrameForm::CreateControls() {
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("KeyFramePanel"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    CreateKeyframeButtons(content);
    column->addWidget(KeyframeGroupBox);

    auto* second = new QHBoxLayout;
    second->setSpacing(4);
    AnimSelectComboBox = new QComboBox(content);
    AnimSelectComboBox->setObjectName(QStringLiteral("AnimSelectComboBox"));
    AnimSelectComboBox->addItems({QStringLiteral("Base [F5]"), QStringLiteral("Touch1 [F6]"),
                                  QStringLiteral("Touch2 [F7]"), QStringLiteral("Touch3 [F8]")});
    second->addWidget(AnimSelectComboBox);
    // The path, bone and transposition tools are inserted here.
    PathToolsBox = new QWidget(content);
    PathToolsBox->setObjectName(QStringLiteral("PathToolsBox"));
    auto* tools = new QHBoxLayout(PathToolsBox);
    tools->setContentsMargins(0, 0, 0, 0);
    PathTools = new TKeyFramePathTools(document_, PathToolsBox);
    PathTools->SetKeyframeEditor(&document_.Keyframes);
    tools->addWidget(PathTools);
    // Generated or transposed keyframes: the grid takes the new columns and shows the current one again.
    connect(PathTools, &TKeyFramePathTools::PathKeyframesCreated, this, [this](int columns) {
        document_.State.KeyFrameColCount = columns;
        document_.Keyframes.Refresh();
        document_.Edited();
        Reload();
    });
    connect(PathTools, &TKeyFramePathTools::KeyframesTransposed, this, [this] {
        document_.Keyframes.ApplySelected();
        document_.Edited();
        Reload();
    });
    second->addStretch(1);
    column->addLayout(second);
    // A row of their own keeps the panel within a narrow dock.
    column->addWidget(PathToolsBox);

    CreateGrids(content);
    column->addWidget(KeyframeScrollBox);
    column->addStretch(1);
    // A narrow dock area scrolls the panel instead of being widened by it.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("KeyFrameScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    setWidget(scroll);

    ConnectControls();
}

// The editing buttons in two rows: the panel's default width holds each of them whole.
void TKeyFrameForm::CreateKeyframeButtons(QWidget* content) {
    KeyframeGroupBox = new QGroupBox(content);
    KeyframeGroupBox->setObjectName(QStringLiteral("KeyframeGroupBox"));
    auto* rows = new QVBoxLayout(KeyframeGroupBox);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->setSpacing(1);
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    auto* toggles = new QHBoxLayout;
    toggles->setSpacing(1);
    rows->addLayout(row);
    rows->addLayout(toggles);
    QWidget* g = KeyframeGroupBox;
    KeyEditSpeedButton =
        ToolButton(g, "KeyEditSpeedButton", tr("Szerk."), tr("Kulcskockás animáció szerkesztés"), true);
    AutoCommandCopySpeedButton = ToolButton(g, "AutoCommandCopySpeedButton", tr("Tár"),
                                            tr("Tárolja a változást és átmásolja egy következő fázisba."));
    SpeedButton3 = ToolButton(g, "SpeedButton3", QStringLiteral("-"), QStringLiteral("-"));
    AutoDurationEdit = new QLineEdit(document_.State.AutoDuration, g);
    AutoDurationEdit->setObjectName(QStringLiteral("AutoDurationEdit"));
    AutoDurationEdit->setToolTip(
        tr("Időzítési (duration) érték ezt használja az automatikus parancsgenerátor"));
    AutoDurationEdit->setMaximumWidth(44);
    SpeedButton11 = ToolButton(g, "SpeedButton11", QStringLiteral("+"), QStringLiteral("+"));
    KeyframeTimeSetSpeedButton = ToolButton(g, "KeyframeTimeSetSpeedButton", tr("Idő"),
                                            tr("A több kiválasztott kulcskokák idejét módosítja"));
    CopyKeyframeSpeedButton =
        ToolButton(g, "CopyKeyframeSpeedButton", tr("Dupl."), tr("Megduplázza akiválasztott fázist"));
    DeleteKeyframeSpeedButton =
        ToolButton(g, "DeleteKeyframeSpeedButton", tr("Töröl"), tr("Törli a kiválasztott fázist"));
    CmdUpSpeedButton =
        ToolButton(g, "CmdUpSpeedButton", QStringLiteral("◀"), tr("A fázist eggyel hátrébb mozgatja"));
    CmdDownSpeedButton =
        ToolButton(g, "CmdDownSpeedButton", QStringLiteral("▶"), tr("A fázist eggyel előrébb mozgatja"));
    SkeltonSpeedButton =
        ToolButton(g, "SkeltonSpeedButton", tr("Csop."), tr("Csoportos szerkesztés [ALT+G]"), true);
    LinkSpeedButton = ToolButton(g, "LinkSpeedButton", tr("Link"),
                                 tr("Összekapcsolt elemeket nem lehet elmozgatni [ALT+L]"), true);
    KeyFrameSelectSpeedButton =
        ToolButton(g, "KeyFrameSelectSpeedButton", tr("Kijel."),
                   tr("Kiválasztja az összes elemet ami részt vett az előző szerkesztésben"));
    PlaySpeedButton = ToolButton(g, "PlaySpeedButton", QStringLiteral("▷"),
                                 tr("A kiválasztott kulcskockától lejátsza az animációt."), true);
    for (QWidget* w : std::initializer_list<QWidget*>{
             KeyEditSpeedButton, AutoCommandCopySpeedButton, SpeedButton3, AutoDurationEdit, SpeedButton11,
             KeyframeTimeSetSpeedButton, CopyKeyframeSpeedButton, DeleteKeyframeSpeedButton, CmdUpSpeedButton,
             CmdDownSpeedButton})
        row->addWidget(w);
    row->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{SkeltonSpeedButton, LinkSpeedButton,
                                                      KeyFrameSelectSpeedButton, PlaySpeedButton})
        toggles->addWidget(w);
    toggles->addStretch(1);
}

void TKeyFrameForm::ConnectControls() {
    SkeltonSpeedButton->setChecked(document_.State.SkeltonDown);
    LinkSpeedButton->setChecked(document_.State.LinkDown);

    On(KeyEditSpeedButton, &QToolButton::clicked, this, [this] { KeyEditSpeedButtonClick(); });
    On(AutoCommandCopySpeedButton, &QToolButton::clicked, this, [this] {
        document_.Keyframes.Store(TKeyframeEditor::storeCopyNext);
        AfterChange();
    });
    On(SpeedButton3, &QToolButton::clicked, this, [this] { DurationButtonClick(false); });
    On(SpeedButton11, &QToolButton::clicked, this, [this] { DurationButtonClick(true); });
    On(AutoDurationEdit, &QLineEdit::textEdited, this, [this] {
        document_.Keyframes.DurationTyped(AutoDurationEdit->text());
        AfterChange();
    });
    auto run = [this](QToolButton* b, void (TKeyframeEditor::*op)()) {
        On(b, &QToolButton::clicked, this, [this, op] {
            (document_.Keyframes.*op)();
            AfterChange();
        });
    };
    run(KeyframeTimeSetSpeedButton, &TKeyframeEditor::SetRangeDuration);
    run(CopyKeyframeSpeedButton, &TKeyframeEditor::CopyKeyframe);
    run(DeleteKeyframeSpeedButton, &TKeyframeEditor::DeleteKeyframe);
    run(CmdUpSpeedButton, &TKeyframeEditor::MoveBack);
    run(CmdDownSpeedButton, &TKeyframeEditor::MoveForward);
    run(KeyFrameSelectSpeedButton, &TKeyframeEditor::SelectLastEditLayers);
    On(SkeltonSpeedButton, &QToolButton::toggled, this, [this] {
        document_.State.SkeltonDown = document_.State.GroupEditDown = SkeltonSpeedButton->isChecked();
    });
    On(LinkSpeedButton, &QToolButton::toggled, this,
       [this] { document_.State.LinkDown = LinkSpeedButton->isChecked(); });
    On(PlaySpeedButton, &QToolButton::clicked, this, [this] { PlaySpeedButtonClick(); });
    On(AnimSelectComboBox, &QComboBox::activated, this,
       [this] { document_.Keyframes.SelectAnimation(AnimSelectComboBox->currentIndex()); });
}

void TKeyFrameForm::CreateGrids(QWidget* parent) {
    KeyframeScrollBox = new QScrollArea(parent);
    KeyframeScrollBox->setObjectName(QStringLiteral("KeyframeScrollBox"));
    KeyframeScrollBox->setWidgetResizable(false);
    KeyframeScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    KeyframeScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    KeyframeScrollBox->setFixedHeight(62);
    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("KeyframeGridBox"));
    inner->resize(kGridBoxWidth, 2 * (kRowHeight + 2));
    keyModel_ = new TKeyframeGridModel(this);
    timeModel_ = new TKeyframeGridModel(this);
    auto grid = [&](const char* name, TKeyframeGridModel* model, int top) {
        auto* view = new QTableView(inner);
        view->setObjectName(QString::fromLatin1(name));
        view->setModel(model);
        view->horizontalHeader()->hide();
        view->verticalHeader()->hide();
        view->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
        view->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
        view->verticalHeader()->setDefaultSectionSize(kRowHeight);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionBehavior(QAbstractItemView::SelectItems);
        view->setGeometry(0, top, kGridBoxWidth, kRowHeight + 2);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& p) {
            TimelinePopupMenu->popup(view->viewport()->mapToGlobal(p));
        });
        return view;
    };
    KeyframeStringGrid = grid("KeyframeStringGrid", keyModel_, 0);
    KeyframeStringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    TimeLineStringGrid = grid("TimeLineStringGrid", timeModel_, kRowHeight + 2);
    TimeLineStringGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    KeyframeScrollBox->setWidget(inner);

    connect(KeyframeStringGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (updating_ || !current.isValid()) return;
                TVelkonApplication::Guard(KeyframeStringGrid, [&] { KeyframeGridSelect(current.column()); });
            });
    connect(TimeLineStringGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!updating_) TimelineSelectionChanged();
    });
}

void TKeyFrameForm::CreatePopupMenu() {
    TimelinePopupMenu = new QMenu(this);
    TimelinePopupMenu->setObjectName(QStringLiteral("TimelinePopupMenu"));
    auto item = [this](const QString& text, std::function<void()> handler) {
        QAction* a = TimelinePopupMenu->addAction(text);
        On(a, &QAction::triggered, this, [this, handler] {
            handler();
            AfterChange();
        });
        return a;
    };
    item(tr("Összes kiválasztása"), [this] { document_.Keyframes.SelectWholeTimeline(); });
    TimelinePopupMenu->addSeparator();
    item(tr("Kiválasztottak átmásolása"), [this] { document_.Keyframes.CopyRange(false); });
    item(tr("Kiválasztottak átmásolása fordított sorrendben"),
         [this] { document_.Keyframes.CopyRange(true); });
    item(tr("Kiválasztottak törlése"), [this] { document_.Keyframes.DeleteRange(); });
    TimelinePopupMenu->addAction(PathTools->TransposePointAction);
    TimelinePopupMenu->addAction(PathTools->TransposeAction);
    TimelinePopupMenu->addSeparator();
    item(tr("Duration módosítás"), [this] { document_.Keyframes.SetRangeDuration(); });
    item(tr("Duration sebességből"), [this] { document_.Keyframes.DurationFromSpeed(document_.Dialogs()); });
    widget()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { TimelinePopupMenu->popup(widget()->mapToGlobal(p)); });
}

// ---- Handlers ----

void TKeyFrameForm::AfterChange() {
    Reload();
    document_.Redraw();
}

void TKeyFrameForm::KeyEditSpeedButtonClick() {
    struct TSync { // the button follows the state, also when switching failed part-way
        TKeyFrameForm* f;
        ~TSync() { f->Reload(); }
    } sync{this};
    document_.SetKeyframeEditing(KeyEditSpeedButton->isChecked());
}

void TKeyFrameForm::PlaySpeedButtonClick() {
    document_.SetKeyframePlaying(PlaySpeedButton->isChecked());
}

void TKeyFrameForm::DurationButtonClick(bool plus) {
    const Qt::KeyboardModifiers mods = QApplication::keyboardModifiers();
    document_.Keyframes.DurationStep(plus, mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
    AfterChange();
}

void TKeyFrameForm::KeyframeGridSelect(int column) {
    document_.Keyframes.SelectColumn(column);
    AfterChange();
}

void TKeyFrameForm::TimelineSelectionChanged() {
    const QModelIndexList selected = TimeLineStringGrid->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    int left = selected.first().column(), right = left;
    for (const QModelIndex& i : selected) {
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    document_.Keyframes.TimelineLeft = left;
    document_.Keyframes.TimelineRight = right;
}

// ---- Showing the state ----

void TKeyFrameForm::ShowKeyframeArea(bool shown) {
    KeyframeScrollBox->setVisible(shown);
    const int height = shown ? kHeightEditing : kHeightIdle;
    widget()->setMinimumHeight(height - 20);
    if (isFloating()) resize(width(), height);
}

void TKeyFrameForm::Reload() {
    const TEditorState& s = document_.State;
    updating_ = true;
    const int columns = s.KeyframeMode ? document_.Keyframes.ColumnCount() : 1;
    keyModel_->SetColumns(columns);
    timeModel_->SetColumns(columns);
    const int selected = std::clamp(s.KeyFrameCol, 0, columns - 1);
    const QModelIndex cell = keyModel_->index(0, selected);
    KeyframeStringGrid->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    if (document_.Keyframes.TimelineRight < columns) {
        const QItemSelection range(timeModel_->index(0, document_.Keyframes.TimelineLeft),
                                   timeModel_->index(0, document_.Keyframes.TimelineRight));
        TimeLineStringGrid->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
        TimeLineStringGrid->scrollTo(timeModel_->index(0, document_.Keyframes.TimelineRight));
    }
    if (AutoDurationEdit->text() != s.AutoDuration) AutoDurationEdit->setText(s.AutoDuration);
    KeyEditSpeedButton->setChecked(s.KeyframeMode);
    PlaySpeedButton->setChecked(s.KeyframePlaying);
    SkeltonSpeedButton->setChecked(s.SkeltonDown);
    LinkSpeedButton->setChecked(s.LinkDown);
    if (AnimSelectComboBox->currentIndex() != s.AnimSelect) AnimSelectComboBox->setCurrentIndex(s.AnimSelect);
    ShowKeyframeArea(s.KeyframeMode);
    updating_ = false;
    UpdateEnabledState();
}

void TKeyFrameForm::UpdateEnabledState() {
    const TEditorState& s = document_.State;
    const bool playing = document_.Playing();
    const bool editing = s.KeyframeMode;
    const bool keyPlaying = s.KeyframePlaying;
    for (QWidget* w : std::initializer_list<QWidget*>{CmdUpSpeedButton, CmdDownSpeedButton,
                                                      CopyKeyframeSpeedButton, DeleteKeyframeSpeedButton,
                                                      KeyframeTimeSetSpeedButton, AutoCommandCopySpeedButton})
        w->setEnabled(editing && !keyPlaying);
    KeyEditSpeedButton->setEnabled(!playing && !keyPlaying);
    AnimSelectComboBox->setEnabled(!playing && !editing);
    // While playing from a keyframe only the play button answers, so that it can be released.
    for (QWidget* w : std::initializer_list<QWidget*>{
             SpeedButton3, SpeedButton11, AutoDurationEdit, SkeltonSpeedButton, LinkSpeedButton,
             KeyFrameSelectSpeedButton, PathToolsBox, KeyframeScrollBox})
        w->setEnabled(!keyPlaying);
    PlaySpeedButton->setEnabled(editing && !playing);
    PathTools->UpdateEnabledState();
    KeyframeGroupBox->setStyleSheet(editing ? QStringLiteral("QGroupBox#KeyframeGroupBox { background-color: "
                                                             "#FFC891; }")
                                            : QString());
}

} // namespace velkon
