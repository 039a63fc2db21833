// Project files as they come from other hands: made on Windows, edited by
// hand, cut short, or holding values the editor itself once wrote.
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/settingsplaces.h"
#include "project/windows1250.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;

namespace {

struct TProjectInputTest : ::testing::Test {
    QTemporaryDir Dir;
    TScene Scene;
    TErrorLog Log;
    TScriptedDialogs Dialogs;
    QString Path(const QString& name) const { return Dir.filePath(name); }

    // Writes bytes as the project file p.VKP and reads it; false when the read stopped.
    bool Read(const QByteArray& bytes) {
        EXPECT_TRUE(WriteFile(Path("p.VKP"), bytes));
        try {
            ReadProject(Scene, Path("p.VKP"), Log);
            return true;
        } catch (const EVelkonError&) {
            return false;
        }
    }
};

// Two layers, the second with a bad colour, then helper lines.
const QByteArray kHalfReadable = "[Project]\r\nResolution=1\r\n[Files]\r\nName1=x.par\r\n"
                                 "[Image1]\r\nName=A\r\nFileName=x.par\r\n"
                                 "[Image2]\r\nName=B\r\nFileName=x.par\r\nItemColor=zöld\r\n"
                                 "[Image3]\r\nName=C\r\nFileName=x.par\r\n[Lines]\r\nPos1=V5\r\n";

} // namespace

TEST_F(TProjectInputTest, HalfReadProjectIsNeverSavedOverItsSourceUnasked) {
    ASSERT_FALSE(Read(kHalfReadable));
    ASSERT_EQ(Scene.Layers.Count(), 1);
    EXPECT_FALSE(Scene.Incomplete.isEmpty());
    EXPECT_TRUE(Scene.Incomplete.contains("ItemColor")) << Scene.Incomplete.toStdString();
    const QByteArray source = ReadFile(Path("p.VKP"));

    // Ctrl+S opens the save dialog instead of writing back; cancelling writes nothing.
    EXPECT_FALSE(SaveProjectCommand(Scene, Dialogs, Log, false));
    EXPECT_EQ(Dialogs.FileChoices.size(), 1u);
    EXPECT_EQ(ReadFile(Path("p.VKP")), source);

    // Choosing the source itself asks what would be lost; No keeps it.
    Dialogs.FileAnswers = {Path("p.VKP")};
    Dialogs.YesNoAnswers = {false};
    EXPECT_FALSE(SaveProjectCommand(Scene, Dialogs, Log, false));
    ASSERT_EQ(Dialogs.Asked.size(), 3);
    EXPECT_EQ(Dialogs.Asked.last(), "yesno:Mentés|" + IncompleteOverwriteQuestion(Scene));
    EXPECT_TRUE(Dialogs.Asked.last().contains("p.VKP"));
    EXPECT_EQ(ReadFile(Path("p.VKP")), source);

    // A half-read exit save opened again is not replaced by its remainder at exit.
    ASSERT_TRUE(QFile::copy(Path("p.VKP"), Path("Kilepesi.VKP")));
    TScene exitScene;
    EXPECT_THROW(ReadProject(exitScene, Path("Kilepesi.VKP"), Log), EVelkonError);
    EXPECT_THROW(ExitSaveProject(exitScene, TSettingsPlaces::In(Dir.path())), EVelkonError);
    EXPECT_EQ(ReadFile(Path("Kilepesi.VKP")), source);
    EXPECT_FALSE(exitScene.Incomplete.isEmpty());

    // Another file, on the other hand, is written, and then the project is whole again.
    Dialogs.FileAnswers = {Path("p.VKP")};
    Dialogs.YesNoAnswers = {true};
    EXPECT_TRUE(SaveProjectCommand(Scene, Dialogs, Log, true));
    EXPECT_TRUE(Scene.Incomplete.isEmpty());
    EXPECT_TRUE(Scene.Saved);
    EXPECT_NE(ReadFile(Path("p.VKP")), source);
}

TEST_F(TProjectInputTest, ListsCutAtTheirLimitAreLoggedAndMakeTheProjectIncomplete) {
    QByteArray text = "[Files]\r\nName1=x.par\r\n[Image1]\r\nName=Labda\r\nFileName=x.par\r\n";
    for (int c = 1; c <= MaxListEntries + 1; ++c)
        text += "[Image1_Command2_" + QByteArray::number(c) + "]\r\nCommand=6\r\nsParam1=1\r\n";
    ASSERT_TRUE(Read(text));
    EXPECT_EQ(Scene.Layers.At(0)->Base.Track[1].Count(), MaxListEntries);
    ASSERT_EQ(Log.Count(), 1);
    EXPECT_EQ(Log.Lines().first(), "A(z) Labda réteg 2. sávja: csak az első 10000 elem töltődött be");
    EXPECT_EQ(Scene.Incomplete, Log.Lines().first());
    EXPECT_FALSE(Scene.Saved);
}

TEST_F(TProjectInputTest, FilesFromWindowsEditorsRead) {
    // A UTF-8 byte-order mark, UTF-8 text, and values with blanks after them.
    ASSERT_TRUE(
        Read("\xEF\xBB\xBF[Project]\r\nResolution=3\r\nBackgroundColor=FF0000 \r\n[Files]\r\nName1=x.par\r\n"
             "[Image1]\r\nName=Labd\xC3\xA1\r\nFileName=x.par\r\nLeft=12 \r\nItemColor=00FF00\t\r\n"));
    EXPECT_EQ(Scene.Resolution, 3);
    EXPECT_EQ(Scene.BackgroundColor, 0x0000FFu);
    ASSERT_EQ(Scene.Layers.Count(), 1);
    EXPECT_EQ(Scene.Layers.At(0)->Name, QStringLiteral("Labdá"));
    EXPECT_EQ(Scene.Layers.At(0)->Left, 12.0);
    EXPECT_EQ(Scene.Layers.At(0)->ItemColor, 0x00FF00u);
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TProjectInputTest, HelperLinesKeepTheirStoredTextVerbatim) {
    const QByteArray lines = "[Lines]\r\nPos1=V=1\r\nPos2=V512\r\nPos3=F==\r\nPos4==Ball\r\n";
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Read(round == 0 ? lines : ReadFile(Path("p.VKP"))));
        WriteProject(Scene, Path("p.VKP"));
        EXPECT_TRUE(ReadFile(Path("p.VKP")).endsWith(lines))
            << ReadFile(Path("p.VKP")).right(60).toStdString();
    }
    const QByteArray repro =
        ReadFile(QStringLiteral(VELKON_TEST_DATA) + "/repro/project_lines_roundtrip.VKP");
    ASSERT_FALSE(repro.isEmpty());
    ASSERT_TRUE(Read(repro));
    WriteProject(Scene, Path("p.VKP"));
    EXPECT_TRUE(ReadFile(Path("p.VKP")).endsWith("[Lines]\r\nPos1=V=1\r\n"));
}

TEST_F(TProjectInputTest, WhatTheWriterWritesReadsBackAsTheSameValue) {
    const double big = 3e9, nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double Value;
        long long Written;
    } cases[] = {{big, 2147483647},
                 {-big, -2147483648LL},
                 {nan, 0},
                 {2147483646.5, 2147483646},
                 {-2147483648.4, -2147483648LL},
                 {std::numeric_limits<double>::infinity(), 2147483647}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundForFile(c.Value), c.Written) << c.Value;
        TScene scene;
        scene.AddFile(std::make_unique<TFilesItem>())->Name = "x.par";
        scene.AddLayer(scene.Files.At(0))->Left = c.Value;
        WriteProject(scene, Path("n.VKP"));
        TScene back;
        ReadProject(back, Path("n.VKP"), Log);
        EXPECT_EQ(back.Layers.At(0)->Left, static_cast<double>(c.Written)) << c.Value;
    }
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TProjectInputTest, NumbersOutOfRangeOrNotNumbersAreLogged) {
    ASSERT_TRUE(Read("[Files]\r\nName1=x.par\r\n[Image1]\r\nName=A\r\nFileName=x.par\r\nLeft=3000000000\r\n"
                     "Top=-99999999999999999999\r\nAlpha=sok\r\nAngle=" + QByteArray(5000, 'x') + "\r\n"
                     "[Image1_Command1_1]\r\nCommand=6\r\nOX=1e3\r\n"));
    const TImagesItem& layer = *Scene.Layers.At(0);
    EXPECT_EQ(layer.Left, 2147483647.0);
    EXPECT_EQ(layer.Top, -2147483648.0);
    EXPECT_EQ(layer.Alpha, 255.0);
    EXPECT_EQ(layer.Base.Track[0].Item(0)->OX(), 512.0);
    // Newest first.
    EXPECT_EQ(
        Log.Lines(),
        (QStringList{
            "Hibás szám a projekt fájlban: [Image1_Command1_1] OX=1e3, helyette: 512",
            "Hibás szám a projekt fájlban: [Image1] Angle=" + QString(40, 'x') + "…, helyette: 0",
            "Hibás szám a projekt fájlban: [Image1] Alpha=sok, helyette: 255",
            "Túl nagy szám a projekt fájlban: [Image1] Left=3000000000, helyette: 2147483647",
            "Túl nagy szám a projekt fájlban: [Image1] Top=-99999999999999999999, helyette: -2147483648",
        }));
}
