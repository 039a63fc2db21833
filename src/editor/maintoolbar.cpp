#include "editor/maintoolbar.h"

#include "edit/resolutions.h"
#include "render/canvasrenderer.h"
#include "editor/editordocument.h"
#include "editor/helpform.h"
#include "editor/timescrubber.h"
#include "editor/uihelpers.h"
#include "editor/ujdonsagform.h"
#include "model/dialogs.h"
#include "project/language.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace velkon {

namespace {

QToolButton* Button(QToolBar* bar, const char* name, const QString& text, const QString& hint,
                    bool checkable = false) {
    QToolButton* b = ToolButton(bar, name, text, hint, checkable);
    bar->addWidget(b);
    return b;
}

QSlider* Slider(QToolBar* bar, const char* name, int max, int value, int width, const QString& hint) {
    auto* s = new QSlider(Qt::Horizontal, bar);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(1, max);
    s->setValue(value);
    s->setMaximumWidth(width);
    s->setToolTip(hint);
    bar->addWidget(s);
    return s;
}

} // namespace

TMainToolBar::TMainToolBar(TEditorDocument& document, QWidget* parent)
    : QToolBar(QStringLiteral("Panel1"), parent), document_(document) {
    setObjectName(QStringLiteral("Panel1"));
    setMovable(false);

    NewSpeedButton = Button(this, "NewSpeedButton", tr("Új"), tr("Új projekt"));
    OpenSpeedButton = Button(this, "OpenSpeedButton", tr("Megnyit"), tr("Projekt betöltése"));
    SaveSpeedButton = Button(this, "SaveSpeedButton", tr("Ment"), tr("Projekt mentése [Ctrl+S]"));
    PackSpeedButton = Button(this, "PackSpeedButton", tr("Csomagol"), tr("Csomagolás"));
    InfoSpeedButton = Button(this, "InfoSpeedButton", tr("Info"), tr("Change log"));
    HelpSpeedButton = Button(this, "HelpSpeedButton", tr("Súgó"), tr("Súgó: billentyűk, fájlok"));
    // The button still opens the change log; its arrow offers the help too.
    InfoMenu = new QMenu(InfoSpeedButton);
    InfoMenu->setObjectName(QStringLiteral("InfoMenu"));
    InfoSpeedButton->setMenu(InfoMenu);
    // In both languages: whoever cannot read the one on show finds it.
    LanguageMenu = new QMenu(QStringLiteral("Nyelv / Language"), InfoMenu);
    LanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    HungarianAction = LanguageMenu->addAction(QStringLiteral("Magyar"));
    HungarianAction->setObjectName(QStringLiteral("HungarianAction"));
    EnglishAction = LanguageMenu->addAction(QStringLiteral("English"));
    EnglishAction->setObjectName(QStringLiteral("EnglishAction"));
    auto* languages = new QActionGroup(LanguageMenu);
    for (QAction* a : {HungarianAction, EnglishAction}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    InfoSpeedButton->setPopupMode(QToolButton::MenuButtonPopup);
    // The Open button still asks for a file; its arrow lists the recent projects.
    RecentMenu = new QMenu(tr("Legutóbbi projektek"), OpenSpeedButton);
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    RecentMenu->setToolTipsVisible(true);
    OpenSpeedButton->setMenu(RecentMenu);
    OpenSpeedButton->setPopupMode(QToolButton::MenuButtonPopup);
    addSeparator();
    ResComboBox = new QComboBox(this);
    ResComboBox->setObjectName(QStringLiteral("ResComboBox"));
    for (const TResolutionDesc& preset : ResolutionPresets())
        ResComboBox->addItem(preset.Name);
    addWidget(ResComboBox);
    addSeparator();
    StartPageSpeedButton = Button(this, "StartPageSpeedButton", QStringLiteral("▶"), tr("Lejátszás [F1]"));
    StopPageSpeedButton3 = Button(this, "StopPageSpeedButton3", QStringLiteral("■"), tr("Leállítás [F1]"));
    AutoStopSpeedButton = Button(this, "AutoStopSpeedButton", tr("Auto"), tr("Automatikus leállás"), true);
    AutoStopSpeedButton->setChecked(true);
    Scrubber = new TTimeScrubber(document_, this);
    addWidget(Scrubber);
    addSeparator();
    CommandPreviewSpeedButton =
        Button(this, "CommandPreviewSpeedButton", tr("Fázisok"), tr("Fázisok megjelenítése"), true);
    TrackBar2 = Slider(this, "TrackBar2", 10, 5, 80, tr("Fázisok mennyire legyenek átlátszóak"));
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit2 = new QSpinBox(this);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    for (QSpinBox* s : {SpinEdit1, SpinEdit2}) {
        s->setRange(0, 100);
        s->setValue(1);
        addWidget(s);
    }
    VonalakCB = new QCheckBox(tr("Vonalak"), this);
    VonalakCB->setObjectName(QStringLiteral("VonalakCB"));
    addWidget(VonalakCB);
    ClearCheckBox = new QCheckBox(tr("Törlés"), this);
    ClearCheckBox->setObjectName(QStringLiteral("ClearCheckBox"));
    ClearCheckBox->setToolTip(tr("Rajzvászon törlése"));
    addWidget(ClearCheckBox);
    addSeparator();
    BackGroundSpeedButton = Button(this, "BackGroundSpeedButton", tr("Háttér"), tr("Háttérszín"));
    SelectedColorSpeedButton =
        Button(this, "SelectedColorSpeedButton", tr("Kijelölés"), tr("Kijelölés színe"));
    LockSpeedButton =
        Button(this, "LockSpeedButton", tr("Zár"), tr("A zárolt objektumokat ki lehet-e választani?"), true);
    SelectModeSpeedButton =
        Button(this, "SelectModeSpeedButton", tr("Ölelés"), tr("Öleléses kiválasztás [s]"), true);
    UndoSpeedButton = Button(this, "UndoSpeedButton", QStringLiteral("↶"), tr("Visszavonás [Ctrl+Z]"));
    RedoSpeedButton = Button(this, "RedoSpeedButton", QStringLiteral("↷"), tr("Újra [Ctrl+Y, Ctrl+Shift+Z]"));
    UndoSpeedButton->setEnabled(false);
    RedoSpeedButton->setEnabled(false);
    PhotoSpeedButton = Button(this, "PhotoSpeedButton", tr("Fotó"), tr("Képernyő lementése"));
    TrackBar1 = Slider(this, "TrackBar1", 10, 1, 100, tr("Lassítás"));

    ConnectControls();
    document_.Scene.Lock = LockSpeedButton->isChecked();
}

void TMainToolBar::ConnectControls() {
    TEditorDocument& d = document_;
    TScene& scene = d.Scene;
    // The buttons run the registered commands.
    const std::pair<QToolButton*, const char*> commands[] = {
        {NewSpeedButton, "project.new"},       {OpenSpeedButton, "project.open"},
        {SaveSpeedButton, "project.saveAs"},   {PackSpeedButton, "project.pack"},
        {StartPageSpeedButton, "play.toggle"}, {StopPageSpeedButton3, "play.toggle"},
        {UndoSpeedButton, "edit.undo"},        {RedoSpeedButton, "edit.redo"},
        {PhotoSpeedButton, "project.photo"},
    };
    for (const auto& [button, id] : commands)
        connect(button, &QToolButton::clicked, this, [&d, id] { d.Registry.Trigger(QString::fromLatin1(id)); });
    const auto openChangeLog = [this] { TUjdonsagForm::Open(window()); };
    const auto openHelp = [this] { THelpForm::Open(window()); };
    On(InfoSpeedButton, &QToolButton::clicked, this, openChangeLog);
    On(InfoMenu->addAction(tr("Fejlesztési napló")), &QAction::triggered, this, openChangeLog);
    On(InfoMenu->addAction(tr("Súgó")), &QAction::triggered, this, openHelp);
    InfoMenu->addSeparator();
    InfoMenu->addMenu(LanguageMenu);
    // The check mark shows the language of the next start: the stored choice, else the system's.
    On(LanguageMenu, &QMenu::aboutToShow, this, [this] {
        const bool english = EditorLanguage(document_.Places) == TLanguage::English;
        (english ? EnglishAction : HungarianAction)->setChecked(true);
    });
    On(HungarianAction, &QAction::triggered, this, [this] { ChooseLanguage(TLanguage::Hungarian); });
    On(EnglishAction, &QAction::triggered, this, [this] { ChooseLanguage(TLanguage::English); });
    On(HelpSpeedButton, &QToolButton::clicked, this, openHelp);
    On(RecentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    On(ResComboBox, &QComboBox::activated, this, [this, &scene] {
        scene.Resolution = ResComboBox->currentIndex();
        emit ResolutionChosen();
    });
    On(TrackBar1, &QSlider::valueChanged, this, [this, &scene] { scene.TimeScale = TrackBar1->value(); });
    // Down: locked layers cannot be picked, and the project says Lock=1.
    On(LockSpeedButton, &QToolButton::toggled, this, [this, &scene] { scene.Lock = LockSpeedButton->isChecked(); });
    On(BackGroundSpeedButton, &QToolButton::clicked, this,
       [this, &scene] { ChooseColour(scene.BackgroundColor, tr("Háttérszín")); });
    On(SelectedColorSpeedButton, &QToolButton::clicked, this,
       [this, &scene] { ChooseColour(scene.SelectColor, tr("Kijelölés színe")); });
    On(SelectModeSpeedButton, &QToolButton::toggled, this, [this, &d] {
        d.State.SelectModeDown = SelectModeSpeedButton->isChecked();
        emit SelectModeToggled(d.State.SelectModeDown);
    });
    On(AutoStopSpeedButton, &QToolButton::toggled, this,
       [this, &d] { d.Playback->AutoStop = AutoStopSpeedButton->isChecked(); });
    // The view switches only change what the canvas draws.
    for (QAbstractButton* control : std::initializer_list<QAbstractButton*>{CommandPreviewSpeedButton, VonalakCB, ClearCheckBox})
        connect(control, &QAbstractButton::toggled, &d, &TEditorDocument::Redraw);
    connect(TrackBar2, &QSlider::valueChanged, &d, &TEditorDocument::Redraw);
    connect(SpinEdit1, &QSpinBox::valueChanged, &d, &TEditorDocument::Redraw);
    connect(SpinEdit2, &QSpinBox::valueChanged, &d, &TEditorDocument::Redraw);

    connect(&d, &TEditorDocument::EnabledStateChanged, this, [this] { EnableForState(); });
    // A new or read project brings its own Lock switch.
    connect(&d, &TEditorDocument::ProjectReplaced, this, [this, &scene] { LockSpeedButton->setChecked(scene.Lock); });
}

void TMainToolBar::FillViewOptions(TRenderOptions& o) const {
    o.ClearFrame = ClearCheckBox->isChecked();
    o.ShowPhases = CommandPreviewSpeedButton->isChecked();
    o.PhaseOpacity = TrackBar2->value();
    o.PhasesBefore = SpinEdit1->value();
    o.PhasesAfter = SpinEdit2->value();
    o.ShowPaths = VonalakCB->isChecked();
}

void TMainToolBar::ShowResolution(int index) {
    if (ResComboBox->currentIndex() != index) ResComboBox->setCurrentIndex(index);
}

void TMainToolBar::ShowSelectMode(bool down) {
    if (SelectModeSpeedButton->isChecked() != down) SelectModeSpeedButton->setChecked(down);
}

void TMainToolBar::EnableForState() {
    const bool playing = document_.Playing();
    const TEditorState& state = document_.State;
    OpenSpeedButton->setEnabled(!playing && !state.KeyframeMode);
    SaveSpeedButton->setEnabled(!playing);
    PackSpeedButton->setEnabled(!playing);
    NewSpeedButton->setEnabled(!playing);
    ResComboBox->setEnabled(!playing);
    StartPageSpeedButton->setEnabled(!playing);
    StopPageSpeedButton3->setEnabled(playing);
    // A step undone while playing would be lost to the restore at stop.
    UndoSpeedButton->setEnabled(!playing && state.Undo.UndoEnabled());
    RedoSpeedButton->setEnabled(!playing && state.Undo.RedoEnabled());
}

void TMainToolBar::FillRecentMenu() {
    RecentMenu->clear();
    RecentMenu->addSection(RecentMenu->title());
    // A section's title does not widen the menu by itself.
    RecentMenu->setMinimumWidth(RecentMenu->fontMetrics().horizontalAdvance(RecentMenu->title()) + 48);
    const QStringList paths = document_.RecentProjects();
    if (paths.isEmpty()) RecentMenu->addAction(tr("(nincs még)"))->setEnabled(false);
    for (const QString& path : paths) {
        QAction* item = RecentMenu->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        On(item, &QAction::triggered, this, [this, path] { document_.OpenRecentProject(path); });
    }
}

void TMainToolBar::ChooseLanguage(TLanguage language) {
    StoreLanguage(document_.Places, language);
    // Every window is built in one language; the new one takes over when they are built anew.
    document_.Dialogs().Message(QStringLiteral("A választott nyelv a program következő indításakor lép életbe.\n"
                                               "The chosen language takes effect the next time the program "
                                               "starts."));
}

void TMainToolBar::ChooseColour(uint32_t& colour, const QString& caption) {
    const std::optional<uint32_t> chosen = document_.Dialogs().ChooseColour(caption, colour);
    if (!chosen) return;
    colour = *chosen;
    document_.Redraw();
}

} // namespace velkon
