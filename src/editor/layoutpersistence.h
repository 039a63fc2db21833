#pragma once

#include "edit/layoutsettings.h"
#include "project/settingsplaces.h"

#include <QObject>
#include <QRect>
#include <array>

class QMainWindow;
class QWidget;

namespace velkon {

class TActionRegistry;
class TDockForm;

// The screen and panel layout files: the canvas's place ("VelkonEditor.ini")
// and where each panel floats or docks ("VelkonEditorForms.ini"), saved,
// loaded and reset from the canvas's pop-up menu. It keeps each panel's last
// floating geometry, which the file keeps also for a docked panel.
class TLayoutPersistence : public QObject {
    Q_OBJECT
public:
    // The parts of the main window the files describe.
    struct TParts {
        QMainWindow* Window = nullptr;
        QWidget* ScrollBox = nullptr;
        QWidget* Panel5 = nullptr;
        QWidget* Canvas = nullptr;
        QWidget* Status = nullptr;
        QWidget* ToolBar = nullptr;
        std::array<TDockForm*, TLayoutSettings::PanelCount> Panels{}; // by TLayoutSettings::TPanel
    };
    // places: read at each save and load (tests point them at their own folder).
    TLayoutPersistence(const TSettingsPlaces& places, const TParts& parts, QObject* parent = nullptr);

    // The pop-up menu's layout commands ("layout.saveScreen" ...).
    void RegisterActions(TActionRegistry& registry);

    TLayoutSettings CurrentLayout() const;
    void SaveScreenLayout();
    void LoadScreenLayout();
    void SavePanelLayout();
    void LoadPanelLayout();
    // Everything docked, tabbed, the dock 450 wide; the keyframe panel and the log in front.
    void ResetPanelLayout();
    void ApplyPanelLayout(const TLayoutSettings& layout);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString LayoutPath(const char* file) const;
    TDockForm* Panel(int index) const;

    const TSettingsPlaces& places_;
    TParts parts_;
    std::array<QRect, TLayoutSettings::PanelCount> floatRects_;
};

} // namespace velkon
