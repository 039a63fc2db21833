#include "edit/debuggergrid.h"
#include "model/commanddesc.h"
#include "model/scene.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

namespace {

using TLook = TDebugCellLook;

class DebuggerGrid : public ::testing::Test {
protected:
    TScene scene;

    TImagesItem* Layer(const QString& name) {
        auto layer = std::make_unique<TImagesItem>();
        layer->Name = name;
        return scene.Layers.Add(name, std::move(layer));
    }
    // Appends a command to track 1..12 of layer.
    static void Add(TImagesItem* layer, int track, int command, const QString& p1 = {},
                    const QString& p2 = {}, const QString& p3 = {}) {
        layer->TrackByNumber(track).Add(std::make_unique<TCommandItem>(command, p1, p2, p3));
    }
    // Layer names of the blocks, "!" before an antecedent's.
    static QStringList BlockNames(const TDebuggerGrid& grid) {
        QStringList names;
        for (const TDebuggerGrid::TBlock& b : grid.Blocks())
            names << (b.Antecedent ? QStringLiteral("!") : QString()) + b.Layer->Name;
        return names;
    }
    // Row as a list of its 13 cells.
    static QStringList Cells(const TDebuggerGrid& grid, int row) {
        const auto& r = grid.Row(row);
        return QStringList(r.begin(), r.end());
    }
    static QStringList RowOf(std::initializer_list<std::pair<int, QString>> cells) {
        QStringList row(TDebuggerGrid::ColumnCount);
        for (const auto& [column, text] : cells)
            row[column] = text;
        return row;
    }
};

TEST_F(DebuggerGrid, LonelyLayerGivesOneNameRow) {
    Layer("x");
    TImagesItem* c = Layer("c");
    const TDebuggerGrid grid(scene, c);
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(Cells(grid, 0), RowOf({{0, "c"}}));
    EXPECT_EQ(BlockNames(grid), QStringList{"c"});
}

TEST_F(DebuggerGrid, NoCurrentLayerGivesOneEmptyRow) {
    Layer("x");
    const TDebuggerGrid grid(scene, nullptr);
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(Cells(grid, 0), RowOf({}));
    EXPECT_TRUE(grid.Blocks().empty());
}

// a starts b and b starts a: b is shown as a's antecedent, then a, then b once
// more as started by a; the loop ends there.
TEST_F(DebuggerGrid, MutualStartsShowAntecedentThenCurrentThenStarted) {
    TImagesItem* a = Layer("a");
    TImagesItem* b = Layer("b");
    Add(a, 1, cmdStartOther, "b", "0");
    Add(b, 4, cmdMoveTo, "10", "20", "1");
    Add(b, 4, cmdStartOther, "a", "1");
    Add(b, 12, cmdReSet);

    const TDebuggerGrid grid(scene, a);
    EXPECT_EQ(BlockNames(grid), (QStringList{"!b", "a", "b"}));
    const QString move = "MoveTo\r\nx=10, y=20, duration=1";
    const QString startA = "StartOther\r\nname=a, which=1";
    const QList<QStringList> expected = {
        RowOf({{0, "b"}, {1, "Előzmény"}}),
        RowOf({{4, move}, {12, "ReSet\r\n"}}),
        RowOf({{4, startA}}),
        RowOf({{0, "a"}}),
        RowOf({{1, "StartOther\r\nname=b, which=0"}}),
        RowOf({{0, "b"}}),
        RowOf({{4, move}, {12, "ReSet\r\n"}}),
        RowOf({{4, startA}}),
    };
    ASSERT_EQ(grid.RowCount(), expected.size());
    for (int row = 0; row < grid.RowCount(); ++row)
        EXPECT_EQ(Cells(grid, row), expected[row]) << "row " << row;
    EXPECT_EQ(grid.Blocks()[1].FirstRow, 3);
    EXPECT_EQ(grid.Blocks()[1].RowCount, 2);
}

// A ring of three starts and a layer starting itself still end.
TEST_F(DebuggerGrid, StartLoopsEnd) {
    TImagesItem* a = Layer("a");
    TImagesItem* b = Layer("b");
    TImagesItem* c = Layer("c");
    Add(a, 1, cmdStartOther, "b", "0");
    Add(b, 1, cmdStartOther, "c", "0");
    Add(c, 1, cmdStartOther, "a", "0");
    Add(b, 2, cmdStartOther, "b", "0");
    const TDebuggerGrid grid(scene, b);
    // a names b, b names itself: both are antecedents, in layer order.
    EXPECT_EQ(BlockNames(grid), (QStringList{"!a", "!b", "b", "c", "a"}));
}

TEST_F(DebuggerGrid, LayerNamingTheCurrentTwiceIsShownOnce) {
    TImagesItem* c = Layer("c");
    TImagesItem* x = Layer("x");
    TImagesItem* y = Layer("y");
    Add(x, 1, cmdShow, "c");
    Add(x, 12, cmdHide, "c");
    Add(x, 5, cmdMoveTo, "c", "c", "1");
    Add(y, 1, cmdMoveTo, "Left(c;0)", "0", "1"); // not the name itself: no antecedent
    const TDebuggerGrid grid(scene, c);
    EXPECT_EQ(BlockNames(grid), (QStringList{"!x", "c"}));
    EXPECT_EQ(Cells(grid, 0), RowOf({{0, "x"}, {1, "Előzmény"}}));
    EXPECT_EQ(grid.RowCount(), 3); // x's name row, its one command row, c's name row
}

TEST_F(DebuggerGrid, StartOtherToMissingLayerAddsNoBlock) {
    TImagesItem* c = Layer("c");
    Layer("b");
    Add(c, 1, cmdStartOther, "nincs", "0");
    Add(c, 1, cmdStartOther, "", "0");
    Add(c, 1, cmdStartOther, "B", "1"); // names are looked up as the player does, ignoring case
    const TDebuggerGrid grid(scene, c);
    EXPECT_EQ(BlockNames(grid), (QStringList{"c", "b"}));
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(1, 1), "StartOther\r\nname=nincs, which=0");
    EXPECT_EQ(grid.Cell(4, 0), "b");
}

// Started layers follow breadth first: position by position, track 1 to 12
// within a position; a name already queued is not queued again.
TEST_F(DebuggerGrid, StartedLayersFollowBreadthFirstByPositionThenTrack) {
    TImagesItem* c = Layer("c");
    TImagesItem* p = Layer("p");
    for (const char* name : {"q", "r", "s"})
        Layer(name);
    Add(c, 1, cmdWait, "1");
    Add(c, 1, cmdStartOther, "q", "0");
    Add(c, 2, cmdStartOther, "p", "0");
    Add(c, 4, cmdStartOther, "r", "1");
    Add(c, 4, cmdStartOther, "p", "1");
    Add(p, 7, cmdStartOther, "s", "0");
    const TDebuggerGrid grid(scene, c);
    EXPECT_EQ(BlockNames(grid), (QStringList{"c", "p", "r", "q", "s"}));
}

TEST_F(DebuggerGrid, HeaderTexts) {
    const QStringList expected = {"",         "Base 1",   "Base 2",   "Base 3",   "Touch1 1",
                                  "Touch1 2", "Touch1 3", "Touch2 1", "Touch2 2", "Touch2 3",
                                  "Touch3 1", "Touch3 2", "Touch3 3"};
    for (int column = 0; column < TDebuggerGrid::ColumnCount; ++column)
        EXPECT_EQ(TDebuggerGrid::HeaderText(column), expected[column]) << column;
}

TEST_F(DebuggerGrid, LooksByColumnRowSelectionAndContents) {
    TImagesItem* car = Layer("car");
    TImagesItem* wash = Layer("carwash");
    Add(car, 1, cmdStartOther, "carwash", "0"); // names the current layer inside a longer word
    Add(car, 5, cmdStartOther, "ball", "0");
    Add(car, 8, cmdWait, "1");
    Add(car, 11, cmdWait, "1");
    Add(wash, 1, cmdWait, "1");
    const TDebuggerGrid grid(scene, car);
    ASSERT_EQ(BlockNames(grid), (QStringList{"car", "carwash"}));
    const TLook window{TLook::shWindow, 0, false, false};
    const TLook face{TLook::shButtonFace, 0, false, false};
    const TLook highlight{TLook::shHighlight, 0, false, true};
    const TLook startOther{TLook::shColour, 0xB3D9FF, false, false};
    const TLook current{TLook::shColour, 0xFFF19F, false, false};
    struct TCase {
        int Row, Column;
        bool Selected;
        TLook Expected;
    } cases[] = {
        {1, 2, false, window},
        {1, 3, false, window},
        {1, 4, false, {TLook::shColour, 0xC9FABC, false, false}},
        {1, 6, false, {TLook::shColour, 0xC9FABC, false, false}},
        {1, 8, false, {TLook::shColour, 0xFFCECE, false, false}},
        {1, 11, false, {TLook::shColour, 0xCCCCFF, false, false}},
        {1, 0, false, {TLook::shWindow, 0, true, false}},
        {1, 0, true, {TLook::shHighlight, 0, true, true}},
        {1, 2, true, highlight},
        {1, 5, false, startOther},
        {1, 5, true, startOther},
        {1, 1, false, current}, // StartOther naming carwash contains "car"
        {1, 1, true, current},
        {0, 0, false, {TLook::shColour, 0xFFF19F, true, false}},
        {0, 7, false, face},
        {0, 7, true, highlight},
        {2, 0, false, {TLook::shColour, 0xFFF19F, true, false}}, // carwash's name row
        {2, 5, false, face},
        {3, 1, false, window},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(grid.Look(c.Row, c.Column, c.Selected), c.Expected)
            << "row " << c.Row << " column " << c.Column << (c.Selected ? " selected" : "");
}

// A layer without a name names nothing: unused parameters are empty too.
TEST_F(DebuggerGrid, NamelessCurrentLayerHasNoAntecedentsAndNoHighlight) {
    TImagesItem* x = Layer("x");
    TImagesItem* c = Layer("");
    Add(x, 1, cmdWait, "1");
    Add(c, 1, cmdWait, "1");
    const TDebuggerGrid grid(scene, c);
    EXPECT_EQ(grid.Blocks().size(), 1u);
    EXPECT_EQ(grid.Blocks()[0].Layer, c);
    EXPECT_EQ(grid.Look(1, 1, false), (TLook{TLook::shWindow, 0, false, false}));
}

} // namespace
