// The project reader takes at most 10,000 entries of a list: no operation may
// make a track, the layers, the files or the helper lines longer, or the
// save would write what never comes back. Each is refused with the message
// before anything changes, its undo step included.
#include "support/testsupport.h"

#include "edit/commandlist.h"
#include "edit/editorstate.h"
#include "edit/favourites.h"
#include "edit/helperlines.h"
#include "edit/import.h"
#include "edit/keyframes.h"
#include "edit/layercommandtools.h"
#include "edit/layerops.h"
#include "edit/pathtools.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/projectfile.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace velkon {
namespace {

constexpr int kFull = MaxListEntries;

struct ListRoomTest : ::testing::Test {
    QTemporaryDir dir;
    TScene scene;
    TErrorLog log;
    TEditorState state{scene};
    TScriptedDialogs dialogs;
    TKeyframeEditor keyframes{state};

    ListRoomTest() {
        state.Log = &log;
        state.AutoDuration = QStringLiteral("1");
    }

    TImagesItem* Layer(const QString& name) {
        auto l = std::make_unique<TImagesItem>();
        l->Name = name;
        l->Width = 10;
        l->Height = 10;
        l->SelectAnimation(TImagesItem::animBase);
        return scene.Layers.Add(name, std::move(l));
    }
    static void Fill(TCommands& track, int count, int command = cmdWait) {
        for (int i = 0; i < count; ++i)
            track.Add(std::make_unique<TCommandItem>(
                command, command == cmdKeyFrame ? QStringLiteral("x=0y=0w=10h=10a=0f=255") : QStringLiteral("1"),
                QStringLiteral("1")));
    }
    void FillLayers(int count) {
        for (int i = scene.Layers.Count(); i < count; ++i)
            Layer(QStringLiteral("L%1").arg(i));
    }
    void FillFiles(int count) {
        for (int i = scene.Files.Count(); i < count; ++i) {
            auto f = std::make_unique<TFilesItem>();
            f->Name = QStringLiteral("f%1.PAR").arg(i);
            f->Kind = TFilesItem::kindParticle;
            scene.AddFile(std::move(f));
        }
    }
    static QString Clipboard(int commands) {
        QString text = QStringLiteral("VKP Clipboard\r\n%1\r\nx=0y=0w=10h=10a=0f=255\r\n").arg(commands);
        for (int i = 0; i < commands; ++i)
            text += QStringLiteral("6\r\n1\r\n\r\n\r\n");
        return text;
    }
    void SelectOnly(std::initializer_list<TImagesItem*> layers) {
        for (const auto& e : scene.Layers)
            e.second->Selected = false;
        for (TImagesItem* l : layers)
            l->Selected = true;
        scene.SelectedCount = static_cast<int>(layers.size());
        scene.CurrentLayer = *layers.begin();
    }
};

struct TCase {
    const char* Name;
    // Fills a list to its edge; returns what to watch (a size that must not change).
    std::function<std::function<int()>(ListRoomTest&)> Setup;
    std::function<void(ListRoomTest&)> Run;
};

TEST_F(ListRoomTest, OperationsThatWouldPassTheReadersLimitAreRefusedBeforeAnyChange) {
    const auto track = [](ListRoomTest& t, int count) {
        TImagesItem* l = t.Layer(QStringLiteral("Ball"));
        Fill(l->Base.Track[0], count);
        t.SelectOnly({l});
        return std::function<int()>([l] { return l->Base.Track[0].Count(); });
    };
    const auto target = [](ListRoomTest& t) {
        TImagesItem* l = t.scene.Layers.At(0);
        return TListTarget{t.state, t.dialogs, *l, l->Base.Track[0]};
    };
    const TCase cases[] = {
        {"paste 2 commands into a track of 9,999", [&](ListRoomTest& t) { return track(t, kFull - 1); },
         [&](ListRoomTest& t) { PasteCommands(target(t), Clipboard(2), {}, false); }},
        {"paste 10,001 commands into an empty track", [&](ListRoomTest& t) { return track(t, 0); },
         [&](ListRoomTest& t) { PasteCommands(target(t), Clipboard(kFull + 1), {}, false); }},
        {"add a command to a full track", [&](ListRoomTest& t) { return track(t, kFull); },
         [&](ListRoomTest& t) {
             AddCommand(target(t), {}, [](TImagesItem&, const TCommandItem*) -> std::optional<TCommandFields> {
                 ADD_FAILURE() << "the dialog was asked";
                 return TCommandFields{QStringLiteral("Wait"), QStringLiteral("1"), {}, {}};
             });
         }},
        {"ReStart at the end of a full track", [&](ListRoomTest& t) { return track(t, kFull); },
         [&](ListRoomTest& t) { AppendRestart(target(t)); }},
        {"paste into the selected layers", [&](ListRoomTest& t) { return track(t, kFull - 1); },
         [&](ListRoomTest& t) { PasteIntoSelectedLayers(t.state, t.dialogs, Clipboard(2), 1); }},
        {"copy Base onto a Touch1 track of 9,999",
         [&](ListRoomTest& t) {
             TImagesItem* l = t.Layer(QStringLiteral("Ball"));
             Fill(l->Base.Track[0], 2);
             Fill(l->Touch1.Track[0], kFull - 1);
             t.SelectOnly({l});
             return std::function<int()>([l] { return l->Touch1.Track[0].Count(); });
         },
         [&](ListRoomTest& t) { CopyLayerCommands(t.scene, t.dialogs, 1, false, 0, 1); }},
        {"favourites into a track of 9,999", [&](ListRoomTest& t) { return track(t, kFull - 1); },
         [&](ListRoomTest& t) {
             const TFavourites file(t.dir.filePath(QStringLiteral("Favourites.txt")), t.log);
             TFavouritesEdit edit(file, t.scene.Layers.At(0)->Base.Track[0]);
             for (int i = 0; i < 2; ++i) {
                 auto owned = std::make_unique<TCommandItem>(cmdWait, QStringLiteral("2"));
                 TCommandItem* raw = owned.get();
                 edit.Left.push_back(TFavouriteRow{raw, std::move(owned)});
             }
             edit.Ok();
         }},
        {"copy a keyframe of a full track",
         [&](ListRoomTest& t) {
             TImagesItem* l = t.Layer(QStringLiteral("Ball"));
             Fill(l->Base.Track[0], kFull, cmdKeyFrame);
             t.SelectOnly({l});
             EXPECT_TRUE(t.keyframes.EditingOn(t.dialogs));
             t.keyframes.SelectColumn(1);
             return std::function<int()>([l] { return l->Base.Track[0].Count(); });
         },
         [&](ListRoomTest& t) { t.keyframes.CopyKeyframe(); }},
        {"store a new keyframe at the end of a full track",
         [&](ListRoomTest& t) {
             TImagesItem* l = t.Layer(QStringLiteral("Ball"));
             Fill(l->Base.Track[0], kFull, cmdKeyFrame);
             t.SelectOnly({l});
             EXPECT_TRUE(t.keyframes.EditingOn(t.dialogs));
             return std::function<int()>([l] { return l->Base.Track[0].Count(); });
         },
         [&](ListRoomTest& t) { t.keyframes.Store(TKeyframeEditor::storeOther); }},
        {"copy a keyframe range onto a track of 9,999",
         [&](ListRoomTest& t) {
             TImagesItem* l = t.Layer(QStringLiteral("Ball"));
             Fill(l->Base.Track[0], kFull - 1, cmdKeyFrame);
             t.SelectOnly({l});
             EXPECT_TRUE(t.keyframes.EditingOn(t.dialogs));
             t.keyframes.TimelineLeft = 1;
             t.keyframes.TimelineRight = 2;
             return std::function<int()>([l] { return l->Base.Track[0].Count(); });
         },
         [&](ListRoomTest& t) { t.keyframes.CopyRange(false); }},
        {"path keyframes onto a track of 9,995",
         [&](ListRoomTest& t) {
             auto size = track(t, kFull - 5);
             CurveToolClick(t.state, 10);
             return size;
         },
         [&](ListRoomTest& t) { CreatePathKeyframes(t.state, false, QStringLiteral("1")); }},
        {"start commands into a track of 9,999",
         [&](ListRoomTest& t) {
             TImagesItem* a = t.Layer(QStringLiteral("a"));
             TImagesItem* b = t.Layer(QStringLiteral("b"));
             TImagesItem* c = t.Layer(QStringLiteral("c"));
             Fill(b->Base.Track[1], kFull - 1);
             t.SelectOnly({a, b, c});
             return std::function<int()>([b] { return b->Base.Track[1].Count(); });
         },
         [&](ListRoomTest& t) { CreateStartCommands(t.state, t.dialogs); }},
        {"add a picture to 10,000 layers",
         [&](ListRoomTest& t) {
             t.FillLayers(kFull);
             EXPECT_TRUE(test::WritePng(t.dir.filePath(QStringLiteral("new.png")), 4, 4, 6));
             return std::function<int()>([&t] { return t.scene.Layers.Count(); });
         },
         [&](ListRoomTest& t) {
             AddPictureFiles(t.state, t.dialogs, t.log, {}, {t.dir.filePath(QStringLiteral("new.png"))});
         }},
        {"clone one of 10,000 layers",
         [&](ListRoomTest& t) {
             t.FillLayers(kFull);
             t.SelectOnly({t.scene.Layers.At(5)});
             return std::function<int()>([&t] { return t.scene.Layers.Count(); });
         },
         [&](ListRoomTest& t) { CloneLayers(t.state, t.dialogs, {TLayerRow{-1, t.scene.Layers.At(5)}}, true); }},
        {"add a sound to 10,000 files",
         [&](ListRoomTest& t) {
             t.FillFiles(kFull);
             EXPECT_TRUE(test::WriteWav(t.dir.filePath(QStringLiteral("new.wav")), 1, 8000, 8, QByteArray(8, 0)));
             t.dialogs.FilesAnswers.push_back(QStringList{t.dir.filePath(QStringLiteral("new.wav"))});
             return std::function<int()>([&t] { return t.scene.Files.Count(); });
         },
         [&](ListRoomTest& t) { AddSounds(t.state, t.dialogs, t.log); }},
        {"import a layer into 10,000 layers",
         [&](ListRoomTest& t) {
             t.FillLayers(kFull);
             return std::function<int()>([&t] { return t.scene.Layers.Count(); });
         },
         [&](ListRoomTest& t) {
             TIniFile ini;
             ini.FromText(QStringLiteral("[Image1]\r\nName=x\r\nFileName=x.png\r\n"));
             ImportLayers(t.scene, t.dialogs, t.log, t.dir.filePath(QStringLiteral("o.VKP")), ini, {0});
         }},
        {"a helper line beyond 10,000",
         [&](ListRoomTest& t) {
             for (int i = 0; i < kFull; ++i)
                 t.scene.Lines << QStringLiteral("V%1=%1").arg(i);
             return std::function<int()>([&t] { return static_cast<int>(t.scene.Lines.size()); });
         },
         [&](ListRoomTest& t) { ToggleHelperLine(t.scene, true, -5); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        keyframes.Finish(nullptr);
        state.Undo.Clear();
        state.ToolCount = 0;
        state.ToolMode = TToolMode::None;
        scene.ClearLayersAndFiles();
        scene.Lines.clear();
        dialogs = TScriptedDialogs();
        const std::function<int()> size = c.Setup(*this);
        scene.Saved = true;
        const int before = size();
        const int steps = state.Undo.Top();
        try {
            c.Run(*this);
            ADD_FAILURE() << "not refused";
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("legfeljebb 10000 elem lehet"))) << e.Message().toStdString();
        }
        EXPECT_EQ(size(), before);
        EXPECT_EQ(state.Undo.Top(), steps) << "an undo step was recorded";
        EXPECT_TRUE(scene.Saved);
    }
}

// Up to the limit everything goes in, and the saved project reads it all back.
TEST_F(ListRoomTest, AListFilledToTheLimitIsSavedAndReadBackWhole) {
    TImagesItem* l = Layer(QStringLiteral("Ball"));
    l->FileItem = scene.AddFile(std::make_unique<TFilesItem>());
    l->FileItem->Name = QStringLiteral("b.png");
    scene.Files.Rename(0, QStringLiteral("b.png"));
    Fill(l->Base.Track[0], kFull - 3);
    const TListTarget t{state, dialogs, *l, l->Base.Track[0]};
    EXPECT_EQ(PasteCommands(t, Clipboard(3), {}, false).size(), 3u);
    ASSERT_EQ(l->Base.Track[0].Count(), kFull);
    const QString path = dir.filePath(QStringLiteral("full.VKP"));
    WriteProject(scene, path);
    TScene again;
    TErrorLog readLog;
    ReadProject(again, path, readLog);
    EXPECT_TRUE(again.Incomplete.isEmpty()) << again.Incomplete.toStdString();
    ASSERT_EQ(again.Layers.Count(), 1);
    EXPECT_EQ(again.Layers.At(0)->Base.Track[0].Count(), kFull);
}

} // namespace
} // namespace velkon
