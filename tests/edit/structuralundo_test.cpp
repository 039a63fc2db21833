// Undo and redo of the edits that change which layers and files exist, their
// order, names, groups and list flags, driven through the operations themselves.
#include "edit/editorstate.h"
#include "edit/import.h"
#include "edit/inspector.h"
#include "edit/layerlist.h"
#include "edit/layerops.h"
#include "engine/sounds.h"
#include "model/commands.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "project/projectfile.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <functional>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

// A project on disk: sky, sun (grouped in "kert" with sky), ball whose parent
// is sun and whose commands name sun, and a sound no command names.
class StructuralUndo : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TScene scene;
    TEditorState state{scene};
    TErrorLog log;
    TScriptedDialogs dialogs;
    TInspector inspector{state};

    void SetUp() override {
        state.Log = &log;
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"sky", "sun", "ball"})
            ASSERT_TRUE(test::WritePng(Path(QString::fromLatin1(name) + QStringLiteral(".png")), 6, 4, 6));
        ASSERT_TRUE(test::WriteWav(Path(QStringLiteral("boing.wav")), 1, 22050, 16, QByteArray(200, '\0')));
        const QString text = QStringLiteral(
            "[Project]\r\nResolution=1\r\n[Files]\r\nName1=sky.png\r\nName2=sun.png\r\nName3=ball.png\r\n"
            "Name4=boing.wav\r\n[Groups]\r\nName1=kert\r\nName2=ures\r\n-------\r\n"
            "[Image1]\r\nName=sky\r\nFileName=sky.png\r\nGroup=1\r\n"
            "[Image1_Command1_1]\r\nCommand=1\r\nsParam1=5\r\nsParam2=6\r\nsParam3=1\r\n"
            "[Image2]\r\nName=sun\r\nFileName=sun.png\r\nLeft=30\r\nGroup=1\r\n"
            "[Image3]\r\nName=ball\r\nFileName=ball.png\r\nLeft=11\r\nParent=sun\r\nItemColor=FF0000\r\n"
            "[Image3_Command1_1]\r\nCommand=1\r\nsParam1=Left(sun;0)\r\nsParam2=5\r\nsParam3=1\r\n"
            "[Image3_Command2_1]\r\nCommand=4\r\nsParam1=sun\r\n"
            "[Image3_Command2_2]\r\nCommand=4\r\nsParam1=sky\r\n"
            "[Lines]\r\nPos1=V512\r\n");
        const QString project = Path(QStringLiteral("p.VKP"));
        ASSERT_TRUE(test::WriteFile(project, text.toLatin1()));
        ReadProject(scene, project, log);
        ASSERT_EQ(scene.Layers.Count(), 3);
        ASSERT_EQ(scene.Files.Count(), 4);
        ASSERT_TRUE(scene.Files.Find(QStringLiteral("boing.wav"))->Sound);
        log.Clear();
        // The ring holds the project as opened, as it does once the user has edited anything.
        state.Undo.Record(-TUndoBuffer::kindProperty);
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    TImagesItem* Layer(const char* name) const { return scene.Layers.Find(QString::fromLatin1(name)); }
    void Select(std::initializer_list<const char*> names) {
        for (const auto& e : scene.Layers)
            e.second->Selected = false;
        for (const char* n : names)
            Layer(n)->Selected = true;
        scene.SelectedCount = static_cast<int>(names.size());
        scene.CurrentLayer = names.size() ? Layer(*names.begin()) : nullptr;
    }
    std::vector<TLayerRow> Rows() const {
        std::vector<TLayerRow> rows;
        for (int i = scene.Layers.Count() - 1; i >= 0; --i)
            if (scene.Layers.At(i)->Selected) rows.push_back(TLayerRow{-1, scene.Layers.At(i)});
        return rows;
    }

    // Everything an edit may change: the project text, the list keys, ids,
    // the files with their loaded contents, the list's own flags and the group table.
    QString Dump() const {
        QString s = ProjectText(scene);
        for (int i = 0; i < scene.Layers.Count(); ++i) {
            const TImagesItem& l = *scene.Layers.At(i);
            s += QStringLiteral("|%1 id%2 lock%3 shown%4 file%5 pic%6")
                     .arg(scene.Layers.Name(i))
                     .arg(l.Id)
                     .arg(l.Locked)
                     .arg(l.Shown)
                     .arg(reinterpret_cast<quintptr>(l.FileItem))
                     .arg(reinterpret_cast<quintptr>(l.Picture));
        }
        for (int i = 0; i < scene.Files.Count(); ++i) {
            const TFilesItem& f = *scene.Files.At(i);
            s += QStringLiteral("|%1=%2 %3 img%4 snd%5")
                     .arg(scene.Files.Name(i), f.Name)
                     .arg(reinterpret_cast<quintptr>(&f))
                     .arg(reinterpret_cast<quintptr>(f.Image.get()))
                     .arg(reinterpret_cast<quintptr>(f.Sound.get()));
        }
        for (int g = 0; g < 4; ++g) {
            const TGroupState& gs = scene.GroupStates[static_cast<size_t>(g)];
            s += QStringLiteral("|g%1 o%2 s%3 l%4").arg(g).arg(gs.Open).arg(gs.Shown).arg(gs.Locked);
        }
        return s;
    }
};

struct TCase {
    const char* What;
    const char* StepName;
    std::function<bool(StructuralUndo&)> Edit;
};

} // namespace

// Friend-free access to the fixture's members for the table below.
class StructuralUndoCases : public StructuralUndo, public ::testing::WithParamInterface<int> {
public:
    static const std::vector<TCase>& Cases();
};

const std::vector<TCase>& StructuralUndoCases::Cases() {
    using F = StructuralUndoCases;
    static const std::vector<TCase> cases = {
        {"add picture", "Réteg hozzáadás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             EXPECT_TRUE(test::WritePng(f.Path(QStringLiteral("new.png")), 3, 3, 6));
             f.Select({"sun"});
             return AddPictureFiles(f.state, f.dialogs, f.log, f.Rows(), {f.Path(QStringLiteral("new.png"))}) == 1;
         }},
        {"add sound", "Fájl hozzáadás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             EXPECT_TRUE(test::WriteWav(f.Path(QStringLiteral("ding.wav")), 1, 22050, 16, QByteArray(100, '\0')));
             f.dialogs.FilesAnswers.push_back(QStringList{f.Path(QStringLiteral("ding.wav"))});
             return AddSounds(f.state, f.dialogs, f.log) == 1;
         }},
        {"add particle", "Fájl hozzáadás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             EXPECT_TRUE(test::WriteFile(f.Path(QStringLiteral("fire.PAR")), "x"));
             f.dialogs.FilesAnswers.push_back(QStringList{f.Path(QStringLiteral("fire.PAR"))});
             return AddParticles(f.state, f.dialogs, f.log) == 1;
         }},
        {"clone", "Réteg klónozás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"ball"});
             return CloneLayers(f.state, f.dialogs, f.Rows(), false) == 1;
         }},
        {"clone with animations", "Réteg klónozás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"ball", "sky"});
             return CloneLayers(f.state, f.dialogs, f.Rows(), true) == 2;
         }},
        {"clone of a group row", "Réteg klónozás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sky", "sun"});
             std::vector<TLayerRow> rows{TLayerRow{0, nullptr}};
             for (const TLayerRow& r : f.Rows())
                 rows.push_back(r);
             return CloneLayers(f.state, f.dialogs, rows, false) == 2;
         }},
        {"delete of a layer other layers name", "Réteg törlés",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sun"});
             f.dialogs.YesNoAnswers.push_back(true);
             const bool ran = DeleteSelected(f.state, f.dialogs, f.log, f.Rows());
             // The commands naming sun and the file that left with it went too.
             EXPECT_EQ(f.Layer("ball")->Base.Track[0].Count(), 0);
             EXPECT_FALSE(f.scene.Files.Find(QStringLiteral("sun.png")));
             return ran;
         }},
        {"delete of every layer", "Réteg törlés",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sky", "sun", "ball"});
             f.dialogs.YesNoAnswers.push_back(true);
             return DeleteSelected(f.state, f.dialogs, f.log, f.Rows()) && f.scene.Layers.IsEmpty();
         }},
        {"delete of a group row only", "Csoport megszüntetés",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({});
             f.dialogs.YesNoAnswers.push_back(true);
             return DeleteSelected(f.state, f.dialogs, f.log, {TLayerRow{0, nullptr}}) &&
                    f.scene.Groups == QStringList{QStringLiteral("ures")};
         }},
        {"up", "Rétegsorrend",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sky"});
             MoveSelected(f.state, true, false, f.Rows());
             return f.scene.Layers.Name(0) != QStringLiteral("sky");
         }},
        {"down with shift", "Rétegsorrend",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"ball"});
             MoveSelected(f.state, false, true, f.Rows());
             return f.scene.Layers.Name(2) != QStringLiteral("ball");
         }},
        {"drop into a group", "Szülő beállítás egérrel",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"ball"});
             DropRows(f.state, f.dialogs, f.Rows(), TLayerRow{1, nullptr});
             return f.Layer("ball")->Group == 2;
         }},
        {"rename in the inspector", "Átnevezés",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sun"});
             f.inspector.Refresh();
             f.dialogs.TextAnswers = {QStringLiteral("nap")};
             const bool ran = f.inspector.RenameLayer(f.dialogs);
             EXPECT_EQ(f.Layer("ball")->Parent, QStringLiteral("nap"));
             EXPECT_EQ(f.Layer("ball")->Base.Track[0].Item(0)->sParam1(), QStringLiteral("Left(nap;0)"));
             return ran;
         }},
        {"batch rename", "Átnevezés",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"ball", "sky"});
             f.dialogs.TextAnswers = {QStringLiteral("1")};
             return BatchRename(f.state, f.dialogs) && f.Layer("all");
         }},
        {"group create", "Csoport létrehozás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"ball"});
             f.dialogs.TextAnswers = {QStringLiteral("labdak")};
             return CreateGroup(f.state, f.dialogs, f.Rows()) && f.scene.Groups.size() == 3;
         }},
        {"group rename", "Csoport átnevezés",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.dialogs.TextAnswers = {QStringLiteral("udvar")};
             return GroupRowClick(f.state, f.dialogs, 0, false, 0, true) &&
                    f.scene.Groups[0] == QStringLiteral("udvar");
         }},
        {"group lock", "Zárolás váltás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             return GroupRowClick(f.state, f.dialogs, 0, true, 20, false) && f.Layer("sun")->Locked;
         }},
        {"group shown", "Megjelenítés váltás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             GroupRowClick(f.state, f.dialogs, 0, true, 40, false);
             return f.scene.GroupStates[0].Shown == 0;
         }},
        {"visibility toggle on a row", "Láthatóság váltás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             const TRowToggle t = StartRowToggle(f.state, TLayerRow{-1, f.Layer("sky")}, true, false, 0);
             PaintRowToggle(f.scene, TLayerRow{-1, f.Layer("ball")}, t);
             return !f.Layer("sky")->Visible && !f.Layer("ball")->Visible;
         }},
        {"lock toggle on a row", "Zárolás váltás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             StartRowToggle(f.state, TLayerRow{-1, f.Layer("ball")}, false, true, 10);
             return f.Layer("ball")->Locked;
         }},
        {"shown toggle on a row", "Megjelenítés váltás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             StartRowToggle(f.state, TLayerRow{-1, f.Layer("ball")}, false, true, 40);
             return !f.Layer("ball")->Shown;
         }},
        {"L locks all but the current", "Zárolás váltás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sun"});
             return LockAllButCurrent(f.state);
         }},
        {"colour", "Szín beállítás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sky", "ball"});
             SetRowsColor(f.state, f.Rows(), 0x00FF00);
             return f.Layer("sky")->ItemColor == 0x00FF00u;
         }},
        {"check out all", "Láthatóság váltás",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.Select({"sky", "ball"});
             SetSelectedVisible(f.state, false);
             return !f.Layer("sky")->Visible;
         }},
        {"import", "Import",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             QDir(f.dir.path()).mkdir(QStringLiteral("src"));
             const QString src = f.Path(QStringLiteral("src"));
             EXPECT_TRUE(test::WritePng(src + QStringLiteral("/moon.png"), 5, 5, 6));
             EXPECT_TRUE(test::WriteFile(
                 src + QStringLiteral("/src.VKP"),
                 "[Files]\r\nName1=moon.png\r\nName2=ball.png\r\n[Image1]\r\nName=moon\r\nFileName=moon.png\r\n"
                 "Parent=ball\r\n[Image1_Command1_1]\r\nCommand=1\r\nsParam1=Left(ball;0)\r\n"
                 "[Image2]\r\nName=ball\r\nFileName=moon.png\r\n"));
             f.dialogs.FileAnswers.push_back(src + QStringLiteral("/src.VKP"));
             return ImportFromProject(f.state, f.dialogs, f.log, [](const QStringList&) {
                        return std::optional<std::vector<int>>(std::vector<int>{0, 1});
                    }) &&
                    f.scene.Layers.Count() == 5;
         }},
        {"delete of a resource file", "Fájl törlés",
         [](StructuralUndo& b) {
             auto& f = static_cast<F&>(b);
             f.dialogs.YesNoAnswers.push_back(true);
             return DeleteFile(f.state, f.dialogs, f.scene.Files.IndexOf(QStringLiteral("boing.wav"))) &&
                    !f.scene.Files.Find(QStringLiteral("boing.wav"));
         }},
    };
    return cases;
}

TEST_P(StructuralUndoCases, OneStepUndoneAndRedoneWhole) {
    const TCase& c = Cases()[static_cast<size_t>(GetParam())];
    SCOPED_TRACE(c.What);
    const QString before = Dump();
    const int top = state.Undo.Top();
    ASSERT_TRUE(c.Edit(*this));
    const QString after = Dump();
    ASSERT_NE(after, before) << "the edit changed nothing";
    EXPECT_EQ(state.Undo.Top(), top + 1) << "one step";
    EXPECT_EQ(log.UndoName, QString::fromUtf8(c.StepName));
    EXPECT_FALSE(log.Lines().contains(QStringLiteral("UNDO PUFFER TÖRÖLVE!")));
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(state.Undo.Undo());
        EXPECT_EQ(Dump(), before);
        ASSERT_TRUE(state.Undo.Redo());
        EXPECT_EQ(Dump(), after);
    }
    // Nothing left points at a layer the undo took away.
    ASSERT_TRUE(state.Undo.Undo());
    EXPECT_TRUE(!scene.CurrentLayer || scene.Layers.IndexOf(scene.CurrentLayer) >= 0);
}

INSTANTIATE_TEST_SUITE_P(Edits, StructuralUndoCases,
                         ::testing::Range(0, static_cast<int>(StructuralUndoCases::Cases().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name;
                             for (const char ch : std::string(StructuralUndoCases::Cases()[static_cast<size_t>(
                                                                  info.param)].What))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             return name;
                         });

TEST_F(StructuralUndo, ADeletedLayersPictureComesBackWithoutReadingTheFile) {
    const TFilesItem* sunFile = scene.Files.Find(QStringLiteral("sun.png"));
    const TPicture* picture = Layer("sun")->Picture;
    ASSERT_TRUE(picture);
    Select({"sun"});
    dialogs.YesNoAnswers.push_back(true);
    ASSERT_TRUE(DeleteSelected(state, dialogs, log, Rows()));
    ASSERT_FALSE(scene.Files.Find(QStringLiteral("sun.png")));
    ASSERT_TRUE(QFile::remove(Path(QStringLiteral("sun.png")))) << "no file to read again";
    state.Undo.Undo();
    ASSERT_TRUE(Layer("sun"));
    EXPECT_EQ(scene.Layers.IndexOf(Layer("sun")), 1) << "back at its place";
    EXPECT_EQ(scene.Files.Find(QStringLiteral("sun.png")), sunFile);
    EXPECT_EQ(Layer("sun")->Picture, picture);
    EXPECT_EQ(Layer("sun")->FileItem, sunFile);
    EXPECT_EQ(Layer("ball")->Base.Track[0].Item(0)->sParam1(), QStringLiteral("Left(sun;0)"));
    EXPECT_EQ(Layer("ball")->TrackByNumber(2).Count(), 2);
    EXPECT_EQ(Layer("ball")->TrackByNumber(2).Item(0)->sParam1(), QStringLiteral("sun"));
}

TEST_F(StructuralUndo, ARingWrappedPastItsSizeByDeletesAndClonesStaysConsistent) {
    // 300 steps that clone ball and delete the clone in turn, wrapping the ring.
    std::vector<QString> dumps{Dump()};
    for (int i = 0; i < 300; ++i) {
        if (i % 2 == 0) {
            Select({"ball"});
            ASSERT_EQ(CloneLayers(state, dialogs, Rows(), true), 1);
        } else {
            dialogs.YesNoAnswers.push_back(true);
            ASSERT_TRUE(DeleteSelected(state, dialogs, log, Rows())); // the clone is the selected one
        }
        dumps.push_back(Dump());
    }
    // The ring holds 254 steps back from the newest state.
    for (int i = 1; i <= 254; ++i) {
        ASSERT_TRUE(state.Undo.Undo());
        ASSERT_EQ(Dump(), dumps[dumps.size() - 1 - static_cast<size_t>(i)]) << "undo " << i;
    }
    const QString oldest = Dump();
    state.Undo.Undo();
    EXPECT_EQ(Dump(), oldest) << "past the oldest step nothing changes";
    for (int i = 253; i >= 0; --i) {
        ASSERT_TRUE(state.Undo.Redo());
        ASSERT_EQ(Dump(), dumps[dumps.size() - 1 - static_cast<size_t>(i)]) << "redo to " << i;
    }
}

TEST_F(StructuralUndo, TheSoundManagerLetsGoOfASoundAnUndoRemovesAndTakesItBack) {
    const QString wav = Path(QStringLiteral("ding.wav"));
    ASSERT_TRUE(test::WriteWav(wav, 1, 22050, 16, QByteArray(100, '\0')));
    dialogs.FilesAnswers.push_back(QStringList{wav});
    ASSERT_EQ(AddSounds(state, dialogs, log), 1);
    const TSnd* ding = scene.Files.Find(QStringLiteral("ding.wav"))->Sound.get();
    ASSERT_TRUE(ding);
    auto known = [&] {
        const std::vector<TSnd*>& all = SceneSounds(scene).Sounds();
        return std::count(all.begin(), all.end(), ding);
    };
    ASSERT_EQ(known(), 1);
    for (int round = 0; round < 2; ++round) {
        state.Undo.Undo();
        EXPECT_FALSE(scene.Files.Find(QStringLiteral("ding.wav")));
        EXPECT_EQ(known(), 0) << "the ring alone holds it now";
        state.Undo.Redo();
        ASSERT_TRUE(scene.Files.Find(QStringLiteral("ding.wav")));
        EXPECT_EQ(scene.Files.Find(QStringLiteral("ding.wav"))->Sound.get(), ding) << "not loaded again";
        EXPECT_EQ(known(), 1);
    }
}
