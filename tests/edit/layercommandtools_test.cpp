#include "support/testsupport.h"

#include "edit/editorstate.h"
#include "edit/layercommandtools.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"

#include <gtest/gtest.h>

namespace velkon {
namespace {

class LayerToolsTest : public ::testing::Test {
protected:
    TScene scene;
    TErrorLog log;
    TEditorState state{scene};
    TScriptedDialogs dialogs;

    void SetUp() override { state.Log = &log; }

    TImagesItem* AddLayer(const QString& name, bool selected) {
        auto layer = std::make_unique<TImagesItem>();
        layer->Name = name;
        layer->Selected = selected;
        TImagesItem* l = scene.Layers.Add(name, std::move(layer));
        if (selected) ++scene.SelectedCount;
        return l;
    }
    static TCommandItem* Add(TCommands& track, int command, const QString& p1, const QString& p2 = {},
                             const QString& p3 = {}) {
        return track.Add(std::make_unique<TCommandItem>(command, p1, p2, p3));
    }
    // "name(p1;p2;p3)" for every command of a track.
    static QStringList Texts(const TCommands& track) {
        QStringList out;
        for (int i = 0; i < track.Count(); ++i) {
            const TCommandItem* c = track.Item(i);
            out << QStringLiteral("%1(%2;%3;%4)")
                       .arg(track.Name(i), c->sParam1(), c->sParam2(), c->sParam3());
        }
        return out;
    }
};

TEST_F(LayerToolsTest, ClipboardMakerWritesOneCommandPerSelectedLayer) {
    AddLayer(QStringLiteral("a"), true);
    AddLayer(QStringLiteral("skip"), false);
    AddLayer(QStringLiteral("b"), true);
    AddLayer(QStringLiteral("c"), true);
    const std::optional<QString> text = LayerCommandsClipboard(scene, 9);
    ASSERT_TRUE(text);
    const QStringList expected{QStringLiteral("VKP Clipboard"),
                               QStringLiteral("3"),
                               QStringLiteral("x=0y=0w=0h=0a=0"),
                               QStringLiteral("9"),
                               QStringLiteral("a"),
                               QString(),
                               QString(),
                               QStringLiteral("9"),
                               QStringLiteral("b"),
                               QString(),
                               QString(),
                               QStringLiteral("9"),
                               QStringLiteral("c"),
                               QString(),
                               QString(),
                               QString()};
    EXPECT_EQ(text->split(QStringLiteral("\r\n")), expected); // the last CR LF ends the text
}

TEST_F(LayerToolsTest, ClipboardMakerWithoutSelectionGivesNothing) {
    AddLayer(QStringLiteral("a"), false);
    EXPECT_EQ(LayerCommandsClipboard(scene, 8), std::nullopt);
}

TEST_F(LayerToolsTest, PasteReadsEveryClipboardFormOrRefusesItWhole) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    const QString refusal = QStringLiteral("Nem megfeleő vágólap formátum!");
    struct Case {
        const char* text;
        QStringList pasted; // what track 1 holds afterwards
        bool refused;       // the refusal message was shown
    } cases[] = {
        {"VKP Clipboard\r\n2\r\nx=1y=2w=3h=4a=5\r\n1\r\n10\r\n20\r\n1\r\n11\r\nball\r\n\r\n\r\n",
         {"MoveTo(10;20;1)", "StartOther(ball;;)"}, false},
        {"VKP Clipboard\n1\nx=0y=0w=0h=0a=0\n8\na\n\n", {"Show(a;;)"}, false}, // LF only, last line bare
        {"VKP Clipboard\r\n0\r\n", {}, false},
        {"vkp clipboard\r\n1\r\nx\r\n8\r\na\r\n\r\n\r\n", {}, false},
        {"", {}, false},
        {"VKP Clipboard\r\n2\r\nx\r\n8\r\na\r\n\r\n\r\n", {}, true},  // cut short
        {"VKP Clipboard\r\n1\r\nx\r\n99\r\na\r\n\r\n\r\n", {}, true}, // no such command
        {"VKP Clipboard\r\n-1\r\nx\r\n", {}, true},
        {"VKP Clipboard\r\nsok\r\nx\r\n", {}, true},
        {"VKP Clipboard\r\n2147483647\r\nx\r\n8\r\na\r\n\r\n\r\n", {}, true},
    };
    for (const Case& c : cases) {
        a->Base.Track[0].Clear();
        dialogs.Messages.clear();
        PasteIntoSelectedLayers(state, dialogs, QString::fromUtf8(c.text), 1);
        EXPECT_EQ(Texts(a->Base.Track[0]), c.pasted) << c.text;
        EXPECT_EQ(dialogs.Messages, c.refused ? QStringList{refusal} : QStringList{}) << c.text;
    }
}

TEST_F(LayerToolsTest, PasteAppendsToTheShownTabOfEachActiveAnimation) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    TImagesItem* b = AddLayer(QStringLiteral("b"), true);
    TImagesItem* off = AddLayer(QStringLiteral("off"), false);
    b->SelectAnimation(TImagesItem::animTouch2);
    Add(a->Base.Track[1], 13, QStringLiteral("0"));
    const QString clip = QStringLiteral("VKP Clipboard\r\n2\r\nx=1y=2w=3h=4a=5\r\n8\r\nball\r\n\r\n\r\n"
                                        "1\r\n10\r\n20\r\n1,5\r\n");
    ASSERT_TRUE(PasteIntoSelectedLayers(state, dialogs, clip, 2));
    EXPECT_EQ(Texts(a->Base.Track[1]),
              (QStringList{QStringLiteral("FadeTo(0;;)"), QStringLiteral("Show(ball;;)"),
                           QStringLiteral("MoveTo(10;20;1,5)")}));
    EXPECT_EQ(Texts(b->Touch2.Track[1]),
              (QStringList{QStringLiteral("Show(ball;;)"), QStringLiteral("MoveTo(10;20;1,5)")}));
    EXPECT_TRUE(b->Base.Track[1].IsEmpty());
    EXPECT_TRUE(off->Base.Track[1].IsEmpty());
    EXPECT_EQ(log.UndoName, QStringLiteral("Rétegekhez parancs beillesztés"));
    EXPECT_FALSE(scene.Saved);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(LayerToolsTest, PasteRefusals) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    // No text: the message; a count of 0 or another text: silence; a broken one: the message.
    EXPECT_FALSE(PasteIntoSelectedLayers(state, dialogs, std::nullopt, 1));
    EXPECT_FALSE(PasteIntoSelectedLayers(state, dialogs, QStringLiteral("VKP Clipboard\r\n0\r\n"), 1));
    EXPECT_FALSE(PasteIntoSelectedLayers(state, dialogs, QStringLiteral("hello"), 1));
    EXPECT_FALSE(PasteIntoSelectedLayers(state, dialogs,
                                         QStringLiteral("VKP Clipboard\r\n3\r\nx\r\n8\r\na\r\n\r\n\r\n"), 1));
    EXPECT_EQ(dialogs.Messages, (QStringList{QStringLiteral("Nem megfeleő vágólap formátum!"),
                                             QStringLiteral("Nem megfeleő vágólap formátum!")}));
    EXPECT_TRUE(a->Base.Track[0].IsEmpty());
    EXPECT_EQ(state.Undo.Top(), 0);
    EXPECT_TRUE(scene.Saved);
    // Without a selected layer nothing is even looked at.
    a->Selected = false;
    dialogs.Messages.clear();
    EXPECT_FALSE(PasteIntoSelectedLayers(state, dialogs, std::nullopt, 1));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(LayerToolsTest, CopyAndMoveBetweenAnimations) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    TImagesItem* off = AddLayer(QStringLiteral("off"), false);
    Add(a->Base.Track[0], 1, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    Add(a->Base.Track[1], 4, QStringLiteral("90"));
    Add(a->Touch1.Track[0], 6, QStringLiteral("5"));
    Add(off->Base.Track[0], 3, QStringLiteral("0"));
    // Copy of tab 1 only: the Base track stays, Touch1 gets it at its end.
    ASSERT_TRUE(CopyLayerCommands(scene, dialogs, 1, false, TImagesItem::animBase, TImagesItem::animTouch1));
    EXPECT_EQ(Texts(a->Touch1.Track[0]),
              (QStringList{QStringLiteral("Wait(5;;)"), QStringLiteral("MoveTo(1;2;3)")}));
    EXPECT_EQ(a->Base.Track[0].Count(), 1);
    EXPECT_TRUE(a->Touch1.Track[1].IsEmpty());
    EXPECT_NE(a->Touch1.Track[0].Item(1), a->Base.Track[0].Item(0));
    // Move of all tabs to Touch3: the Base tracks are emptied.
    ASSERT_TRUE(CopyLayerCommands(scene, dialogs, 0, true, TImagesItem::animBase, TImagesItem::animTouch3));
    EXPECT_EQ(Texts(a->Touch3.Track[0]), QStringList{QStringLiteral("MoveTo(1;2;3)")});
    EXPECT_EQ(Texts(a->Touch3.Track[1]), QStringList{QStringLiteral("Rotate(90;;)")});
    EXPECT_TRUE(a->Base.Track[0].IsEmpty());
    EXPECT_TRUE(a->Base.Track[1].IsEmpty());
    EXPECT_EQ(off->Base.Track[0].Count(), 1);
    EXPECT_TRUE(off->Touch3.Track[0].IsEmpty());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(LayerToolsTest, CopyOrMoveMarksTheProjectModifiedOnlyWhenCommandsWent) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    for (const bool move : {false, true}) {
        SCOPED_TRACE(move ? "move" : "copy");
        a->Touch2.Track[1].Clear();
        scene.Saved = true;
        // Nothing in the source tracks: nothing changes.
        ASSERT_TRUE(
            CopyLayerCommands(scene, dialogs, 0, move, TImagesItem::animTouch1, TImagesItem::animTouch2));
        EXPECT_TRUE(scene.Saved);
        Add(a->Touch1.Track[1], 6, QStringLiteral("1"));
        ASSERT_TRUE(
            CopyLayerCommands(scene, dialogs, 0, move, TImagesItem::animTouch1, TImagesItem::animTouch2));
        EXPECT_EQ(a->Touch2.Track[1].Count(), 1);
        EXPECT_FALSE(scene.Saved);
        a->Touch1.Track[1].Clear();
    }
}

TEST_F(LayerToolsTest, CopyOntoItselfIsRefused) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    Add(a->Touch2.Track[0], 1, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_FALSE(CopyLayerCommands(scene, dialogs, 0, false, 2, 2));
    EXPECT_EQ(dialogs.Messages,
              QStringList{QStringLiteral("A forrás és a cél animáció azonos (Honnan: és Hova:)!")});
    EXPECT_EQ(a->Touch2.Track[0].Count(), 1);
}

TEST_F(LayerToolsTest, DeleteByTabAndAnimation) {
    struct Case {
        int tabs;
        bool every;
        int animSelect;
        QString left; // which of the 12 tracks keep their command
    } cases[] = {
        {0, true, 0, QStringLiteral("............")},
        {2, true, 0, QStringLiteral("x.xx.xx.xx.x")},
        {0, false, 2, QStringLiteral("xxxxxx...xxx")},
        {3, false, 0, QStringLiteral("xx.xxxxxxxxx")},
    };
    for (const Case& c : cases) {
        TScene s;
        TEditorState st{s};
        auto layer = std::make_unique<TImagesItem>();
        layer->Selected = true;
        TImagesItem* l = s.Layers.Add(QStringLiteral("a"), std::move(layer));
        TImagesItem* off = s.Layers.Add(QStringLiteral("b"), std::make_unique<TImagesItem>());
        for (int t = 1; t <= 12; ++t) {
            Add(l->TrackByNumber(t), 3, QStringLiteral("0"));
            Add(off->TrackByNumber(t), 3, QStringLiteral("0"));
        }
        st.AnimSelect = c.animSelect;
        DeleteLayerCommands(st, c.tabs, c.every);
        QString left;
        for (int t = 1; t <= 12; ++t) {
            left += l->TrackByNumber(t).IsEmpty() ? QLatin1Char('.') : QLatin1Char('x');
            EXPECT_EQ(off->TrackByNumber(t).Count(), 1);
        }
        EXPECT_EQ(left, c.left) << c.tabs << c.every << c.animSelect;
        EXPECT_EQ(st.Undo.Top(), 1);
        EXPECT_FALSE(s.Saved);
    }
}

TEST_F(LayerToolsTest, TranspositionByOffsetShiftsLayersKeyFramesAndMoves) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    TImagesItem* off = AddLayer(QStringLiteral("off"), false);
    a->Left = 100.5;
    a->Top = 20;
    a->OrigoX = 4;
    a->OrigoY = 6;
    Add(a->Base.Track[0], 18, QStringLiteral("x=100y=50w=64h=64a=0f=255"), QStringLiteral("1"));
    Add(a->Touch3.Track[0], 18, QStringLiteral("x=1y=2w=3h=4a=5"), QStringLiteral("1"));
    Add(a->Base.Track[0], 1, QStringLiteral("7,6"), QStringLiteral("-3"), QStringLiteral("1"));
    Add(a->Touch1.Track[0], 1, QStringLiteral("Left(b;0)"), QStringLiteral("8"), QStringLiteral("1"));
    Add(a->Base.Track[1], 18, QStringLiteral("x=1y=2w=3h=4a=5"), QStringLiteral("1"));
    Add(a->Base.Track[2], 1, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"));
    Add(off->Base.Track[0], 18, QStringLiteral("x=1y=2w=3h=4a=5"), QStringLiteral("1"));
    TransposeLayers(state, 10, -5, true);
    EXPECT_EQ(a->Left, 110); // round(110.5): halves to even
    EXPECT_EQ(a->Top, 15);
    EXPECT_EQ(a->OrigoX, -6);
    EXPECT_EQ(a->OrigoY, 11);
    EXPECT_EQ(Texts(a->Base.Track[0]), (QStringList{QStringLiteral("KeyFrame(x=110y=45w=64h=64a=0f=255;1;)"),
                                                    QStringLiteral("MoveTo(18;-8;1)")}));
    EXPECT_EQ(Texts(a->Touch3.Track[0]), QStringList{QStringLiteral("KeyFrame(x=11y=-3w=3h=4a=5;1;)")});
    // A parameter function keeps naming its layer; the plain number beside it moves.
    EXPECT_EQ(Texts(a->Touch1.Track[0]), QStringList{QStringLiteral("MoveTo(Left(b;0);3;1)")});
    EXPECT_EQ(Texts(a->Base.Track[1]), QStringList{QStringLiteral("KeyFrame(x=1y=2w=3h=4a=5;1;)")});
    EXPECT_EQ(Texts(a->Base.Track[2]), QStringList{QStringLiteral("MoveTo(1;1;1)")});
    EXPECT_EQ(Texts(off->Base.Track[0]), QStringList{QStringLiteral("KeyFrame(x=1y=2w=3h=4a=5;1;)")});
    EXPECT_EQ(log.UndoName, QStringLiteral("Rétegek transzponálása"));
    EXPECT_FALSE(scene.Saved);
}

TEST_F(LayerToolsTest, TranspositionWithoutOriginKeepsIt) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    a->OrigoX = 4;
    TransposeLayers(state, 10, -5, false);
    EXPECT_EQ(a->OrigoX, 4);
    EXPECT_EQ(a->Left, 10);
}

TEST_F(LayerToolsTest, BrokenKeyFrameIsAnErrorAndEarlierRewritesStay) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    Add(a->Base.Track[0], 18, QStringLiteral("x=1y=2w=3h=4a=5"));
    Add(a->Base.Track[0], 18, QStringLiteral("x=ay=2w=3h=4a=5"));
    EXPECT_THROW(TransposeLayers(state, 1, 1, false), EVelkonError);
    EXPECT_EQ(a->Base.Track[0].Item(0)->sParam1(), QStringLiteral("x=2y=3w=3h=4a=5"));
    EXPECT_EQ(state.Undo.Top(), 1); // undo brings the whole step back
}

TEST_F(LayerToolsTest, PointTranspositionFirstSwitchesTheModeOnThenApplies) {
    TImagesItem* a = AddLayer(QStringLiteral("a"), true);
    a->Left = 10;
    a->Top = 10;
    a->OrigoX = 3;
    Add(a->Base.Track[0], 18, QStringLiteral("x=10y=10w=3h=4a=5f=9"));
    Add(a->Base.Track[0], 1, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    state.ToolPoint(-1).X = 100;
    state.ToolPoint(-1).Y = 200;
    EXPECT_FALSE(TransposeToPoint(state));
    EXPECT_EQ(state.ToolMode, TToolMode::Transpose);
    EXPECT_EQ(state.ToolCount, 1);
    EXPECT_EQ(state.ToolPoint(1).X, 120);
    EXPECT_EQ(state.ToolPoint(1).Y, 200);
    EXPECT_EQ(state.ToolPoint(1).Color, 0u);
    EXPECT_EQ(a->Left, 10);
    EXPECT_EQ(state.Undo.Top(), 0);
    // The user drags the point; the second use moves by point minus origin.
    state.ToolPoint(1).X = 130.5;
    state.ToolPoint(1).Y = 190;
    EXPECT_TRUE(TransposeToPoint(state));
    EXPECT_EQ(a->Left, 40); // round(40.5)
    EXPECT_EQ(a->Top, 0);
    EXPECT_EQ(a->OrigoX, 3);
    EXPECT_EQ(Texts(a->Base.Track[0]), (QStringList{QStringLiteral("KeyFrame(x=40y=0w=3h=4a=5f=9;;)"),
                                                    QStringLiteral("MoveTo(1;2;3)")}));
    EXPECT_EQ(state.ToolMode, TToolMode::None);
    EXPECT_EQ(state.ToolCount, 0);
    EXPECT_EQ(log.UndoName, QStringLiteral("Rétegek transzponálása"));
}

TEST_F(LayerToolsTest, PointMenuSwitchesAKeyframeToolOffFirst) {
    state.ToolMode = TToolMode::Curve;
    state.ToolCount = 4;
    ToggleTransposePoint(state);
    EXPECT_EQ(state.ToolMode, TToolMode::None);
    EXPECT_EQ(state.ToolCount, 0);
    ToggleTransposePoint(state);
    EXPECT_EQ(state.ToolMode, TToolMode::Transpose);
}

} // namespace
} // namespace velkon
