#include "edit/layoutsettings.h"

#include "edit/favourites.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "project/inifile.h"
#include "project/settingsplaces.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

// An in-memory section: what a written INI file gives back when read.
struct TSection {
    QMap<QString, QString> values;
    TLayoutSettings::TReader Reader() const {
        return [this](const QString& key, const QString& def) { return values.value(key, def); };
    }
    void Store(const TLayoutSettings::TEntries& entries) {
        for (const auto& [k, v] : entries)
            values.insert(k, v);
    }
};

TLayoutSettings ScreenOf(std::initializer_list<TComponentBounds> components) {
    TLayoutSettings s;
    s.Screen = components;
    return s;
}

} // namespace

TEST(LayoutSettings, ScreenKeysInComponentOrderSplitterOnlyPosition) {
    const TLayoutSettings s = ScreenOf({{"DockPanel", false, 1, 2, 3, 4},
                                        {"Splitter1", true, 5, 6, 7, 8},
                                        {"Panel1", false, 9, 10, 11, 12}});
    const TLayoutSettings::TEntries expected = {
        {"DockPanel.Left", "1"}, {"DockPanel.Top", "2"}, {"DockPanel.Height", "3"}, {"DockPanel.Width", "4"},
        {"Splitter1.Left", "5"}, {"Splitter1.Top", "6"}, {"Panel1.Left", "9"},      {"Panel1.Top", "10"},
        {"Panel1.Height", "11"}, {"Panel1.Width", "12"},
    };
    EXPECT_EQ(s.ScreenEntries(), expected);
}

TEST(LayoutSettings, ScreenReadKeepsCurrentValuesForMissingOrBadKeys) {
    TLayoutSettings s = ScreenOf({{"ScrollBox1", false, 1, 2, 3, 4}, {"Splitter1", true, 5, 6, 7, 8}});
    TSection file;
    file.values = {{"ScrollBox1.Left", "100"},
                   {"ScrollBox1.Width", "abc"},
                   {"Splitter1.Height", "99"},
                   {"Splitter1.Top", "-7"}};
    s.ReadScreen(file.Reader());
    EXPECT_EQ(s.Screen[0].Left, 100);
    EXPECT_EQ(s.Screen[0].Top, 2);
    EXPECT_EQ(s.Screen[0].Height, 3);
    EXPECT_EQ(s.Screen[0].Width, 4); // unreadable: unchanged
    EXPECT_EQ(s.Screen[1].Top, -7);
    EXPECT_EQ(s.Screen[1].Height, 7); // splitters read no size
}

TEST(LayoutSettings, FormsKeysInTableOrder) {
    TLayoutSettings s;
    s.DockSiteWidth = 321;
    s.Panels[TLayoutSettings::panError] = {true, 10, 20, 211, 386};
    const TLayoutSettings::TEntries entries = s.FormsEntries();
    ASSERT_EQ(entries.size(), 1 + 5 * 5);
    EXPECT_EQ(entries[0], (std::pair<QString, QString>("DockSite.Width", "321")));
    const char* panels[] = {"ImagesForm", "KeyFrameForm", "PropertyForm", "AnimForm", "ErrorForm"};
    const char* fields[] = {"Float", "Left", "Top", "Height", "Width"};
    for (int p = 0; p < 5; ++p)
        for (int f = 0; f < 5; ++f)
            EXPECT_EQ(entries[1 + p * 5 + f].first, QString("%1.%2").arg(panels[p], fields[f]));
    EXPECT_EQ(entries[21].second, "1");
    EXPECT_EQ(entries[22].second, "10");
    EXPECT_EQ(entries[25].second, "386");
    EXPECT_EQ(entries[1].second, "0");
}

TEST(LayoutSettings, FormsRoundTripAndDefaults) {
    TLayoutSettings s;
    s.DockSiteWidth = 500;
    s.Panels[TLayoutSettings::panImages] = {true, -5, 7, 300, 200};
    s.Panels[TLayoutSettings::panKeyFrame] = {false, 1, 2, 3, 4};
    TSection file;
    file.Store(s.FormsEntries());

    TLayoutSettings back;
    back.ReadForms(file.Reader());
    EXPECT_EQ(back.FormsEntries(), s.FormsEntries());

    // An empty file docks everything at the default dock width.
    back.ReadForms(TSection{}.Reader());
    EXPECT_EQ(back.DockSiteWidth, 450);
    for (const TPanelPlacement& p : back.Panels) {
        EXPECT_FALSE(p.Float);
        EXPECT_EQ(p.Left, 0);
        EXPECT_EQ(p.Height, 100);
        EXPECT_EQ(p.Width, 100);
    }
}

TEST(LayoutSettings, FloatAcceptsAnyNonZeroNumber) {
    TSection file;
    file.values = {{"ImagesForm.Float", "-1"}, {"AnimForm.Float", "yes"}, {"ErrorForm.Float", " 2 "}};
    TLayoutSettings s;
    s.ReadForms(file.Reader());
    EXPECT_TRUE(s.Panels[TLayoutSettings::panImages].Float);
    EXPECT_FALSE(s.Panels[TLayoutSettings::panAnim].Float); // not a number: default
    EXPECT_TRUE(s.Panels[TLayoutSettings::panError].Float);
}

// The layout files and the favourites written at one start are read back at
// the next from the same place: the user's config folder when the program's
// folder cannot be written ("/proc" refuses new files even to root).
TEST(LayoutSettings, SettingsWrittenWhereTheRuleSaysAreReadBackOnTheNextStart) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString config = tmp.filePath("config"), data = tmp.filePath("data");
    TErrorLog log;
    {
        const TSettingsPlaces places = TSettingsPlaces::Choose("/proc", config, data);
        TLayoutSettings::WriteSection(places.SettingsFile(TLayoutSettings::FormsFile),
                                      TLayoutSettings::FormsSection, {{"DockSite.Width", "321"}});
        std::vector<std::unique_ptr<TCommandItem>> commands;
        commands.push_back(std::make_unique<TCommandItem>(cmdWait, "250"));
        TFavourites(places.SettingsFile(TFavourites::FileName), log).Save("Kivar", {commands[0].get()});
    }
    EXPECT_TRUE(QFile::exists(QDir(config).filePath("VelkonEditorForms.ini")));
    EXPECT_TRUE(QFile::exists(QDir(config).filePath("Favourites.txt")));

    const TSettingsPlaces next = TSettingsPlaces::Choose("/proc", config, data);
    TIniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(next.SettingsFile(TLayoutSettings::FormsFile)));
    TLayoutSettings layout;
    layout.ReadForms([&](const QString& key, const QString& def) {
        return ini.ReadString(TLayoutSettings::FormsSection, key, def);
    });
    EXPECT_EQ(layout.DockSiteWidth, 321);
    const TFavourites favourites(next.SettingsFile(TFavourites::FileName), log);
    EXPECT_EQ(favourites.Names(), QStringList{"Kivar"});
    ASSERT_EQ(favourites.Commands("Kivar").size(), 1u);
    EXPECT_EQ(favourites.Commands("Kivar")[0]->sParam1(), "250");
    EXPECT_EQ(log.Count(), 0);
}

TEST(LayoutSettings, RewritingASectionKeepsEveryOtherLine) {
    const TLayoutSettings::TEntries entries = {{"DockSite.Width", "300"}, {"ImagesForm.Float", "1"}};
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        // A new file: the section alone.
        {"", "[Froms]\r\nDockSite.Width=300\r\nImagesForm.Float=1\r\n"},
        // Known keys keep their lines and spelling; comments, unknown keys and other sections stay.
        {"; my layout\r\n[Other]\r\nDockSite.Width=1\r\n[froms]\r\n; narrow dock\r\ndocksite.width = 564\r\n"
         "Extra=keep me\r\nImagesForm.Float=0\r\n\r\n[Last]\r\nA=1\r\n",
         "; my layout\r\n[Other]\r\nDockSite.Width=1\r\n[froms]\r\n; narrow dock\r\ndocksite.width =300\r\n"
         "Extra=keep me\r\nImagesForm.Float=1\r\n\r\n[Last]\r\nA=1\r\n"},
        // Missing keys go after the section's last line, before its blank lines.
        {"[Froms]\nComment line without a value\nExtra=1\n\n[Next]\nB=2",
         "[Froms]\r\nComment line without a "
         "value\r\nExtra=1\r\nDockSite.Width=300\r\nImagesForm.Float=1\r\n\r\n"
         "[Next]\r\nB=2\r\n"},
        // A missing section goes at the end.
        {"[Screen]\r\nPanel1.Left=0\r\n",
         "[Screen]\r\nPanel1.Left=0\r\n[Froms]\r\nDockSite.Width=300\r\nImagesForm.Float=1\r\n"},
        // Only the first section and the first key of a name count, as when reading.
        {"[Froms]\r\nDockSite.Width=1\r\nDockSite.Width=2\r\n[Froms]\r\nImagesForm.Float=0\r\n",
         "[Froms]\r\nDockSite.Width=300\r\nDockSite.Width=2\r\nImagesForm.Float=1\r\n[Froms]\r\nImagesForm."
         "Float=0\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TLayoutSettings::UpdateSection(QString::fromUtf8(c.before), "Froms", entries),
                  QString::fromUtf8(c.after))
            << c.before;
}

TEST(LayoutSettings, WriteSectionUpdatesTheFileInPlace) {
    QTemporaryDir dir;
    const QString path = dir.filePath("VelkonEditorForms.ini");
    // A comment in Windows-1250, as the editor's settings files are.
    ASSERT_TRUE(velkon::test::WriteFile(
        path, "; k\xe9zzel \xedrt megjegyz\xe9s\r\n[Froms]\r\nDockSite.Width=564\r\nOwn=1\r\n"));
    TLayoutSettings s;
    s.DockSiteWidth = 450;
    TLayoutSettings::WriteSection(path, "Froms", s.FormsEntries());
    const QByteArray written = velkon::test::ReadFile(path);
    EXPECT_TRUE(
        written.startsWith("; k\xe9zzel \xedrt megjegyz\xe9s\r\n[Froms]\r\nDockSite.Width=450\r\nOwn=1\r\n"
                           "ImagesForm.Float=0\r\n"))
        << written.toStdString();
    EXPECT_TRUE(written.endsWith("ErrorForm.Width=100\r\n"));
}
