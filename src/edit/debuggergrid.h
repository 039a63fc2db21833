#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace velkon {

class TImagesItem;
class TScene;

// How the debugger paints one cell.
struct TDebugCellLook {
    enum TShade { shWindow, shButtonFace, shHighlight, shColour };
    TShade Shade = shWindow;
    uint32_t Colour = 0;        // 0x00BBGGRR, for shColour
    bool Bold = false;          // the layer-name column
    bool HighlightText = false; // text in the highlight text colour
    bool operator==(const TDebugCellLook&) const = default;
};

// The debugger's grid: every track of the current layer, of the layers it
// starts through StartOther (directly or through others, breadth first) and of
// the layers whose commands name it, as a snapshot of text cells.
class TDebuggerGrid {
public:
    static constexpr int ColumnCount = 13; // layer name, then tracks 1..12
    static constexpr uint32_t StartOtherColour = 0xB3D9FF;
    static constexpr uint32_t CurrentNameColour = 0xFFF19F;

    // One layer's rows: its name row and one row per command position.
    struct TBlock {
        const TImagesItem* Layer = nullptr;
        int FirstRow = 0; // the name row
        int RowCount = 0; // the name row included
        bool Antecedent = false;
    };
    using TRow = std::array<QString, ColumnCount>;

    TDebuggerGrid() = default;
    // Builds the grid for current (none: one empty row).
    TDebuggerGrid(const TScene& scene, const TImagesItem* current);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const QString& Cell(int row, int column) const { return rows_.at(row).at(column); }
    const TRow& Row(int row) const { return rows_.at(row); }
    const std::vector<TBlock>& Blocks() const { return blocks_; }
    const QString& CurrentName() const { return currentName_; }
    // A name row holds a layer name in column 0.
    bool IsNameRow(int row) const { return !rows_.at(row)[0].isEmpty(); }

    // "Base 1" .. "Touch3 3" for columns 1..12; column 0 has no header.
    static QString HeaderText(int column);
    // Background of a column before rows and contents are looked at.
    static TDebugCellLook ColumnLook(int column);
    // The cell's look: column colour, name rows in button face, the selection,
    // then StartOther cells and cells naming the current layer.
    TDebugCellLook Look(int row, int column, bool selected) const;

private:
    std::vector<TRow> rows_;
    std::vector<TBlock> blocks_;
    QString currentName_;
};

} // namespace velkon
