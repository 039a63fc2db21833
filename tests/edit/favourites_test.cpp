#include "edit/favourites.h"

#include "edit/editorstate.h"
#include "model/imagesitem.h"

#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/errorlog.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

struct TFavouritesFixture : ::testing::Test {
    QTemporaryDir Dir;
    TErrorLog Log;
    QString Path = Dir.filePath("Favourites.txt");
    TFavourites File{Path, Log};

    static std::vector<std::unique_ptr<TCommandItem>> Make(int count) {
        std::vector<std::unique_ptr<TCommandItem>> commands;
        for (int i = 1; i <= count; ++i)
            commands.push_back(
                std::make_unique<TCommandItem>(cmdMoveTo, QString::number(i * 10), "5", "1,5"));
        return commands;
    }
    static std::vector<const TCommandItem*> View(const std::vector<std::unique_ptr<TCommandItem>>& commands) {
        std::vector<const TCommandItem*> v;
        for (const auto& c : commands)
            v.push_back(c.get());
        return v;
    }
    QStringList Sections() const {
        TIniFile ini;
        ini.LoadFromFile(Path);
        return ini.Sections();
    }
};

} // namespace

TEST_F(TFavouritesFixture, SavingAgainReplacesTheFavourite) {
    const auto three = Make(3);
    File.Save("Jump", View(three));
    EXPECT_EQ(Sections(), (QStringList{"Jump_Command_1", "Jump_Command_2", "Jump_Command_3"}));
    TIniFile ini;
    ini.LoadFromFile(Path);
    EXPECT_EQ(ini.Keys("Jump_Command_2"), (QStringList{"Command", "sParam1", "sParam2", "sParam3"}));
    EXPECT_EQ(ini.ReadString("Jump_Command_2", "sParam1", {}), "20");

    const auto two = Make(2);
    File.Save("Jump", View(two));
    EXPECT_EQ(Sections(), (QStringList{"Jump_Command_1", "Jump_Command_2"}));
    EXPECT_EQ(File.Names(), QStringList{"Jump"});
    EXPECT_EQ(File.Commands("Jump").size(), 2u);
}

TEST_F(TFavouritesFixture, OtherFavouritesStayWhenOneIsSavedOrRemoved) {
    File.Save("Jump", View(Make(2)));
    File.Save("Walk", View(Make(1)));
    File.Save("Jump", View(Make(1)));
    EXPECT_EQ(File.Names(), (QStringList{"Walk", "Jump"}));
    File.Remove("Walk");
    EXPECT_EQ(File.Names(), QStringList{"Jump"});
    File.Save("", View(Make(1))); // an empty name saves nothing
    EXPECT_EQ(File.Names(), QStringList{"Jump"});
}

TEST_F(TFavouritesFixture, NamesAreCutAtTheMarkerAndListedOnce) {
    EXPECT_EQ(TFavourites::NamesOf({"A_Command_1", "A_Command_2", "B_Command_1", "Loose", "A_Command_3"}),
              (QStringList{"A", "B", "", "A"}));
}

TEST_F(TFavouritesFixture, MissingFirstSectionShowsNothing) {
    ASSERT_TRUE(test::WriteFile(Path, "[Jump_Command_2]\r\nCommand=6\r\nsParam1=1\r\n"));
    EXPECT_EQ(File.Names(), QStringList{"Jump"});
    EXPECT_TRUE(File.Commands("Jump").empty());
}

TEST_F(TFavouritesFixture, ReadsCommandsUntilTheFirstGap) {
    ASSERT_TRUE(test::WriteFile(Path, "[Hop_Command_1]\r\nCommand=6\r\nsParam1=1,5\r\n"
                                      "[Hop_Command_2]\r\nCommand=1\r\nsParam1=Left(Ball;10)\r\nsParam2=2\r\n"
                                      "sParam3=3\r\n[Hop_Command_4]\r\nCommand=14\r\n"));
    const auto commands = File.Commands("Hop");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0]->Command(), cmdWait);
    EXPECT_EQ(commands[0]->sParam1(), "1,5");
    EXPECT_EQ(commands[0]->sParam2(), "");
    EXPECT_EQ(commands[1]->sParam1(), "Left(Ball;10)");
    EXPECT_EQ(commands[1]->sParam3(), "3");
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TFavouritesFixture, UnknownKindsAreLeftOutWithALogLine) {
    ASSERT_TRUE(test::WriteFile(Path, "[X_Command_1]\r\nCommand=99\r\n[X_Command_2]\r\nCommand=abc\r\n"
                                      "[X_Command_3]\r\nCommand=14\r\n"));
    const auto commands = File.Commands("X");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0]->Command(), cmdReSet);
    EXPECT_EQ(Log.Count(), 2);
}

TEST_F(TFavouritesFixture, UnreadableFileIsEmptyWithALogLineAndIsNotOverwritten) {
    ASSERT_TRUE(QDir().mkpath(Path)); // a folder in the file's place
    EXPECT_TRUE(File.Names().isEmpty());
    EXPECT_TRUE(File.Commands("Jump").empty());
    EXPECT_GE(Log.Count(), 1);
    EXPECT_TRUE(Log.Lines().first().contains(Path));
    EXPECT_THROW(File.Save("Jump", View(Make(1))), EVelkonError);
}

TEST_F(TFavouritesFixture, MissingFileIsEmptyWithoutComplaint) {
    EXPECT_TRUE(File.Names().isEmpty());
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TFavouritesFixture, LineBreaksNeverReachTheFile) {
    EXPECT_THROW(File.Save("Ju\nmp", View(Make(1))), EVelkonError);
    EXPECT_FALSE(QFile::exists(Path));
    std::vector<std::unique_ptr<TCommandItem>> odd;
    odd.push_back(std::make_unique<TCommandItem>(cmdWait, "1\r\n[Evil_Command_1]", "a\rb", "c\nd"));
    File.Save("Jump", View(odd));
    EXPECT_EQ(File.Names(), QStringList{"Jump"});
    const auto back = File.Commands("Jump");
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0]->sParam1(), "1[Evil_Command_1]");
    EXPECT_EQ(back[0]->sParam2(), "ab");
    EXPECT_EQ(back[0]->sParam3(), "cd");
}

TEST_F(TFavouritesFixture, DialogAddsBothWaysAndOkAppendsOnlyNewCommands) {
    TCommands track;
    track.Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    track.Add(std::make_unique<TCommandItem>(cmdReSet, ""));
    File.Save("Spin", View(Make(2)));

    TFavouritesEdit edit(File, track);
    EXPECT_EQ(edit.Names, QStringList{"Spin"});
    ASSERT_EQ(edit.Left.size(), 2u);
    EXPECT_EQ(edit.Left[0].Command, track.Item(0));

    // Only favourites added: Ok changes nothing.
    edit.AddToFavourites({1});
    ASSERT_EQ(edit.Right.size(), 1u);
    EXPECT_EQ(edit.Right[0].Name(), "ReSet");
    EXPECT_NE(edit.Right[0].Command, track.Item(1));
    edit.Name = "Reset";
    edit.Save();
    EXPECT_EQ(edit.Names, (QStringList{"Spin", "Reset"}));

    edit.Choose("Spin");
    EXPECT_EQ(edit.Name, "Spin");
    ASSERT_EQ(edit.Right.size(), 2u);
    edit.AddToCommands({}); // none selected: all of them
    ASSERT_EQ(edit.Left.size(), 4u);
    EXPECT_EQ(edit.Left[3].Text(), "x=20, y=5, duration=1,5");
    EXPECT_EQ(edit.Ok(), 2);
    ASSERT_EQ(track.Count(), 4);
    EXPECT_EQ(track.Item(2)->sParam1(), "10");
    EXPECT_EQ(track.Item(3)->sParam1(), "20");
    EXPECT_EQ(track.Name(3), "MoveTo");
}

TEST_F(TFavouritesFixture, OkWithNothingNewLeavesTheTrack) {
    TCommands track;
    track.Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    const uint64_t stamp = track.Stamp();
    TFavouritesEdit edit(File, track);
    edit.AddToFavourites({});
    EXPECT_EQ(edit.Ok(), 0);
    EXPECT_EQ(track.Count(), 1);
    EXPECT_EQ(track.Stamp(), stamp);
}

TEST_F(TFavouritesFixture, InsertRecordsItsStepOnlyWhenItAppends) {
    TScene scene;
    TEditorState state{scene};
    TErrorLog log;
    state.Log = &log;
    auto owned = std::make_unique<TImagesItem>();
    owned->Name = "ball";
    owned->SelectAnimation(TImagesItem::animBase);
    TImagesItem* ball = scene.Layers.Add("ball", std::move(owned));
    TCommands& track = ball->Base.Track[0];
    track.Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    File.Save("Jump", View(Make(2)));
    scene.Saved = true;

    TFavouritesEdit nothing(File, track);
    nothing.AddToFavourites({});
    EXPECT_EQ(nothing.Insert(state), 0);
    EXPECT_TRUE(scene.Saved);
    EXPECT_FALSE(state.Undo.UndoEnabled());

    TFavouritesEdit edit(File, track);
    edit.Choose("Jump");
    edit.AddToCommands({});
    EXPECT_EQ(edit.Insert(state), 2);
    EXPECT_EQ(track.Count(), 3);
    EXPECT_FALSE(scene.Saved);
    EXPECT_EQ(log.Lines().value(0), "Kedvencek szerkesztése");
    state.Undo.Undo();
    EXPECT_EQ(ball->Base.Track[0].Count(), 1);
}

TEST_F(TFavouritesFixture, DeleteEmptiesTheRightSide) {
    File.Save("Jump", View(Make(2)));
    TCommands track;
    TFavouritesEdit edit(File, track);
    edit.Choose("Jump");
    ASSERT_EQ(edit.Right.size(), 2u);
    edit.Remove();
    EXPECT_TRUE(edit.Right.empty());
    EXPECT_TRUE(edit.Names.isEmpty());
    EXPECT_TRUE(Sections().isEmpty());
}

// The editor owns only the sections of the favourite it saves: comments,
// blank lines, lines before the first section, lines without a key, repeated
// keys and other favourites stay exactly as they were.
TEST_F(TFavouritesFixture, SavingKeepsEveryLineTheEditorDoesNotOwn) {
    const QByteArray before = "; A kedvenceim\r\n"
                              "# written by hand\r\n"
                              "\r\n"
                              "[Walk_Command_1]\r\n"
                              "; the first step\r\n"
                              "Command=6\r\n"
                              "sParam1=1\r\n"
                              "sParam1=2\r\n"
                              "-------\r\n"
                              "[Jump_Command_1]\r\n"
                              "; replaced with the favourite\r\n"
                              "Command=6\r\n"
                              "[Notes]\r\n"
                              "sz\xF6veg kulcs n\xE9lk\xFCl\r\n"
                              "\r\n"
                              "[jump_command_2]\r\n"
                              "Command=6\r\n";
    ASSERT_TRUE(test::WriteFile(Path, before));
    const auto two = Make(2);
    File.Save("Jump", View(two));
    const QByteArray kept = "; A kedvenceim\r\n"
                            "# written by hand\r\n"
                            "\r\n"
                            "[Walk_Command_1]\r\n"
                            "; the first step\r\n"
                            "Command=6\r\n"
                            "sParam1=1\r\n"
                            "sParam1=2\r\n"
                            "-------\r\n"
                            "[Notes]\r\n"
                            "sz\xF6veg kulcs n\xE9lk\xFCl\r\n"
                            "\r\n";
    const QByteArray saved = test::ReadFile(Path);
    EXPECT_EQ(saved.left(kept.size()), kept);
    EXPECT_EQ(saved.mid(kept.size()), "[Jump_Command_1]\r\nCommand=1\r\nsParam1=10\r\nsParam2=5\r\nsParam3=1,5\r\n"
                                      "[Jump_Command_2]\r\nCommand=1\r\nsParam1=20\r\nsParam2=5\r\nsParam3=1,5\r\n");
    EXPECT_EQ(File.Commands("Walk").size(), 1u);
    EXPECT_EQ(File.Commands("Jump").size(), 2u);

    // Removing the favourite takes its sections only.
    File.Remove("Jump");
    EXPECT_EQ(test::ReadFile(Path), kept);
}
