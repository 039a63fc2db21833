#include "support/testsupport.h"
#include "model/commanddesc.h"

#include "edit/editorstate.h"
#include "edit/inspector.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/picture.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "project/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace velkon {
namespace {

using F = TInspectorField;

// A scene with layers on pictures of chosen sizes, the inspector on it.
class InspectorTest : public ::testing::Test {
protected:
    TScene scene;
    TErrorLog log;
    TEditorState state{scene};
    TInspector inspector{state};
    std::vector<std::unique_ptr<TPicture>> pictures;

    void SetUp() override { state.Log = &log; }

    TImagesItem* AddLayer(const QString& name, int pw, int ph) {
        auto picture = std::make_unique<TPicture>();
        picture->Width = pw;
        picture->Height = ph;
        auto layer = std::make_unique<TImagesItem>();
        layer->Name = name;
        layer->Picture = picture.get();
        layer->Width = pw;
        layer->Height = ph;
        pictures.push_back(std::move(picture));
        return scene.Layers.Add(name, std::move(layer));
    }
    void Select(std::initializer_list<TImagesItem*> layers) {
        for (const auto& e : scene.Layers)
            e.second->Selected = false;
        for (TImagesItem* l : layers)
            l->Selected = true;
        scene.SelectedCount = static_cast<int>(layers.size());
        scene.CurrentLayer = *layers.begin();
        inspector.Refresh();
    }
};

TEST_F(InspectorTest, RefreshFillsTheSinglePageRounded) {
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 200, 100);
    l->Left = 10.5; // halves to even
    l->Top = 11.5;
    l->Width = 100;
    l->Height = 150;
    l->Angle = 44.6;
    l->Alpha = 127.4;
    l->OrigoX = 3.2;
    l->TouchHeight = 7;
    l->Parent = QStringLiteral("car");
    Select({l});
    EXPECT_EQ(inspector.Page(), 1);
    const TSingleFields& s = inspector.Single;
    EXPECT_EQ(s.X, 10);
    EXPECT_EQ(s.Y, 12);
    EXPECT_EQ(s.Deg, 45);
    EXPECT_EQ(s.Alpha, 127);
    EXPECT_EQ(s.OrigoX, 3);
    EXPECT_EQ(s.TouchB, 7);
    EXPECT_EQ(s.WPercent, 50);
    EXPECT_EQ(s.HPercent, 150);
    EXPECT_EQ(s.Parent, QStringLiteral("car"));
}

struct PercentCase {
    const char* name;
    TRatioMode mode;
    F field;
    int percent;
    int w, h, wPercent, hPercent;
};

class InspectorPercent : public InspectorTest, public ::testing::WithParamInterface<PercentCase> {};

TEST_P(InspectorPercent, OtherSideFollowsTheMode) {
    const PercentCase& c = GetParam();
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 200, 100);
    Select({l});
    inspector.SingleMode = c.mode;
    ASSERT_TRUE(inspector.Edit(c.field, c.percent));
    EXPECT_EQ(l->Width, c.w);
    EXPECT_EQ(l->Height, c.h);
    EXPECT_EQ(inspector.Single.WPercent, c.wPercent);
    EXPECT_EQ(inspector.Single.HPercent, c.hPercent);
    EXPECT_EQ(inspector.Single.W, c.w);
    EXPECT_EQ(inspector.Single.H, c.h);
    EXPECT_FALSE(scene.Saved);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, InspectorPercent,
    ::testing::Values(PercentCase{"RatioWidth", TRatioMode::Ratio, F::WPercent, 50, 100, 50, 50, 50},
                      PercentCase{"InverseWidth", TRatioMode::Inverse, F::WPercent, 50, 100, 150, 50, 150},
                      PercentCase{"NormalWidth", TRatioMode::Normal, F::WPercent, 50, 100, 100, 50, 100},
                      PercentCase{"RatioHeight", TRatioMode::Ratio, F::HPercent, 30, 60, 30, 30, 30},
                      PercentCase{"InverseHeight", TRatioMode::Inverse, F::HPercent, 150, 100, 150, 50, 150},
                      PercentCase{"NormalHeight", TRatioMode::Normal, F::HPercent, 25, 200, 25, 100, 25}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InspectorTest, PropertyEditsMergeIntoOneUndoStepAndMoveTheCommonOrigin) {
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 64, 64);
    l->Left = 100.4;
    l->Top = 50;
    state.ToolPoint(-1).X = 130;
    state.ToolPoint(-1).Y = 80;
    Select({l});
    ASSERT_TRUE(inspector.Edit(F::X, 110));
    ASSERT_TRUE(inspector.Edit(F::Y, 40));
    ASSERT_TRUE(inspector.Edit(F::Alpha, 100));
    EXPECT_EQ(l->Left, 110);
    EXPECT_EQ(l->Top, 40);
    EXPECT_EQ(l->Alpha, 100);
    EXPECT_EQ(state.ToolPoint(-1).X, 140); // + (110 - round(100.4))
    EXPECT_EQ(state.ToolPoint(-1).Y, 70);
    EXPECT_EQ(state.Undo.Top(), 1);
    EXPECT_EQ(log.UndoName, QStringLiteral("Tulajdonság változás"));
    state.Undo.Undo();
    EXPECT_EQ(l->Left, 100.4);
    EXPECT_EQ(l->Alpha, 255);
}

// A layer read at one end of the int range and typed to the other: the
// common origin follows by the whole distance, without an int overflow.
TEST_F(InspectorTest, ThePositionTypedAcrossTheIntRangeMovesTheOriginWithoutOverflow) {
    const struct {
        double From;
        int32_t To;
    } cases[] = {{-2147483648.0, 380}, {2147483647.0, -2147483647}, {380, -2147483647}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.From);
        scene.Layers.Clear();
        TImagesItem* l = AddLayer(QStringLiteral("far"), 64, 64);
        l->Left = c.From;
        l->Top = c.From;
        state.ToolPoint(-1).X = 0;
        state.ToolPoint(-1).Y = 0;
        Select({l});
        ASSERT_TRUE(inspector.Edit(F::X, c.To));
        ASSERT_TRUE(inspector.Edit(F::Y, c.To));
        EXPECT_EQ(l->Left, c.To);
        EXPECT_EQ(state.ToolPoint(-1).X, double(c.To) - c.From);
        EXPECT_EQ(state.ToolPoint(-1).Y, double(c.To) - c.From);
    }
}

TEST_F(InspectorTest, SizeFocusRecomputesBothPercents) {
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 200, 100);
    Select({l});
    ASSERT_TRUE(inspector.Edit(F::W, 300, true));
    EXPECT_EQ(inspector.Single.WPercent, 150);
    EXPECT_EQ(inspector.Single.HPercent, 100);
    // Without the focus (a step button), the percents stay.
    ASSERT_TRUE(inspector.Edit(F::H, 50, false));
    EXPECT_EQ(inspector.Single.HPercent, 100);
    inspector.TakeRatio();
    EXPECT_EQ(inspector.Single.HPercent, 50);
    EXPECT_EQ(l->Height, 50);
}

TEST_F(InspectorTest, ApplyRatioUsesThePercentThatIsNotHundred) {
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 200, 100);
    Select({l});
    inspector.Single.WPercent = 100;
    inspector.Single.HPercent = 40;
    ASSERT_TRUE(inspector.ApplyRatio());
    EXPECT_EQ(l->Width, 80);
    EXPECT_EQ(l->Height, 40);
    inspector.Single.WPercent = 150;
    ASSERT_TRUE(inspector.ApplyRatio());
    EXPECT_EQ(l->Width, 300);
    EXPECT_EQ(l->Height, 150);
}

TEST_F(InspectorTest, NoEditsWhilePlayingOrWithoutOneLayer) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), 10, 10);
    TImagesItem* b = AddLayer(QStringLiteral("b"), 10, 10);
    Select({a, b});
    EXPECT_EQ(inspector.Page(), 2);
    EXPECT_FALSE(inspector.Edit(F::X, 5));
    Select({a});
    scene.Playing = true;
    EXPECT_FALSE(inspector.Edit(F::X, 5));
    EXPECT_FALSE(inspector.PickOrigin(30, 30));
    EXPECT_FALSE(inspector.OriginFromCommonOrigin());
    EXPECT_EQ(a->Left, 0);
    EXPECT_EQ(state.Undo.Top(), 0);
    EXPECT_TRUE(scene.Saved);
}

TEST_F(InspectorTest, FieldsWithoutANumberAreRefused) {
    EXPECT_EQ(ReadInspectorNumber(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(ReadInspectorNumber(QStringLiteral("-7")), -7);
    EXPECT_EQ(ReadInspectorNumber(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(ReadInspectorNumber(QStringLiteral("-")), std::nullopt);
    EXPECT_EQ(ReadInspectorNumber(QStringLiteral("1o0")), std::nullopt);
}

TEST_F(InspectorTest, PercentOfAPictureWithoutSizeChangesNothing) {
    TImagesItem* l = AddLayer(QStringLiteral("missing"), 0, 0);
    l->Width = 40;
    Select({l});
    EXPECT_EQ(inspector.Single.WPercent, 100);
    EXPECT_FALSE(inspector.Edit(F::WPercent, 50));
    EXPECT_EQ(l->Width, 40);
}

TEST_F(InspectorTest, OriginPickerRegions) {
    struct Case {
        int x, y;
        double ox, oy;
    } cases[] = {{0, 0, 0, 0}, {15, 16, 0, 30}, {32, 48, 50, 30}, {49, 64, 101, 61}};
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 101, 61);
    Select({l});
    for (const Case& c : cases) {
        ASSERT_TRUE(inspector.PickOrigin(c.x, c.y));
        EXPECT_EQ(l->OrigoX, c.ox) << c.x;
        EXPECT_EQ(l->OrigoY, c.oy) << c.y;
    }
    EXPECT_EQ(inspector.Single.OrigoX, 101);
    EXPECT_EQ(log.UndoName, QStringLiteral("Origó beállítás"));
}

TEST_F(InspectorTest, OriginFromTheCommonOrigin) {
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 64, 64);
    l->Left = 100;
    l->Top = 50;
    state.ToolPoint(-1).X = 120.5;
    state.ToolPoint(-1).Y = 40;
    Select({l});
    ASSERT_TRUE(inspector.OriginFromCommonOrigin());
    EXPECT_EQ(l->OrigoX, 20.5);
    EXPECT_EQ(l->OrigoY, -10);
    EXPECT_EQ(inspector.Single.OrigoY, -10);
}

TEST_F(InspectorTest, RenameLayerRefusesTakenNamesIncludingItsOwn) {
    TImagesItem* l = AddLayer(QStringLiteral("ball"), 64, 64);
    AddLayer(QStringLiteral("car"), 64, 64);
    Select({l});
    state.Undo.Record(TUndoBuffer::kindProperty);
    TScriptedDialogs dialogs;
    dialogs.TextAnswers = {QStringLiteral("ball"), QStringLiteral("CAR"), QStringLiteral("  ")};
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(inspector.RenameLayer(dialogs));
    EXPECT_EQ(dialogs.Asked.value(0), QStringLiteral("input:Név változtatás|Új név:|ball"));
    EXPECT_EQ(dialogs.Messages, (QStringList{QStringLiteral("Ilyen név már szerepel a VKP-ben!"),
                                             QStringLiteral("Ilyen név már szerepel a VKP-ben!"),
                                             QStringLiteral("A réteg neve nem lehet üres!")}));
    EXPECT_EQ(l->Name, QStringLiteral("ball"));
    EXPECT_TRUE(state.Undo.UndoEnabled());
}

TEST_F(InspectorTest, RenameLayerRenamesReferencesAndParentsAsOneUndoStep) {
    TImagesItem* ball = AddLayer(QStringLiteral("ball"), 64, 64);
    TImagesItem* child = AddLayer(QStringLiteral("child"), 64, 64);
    TImagesItem* other = AddLayer(QStringLiteral("other"), 64, 64);
    child->Parent = QStringLiteral("ball");
    other->Parent = QStringLiteral("balloon");
    child->Base.Track[1].Add(std::make_unique<TCommandItem>(cmdStartOther, QStringLiteral("ball")));
    child->Base.Track[0].Add(
        std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("Left(ball;0)"), QStringLiteral("0")));
    Select({ball});
    state.Undo.Record(TUndoBuffer::kindProperty);
    TScriptedDialogs dialogs;
    dialogs.TextAnswers = {QStringLiteral("labda")};
    ASSERT_TRUE(inspector.RenameLayer(dialogs));
    EXPECT_EQ(ball->Name, QStringLiteral("labda"));
    EXPECT_EQ(scene.Layers.Find(QStringLiteral("labda")), ball);
    EXPECT_EQ(scene.Layers.Find(QStringLiteral("ball")), nullptr);
    EXPECT_EQ(child->Parent, QStringLiteral("labda"));
    EXPECT_EQ(other->Parent, QStringLiteral("balloon"));
    EXPECT_EQ(child->Base.Track[1].Item(0)->sParam1(), QStringLiteral("labda"));
    EXPECT_EQ(child->Base.Track[0].Item(0)->sParam1(), QStringLiteral("Left(labda;0)"));
    EXPECT_EQ(state.Undo.Top(), 2) << "the ring stays, with the rename as its newest step";
    EXPECT_EQ(log.UndoName, QStringLiteral("Átnevezés"));
    EXPECT_FALSE(log.Lines().contains(QStringLiteral("UNDO PUFFER TÖRÖLVE!")));
    EXPECT_EQ(inspector.Single.Name, QStringLiteral("labda"));
    EXPECT_FALSE(scene.Saved);

    // Undo: the name, its key, the references and the Parent text come back.
    state.Undo.Undo();
    EXPECT_EQ(ball->Name, QStringLiteral("ball")) << "the same layer, renamed back";
    EXPECT_EQ(scene.Layers.Find(QStringLiteral("ball")), ball);
    EXPECT_EQ(scene.Layers.Find(QStringLiteral("labda")), nullptr);
    EXPECT_EQ(child->Parent, QStringLiteral("ball"));
    EXPECT_EQ(child->Base.Track[1].Item(0)->sParam1(), QStringLiteral("ball"));
    EXPECT_EQ(child->Base.Track[0].Item(0)->sParam1(), QStringLiteral("Left(ball;0)"));
    state.Undo.Redo();
    EXPECT_EQ(scene.Layers.Find(QStringLiteral("labda")), ball);
    EXPECT_EQ(child->Parent, QStringLiteral("labda"));
    EXPECT_EQ(child->Base.Track[0].Item(0)->sParam1(), QStringLiteral("Left(labda;0)"));
}

// Rename of the picture file, with the project in a temporary folder.
class InspectorFileTest : public InspectorTest {
protected:
    QTemporaryDir dir;
    TImagesItem* layer = nullptr;
    TFilesItem* file = nullptr;
    TScriptedDialogs dialogs;

    void SetUp() override {
        InspectorTest::SetUp();
        ASSERT_TRUE(test::WritePng(dir.filePath(QStringLiteral("ball.png")), 8, 4, 6));
        file = scene.AddFile(TFilesItem::Create(dir.filePath(QStringLiteral("ball.png"))));
        layer = scene.AddLayer(file);
        layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("ball.png")));
        Select({layer});
    }
    // Nothing in the project changed.
    void ExpectUnchanged() {
        EXPECT_EQ(file->Name, QStringLiteral("ball.png"));
        EXPECT_EQ(file->Path, dir.filePath(QStringLiteral("ball.png")));
        EXPECT_EQ(scene.Files.Find(QStringLiteral("ball.png")), file);
        EXPECT_EQ(layer->Base.Track[0].Item(0)->sParam1(), QStringLiteral("ball.png"));
        EXPECT_TRUE(scene.Saved);
    }
};

TEST_F(InspectorFileTest, RenamesOnDiskThenInTheProjectAndReopens) {
    scene.Saved = true;
    dialogs.TextAnswers = {QStringLiteral("labda.png")};
    ASSERT_TRUE(inspector.RenameFile(dialogs));
    EXPECT_EQ(dialogs.Asked.value(0), QStringLiteral("input:Fájlnév változtatás|Új fájlnév:|ball.png"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("ball.png"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("labda.png"))));
    EXPECT_EQ(file->Name, QStringLiteral("labda.png"));
    EXPECT_EQ(file->Path, dir.filePath(QStringLiteral("labda.png")));
    EXPECT_EQ(scene.Files.Find(QStringLiteral("labda.png")), file);
    EXPECT_EQ(layer->Base.Track[0].Item(0)->sParam1(), QStringLiteral("labda.png"));
    EXPECT_EQ(inspector.Single.FileName, QStringLiteral("labda.png"));
    EXPECT_EQ(log.UndoName, QStringLiteral("Fájl átnevezés"));

    const QString project = dir.filePath(QStringLiteral("p.VKP"));
    WriteProject(scene, project);
    TScene reopened;
    TErrorLog readLog;
    ReadProject(reopened, project, readLog);
    ASSERT_EQ(reopened.Layers.Count(), 1);
    const TImagesItem* again = reopened.Layers.At(0);
    ASSERT_NE(again->FileItem, nullptr);
    EXPECT_EQ(again->FileItem->Name, QStringLiteral("labda.png"));
    ASSERT_NE(again->Picture, nullptr);
    EXPECT_EQ(again->Picture->Width, 8);
    EXPECT_EQ(again->Picture->Height, 4);
    EXPECT_TRUE(readLog.Lines().isEmpty()) << readLog.Lines().join(QLatin1Char('|')).toStdString();
}

TEST_F(InspectorFileTest, UndoRenamesTheFileBackOnDiskAndRedoRenamesItAgain) {
    const QString ball = dir.filePath(QStringLiteral("ball.png"));
    const QString labda = dir.filePath(QStringLiteral("labda.png"));
    dialogs.TextAnswers = {QStringLiteral("labda.png")};
    ASSERT_TRUE(inspector.RenameFile(dialogs));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(state.Undo.Undo());
        EXPECT_TRUE(QFile::exists(ball));
        EXPECT_FALSE(QFile::exists(labda));
        EXPECT_EQ(file->Name, QStringLiteral("ball.png")) << "the same file item";
        EXPECT_EQ(file->Path, ball);
        EXPECT_EQ(scene.Files.Find(QStringLiteral("ball.png")), file);
        EXPECT_EQ(scene.Files.Find(QStringLiteral("labda.png")), nullptr);
        EXPECT_EQ(layer->Base.Track[0].Item(0)->sParam1(), QStringLiteral("ball.png"));
        ASSERT_TRUE(state.Undo.Redo());
        EXPECT_FALSE(QFile::exists(ball));
        EXPECT_TRUE(QFile::exists(labda));
        EXPECT_EQ(file->Path, labda);
        EXPECT_EQ(scene.Files.Find(QStringLiteral("labda.png")), file);
        EXPECT_EQ(layer->Base.Track[0].Item(0)->sParam1(), QStringLiteral("labda.png"));
    }
}

TEST_F(InspectorFileTest, AnUndoThatCannotRenameTheFileBackSaysWhyAndChangesNothing) {
    const QString ball = dir.filePath(QStringLiteral("ball.png"));
    const QString labda = dir.filePath(QStringLiteral("labda.png"));
    dialogs.TextAnswers = {QStringLiteral("labda.png")};
    ASSERT_TRUE(inspector.RenameFile(dialogs));
    const struct {
        const char* what;
        std::function<void()> block, unblock;
        QString why;
    } cases[] = {
        {"another file took the old name", [&] { ASSERT_TRUE(test::WritePng(ball, 2, 2, 6)); },
         [&] { ASSERT_TRUE(QFile::remove(ball)); }, QStringLiteral("a(z) %1 fájl már létezik").arg(ball)},
        {"the file went", [&] { ASSERT_TRUE(QFile::rename(labda, labda + QStringLiteral(".x"))); },
         [&] { ASSERT_TRUE(QFile::rename(labda + QStringLiteral(".x"), labda)); },
         QStringLiteral("a(z) %1 fájl nem található").arg(labda)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.block();
        const int top = state.Undo.Top();
        EXPECT_FALSE(state.Undo.Undo());
        EXPECT_EQ(log.Lines().value(0), QStringLiteral("A visszavonás nem sikerült, mert ") + c.why + '.');
        EXPECT_EQ(state.Undo.Top(), top) << "no step recorded";
        EXPECT_EQ(file->Name, QStringLiteral("labda.png"));
        EXPECT_EQ(file->Path, labda);
        EXPECT_EQ(layer->Base.Track[0].Item(0)->sParam1(), QStringLiteral("labda.png"));
        c.unblock();
    }
    // Once the way is free, the same undo goes through.
    ASSERT_TRUE(state.Undo.Undo());
    EXPECT_TRUE(QFile::exists(ball));
    EXPECT_EQ(file->Name, QStringLiteral("ball.png"));
}

TEST_F(InspectorFileTest, FailedDiskRenameChangesNothing) {
    ASSERT_TRUE(test::WritePng(dir.filePath(QStringLiteral("taken.png")), 2, 2, 6));
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("nowhere.png")), dir.filePath(QStringLiteral("link.png"))));
    scene.AddFile(TFilesItem::Create(dir.filePath(QStringLiteral("listed.png"))));
    scene.Saved = true;
    struct Case {
        QString answer, message;
    } cases[] = {
        {QStringLiteral("LISTED.png"), QStringLiteral("Ilyen név már szerepel a fájlok közt!")},
        {QStringLiteral("taken.png"),
         QStringLiteral("Ilyen nevű fájl már van a mappában: ") + dir.filePath(QStringLiteral("taken.png"))},
        {QStringLiteral("link.png"),
         QStringLiteral("Ilyen nevű fájl már van a mappában: ") + dir.filePath(QStringLiteral("link.png"))},
        {QStringLiteral("sub/x.png"),
         QStringLiteral("Érvénytelen fájlnév (mappa nélküli fájlnév kell): sub/x.png")},
        {QStringLiteral(".."), QStringLiteral("Érvénytelen fájlnév (mappa nélküli fájlnév kell): ..")},
        {QStringLiteral(""), QStringLiteral("Érvénytelen fájlnév (mappa nélküli fájlnév kell): ")},
        {QStringLiteral("ball.wav"), QStringLiteral("Az új név más fájltípust jelentene: ball.wav")},
    };
    for (const Case& c : cases) {
        dialogs.TextAnswers = {c.answer};
        dialogs.Messages.clear();
        EXPECT_FALSE(inspector.RenameFile(dialogs)) << c.answer.toStdString();
        EXPECT_EQ(dialogs.Messages, QStringList{c.message});
        ExpectUnchanged();
    }
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("ball.png"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("taken.png"))));
}

// A name the project file cannot hold (a line break would split its line,
// Windows-1250 has no such letter) is refused before the disk changes: the
// file keeps its name, and the project keeps naming a file that is there.
TEST_F(InspectorFileTest, NamesTheProjectFileCannotHoldAreRefusedBeforeTheDiskChanges) {
    scene.Saved = true;
    const struct {
        QString Answer, Message;
    } cases[] = {
        {QStringLiteral("a\nb.png"), QStringLiteral("A név nem tartalmazhat sortörést!")},
        {QStringLiteral("a\rb.png"), QStringLiteral("A név nem tartalmazhat sortörést!")},
        {QStringLiteral("日本.png"), QStringLiteral("A(z) \"日\" karakter nem írható a projekt fájlba (Windows-1250), "
                                                   "a név nem használható: 日本.png")},
        {QStringLiteral("ball\U0001F600.png"),
         QStringLiteral("A(z) \"\U0001F600\" karakter nem írható a projekt fájlba (Windows-1250), "
                        "a név nem használható: ball\U0001F600.png")},
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Answer.toStdString());
        dialogs.TextAnswers = {c.Answer};
        dialogs.Messages.clear();
        EXPECT_FALSE(inspector.RenameFile(dialogs));
        EXPECT_EQ(dialogs.Messages, QStringList{c.Message});
        ExpectUnchanged();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    }
    // A name Windows-1250 holds is renamed, saved and read back with its picture.
    dialogs.TextAnswers = {QStringLiteral("őzike ščř.png")};
    ASSERT_TRUE(inspector.RenameFile(dialogs));
    const QString project = dir.filePath(QStringLiteral("p.VKP"));
    WriteProject(scene, project);
    TScene reopened;
    TErrorLog readLog;
    ReadProject(reopened, project, readLog);
    ASSERT_EQ(reopened.Layers.Count(), 1);
    EXPECT_EQ(reopened.Layers.At(0)->FileItem->Name, QStringLiteral("őzike ščř.png"));
    EXPECT_EQ(reopened.Layers.At(0)->Picture->Width, 8);
}

// A layer name with a line break would split its line of the project file.
TEST_F(InspectorFileTest, LayerNamesWithALineBreakAreRefused) {
    scene.Saved = true;
    for (const QString& answer : {QStringLiteral("a\nb"), QStringLiteral("a\r\nb"), QStringLiteral("ab\r")}) {
        SCOPED_TRACE(answer.toStdString());
        dialogs.TextAnswers = {answer};
        dialogs.Messages.clear();
        EXPECT_FALSE(inspector.RenameLayer(dialogs));
        EXPECT_EQ(dialogs.Messages,
                  QStringList{QStringLiteral("A név nem tartalmazhat sortörést!")});
        EXPECT_EQ(layer->Name, QStringLiteral("ball"));
        EXPECT_TRUE(scene.Saved);
    }
}

TEST_F(InspectorFileTest, MissingFileIsReportedAndNothingChanges) {
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("ball.png"))));
    scene.Saved = true;
    dialogs.TextAnswers = {QStringLiteral("labda.png")};
    EXPECT_FALSE(inspector.RenameFile(dialogs));
    EXPECT_EQ(dialogs.Messages, QStringList{QStringLiteral("A fájl nem található, nem nevezhető át: ") +
                                            dir.filePath(QStringLiteral("ball.png"))});
    ExpectUnchanged();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("labda.png"))));
}

TEST_F(InspectorFileTest, UnwritableFolderIsReportedAndNothingChanges) {
    if (::geteuid() == 0) GTEST_SKIP() << "root renames in read-only folders";
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    scene.Saved = true;
    dialogs.TextAnswers = {QStringLiteral("labda.png")};
    EXPECT_FALSE(inspector.RenameFile(dialogs));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_TRUE(dialogs.Messages[0].startsWith(QStringLiteral("A fájl átnevezése nem sikerült")));
    ExpectUnchanged();
}

TEST_F(InspectorTest, MultiAlphaEnabledOnlyWhenEqual) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), 10, 10);
    TImagesItem* b = AddLayer(QStringLiteral("b"), 10, 10);
    a->Alpha = 0;
    b->Alpha = 255;
    Select({a, b});
    EXPECT_FALSE(inspector.Multi.AlphaEnabled);
    a->Alpha = 120;
    b->Alpha = 120;
    inspector.Refresh();
    EXPECT_TRUE(inspector.Multi.AlphaEnabled);
    EXPECT_EQ(inspector.Multi.Alpha, 120);
    ASSERT_TRUE(inspector.MultiAlpha(30));
    EXPECT_EQ(a->Alpha, 30);
    EXPECT_EQ(b->Alpha, 30);
    EXPECT_FALSE(scene.Saved);
}

TEST_F(InspectorTest, RotatingTwoLayersByHalfATurnSwapsThemAndRestartsFromTheNewBase) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), 20, 20);
    TImagesItem* b = AddLayer(QStringLiteral("b"), 20, 20);
    TImagesItem* c = AddLayer(QStringLiteral("c"), 20, 20); // not selected
    a->Left = 100;
    a->Top = 100;
    b->Left = 300;
    b->Top = 200;
    a->OrigoX = b->OrigoX = 10;
    a->OrigoY = b->OrigoY = 10;
    state.ToolPoint(-1).X = 210; // midway between (110, 110) and (310, 210)
    state.ToolPoint(-1).Y = 160;
    Select({a, b});
    inspector.TakeBase();
    ASSERT_TRUE(inspector.MultiRotate(90));
    ASSERT_TRUE(inspector.MultiRotate(180)); // from the base: 180 in all, not 270
    EXPECT_NEAR(a->Left, 300, 1e-9);
    EXPECT_NEAR(a->Top, 200, 1e-9);
    EXPECT_NEAR(b->Left, 100, 1e-9);
    EXPECT_NEAR(b->Top, 100, 1e-9);
    EXPECT_EQ(a->Angle, 180);
    EXPECT_TRUE(a->Changed);
    EXPECT_FALSE(c->Changed);
    EXPECT_EQ(c->Left, 0);
    EXPECT_EQ(state.Undo.Top(), 1);
    // Entering the field again takes the new places: 180 more brings them back.
    inspector.TakeBase();
    EXPECT_EQ(inspector.Multi.Deg, 0);
    ASSERT_TRUE(inspector.MultiRotate(180));
    EXPECT_NEAR(a->Left, 100, 1e-9);
    EXPECT_NEAR(a->Top, 100, 1e-9);
    EXPECT_NEAR(b->Left, 300, 1e-9);
    EXPECT_EQ(a->Angle, 360);
}

TEST_F(InspectorTest, ScalingAboutTheCommonOriginFollowsTheMode) {
    struct Case {
        TRatioMode mode;
        bool width;
        int percent;
        double w, h, left, top;
        int otherPercent;
    } cases[] = {
        // Layer 40 x 20 at (100, 50), origin (0, 0), common origin (80, 40).
        {TRatioMode::Ratio, true, 50, 20, 10, 90, 45, 50},
        {TRatioMode::Inverse, true, 50, 20, 30, 90, 55, 150},
        {TRatioMode::Normal, false, 200, 40, 40, 100, 60, 100},
    };
    for (const Case& c : cases) {
        TScene s;
        TEditorState st{s};
        TInspector insp{st};
        auto layer = std::make_unique<TImagesItem>();
        layer->Left = 100;
        layer->Top = 50;
        layer->Width = 40;
        layer->Height = 20;
        layer->Selected = true;
        TImagesItem* l = s.Layers.Add(QStringLiteral("a"), std::move(layer));
        s.Layers.Add(QStringLiteral("b"), std::make_unique<TImagesItem>())->Selected = true;
        s.SelectedCount = 2;
        s.CurrentLayer = l;
        st.ToolPoint(-1).X = 80;
        st.ToolPoint(-1).Y = 40;
        insp.MultiMode = c.mode;
        insp.TakeBase();
        ASSERT_TRUE(insp.MultiScale(c.width, c.percent));
        EXPECT_EQ(l->Width, c.w);
        EXPECT_EQ(l->Height, c.h);
        EXPECT_EQ(l->Left, c.left);
        EXPECT_EQ(l->Top, c.top);
        EXPECT_EQ(c.width ? insp.Multi.HPercent : insp.Multi.WPercent, c.otherPercent);
    }
}

} // namespace
} // namespace velkon
