#include "edit/editorstate.h"
#include "model/commanddesc.h"
#include "edit/layerlist.h"
#include "edit/selection.h"
#include "edit/linebreaks.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"

#include <gtest/gtest.h>

using namespace velkon;

namespace {

// A scene whose layers stand on file items named after them (no pictures).
struct TListFixture {
    TScene Scene;
    TEditorState State{Scene};
    TErrorLog Log;
    TScriptedDialogs Dialogs;
    TListFixture() { State.Log = &Log; }

    // Layers in list order (the first is the bottommost).
    TImagesItem* Add(const QString& name, int group = 0) {
        TFilesItem* file = Scene.Files.Find(name + ".png");
        if (!file) {
            auto item = std::make_unique<TFilesItem>();
            item->Name = name + ".png";
            file = Scene.AddFile(std::move(item));
        }
        TImagesItem* l = Scene.AddLayer(file);
        l->Group = group;
        return l;
    }
    TImagesItem* L(const QString& name) const { return Scene.Layers.Find(name); }
    // Rows as "G:name" / "L:name" captions, top to bottom.
    QStringList Rows() {
        QStringList out;
        for (const TLayerRow& r : RefreshList(Scene))
            out << (r.IsGroup() ? "G:" : "L:") + LayerRowText(Scene, r, colName).trimmed();
        return out;
    }
    QStringList Order() const {
        QStringList out;
        for (int i = 0; i < Scene.Layers.Count(); ++i)
            out << Scene.Layers.Name(i);
        return out;
    }
    TLayerRow Row(TImagesItem* l) { return TLayerRow{-1, l}; }
    TLayerRow GroupRow(int g) { return TLayerRow{g, nullptr}; }
};

} // namespace

TEST(LayerList, EmptyGroupComesFirstWithoutSubItemsAndMembersCountUnderTheFileColumn) {
    TListFixture f;
    f.Scene.Groups << "Ures"
                   << "Autok";
    f.Scene.GroupStates[1].Open = 1;
    f.Add("a");
    f.Add("car", 2);
    f.Add("wheel", 2);
    const std::vector<TLayerRow> rows = RefreshList(f.Scene);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(LayerRowText(f.Scene, rows[0], colName), "Ures");
    for (int c = colStatus; c < LayerColumnCount; ++c)
        EXPECT_EQ(LayerRowText(f.Scene, rows[0], c), "") << c;
    EXPECT_EQ(LayerRowText(f.Scene, rows[1], colName), "Autok");
    EXPECT_EQ(LayerRowText(f.Scene, rows[1], colFileName), "2 elem");
    EXPECT_EQ(LayerRowText(f.Scene, rows[1], colStatus), "");
    EXPECT_EQ(LayerRowText(f.Scene, rows[2], colName), "     wheel");
    EXPECT_EQ(LayerRowText(f.Scene, rows[3], colName), "     car");
    EXPECT_EQ(LayerRowText(f.Scene, rows[4], colName), "a");
    EXPECT_EQ(f.Scene.GroupStates[1].HeaderRow, 1);
    EXPECT_EQ(f.Scene.GroupStates[0].HeaderRow, -1);
    EXPECT_EQ(f.Scene.GroupStates[1].MemberCount, 2);
}

TEST(LayerList, LayerRowTextsShowLockFileSizeAndUsage) {
    TListFixture f;
    TImagesItem* ball = f.Add("ball");
    TImagesItem* other = f.Add("other");
    ball->Locked = true;
    other->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, "ball", "Left(ball;0)", "ball"));
    const std::vector<TLayerRow> rows = RefreshList(f.Scene);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(LayerRowText(f.Scene, rows[1], colStatus), "X");
    EXPECT_EQ(LayerRowText(f.Scene, rows[1], colFileName), "ball.png");
    EXPECT_EQ(LayerRowText(f.Scene, rows[1], colWidth), "0");
    EXPECT_EQ(LayerRowText(f.Scene, rows[1], colUsage), "2"); // exact matches only
    EXPECT_EQ(LayerRowText(f.Scene, rows[0], colUsage), "0");
}

TEST(LayerList, SelectedMemberOfAClosedGroupOpensItAtTheRebuild) {
    TListFixture f;
    f.Scene.Groups << "g";
    f.Add("a", 1);
    TImagesItem* b = f.Add("b", 1);
    EXPECT_EQ(f.Rows(), (QStringList{"G:g"}));
    b->Selected = true;
    EXPECT_EQ(f.Rows(), (QStringList{"G:g", "L:b", "L:a"}));
    EXPECT_EQ(f.Scene.GroupStates[0].Open, 1);
}

TEST(LayerList, MembersGatherBelowTheirTopmostMember) {
    TListFixture f;
    f.Scene.Groups << "g";
    f.Scene.GroupStates[0].Open = 1;
    f.Add("m1", 1);
    f.Add("x");
    f.Add("m2", 1);
    f.Add("y");
    EXPECT_EQ(f.Rows(), (QStringList{"L:y", "G:g", "L:m2", "L:m1", "L:x"}));
    EXPECT_EQ(f.Order(), (QStringList{"x", "m1", "m2", "y"}));
}

TEST(LayerList, ListStateTellsParentAndChildIgnoringCase) {
    TListFixture f;
    TImagesItem* a = f.Add("Body");
    TImagesItem* b = f.Add("arm");
    TImagesItem* c = f.Add("hand");
    TImagesItem* d = f.Add("lone");
    b->Parent = "body";
    c->Parent = "arm";
    f.Rows();
    EXPECT_EQ(a->ListState, 1);
    EXPECT_EQ(b->ListState, 3);
    EXPECT_EQ(c->ListState, 2);
    EXPECT_EQ(d->ListState, 0);
}

TEST(LayerList, SelectionFromRowsSelectsGroupMembersAndOneLayerIsCurrent) {
    TListFixture f;
    f.Scene.Groups << "g";
    TImagesItem* a = f.Add("a", 1);
    TImagesItem* b = f.Add("b", 1);
    TImagesItem* c = f.Add("c");
    c->Selected = true;
    SelectFromRows(f.Scene, {f.GroupRow(0)});
    EXPECT_TRUE(a->Selected && b->Selected);
    EXPECT_FALSE(c->Selected);
    EXPECT_EQ(f.Scene.SelectedCount, 2);
    EXPECT_EQ(f.Scene.CurrentLayer, nullptr);
    SelectFromRows(f.Scene, {f.Row(c)});
    EXPECT_EQ(f.Scene.CurrentLayer, c);
    EXPECT_FALSE(a->Selected);
}

// One layer picked (a click beside the canvas, the photo, a panel): with group
// editing its children come along, yet the picked layer is the current one and
// the common origin moves to a lone layer's origin.
TEST(LayerList, SelectSingleLayerBringsItsSubTreeAndKeepsItCurrent) {
    TListFixture f;
    TImagesItem* car = f.Add("car");
    TImagesItem* wheel = f.Add("wheel");
    TImagesItem* other = f.Add("other");
    wheel->Parent = "car";
    other->Left = 100;
    other->OrigoX = 5;
    other->Selected = true;
    f.State.SkeltonDown = true;
    SelectSingleLayer(f.State, car);
    EXPECT_TRUE(car->Selected && wheel->Selected);
    EXPECT_FALSE(other->Selected);
    EXPECT_EQ(f.Scene.SelectedCount, 2);
    EXPECT_EQ(f.Scene.CurrentLayer, car);
    f.State.SkeltonDown = false;
    SelectSingleLayer(f.State, other);
    EXPECT_EQ(f.Scene.SelectedCount, 1);
    EXPECT_EQ(f.Scene.CurrentLayer, other);
    EXPECT_EQ(f.State.ToolPoint(-1).X, 105.0);
    SelectSingleLayer(f.State, nullptr);
    EXPECT_EQ(f.Scene.SelectedCount, 0);
    EXPECT_EQ(f.Scene.CurrentLayer, nullptr);
    EXPECT_FALSE(car->Selected || wheel->Selected);
}

TEST(LayerList, GroupRowStaysSelectedThroughRebuildsUntilAMemberIsDeselected) {
    TListFixture f;
    f.Scene.Groups << "g"
                   << "empty";
    TImagesItem* a = f.Add("a", 1);
    TImagesItem* b = f.Add("b", 1);
    TImagesItem* c = f.Add("c");
    SelectFromRows(f.Scene, {f.GroupRow(0), f.GroupRow(1)});
    RecomputeSelection(f.State);
    f.Rows(); // a rebuild
    EXPECT_TRUE(RowSelected(f.Scene, f.GroupRow(0)));
    EXPECT_TRUE(RowSelected(f.Scene, f.GroupRow(1))) << "an empty group's row stays selected too";
    EXPECT_TRUE(RowSelected(f.Scene, f.Row(a)) && RowSelected(f.Scene, f.Row(b)));
    EXPECT_FALSE(RowSelected(f.Scene, f.Row(c)));

    // A member deselected elsewhere (the canvas's Shift-click) takes its group row's selection.
    b->Selected = false;
    RecomputeSelection(f.State);
    EXPECT_FALSE(RowSelected(f.Scene, f.GroupRow(0)));
    EXPECT_TRUE(RowSelected(f.Scene, f.GroupRow(1)));
    b->Selected = true;
    RecomputeSelection(f.State);
    EXPECT_FALSE(RowSelected(f.Scene, f.GroupRow(0))) << "the member's return does not bring the row back";

    // A new selection from the list or the canvas starts afresh.
    SelectFromRows(f.Scene, {f.Row(c)});
    EXPECT_FALSE(RowSelected(f.Scene, f.GroupRow(1)));
    SelectFromRows(f.Scene, {f.GroupRow(1)});
    SelectNoLayer(f.Scene);
    EXPECT_FALSE(RowSelected(f.Scene, f.GroupRow(1)));
}

TEST(LayerList, OneGroupIsSelectedOnlyWithNothingButItsOwnMembers) {
    TListFixture f;
    f.Scene.Groups << "g"
                   << "h";
    TImagesItem* a = f.Add("a", 1);
    TImagesItem* b = f.Add("b", 1);
    TImagesItem* c = f.Add("c");
    TImagesItem* d = f.Add("d", 2);
    const struct {
        std::vector<TLayerRow> rows;
        int group;
    } cases[] = {
        {{f.GroupRow(0)}, 0},
        {{f.GroupRow(0), f.Row(b), f.Row(a)}, 0},
        {{f.GroupRow(1), f.Row(d)}, 1},
        {{f.GroupRow(0), f.Row(a), f.Row(c)}, -1},
        {{f.GroupRow(0), f.GroupRow(1)}, -1},
        {{f.Row(a)}, -1},
        {{}, -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(SelectedGroupOnly(cases[i].rows), cases[i].group) << "case " << i;
}

TEST(LayerList, GroupRowClicksToggleOpenLockShownAndRename) {
    TListFixture f;
    f.Scene.Groups << "g";
    TImagesItem* a = f.Add("a", 1);
    TGroupState& s = f.Scene.GroupStates[0];
    GroupRowClick(f.State, f.Dialogs, 0, true, 5, false);
    EXPECT_EQ(s.Open, 1);
    GroupRowClick(f.State, f.Dialogs, 0, true, 25, false);
    EXPECT_EQ(s.Locked, 1);
    EXPECT_TRUE(a->Locked);
    GroupRowClick(f.State, f.Dialogs, 0, true, 40, false);
    EXPECT_EQ(s.Shown, 0);
    EXPECT_FALSE(a->Shown);
    f.Dialogs.TextAnswers.push_back(QString("Uj"));
    GroupRowClick(f.State, f.Dialogs, 0, false, -50, true);
    EXPECT_EQ(f.Scene.Groups[0], "Uj");
    EXPECT_EQ(f.Dialogs.Asked.back(), "input:Csoport név változtatása|Új név|g");
}

TEST(LayerList, ToggleStartedOnARowPaintsOverOthersAndGroups) {
    TListFixture f;
    f.Scene.Groups << "g";
    TImagesItem* a = f.Add("a");
    TImagesItem* b = f.Add("b");
    TImagesItem* m = f.Add("m", 1);
    const TRowToggle vis = StartRowToggle(f.State, f.Row(a), true, false, 0);
    EXPECT_EQ(vis.Kind, TRowToggle::visibility);
    EXPECT_FALSE(a->Visible);
    EXPECT_TRUE(PaintRowToggle(f.Scene, f.Row(b), vis));
    EXPECT_FALSE(b->Visible);
    EXPECT_FALSE(PaintRowToggle(f.Scene, f.GroupRow(0), vis)); // visibility does nothing on groups
    const TRowToggle lock = StartRowToggle(f.State, f.Row(a), false, true, 20);
    EXPECT_EQ(lock.Kind, TRowToggle::lock);
    EXPECT_TRUE(a->Locked);
    EXPECT_TRUE(PaintRowToggle(f.Scene, f.GroupRow(0), lock));
    EXPECT_TRUE(m->Locked);
    EXPECT_EQ(f.Scene.GroupStates[0].Locked, 1);
    const TRowToggle shown = StartRowToggle(f.State, f.Row(b), false, true, 40);
    EXPECT_EQ(shown.Kind, TRowToggle::shown);
    EXPECT_FALSE(b->Shown);
}

TEST(LayerList, StatusHeaderLocksThenUnlocksAllAndLKeepsOnlyTheCurrentFree) {
    TListFixture f;
    TImagesItem* a = f.Add("a");
    TImagesItem* b = f.Add("b");
    bool flag = false;
    StatusHeaderClick(f.State, flag);
    EXPECT_TRUE(a->Locked && b->Locked);
    StatusHeaderClick(f.State, flag);
    EXPECT_FALSE(a->Locked || b->Locked);
    EXPECT_FALSE(LockAllButCurrent(f.State)); // nothing selected
    b->Selected = true;
    f.Scene.SelectedCount = 1;
    f.Scene.CurrentLayer = b;
    EXPECT_TRUE(LockAllButCurrent(f.State));
    EXPECT_TRUE(a->Locked);
    EXPECT_FALSE(b->Locked);
}

TEST(LayerList, BatchRenameCutsAndNumbers) {
    struct TCase {
        QString Answer;
        QStringList Names, Expected; // Expected in list order
    } cases[] = {
        // The walk starts at the last layer: it gets the empty name, the others 1, 2.
        {"7", {"abc", "de", "f"}, {"2", "1", ""}},
        // Each name is found taken by its own layer.
        {"0", {"ball", "car"}, {"ball1", "car1"}},
        {"2", {"xxball", "yyball"}, {"ball1", "ball"}},
        {"", {"ball"}, {"ball1"}},
    };
    for (const TCase& c : cases) {
        TListFixture f;
        for (const QString& n : c.Names)
            f.Add(n)->Selected = true;
        f.Dialogs.TextAnswers.push_back(c.Answer);
        EXPECT_TRUE(BatchRename(f.State, f.Dialogs));
        EXPECT_EQ(f.Order(), c.Expected) << c.Answer.toStdString();
        for (int i = 0; i < f.Scene.Layers.Count(); ++i)
            EXPECT_EQ(f.Scene.Layers.At(i)->Name, c.Expected[i]);
        EXPECT_EQ(f.Dialogs.Asked.front(),
                  "input:Csoportos átnevezés|Mennyi karaktert vágjak le az elejéből?|7");
    }
}

TEST(LayerList, GroupCancelledStillCreatesUjCsoportAndRecordsItsStep) {
    TListFixture f;
    TImagesItem* a = f.Add("a");
    f.Add("b");
    f.Dialogs.TextAnswers.push_back(std::nullopt);
    ASSERT_TRUE(CreateGroup(f.State, f.Dialogs, {f.Row(a)}));
    EXPECT_EQ(f.Scene.Groups, QStringList{"Új csoport"});
    EXPECT_EQ(a->Group, 1);
    EXPECT_EQ(f.L("b")->Group, 0);
    EXPECT_EQ(f.Scene.GroupStates[0].Open, 1);
    EXPECT_EQ(f.Log.Lines().front(), "Csoport létrehozás");
    f.Dialogs.TextAnswers.push_back(QString("Fak"));
    ASSERT_TRUE(CreateGroup(f.State, f.Dialogs, {f.Row(a)}));
    EXPECT_EQ(f.Scene.Groups.last(), "Fak");
    EXPECT_EQ(a->Group, 2);
}

TEST(LayerList, GroupIsRefusedWhenTheTableIsFull) {
    TListFixture f;
    TImagesItem* a = f.Add("a");
    for (int g = 0; g < MaxGroups; ++g)
        f.Scene.Groups << QString("g%1").arg(g);
    EXPECT_FALSE(CreateGroup(f.State, f.Dialogs, {f.Row(a)}));
    EXPECT_EQ(f.Scene.Groups.size(), 256);
    EXPECT_EQ(a->Group, 0);
    EXPECT_EQ(f.Dialogs.Messages, QStringList{"Legfeljebb 256 csoport lehet, új csoport nem hozható létre!"});
    EXPECT_EQ(f.State.Undo.Top(), 0); // no step for a refusal
}

TEST(LayerList, DropSetsGroupAndParentClearsOnSelfAndRefusesCircles) {
    TListFixture f;
    f.Scene.Groups << "g";
    TImagesItem* a = f.Add("a");
    TImagesItem* b = f.Add("b");
    TImagesItem* c = f.Add("c");
    DropRows(f.State, f.Dialogs, {f.Row(a)}, f.GroupRow(0));
    EXPECT_EQ(a->Group, 1);
    DropRows(f.State, f.Dialogs, {f.Row(a)}, std::nullopt);
    EXPECT_EQ(a->Group, 0);
    DropRows(f.State, f.Dialogs, {f.Row(b)}, f.Row(a));
    EXPECT_EQ(b->Parent, "a");
    DropRows(f.State, f.Dialogs, {f.Row(c)}, f.Row(b));
    EXPECT_EQ(c->Parent, "b");
    // a on c: c's chain reaches b, then a.
    DropRows(f.State, f.Dialogs, {f.Row(a)}, f.Row(c));
    EXPECT_EQ(a->Parent, "");
    EXPECT_EQ(f.Dialogs.Messages, QStringList{"Hibás szülő kiválasztás, körkörös hiívatkozás lenne!"});
    DropRows(f.State, f.Dialogs, {f.Row(b)}, f.Row(b));
    EXPECT_EQ(b->Parent, "");
    EXPECT_EQ(f.Log.Lines().front(), "Szülő beállítás egérrel");
    EXPECT_FALSE(f.Scene.Saved);
}

TEST(LayerList, ParentChainWalkEndsOnMissingParentAndOnLoops) {
    TListFixture f;
    TImagesItem* a = f.Add("a");
    TImagesItem* b = f.Add("b");
    TImagesItem* c = f.Add("c");
    TImagesItem* d = f.Add("d");
    a->Parent = "gone"; // renamed away
    EXPECT_FALSE(ParentChainContains(f.Scene, *a, "d"));
    b->Parent = "c";
    c->Parent = "b"; // a loop read from a file
    EXPECT_FALSE(ParentChainContains(f.Scene, *b, "d"));
    EXPECT_TRUE(ParentChainContains(f.Scene, *b, "b"));
    DropRows(f.State, f.Dialogs, {f.Row(d)}, f.Row(b));
    EXPECT_EQ(d->Parent, "b");
}

TEST(LayerList, ColourCheckAllAndOpenAll) {
    TListFixture f;
    f.Scene.Groups << "g"
                   << "h";
    TImagesItem* a = f.Add("a");
    TImagesItem* b = f.Add("b");
    SetRowsColor(f.State, {f.Row(a), f.GroupRow(0)}, 0x0000FF);
    EXPECT_EQ(a->ItemColor, 0x0000FFu);
    EXPECT_EQ(b->ItemColor, 0xFFFFFFu);
    a->Selected = true;
    SetSelectedVisible(f.State, false);
    EXPECT_FALSE(a->Visible);
    EXPECT_TRUE(b->Visible);
    SetSelectedVisible(f.State, true);
    EXPECT_TRUE(a->Visible);
    OpenAllGroups(f.Scene, true);
    EXPECT_EQ(f.Scene.GroupStates[1].Open, 1);
    OpenAllGroups(f.Scene, false);
    EXPECT_EQ(f.Scene.GroupStates[0].Open, 0);
}

// Parent names are found ignoring case, so the circle check compares them the
// same way: with b's parent written "A", dropping a onto b would close a -> b -> a.
TEST(LayerList, DropToParentSeesCirclesWhateverTheCaseOfTheNames) {
    const struct {
        const char* BParent;
        const char* CParent;
        const char* Target;
    } cases[] = {
        {"A", "", "b"},    // a -> b -> a
        {"a", "", "b"},    // the same written alike
        {"A", "B", "c"},   // a -> c -> b -> a
        {"Á", "", "b"},    // no circle: "Á" names no layer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.BParent) + "/" + c.CParent);
        TListFixture f;
        TImagesItem* a = f.Add("a");
        TImagesItem* b = f.Add("b");
        TImagesItem* cc = f.Add("c");
        b->Parent = QString::fromUtf8(c.BParent);
        cc->Parent = QString::fromUtf8(c.CParent);
        const bool circle = QString::fromUtf8(c.BParent) != "Á";
        DropRows(f.State, f.Dialogs, {f.Row(a)}, f.Row(f.L(c.Target)));
        if (circle) {
            EXPECT_EQ(a->Parent, "");
            EXPECT_EQ(f.Dialogs.Messages, QStringList{"Hibás szülő kiválasztás, körkörös hiívatkozás lenne!"});
        } else {
            EXPECT_EQ(a->Parent, QString::fromUtf8(c.Target));
            EXPECT_TRUE(f.Dialogs.Messages.isEmpty());
        }
    }
    // Dropping a layer on itself still clears its parent.
    TListFixture f;
    TImagesItem* a = f.Add("a");
    a->Parent = "x";
    DropRows(f.State, f.Dialogs, {f.Row(a)}, f.Row(a));
    EXPECT_EQ(a->Parent, "");
}

// A group name is one line of the project file: a name with a line break
// (or a letter Windows-1250 has not) would come back split or not at all, so
// a new group and a renamed one refuse it, before anything changes.
TEST(LayerList, GroupNamesTheProjectFileCannotHoldAreRefused) {
    for (const QString& bad : {QString("sor\ntörés"), QString("a\rb"), QString("日本")}) {
        SCOPED_TRACE(bad.toStdString());
        TListFixture f;
        TImagesItem* a = f.Add("a");
        f.Dialogs.TextAnswers.push_back(bad);
        EXPECT_FALSE(CreateGroup(f.State, f.Dialogs, {f.Row(a)}));
        EXPECT_TRUE(f.Scene.Groups.isEmpty());
        EXPECT_EQ(a->Group, 0);
        EXPECT_EQ(f.State.Undo.Top(), 0);
        ASSERT_EQ(f.Dialogs.Messages.size(), 1);
        EXPECT_EQ(f.Dialogs.Messages[0], StoredNameProblem(bad));

        f.Scene.Groups << "Fák";
        f.Dialogs.TextAnswers.push_back(bad);
        EXPECT_FALSE(GroupRowClick(f.State, f.Dialogs, 0, false, 0, true));
        EXPECT_EQ(f.Scene.Groups, QStringList{"Fák"});
        EXPECT_EQ(f.Dialogs.Messages.size(), 2);
        EXPECT_EQ(f.State.Undo.Top(), 0); // a refused rename records no step
    }
}
