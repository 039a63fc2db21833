#include "model/commanddesc.h"
#include "model/filesitem.h"
#include "model/picture.h"
#include "model/registry.h"
#include "model/scene.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velkon;

namespace {

// A scene whose layers are named exactly as given (all on one picture file).
class SceneTest : public ::testing::Test {
protected:
    TScene scene;
    TFilesItem* file = nullptr;

    void SetUp() override {
        auto item = std::make_unique<TFilesItem>();
        item->Name = "ball.png";
        item->Path = "/proj/ball.png";
        auto picture = std::make_shared<TPicture>();
        picture->Width = picture->Height = 8;
        item->Image = std::move(picture);
        file = scene.AddFile(std::move(item));
    }

    TImagesItem* Layer(const QString& name) {
        auto layer = std::make_unique<TImagesItem>(file);
        layer->Name = name;
        return scene.Layers.Add(name, std::move(layer));
    }

    static TCommandItem* Add(TImagesItem* layer, int track, int command, QString p1, QString p2 = {},
                             QString p3 = {}) {
        return layer->TrackByNumber(track).Add(
            std::make_unique<TCommandItem>(command, std::move(p1), std::move(p2), std::move(p3)));
    }
};

} // namespace

TEST_F(SceneTest, UniqueLayerName) {
    const struct {
        const char* file;
        const char* expected;
    } free[] = {
        {"ball (2).png", "ball"},
        {"my ball.png", "myball"},
        {"a b c.d.png", "abc"},
        {"tree(x)top.png", "treetop"},
        {"x)y(z.png", "x)yy(z"}, // ")" before "(": still cut between the first of each
        {"only(open.png", "only(open"},
        {"noext", "noext"},
        {"(all).png", ""},
    };
    for (const auto& c : free)
        EXPECT_EQ(scene.UniqueLayerName(QString::fromUtf8(c.file)), QString::fromUtf8(c.expected)) << c.file;

    // Only the first 100 characters after ")" remain.
    const QString longTail = QString(150, QLatin1Char('k'));
    EXPECT_EQ(scene.UniqueLayerName("a(1)" + longTail), "a" + longTail.left(100));

    Layer("ball");
    EXPECT_EQ(scene.UniqueLayerName("ball (2).png"), "ball1");
    Layer("ball1");
    EXPECT_EQ(scene.UniqueLayerName("ball (2).png"), "ball2");
    // Names compare without case, and gaps are filled from 1.
    Layer("Tree");
    Layer("TREE2");
    EXPECT_EQ(scene.UniqueLayerName("tree.png"), "tree1");
    Layer("tree1");
    EXPECT_EQ(scene.UniqueLayerName("tree.png"), "tree3");
}

TEST_F(SceneTest, FileReferencesAndUseCount) {
    TImagesItem* a = Layer("a");
    TImagesItem* b = Layer("b");
    Layer("c")->FileItem = nullptr;
    Add(a, 1, cmdChgImage, "ball.png");
    Add(a, 12, cmdChgImage, "ball.png");
    Add(b, 5, cmdStartOther, "ball.png", "ball.png");
    Add(b, 5, cmdChgImage, "Ball.png");      // case differs: no reference
    Add(b, 5, cmdChgImage, "ball.png ");     // trailing space: none
    Add(b, 5, cmdChgImage, "Left(ball.png;0)"); // inside a function: none
    file->UseCount = 77;
    EXPECT_EQ(scene.CountFileReferences(*file), 4);
    EXPECT_EQ(file->UseCount, 2);
    EXPECT_TRUE(scene.ReferenceReport.isEmpty()); // the file count writes no report
}

TEST_F(SceneTest, LayerReferencesAndReport) {
    TImagesItem* target = Layer("Ball");
    TImagesItem* other = Layer("Kéz");
    Add(target, 1, cmdWait, "1");
    Add(target, 1, cmdHide, "Ball");
    Add(other, 2, cmdMoveTo, "Ball", "Ball", "Ball"); // three matches, one line
    Add(other, 11, cmdWait, "2");
    Add(other, 11, cmdWait, "3");
    Add(other, 11, cmdStartOther, "Ball", "1");
    Add(other, 11, cmdShow, "ball"); // case-sensitive: no match

    EXPECT_EQ(scene.CountLayerReferences(*target), 5);
    EXPECT_EQ(scene.ReferenceReport,
              QString::fromUtf8("Réteg: Ball: 2.sor Hide-name=Ball\r\n"
                                "Réteg: Kéz: 1.sor MoveTo-x=Ball, y=Ball, duration=Ball\r\n"
                                "Réteg: Kéz: 3.sor StartOther-name=Ball, which=1\r\n"));

    // The report starts afresh on each count.
    EXPECT_EQ(scene.CountLayerReferences(*other), 0);
    EXPECT_TRUE(scene.ReferenceReport.isEmpty());
}

TEST_F(SceneTest, ReportUsesTheTrackEntryName) {
    TImagesItem* layer = Layer("L");
    layer->TrackByNumber(7).Add("Renamed", std::make_unique<TCommandItem>(cmdShow, "L"));
    EXPECT_EQ(scene.CountLayerReferences(*layer), 1);
    EXPECT_EQ(scene.ReferenceReport, QString::fromUtf8("Réteg: L: 1.sor Renamed-name=L\r\n"));
}

TEST_F(SceneTest, RenameReferences) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"a", "b"},
        {"Left(a;0)", "Left(b;0)"},
        {"ab", "ab"},
        {"Left(ab;0)", "Left(ab;0)"},
        {"Left(xa;0)", "Left(xb;0)"}, // only "a;" is looked for
        {"A", "A"},                   // exact case only
        {"Left(a;0)+Top(a;1)", "Left(b;0)+Top(b;1)"},
        {"", ""},
    };
    TImagesItem* l1 = Layer("l1");
    TImagesItem* l2 = Layer("l2");
    std::vector<TCommandItem*> commands;
    int track = 1;
    for (const auto& c : cases) {
        TImagesItem* layer = commands.size() % 2 ? l2 : l1;
        commands.push_back(Add(layer, track, cmdStartOther, "x", c.before, c.before));
        track = track % 12 + 1;
    }
    scene.RenameReferences("a", "b");
    for (size_t i = 0; i < commands.size(); ++i) {
        SCOPED_TRACE(cases[i].before);
        EXPECT_EQ(commands[i]->sParam1(), "x");
        EXPECT_EQ(commands[i]->sParam2(), QString::fromUtf8(cases[i].after));
        EXPECT_EQ(commands[i]->sParam3(), QString::fromUtf8(cases[i].after));
    }
}

TEST_F(SceneTest, ClearLayersAndFilesTellsOfEveryFileItem) {
    auto sound = std::make_unique<TFilesItem>();
    sound->Name = "boom.wav";
    sound->Kind = TFilesItem::kindSound;
    TFilesItem* item = scene.AddFile(std::move(sound));
    EXPECT_EQ(scene.Files.Find("BOOM.WAV"), item);
    QStringList gone;
    scene.FileItemGone = [&gone](TFilesItem& file) { gone << file.Name; };
    Layer("a");
    scene.CurrentLayer = scene.Layers.At(0);
    scene.ClearLayersAndFiles();
    EXPECT_EQ(scene.Layers.Count(), 0);
    EXPECT_EQ(scene.Files.Count(), 0);
    EXPECT_EQ(scene.CurrentLayer, nullptr);
    EXPECT_EQ(gone, QStringList({"ball.png", "boom.wav"}));
}

TEST(Registry, CaseInsensitiveFirstMatch) {
    TRegistry<int> reg;
    int* first = reg.Add("Ball", std::make_unique<int>(1));
    int* second = reg.Add("BALL", std::make_unique<int>(2));
    reg.Add("Tree", std::make_unique<int>(3));
    EXPECT_EQ(reg.Find("ball"), first);
    EXPECT_EQ(reg.IndexOf(QStringLiteral("bAlL")), 0);
    EXPECT_EQ(reg.Find("tree"), reg.At(2));
    EXPECT_EQ(reg.Find("Bal"), nullptr);
    EXPECT_EQ(reg.IndexOf(QStringLiteral("")), -1);
    EXPECT_EQ(reg.IndexOf(second), 1);
    reg.Delete(0);
    EXPECT_EQ(reg.Find("ball"), second);
    EXPECT_EQ(reg.Name(0), "BALL");
    // Non-ASCII letters compare without case as well.
    reg.Add(QString::fromUtf8("Kéz"), std::make_unique<int>(4));
    EXPECT_EQ(*reg.Find(QString::fromUtf8("KÉZ")), 4);
}

TEST(Registry, MoveInsertRename) {
    TRegistry<int> reg;
    for (int i = 0; i < 3; ++i)
        reg.Add(QString::number(i), std::make_unique<int>(i));
    reg.Move(0, 2);
    EXPECT_EQ(reg.Name(0), "1");
    EXPECT_EQ(reg.Name(2), "0");
    reg.Insert(1, "x", std::make_unique<int>(9));
    EXPECT_EQ(*reg.At(1), 9);
    reg.Rename(1, "y");
    EXPECT_EQ(reg.Find("Y"), reg.At(1));
    EXPECT_EQ(reg.Find("x"), nullptr);
    EXPECT_THROW(reg.Move(0, 4), std::out_of_range);
    EXPECT_THROW(reg.Insert(6, "z", std::make_unique<int>(0)), std::out_of_range);
    EXPECT_EQ(reg.Count(), 4);
}

TEST(SceneLines, NameValueEntries) {
    TScene scene;
    scene.SetLineValue("V512", "512");
    scene.SetLineValue("F300", "300");
    EXPECT_EQ(scene.LineValue("v512"), "512");
    scene.SetLineValue("V512", "600");
    EXPECT_EQ(scene.Lines, QStringList({"V512=600", "F300=300"}));
    scene.SetLineValue("V512", "");
    EXPECT_EQ(scene.Lines, QStringList({"F300=300"}));
    EXPECT_EQ(scene.LineValue("V5"), "");
}
