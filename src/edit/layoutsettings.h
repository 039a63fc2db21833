#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>

namespace velkon {

// Position and size of one main-window component ("Screen" section).
struct TComponentBounds {
    QString Name;
    bool Splitter = false; // splitters keep only Left and Top
    int32_t Left = 0, Top = 0, Height = 0, Width = 0;
};

// Floating state and geometry of one dockable panel ("Froms" section).
struct TPanelPlacement {
    bool Float = false;
    int32_t Left = 0, Top = 0, Height = 100, Width = 100;
};

// The window layout kept in two settings files (where TSettingsPlaces says):
// "VelkonEditor.ini" [Screen] (the main window's panels and splitter) and
// "VelkonEditorForms.ini" [Froms] (dock width and the five floating panels).
// Plain data; the window fills it from its widgets and applies it back.
class TLayoutSettings {
public:
    static constexpr const char* ScreenFile = "VelkonEditor.ini";
    static constexpr const char* ScreenSection = "Screen";
    static constexpr const char* FormsFile = "VelkonEditorForms.ini";
    static constexpr const char* FormsSection = "Froms"; // spelled so in existing files

    // Panel order of the forms file, also the order in which a layout is applied.
    enum TPanel { panImages, panKeyFrame, panProperty, panAnim, panError, PanelCount };
    static QString PanelKey(int panel); // "ImagesForm", "KeyFrameForm"...

    using TEntries = QList<std::pair<QString, QString>>;
    // Reads a key's value, returning the given default when the key is missing.
    using TReader = std::function<QString(const QString& key, const QString& defaultValue)>;

    // Main-window components in the window's component order.
    QList<TComponentBounds> Screen;

    int32_t DockSiteWidth = 450;
    std::array<TPanelPlacement, PanelCount> Panels{};

    // Keys and values of [Screen] in write order: Left, Top, Height, Width per
    // component, Left and Top for a splitter.
    TEntries ScreenEntries() const;
    // Reads [Screen]; a missing or unreadable key keeps the component's current value.
    void ReadScreen(const TReader& read);

    // Keys and values of [Froms] in write order: dock width, then per panel
    // Float, Left, Top, Height, Width.
    TEntries FormsEntries() const;
    // Reads [Froms]; missing or unreadable keys give 450, false, 0, 0, 100, 100.
    void ReadForms(const TReader& read);

    // The text of a settings file with one section's keys set to the entries.
    // A key already there (names ignore case) keeps its line and gets the new
    // value; a new key goes after the section's last line; the section goes at
    // the end when missing. Every other line (comments, keys this program does
    // not know, other sections) stays as it was. Lines end in CR LF.
    static QString UpdateSection(const QString& text, const QString& section, const TEntries& entries);
    // Updates the section in the file (Windows-1250) and writes it back
    // atomically; a missing file is created. Throws EVelkonError when it cannot.
    static void WriteSection(const QString& path, const QString& section, const TEntries& entries);
};

} // namespace velkon
