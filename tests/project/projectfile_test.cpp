#include "engine/sounds.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/windows1250.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;
using velkon::test::WritePng;
using velkon::test::WriteWav;

namespace {

// Writes a project text (UTF-8 here, Windows-1250 on disk) and reads it into scene.
void ReadText(TScene& scene, const QString& path, const QString& text, TErrorLog& log) {
    ASSERT_TRUE(WriteFile(path, EncodeWindows1250(text)));
    ReadProject(scene, path, log);
}

// A project that uses every field: Hungarian letters, all twelve tracks, groups,
// lines, a sound, a particle file, a missing picture, an unsafe resource name
// and command numbers outside the catalogue.
void BuildRichScene(TScene& scene, const QString& dir) {
    ASSERT_TRUE(WritePng(dir + "/labda.png", 40, 30, 6));
    ASSERT_TRUE(WriteWav(dir + "/csörgő.wav", 1, 44100, 16, QByteArray(400, '\0')));
    ASSERT_TRUE(WriteFile(dir + "/füst.par", "particle"));
    scene.Resolution = 4;
    scene.BackgroundColor = 0x00102030;
    scene.SelectColor = 0x00ABCDEF;
    scene.Lock = false;
    for (const char* name : {"labda.png", "csörgő.wav", "füst.par", "hiányzó.png"})
        scene.AddFile(TFilesItem::Create(dir + "/" + QString::fromUtf8(name)));
    auto unsafe = std::make_unique<TFilesItem>();
    unsafe->Name = "../kívül.png";
    scene.AddFile(std::move(unsafe));
    scene.Groups << "Háttér" << "Szereplők";
    for (int n = 0; n < 3; ++n) {
        TImagesItem* layer = scene.AddLayer(scene.Files.At(n == 2 ? 3 : 0));
        layer->Name = QStringLiteral("Réteg_%1_őű").arg(n);
        layer->Top = 10.5 + n;
        layer->Left = -3.5 - n;
        layer->Width = 40.25;
        layer->Height = 29.75;
        layer->Alpha = 128.5;
        layer->Angle = 359.5;
        layer->OrigoX = 20;
        layer->OrigoY = -15;
        layer->TouchTop = 1;
        layer->TouchLeft = 2;
        layer->TouchWidth = 38;
        layer->TouchHeight = 27;
        layer->Parent = n ? QStringLiteral("Réteg_0_őű") : QString();
        layer->Visible = n != 1;
        layer->PlayAnim = n + 1;
        layer->Group = n % 3;
        layer->ItemColor = 0x00FF8000 + n;
        for (int t = 1; t <= 12; ++t) {
            TCommands& track = layer->TrackByNumber(t);
            for (int c = 0; c < (t + n) % 3 + 1; ++c) {
                const int number = (t * 7 + c * 5 + n) % 23; // 0 and 22 lie outside the catalogue
                auto cmd = std::make_unique<TCommandItem>(number, QStringLiteral("Left(Réteg_0_őű;%1)").arg(c),
                                                          QStringLiteral("RandomI(1;6)"), c ? "0,5" : "");
                cmd->SetOX(512.5 + c);
                cmd->SetOY(383.5 - t);
                track.Add(std::move(cmd));
            }
        }
    }
    scene.Lines << "V512=512" << "F300=300";
}

struct TProjectFileTest : ::testing::Test {
    QTemporaryDir Dir;
    TErrorLog Log;
    QString Path(const QString& name) const { return Dir.filePath(name); }
};

} // namespace

TEST_F(TProjectFileTest, RoundTripIsByteIdenticalAndKeepsEveryField) {
    TScene scene;
    BuildRichScene(scene, Dir.path());
    WriteProject(scene, Path("első.VKP"));
    const QByteArray first = ReadFile(Path("első.VKP"));

    TScene back;
    ReadProject(back, Path("első.VKP"), Log);
    WriteProject(back, Path("második.VKP"));
    EXPECT_EQ(ReadFile(Path("második.VKP")), first);

    EXPECT_EQ(back.Resolution, 4);
    EXPECT_EQ(back.BackgroundColor, 0x00102030u);
    EXPECT_EQ(back.SelectColor, 0x00ABCDEFu);
    EXPECT_FALSE(back.Lock);
    ASSERT_EQ(back.Files.Count(), 5);
    EXPECT_EQ(back.Files.Name(1), "csörgő.wav");
    EXPECT_TRUE(back.Files.At(1)->Sound) << "the sound is handed to the sound manager";
    EXPECT_EQ(back.Files.At(2)->Kind, TFilesItem::kindParticle);
    EXPECT_EQ(back.Groups, (QStringList{"Háttér", "Szereplők"}));
    EXPECT_EQ(back.Lines, (QStringList{"V512=512", "F300=300"}));
    ASSERT_EQ(back.Layers.Count(), 3);
    const TImagesItem& layer = *back.Layers.At(1);
    EXPECT_EQ(back.Layers.Name(1), "Réteg_1_őű");
    EXPECT_EQ(layer.FileItem, back.Files.At(0));
    EXPECT_EQ(layer.Top, 12.0);   // 11.5 to even
    EXPECT_EQ(layer.Left, -4.0);  // -4.5 to even
    EXPECT_EQ(layer.Width, 40.0);
    EXPECT_EQ(layer.Height, 30.0);
    EXPECT_EQ(layer.Alpha, 128.0);
    EXPECT_EQ(layer.Angle, 360.0);
    EXPECT_EQ(layer.OrigoY, -15.0);
    EXPECT_EQ(layer.TouchWidth, 38);
    EXPECT_EQ(layer.Parent, "Réteg_0_őű");
    EXPECT_FALSE(layer.Visible);
    EXPECT_EQ(layer.PlayAnim, 2);
    EXPECT_EQ(layer.Group, 1);
    EXPECT_EQ(layer.ItemColor, 0x00FF8001u);
    EXPECT_EQ(layer.ActiveAnimation(), TImagesItem::animBase);
    for (int t = 1; t <= 12; ++t) {
        const TCommands& track = layer.TrackByNumber(t);
        ASSERT_EQ(track.Count(), (t + 1) % 3 + 1) << t;
        for (int c = 0; c < track.Count(); ++c) {
            const TCommandItem& cmd = *track.Item(c);
            EXPECT_EQ(cmd.Command(), (t * 7 + c * 5 + 1) % 23);
            EXPECT_EQ(track.Name(c), CommandName(cmd.Command()));
            EXPECT_EQ(cmd.sParam1(), QStringLiteral("Left(Réteg_0_őű;%1)").arg(c));
            EXPECT_EQ(cmd.sParam3(), c ? "0,5" : "");
            EXPECT_EQ(cmd.OX(), c == 0 ? 512.0 : c == 1 ? 514.0 : 514.0);
            EXPECT_EQ(cmd.Owner, &layer);
        }
    }
    // The unsafe name keeps its entry but nothing is read outside the folder.
    EXPECT_EQ(back.Files.Name(4), "../kívül.png");
    EXPECT_TRUE(back.Files.At(4)->Path.isEmpty());
    EXPECT_TRUE(Log.Lines().contains("Hibás fájl név: ../kívül.png"));
    EXPECT_TRUE(Log.Lines().contains("Nincs meg a fájl: " + Dir.path() + "/hiányzó.png"));
    EXPECT_EQ(Log.Count(), 2);
}

TEST_F(TProjectFileTest, WritesTheLayoutLineByLine) {
    TScene scene;
    scene.AddFile(TFilesItem::Create(Path("ball.png")));
    scene.Groups << "G";
    TImagesItem* a = scene.AddLayer(scene.Files.At(0));
    a->Width = 10;
    a->Height = 20;
    a->TouchWidth = 10;
    a->TouchHeight = 20;
    a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, "1", "2", "0,5"));
    TImagesItem* b = scene.AddLayer(scene.Files.At(0));
    b->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    scene.SetLineValue("V512", "512");
    WriteProject(scene, Path("p.VKP"));
    const QByteArray expected =
        "[Project]\r\nResolution=1\r\nBackgroundColor=FFFFFF\r\nSelectColor=AAAAAA\r\nLock=1\r\n"
        "[Files]\r\nName1=ball.png\r\n"
        "[Groups]\r\nName1=G\r\n"
        "-------\r\n"
        "[Image1]\r\nName=ball\r\nFileName=ball.png\r\nTop=0\r\nLeft=0\r\nWidth=10\r\nHeight=20\r\nAlpha=255\r\n"
        "Angle=0\r\nOrigoX=0\r\nOrigoY=0\r\nTouchTop=0\r\nTouchLeft=0\r\nTouchWidth=10\r\nTouchHeight=20\r\n"
        "Parent=\r\nVisible=1\r\nPlayAnim=1\r\nGroup=0\r\nItemColor=FFFFFF\r\n"
        "[Image1_Command1_1]\r\nCommand=1\r\nsParam1=1\r\nsParam2=2\r\nsParam3=0,5\r\nOX=512\r\nOY=384\r\n"
        "[Image2]\r\nName=ball1\r\nFileName=ball.png\r\nTop=0\r\nLeft=0\r\nWidth=0\r\nHeight=0\r\nAlpha=255\r\n"
        "Angle=0\r\nOrigoX=0\r\nOrigoY=0\r\nTouchTop=0\r\nTouchLeft=0\r\nTouchWidth=0\r\nTouchHeight=0\r\n"
        "Parent=\r\nVisible=1\r\nPlayAnim=1\r\nGroup=0\r\nItemColor=FFFFFF\r\n"
        "[Image2_Command4_1]\r\nCommand=6\r\nsParam1=1\r\nsParam2=\r\nsParam3=\r\nOX=512\r\nOY=384\r\n"
        "[Lines]\r\nPos1=V512\r\n";
    EXPECT_EQ(ReadFile(Path("p.VKP")), expected);
    EXPECT_EQ(scene.ProjectFileName, "p.VKP");
    EXPECT_EQ(scene.ProjectDir, QDir(Dir.path()).absolutePath());
    EXPECT_TRUE(scene.Saved);
}

TEST_F(TProjectFileTest, RealsAreRoundedHalvesToEven) {
    const struct {
        double Value;
        const char* Text;
    } cases[] = {{10.5, "10"}, {11.5, "12"}, {-0.5, "0"}, {-1.5, "-2"}, {2.4999, "2"}, {-2.6, "-3"}, {1e3, "1000"}};
    for (const auto& c : cases) {
        TScene scene;
        TImagesItem* layer = scene.AddLayer(nullptr);
        layer->Left = c.Value;
        const QString text = ProjectText(scene);
        EXPECT_TRUE(text.contains(QStringLiteral("\r\nLeft=%1\r\n").arg(c.Text))) << c.Value;
    }
}

TEST(ProjectColors, HexIsRedFirst) {
    EXPECT_EQ(ColorToHex(0x00FFFFFF), "FFFFFF");
    EXPECT_EQ(ColorToHex(0x000000FF), "FF0000");
    EXPECT_EQ(ColorToHex(0x00332211), "112233");
    const struct {
        const char* Text;
        bool Ok;
        uint32_t Color;
    } cases[] = {{"112233", true, 0x00332211}, {"aBcDeF", true, 0x00EFCDAB}, {"FFFFF", false, 0},
                 {"FFFFFFF", false, 0},       {"GG0000", false, 0},         {"", false, 0},
                 {" FFFFF", false, 0},        {"+FFFFF", false, 0}};
    for (const auto& c : cases) {
        uint32_t color = 7;
        EXPECT_EQ(HexToColor(c.Text, color), c.Ok) << c.Text;
        EXPECT_EQ(color, c.Ok ? c.Color : 7u) << c.Text;
    }
}

TEST_F(TProjectFileTest, ReadingFillsDefaultsAndProjectState) {
    ASSERT_TRUE(WritePng(Path("ball.png"), 33, 17, 2));
    TScene scene;
    scene.Saved = false;
    scene.Groups << "régi";
    scene.Lines << "V1=1";
    ReadText(scene, Path("Próba.VKP"),
             "[Files]\r\nName1=ball.png\r\n[Image1]\r\nname=Labda\r\nFileName=BALL.PNG\r\nWidth=30\r\nHeight=20\r\n"
             "[image1_command1_1]\r\nCommand=1\r\n",
             Log);
    EXPECT_EQ(scene.ProjectFileName, "Próba.VKP");
    EXPECT_EQ(scene.ProjectDir, QDir(Dir.path()).absolutePath());
    EXPECT_TRUE(scene.Saved);
    EXPECT_EQ(scene.Resolution, 1);
    EXPECT_EQ(scene.BackgroundColor, 0x00FFFFFFu);
    EXPECT_EQ(scene.SelectColor, 0x00AAAAAAu);
    EXPECT_TRUE(scene.Lock);
    EXPECT_TRUE(scene.Groups.isEmpty());
    EXPECT_TRUE(scene.Lines.isEmpty());
    ASSERT_EQ(scene.Layers.Count(), 1);
    const TImagesItem& layer = *scene.Layers.At(0);
    EXPECT_EQ(layer.Name, "Labda");
    EXPECT_EQ(layer.Picture, scene.Files.At(0)->Image.get());
    EXPECT_EQ(layer.Width, 30.0);
    EXPECT_EQ(layer.Alpha, 255.0);
    EXPECT_EQ(layer.TouchWidth, 30);
    EXPECT_EQ(layer.TouchHeight, 20);
    EXPECT_TRUE(layer.Visible);
    EXPECT_EQ(layer.PlayAnim, 1);
    EXPECT_EQ(layer.ItemColor, 0x00FFFFFFu);
    ASSERT_EQ(layer.Base.Track[0].Count(), 1);
    const TCommandItem& cmd = *layer.Base.Track[0].Item(0);
    EXPECT_EQ(layer.Base.Track[0].Name(0), "MoveTo");
    EXPECT_EQ(cmd.sParam1(), "");
    EXPECT_EQ(cmd.OX(), 512.0);
    EXPECT_EQ(cmd.OY(), 384.0);
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TProjectFileTest, NumbersThatAreNotIntegersReadAsDefaults) {
    TScene scene;
    ReadText(scene, Path("p.VKP"),
             "[Project]\r\nResolution=2.0\r\nLock=igen\r\n[Files]\r\nName1=x.par\r\n"
             "[Image1]\r\nName=A\r\nFileName=x.par\r\nTop=1.5\r\nWidth=12\r\nAlpha=abc\r\nTouchWidth=1,5\r\n"
             "Visible=\r\nPlayAnim=x\r\nGroup=2e1\r\n"
             "[Image1_Command1_1]\r\nCommand=hat\r\nOX=1.0\r\nOY=\r\n",
             Log);
    EXPECT_EQ(scene.Resolution, 1);
    EXPECT_TRUE(scene.Lock);
    const TImagesItem& layer = *scene.Layers.At(0);
    EXPECT_EQ(layer.Top, 0.0);
    EXPECT_EQ(layer.Alpha, 255.0);
    EXPECT_EQ(layer.TouchWidth, 12);
    EXPECT_TRUE(layer.Visible);
    EXPECT_EQ(layer.PlayAnim, 1);
    EXPECT_EQ(layer.Group, 0);
    const TCommandItem& cmd = *layer.Base.Track[0].Item(0);
    EXPECT_EQ(cmd.Command(), 0);
    EXPECT_EQ(cmd.OX(), 512.0);
    EXPECT_EQ(cmd.OY(), 384.0);
}

TEST_F(TProjectFileTest, CommandListsStopAtTheFirstGap) {
    TScene scene;
    ReadText(scene, Path("p.VKP"),
             "[Files]\r\nName1=x.par\r\n[Image1]\r\nName=A\r\nFileName=x.par\r\n"
             "[Image1_Command2_1]\r\nCommand=6\r\n[Image1_Command2_2]\r\nCommand=6\r\nsParam1=2\r\n"
             "[Image1_Command2_4]\r\nCommand=6\r\n"
             "[Image1_Command12_1]\r\nCommand=99\r\nsParam1=x\r\n[Image1_Command5_1]\r\nsParam1=no command key\r\n"
             "[Image3]\r\nName=not after a gap\r\nFileName=x.par\r\n",
             Log);
    ASSERT_EQ(scene.Layers.Count(), 1);
    const TImagesItem& layer = *scene.Layers.At(0);
    EXPECT_EQ(layer.Base.Track[1].Count(), 2);
    EXPECT_EQ(layer.Base.Track[1].Item(1)->sParam1(), "2");
    EXPECT_EQ(layer.Touch1.Track[1].Count(), 0);
    ASSERT_EQ(layer.Touch3.Track[2].Count(), 1);
    EXPECT_EQ(layer.Touch3.Track[2].Item(0)->Command(), 99);
    EXPECT_EQ(layer.Touch3.Track[2].Name(0), "");
    // The unknown number goes back out unchanged.
    EXPECT_TRUE(ProjectText(scene).contains("[Image1_Command12_1]\r\nCommand=99\r\nsParam1=x\r\n"));
}

TEST_F(TProjectFileTest, SelectColorFallsBackToSelectedColor) {
    const struct {
        const char* Project;
        uint32_t Color;
    } cases[] = {{"SelectColor=010203\r\nSelectedColor=FFFFFF\r\n", 0x00030201},
                 {"SelectedColor=0A0B0C\r\n", 0x000C0B0A},
                 {"", 0x00AAAAAA}};
    for (const auto& c : cases) {
        TScene scene;
        ReadText(scene, Path("p.VKP"), QStringLiteral("[Project]\r\n") + c.Project, Log);
        EXPECT_EQ(scene.SelectColor, c.Color) << c.Project;
    }
}

TEST_F(TProjectFileTest, MissingResourcesAreLoggedAndKept) {
    ASSERT_TRUE(WriteWav(Path("van.wav"), 1, 22050, 8, QByteArray(100, '\x80')));
    TScene scene;
    ReadText(scene, Path("p.VKP"), "[Files]\r\nName1=nincs.png\r\nName2=nincs.wav\r\nName3=van.wav\r\nName4=nincs.par\r\n",
             Log);
    ASSERT_EQ(scene.Files.Count(), 4);
    EXPECT_TRUE(scene.Files.At(0)->Image->IsEmpty());
    EXPECT_FALSE(scene.Files.At(1)->Sound);
    EXPECT_TRUE(scene.Files.At(2)->Sound);
    ASSERT_EQ(scene.Sounds->Sounds().size(), 1u);
    EXPECT_EQ(scene.Sounds->Sounds()[0]->Path, Path("van.wav"));
    // Newest first.
    EXPECT_EQ(Log.Lines(),
              (QStringList{"Nincs meg a fájl: " + Path("nincs.wav"), "Nincs meg a fájl: " + Path("nincs.png")}));
}

TEST_F(TProjectFileTest, BrokenPicturesAreToldFromMissingOnes) {
    ASSERT_TRUE(WritePng(Path("jo.png"), 8, 8, 6));
    const QByteArray png = ReadFile(Path("jo.png"));
    ASSERT_TRUE(WriteFile(Path("csonka.png"), png.left(png.size() / 2)));
    ASSERT_TRUE(WriteFile(Path("szoveg.png"), "nem kép"));
    ASSERT_TRUE(QFile::copy(VELKON_TEST_DATA "/pictures/picture_bmp_width_2p30plus1.bmp", Path("szeles.bmp")));
    TScene scene;
    ReadText(scene, Path("p.VKP"),
             "[Files]\r\nName1=jo.png\r\nName2=csonka.png\r\nName3=nincs.png\r\nName4=szoveg.png\r\n"
             "Name5=szeles.bmp\r\n",
             Log);
    ASSERT_EQ(scene.Files.Count(), 5);
    EXPECT_EQ(scene.Files.At(0)->Image->Width, 8);
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(scene.Files.At(i)->Image->IsEmpty()) << i;
    // Newest first.
    EXPECT_EQ(Log.Lines(),
              (QStringList{QString::fromUtf8("Túl nagy kép: ") + Path("szeles.bmp") +
                               QString::fromUtf8(" (1073741825 x 1 képpont, legfeljebb 16384 képpont oldalanként)"),
                           QString::fromUtf8("Hibás kép fájl: ") + Path("szoveg.png") +
                               QString::fromUtf8(" (ismeretlen képformátum)"),
                           QString::fromUtf8("Nincs meg a fájl: ") + Path("nincs.png"),
                           QString::fromUtf8("Hibás kép fájl: ") + Path("csonka.png") +
                               QString::fromUtf8(" (a fájl vége hiányzik)")}));
}

// Projects made on Windows name their files in any case.
TEST_F(TProjectFileTest, FileNamesMatchTheFolderWhateverTheirCase) {
    ASSERT_TRUE(QDir(Dir.path()).mkpath("proj/Kepek"));
    ASSERT_TRUE(WritePng(Path("proj/Ball.png"), 4, 2, 6));
    ASSERT_TRUE(WritePng(Path("proj/kep.png"), 5, 5, 6));
    ASSERT_TRUE(WritePng(Path("proj/Kep.png"), 3, 3, 6)); // the exact name wins over this one
    ASSERT_TRUE(WriteWav(Path("proj/Boom.WAV"), 1, 22050, 8, QByteArray(100, '\x80')));
    ASSERT_TRUE(WritePng(Path("Kint.png"), 6, 6, 6)); // beside the project's folder, never looked at
    const struct {
        const char* name;
        const char* found; // path under the test folder, or "" when nothing may be found
    } cases[] = {
        {"ball.PNG", "proj/Ball.png"}, {"BALL.png", "proj/Ball.png"}, {"kep.png", "proj/kep.png"},
        {"KEP.PNG", "proj/Kep.png"},   {"boom.wav", "proj/Boom.WAV"}, {"kint.png", ""},
        {"kepek", ""}, // a folder is no file
    };
    QString files = "[Files]\r\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        files += QStringLiteral("Name%1=%2\r\n").arg(i + 1).arg(QString::fromUtf8(cases[i].name));
    TScene scene;
    ReadText(scene, Path("proj/p.VKP"), files, Log);
    ASSERT_EQ(scene.Files.Count(), int(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.name);
        const TFilesItem& file = *scene.Files.At(int(i));
        EXPECT_EQ(file.Name, QString::fromUtf8(c.name)); // kept as listed for the next save
        if (*c.found) {
            EXPECT_EQ(file.Path, Path(c.found));
        } else {
            EXPECT_TRUE(file.Image->IsEmpty());
            EXPECT_TRUE(Log.Lines().contains(QString::fromUtf8("Nincs meg a fájl: ") + Path("proj/") + c.name));
        }
    }
    EXPECT_EQ(scene.Files.At(0)->Image->Width, 4);
    EXPECT_EQ(scene.Files.At(2)->Image->Width, 5);
    EXPECT_EQ(scene.Files.At(3)->Image->Width, 3);
    EXPECT_TRUE(scene.Files.At(4)->Sound);
    EXPECT_EQ(Log.Lines().size(), 2);
    EXPECT_TRUE(ProjectText(scene).contains("[Files]\r\nName1=ball.PNG\r\nName2=BALL.png\r\n"));
}

TEST_F(TProjectFileTest, FileItemsOfOnePictureShareIt) {
    ASSERT_TRUE(WritePng(Path("Ball.png"), 4, 2, 6));
    TScene scene;
    ReadText(scene, Path("p.VKP"), "[Files]\r\nName1=Ball.png\r\nName2=ball.png\r\nName3=Ball.png\r\n", Log);
    ASSERT_EQ(scene.Files.Count(), 3);
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(scene.Files.At(i)->Image.get(), scene.Files.At(0)->Image.get()) << i;
        EXPECT_EQ(scene.Files.At(i)->PendingTexture.get(), scene.Files.At(0)->PendingTexture.get()) << i;
    }
    EXPECT_TRUE(Log.Lines().isEmpty());
}

TEST_F(TProjectFileTest, UnsafeResourceNamesAreReportedNeverOpenedAndKept) {
    const QString outside = QFileInfo(Dir.path()).absolutePath();
    const QStringList names = {"../kint.wav", "al/kép.png", "al\\kép.png", "..", "/etc/passwd"};
    QString text = "[Files]\r\n";
    for (int i = 0; i < names.size(); ++i)
        text += QStringLiteral("Name%1=%2\r\n").arg(i + 1).arg(names[i]);
    text += "[Image1]\r\nName=A\r\nFileName=../kint.wav\r\n";
    TScene scene;
    ReadText(scene, Path("p.VKP"), text, Log);
    ASSERT_EQ(scene.Files.Count(), names.size());
    QStringList expected;
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(scene.Files.Name(i), names[i]);
        EXPECT_TRUE(scene.Files.At(i)->Path.isEmpty());
        EXPECT_FALSE(scene.Files.At(i)->Sound);
        expected.prepend("Hibás fájl név: " + names[i]);
    }
    EXPECT_EQ(Log.Lines(), expected);
    EXPECT_EQ(scene.Sounds, nullptr) << "no sound was loaded, so no sound manager was made";
    EXPECT_EQ(scene.Layers.Count(), 1);
    EXPECT_TRUE(ProjectText(scene).contains("Name4=..\r\nName5=/etc/passwd\r\n"));
}

TEST_F(TProjectFileTest, UnknownFileNameStopsReadingAndKeepsWhatWasRead) {
    TScene scene;
    try {
        ReadText(scene, Path("p.VKP"),
                 "[Groups]\r\nName1=G\r\n[Files]\r\nName1=x.par\r\n[Image1]\r\nName=A\r\nFileName=x.par\r\n"
                 "[Image2]\r\nName=B\r\nFileName=nincs.png\r\n[Image3]\r\nName=C\r\nFileName=x.par\r\n"
                 "[Lines]\r\nPos1=V5\r\n",
                 Log);
        FAIL() << "no error";
    } catch (const EVelkonError& e) {
        EXPECT_TRUE(e.Message().contains("nincs.png")) << e.Message().toStdString();
    }
    EXPECT_EQ(scene.Layers.Count(), 1);
    EXPECT_EQ(scene.Files.Count(), 1);
    EXPECT_EQ(scene.Groups, QStringList{"G"});
    EXPECT_TRUE(scene.Lines.isEmpty());
    EXPECT_FALSE(scene.Saved);
}

TEST_F(TProjectFileTest, ColourThatIsNotSixHexDigitsStopsReading) {
    const struct {
        const char* Text;
        int Layers;
    } cases[] = {{"[Project]\r\nBackgroundColor=FFFFF\r\n[Files]\r\nName1=x.par\r\n", 0},
                 {"[Project]\r\nSelectColor=red\r\n", 0},
                 {"[Files]\r\nName1=x.par\r\n[Image1]\r\nName=A\r\nFileName=x.par\r\n"
                  "[Image2]\r\nName=B\r\nFileName=x.par\r\nItemColor=#FFFFFF\r\n",
                  1}};
    for (const auto& c : cases) {
        TScene scene;
        try {
            ReadText(scene, Path("p.VKP"), c.Text, Log);
            ADD_FAILURE() << "no error: " << c.Text;
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains("Color=")) << e.Message().toStdString();
        }
        EXPECT_EQ(scene.Layers.Count(), c.Layers);
    }
}

TEST_F(TProjectFileTest, LinesKeepTheirNameAndValue) {
    TScene scene;
    ReadText(scene, Path("p.VKP"), "[Lines]\r\nPos1=V512\r\nPos2=F\r\nPos3=f300\r\nPos5=V9\r\n", Log);
    EXPECT_EQ(scene.Lines, (QStringList{"V512=512", "f300=300"}));
}

TEST_F(TProjectFileTest, NumberedListsStopAfterTenThousand) {
    QString text = "[Groups]\r\n";
    for (int n = 1; n <= MaxListEntries + 1; ++n)
        text += QStringLiteral("Name%1=g%1\r\n").arg(n);
    TScene scene;
    ReadText(scene, Path("p.VKP"), text, Log);
    EXPECT_EQ(scene.Groups.size(), MaxListEntries);
    EXPECT_EQ(scene.Groups.last(), QStringLiteral("g%1").arg(MaxListEntries));
}

// A list ends at its first missing key, not at a value that reads like the
// end marker: a group, a file, a layer or a helper line called "NINCS1234"
// (the editor lets a group be named so) is saved and read back with
// everything after it.
TEST_F(TProjectFileTest, EntriesNamedLikeTheListEndReadBack) {
    const QString marker = QString::fromLatin1(NumberedListEnd);
    const struct {
        const char* Where;
        std::function<void(TScene&)> Name;
    } cases[] = {
        {"a group", [&](TScene& s) { s.Groups[0] = marker; }},
        {"a file", [&](TScene& s) {
             s.Files.At(0)->Name = marker;
             s.Files.Rename(0, marker);
         }},
        {"a layer", [&](TScene& s) {
             s.Layers.At(0)->Name = marker;
             s.Layers.Rename(0, marker);
         }},
        {"a helper line", [&](TScene& s) { s.Lines[0] = marker + "=" + marker.mid(1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Where);
        TScene scene;
        for (const char* name : {"a.png", "b.png"}) {
            auto item = std::make_unique<TFilesItem>();
            item->Name = QString::fromLatin1(name);
            scene.AddFile(std::move(item));
        }
        scene.Groups << "g1" << "g2";
        scene.AddLayer(scene.Files.At(0));
        scene.AddLayer(scene.Files.At(1));
        scene.Lines << "V1=1" << "V2=2";
        c.Name(scene);
        const QString text = ProjectText(scene);
        WriteProject(scene, Path("p.VKP"));
        TScene again;
        ReadProject(again, Path("p.VKP"), Log);
        EXPECT_EQ(ProjectText(again), text);
        EXPECT_EQ(again.Groups.size(), 2);
        EXPECT_EQ(again.Files.Count(), 2);
        EXPECT_EQ(again.Layers.Count(), 2);
        EXPECT_EQ(again.Lines.size(), 2);
    }
}

TEST_F(TProjectFileTest, MissingProjectFileLeavesTheSceneAlone) {
    TScene scene;
    scene.AddLayer(nullptr);
    scene.ProjectFileName = "régi.VKP";
    EXPECT_THROW(ReadProject(scene, Path("nincs.VKP"), Log), EVelkonError);
    EXPECT_EQ(scene.Layers.Count(), 1);
    EXPECT_EQ(scene.ProjectFileName, "régi.VKP");
}

TEST_F(TProjectFileTest, NameOutsideWindows1250FailsTheSaveAndKeepsTheOldFile) {
    TScene scene;
    WriteProject(scene, Path("p.VKP"));
    const QByteArray old = ReadFile(Path("p.VKP"));
    scene.ProjectFileName = "régi.VKP";
    scene.Saved = false;
    scene.AddLayer(nullptr)->Name = QStringLiteral("Kép_日本");
    try {
        WriteProject(scene, Path("p.VKP"));
        FAIL() << "no error";
    } catch (const EVelkonError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Name=Kép_日本"))) << e.Message().toStdString();
    }
    EXPECT_EQ(ReadFile(Path("p.VKP")), old);
    EXPECT_EQ(scene.ProjectFileName, "régi.VKP");
    EXPECT_FALSE(scene.Saved);
}

TEST_F(TProjectFileTest, ResolutionOutsideThePresetsReadsAsDefault) {
    // The presets are 0 to 5; anything else is the default, 1.
    const struct {
        const char* value;
        int resolution;
    } cases[] = {{"0", 0}, {"3", 3}, {"5", 5}, {"6", 1}, {"-1", 1}, {"255", 1}, {"2147483647", 1}};
    for (const auto& c : cases) {
        TScene scene;
        scene.Resolution = 4;
        ReadText(scene, Path("p.VKP"), QStringLiteral("[Project]\r\nResolution=%1\r\n").arg(c.value), Log);
        EXPECT_EQ(scene.Resolution, c.resolution) << c.value;
    }
}

TEST_F(TProjectFileTest, LayerNamesThatDifferOnlyInCaseGetTheirFilesName) {
    TScene scene;
    ReadText(scene, Path("p.VKP"),
             "[Project]\r\n[Files]\r\nName1=labda.png\r\n"
             "[Image1]\r\nName=Ball\r\nFileName=labda.png\r\nLeft=1\r\n"
             "[Image2]\r\nName=BALL\r\nFileName=labda.png\r\nLeft=2\r\n"
             "[Image3]\r\nName=ball\r\nFileName=labda.png\r\nLeft=3\r\n"
             "[Image4]\r\nName=Other\r\nFileName=labda.png\r\nLeft=4\r\n",
             Log);
    const struct {
        const char* name;
        double left;
    } expected[] = {{"Ball", 1}, {"labda", 2}, {"labda1", 3}, {"Other", 4}};
    ASSERT_EQ(scene.Layers.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(scene.Layers.Name(i), expected[i].name) << i;
        EXPECT_EQ(scene.Layers.At(i)->Name, expected[i].name) << i;
        EXPECT_EQ(scene.Layers.At(i)->Left, expected[i].left) << i;
    }
    const QStringList lines = Log.Lines();
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "BALL nevű objektum már megtalálható a projectben, ezért új ezt az új nevet kapja:labda")));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "ball nevű objektum már megtalálható a projectben, ezért új ezt az új nevet kapja:labda1")));
}
