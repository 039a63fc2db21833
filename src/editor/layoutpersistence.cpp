#include "editor/layoutpersistence.h"

#include "editor/actionregistry.h"
#include "editor/dockform.h"
#include "project/inifile.h"

#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QTabBar>

namespace velkon {

TLayoutPersistence::TLayoutPersistence(const TSettingsPlaces& places, const TParts& parts, QObject* parent)
    : QObject(parent), places_(places), parts_(parts) {
    floatRects_.fill(QRect(0, 0, 100, 100));
    for (TDockForm* panel : parts_.Panels)
        if (panel) panel->installEventFilter(this);
}

void TLayoutPersistence::RegisterActions(TActionRegistry& registry) {
    const std::pair<const char*, std::pair<QString, void (TLayoutPersistence::*)()>> commands[] = {
        {"layout.saveScreen", {tr("Elválasztók helyzetének mentése"), &TLayoutPersistence::SaveScreenLayout}},
        {"layout.savePanels", {tr("Lebegő panelek elmentése"), &TLayoutPersistence::SavePanelLayout}},
        {"layout.loadPanels", {tr("Lebegő panelek betöltése"), &TLayoutPersistence::LoadPanelLayout}},
        {"layout.resetPanels", {tr("Lebegő panelek alaphelyzetbe"), &TLayoutPersistence::ResetPanelLayout}},
    };
    for (const auto& [id, command] : commands) {
        const auto& [text, run] = command;
        registry.Command(id, this, text, text, {}, [this, run] { (this->*run)(); });
    }
}

TDockForm* TLayoutPersistence::Panel(int index) const {
    return parts_.Panels[static_cast<size_t>(index)];
}

bool TLayoutPersistence::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        for (int i = 0; i < TLayoutSettings::PanelCount; ++i)
            if (watched == Panel(i) && Panel(i)->isFloating())
                floatRects_[static_cast<size_t>(i)] = Panel(i)->geometry();
    }
    return QObject::eventFilter(watched, event);
}


QString TLayoutPersistence::LayoutPath(const char* file) const {
    return places_.SettingsFile(QString::fromLatin1(file));
}

TLayoutSettings TLayoutPersistence::CurrentLayout() const {
    TLayoutSettings layout;
    auto bounds = [](const QWidget* w) {
        return TComponentBounds{w->objectName(), false, w->x(), w->y(), w->height(), w->width()};
    };
    const QWidget* toolBar = parts_.ToolBar;
    const QWidget* status = parts_.Status;
    layout.Screen = {bounds(parts_.ScrollBox), bounds(parts_.Panel5), bounds(parts_.Canvas), bounds(status),
                     bounds(toolBar)};
    // The dock area's width is what docked panels share; lay the window out
    // first so that a panel that just became the visible page has its size.
    if (QLayout* l = parts_.Window->layout()) l->activate();
    // Panels behind the shown tab keep the width they had when they were last
    // shown: only the shown one tells the dock area's width.
    QStringList shownTabs;
    for (const QTabBar* tabs : parts_.Window->findChildren<QTabBar*>(Qt::FindDirectChildrenOnly))
        if (tabs->isVisible() && tabs->currentIndex() >= 0) shownTabs << tabs->tabText(tabs->currentIndex());
    int dockWidth = 0;
    for (int i = 0; i < TLayoutSettings::PanelCount; ++i) {
        TDockForm* panel = Panel(i);
        TPanelPlacement& p = layout.Panels[static_cast<size_t>(i)];
        p.Float = panel->isFloating();
        const QRect g = p.Float ? panel->geometry() : floatRects_[static_cast<size_t>(i)];
        p.Left = g.x();
        p.Top = g.y();
        p.Height = g.height();
        p.Width = g.width();
        const bool shown = parts_.Window->tabifiedDockWidgets(panel).isEmpty() || shownTabs.contains(panel->windowTitle());
        if (!p.Float && panel->isVisible() && shown) dockWidth = std::max(dockWidth, panel->width());
    }
    layout.DockSiteWidth = dockWidth > 0 ? dockWidth : 450;
    return layout;
}

void TLayoutPersistence::ApplyPanelLayout(const TLayoutSettings& layout) {
    QList<QDockWidget*> docked;
    for (int i = 0; i < TLayoutSettings::PanelCount; ++i) {
        TDockForm* panel = Panel(i);
        const TPanelPlacement& p = layout.Panels[static_cast<size_t>(i)];
        floatRects_[static_cast<size_t>(i)] = QRect(p.Left, p.Top, p.Width, p.Height);
        if (p.Float) {
            panel->SetFloatingAt(true, QRect(p.Left, p.Top, p.Width, p.Height));
            panel->show();
        } else {
            if (panel->isFloating()) {
                panel->setFloating(false);
                parts_.Window->addDockWidget(Qt::RightDockWidgetArea, panel);
            }
            panel->show();
            docked << panel;
        }
    }
    for (int i = 1; i < docked.size(); ++i)
        parts_.Window->tabifyDockWidget(docked.first(), docked[i]);
    if (!docked.isEmpty()) {
        docked.first()->raise();
        parts_.Window->resizeDocks({docked.first()}, {layout.DockSiteWidth}, Qt::Horizontal);
    }
}

namespace {
TLayoutSettings::TReader SectionReader(const TIniFile& ini, const char* section) {
    return [&ini, section](const QString& key, const QString& def) {
        return ini.ReadString(QString::fromLatin1(section), key, def);
    };
}
} // namespace

void TLayoutPersistence::SaveScreenLayout() {
    // Comments and keys of other programs in the file stay.
    TLayoutSettings::WriteSection(LayoutPath(TLayoutSettings::ScreenFile),
                                  QString::fromLatin1(TLayoutSettings::ScreenSection),
                                  CurrentLayout().ScreenEntries());
}

void TLayoutPersistence::LoadScreenLayout() {
    TIniFile ini;
    if (!ini.LoadFromFile(LayoutPath(TLayoutSettings::ScreenFile))) return;
    TLayoutSettings layout = CurrentLayout();
    layout.ReadScreen(SectionReader(ini, TLayoutSettings::ScreenSection));
    // Qt's layouts place the tool bar, status line and scroll area, and the
    // resolution sizes the canvas; what is left to restore is the canvas's
    // place inside its panel.
    for (const TComponentBounds& c : layout.Screen)
        if (c.Name == parts_.Canvas->objectName()) parts_.Canvas->move(c.Left, c.Top);
}

void TLayoutPersistence::SavePanelLayout() {
    TLayoutSettings::WriteSection(LayoutPath(TLayoutSettings::FormsFile),
                                  QString::fromLatin1(TLayoutSettings::FormsSection),
                                  CurrentLayout().FormsEntries());
}

void TLayoutPersistence::LoadPanelLayout() {
    TLayoutSettings layout;
    TIniFile ini; // a missing file gives the defaults: everything docked
    ini.LoadFromFile(LayoutPath(TLayoutSettings::FormsFile));
    layout.ReadForms(SectionReader(ini, TLayoutSettings::FormsSection));
    ApplyPanelLayout(layout);
}

void TLayoutPersistence::ResetPanelLayout() {
    TLayoutSettings layout; // everything docked, dock width 450
    ApplyPanelLayout(layout);
    if (TDockForm* p = Panel(TLayoutSettings::panKeyFrame)) p->raise();
    if (TDockForm* p = Panel(TLayoutSettings::panError)) p->raise();
}

} // namespace velkon
