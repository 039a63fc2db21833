#include "edit/debuggergrid.h"

#include "model/commanddesc.h"
#include "model/scene.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <deque>

namespace velkon {

namespace {

struct TQueued {
    QString Name;
    const TImagesItem* Layer = nullptr; // known already (antecedents, the current layer)
    bool Antecedent = false;
};

// Whether any parameter of any of the layer's twelve tracks is exactly name.
bool NamesLayer(const TImagesItem& layer, const QString& name) {
    for (int t = 1; t <= 12; ++t) {
        const TCommands& track = layer.TrackByNumber(t);
        for (int i = 0; i < track.Count(); ++i) {
            const TCommandItem* c = track.Item(i);
            if (c->sParam1() == name || c->sParam2() == name || c->sParam3() == name) return true;
        }
    }
    return false;
}

} // namespace

TDebuggerGrid::TDebuggerGrid(const TScene& scene, const TImagesItem* current) {
    if (!current) {
        rows_.emplace_back();
        return;
    }
    currentName_ = current->Name;
    std::deque<TQueued> queue;
    QSet<QString> queued;

    // Layers whose commands name the current layer come first, each once. An
    // empty name names nothing: every unused parameter would match it.
    if (!currentName_.isEmpty())
        for (const auto& entry : scene.Layers)
            if (NamesLayer(*entry.second, currentName_))
                queue.push_back({entry.second->Name, entry.second.get(), true});
    queue.push_back({currentName_, current, false});
    queued.insert(currentName_);

    while (!queue.empty()) {
        const TQueued next = std::move(queue.front());
        queue.pop_front();
        const TImagesItem* layer = next.Layer ? next.Layer : scene.Layers.Find(next.Name);
        if (!layer) continue; // a StartOther to a layer that does not exist shows nothing

        TBlock block{layer, RowCount(), 0, next.Antecedent};
        TRow& nameRow = rows_.emplace_back();
        nameRow[0] = layer->Name;
        if (next.Antecedent) nameRow[1] = QCoreApplication::translate("DebuggerGrid", "Előzmény");

        int longest = 0;
        for (int t = 1; t <= 12; ++t)
            longest = std::max(longest, layer->TrackByNumber(t).Count());
        for (int i = 0; i < longest; ++i) {
            TRow& row = rows_.emplace_back();
            for (int t = 1; t <= 12; ++t) {
                const TCommands& track = layer->TrackByNumber(t);
                if (i >= track.Count()) continue;
                const TCommandItem* c = track.Item(i);
                row[t] = c->Name() + QStringLiteral("\r\n") + c->CommandText();
                if (c->Command() == cmdStartOther && !queued.contains(c->sParam1())) {
                    queued.insert(c->sParam1());
                    queue.push_back({c->sParam1(), nullptr, false});
                }
            }
        }
        block.RowCount = RowCount() - block.FirstRow;
        blocks_.push_back(block);
    }
}

QString TDebuggerGrid::HeaderText(int column) {
    if (column < 1 || column >= ColumnCount) return {};
    static const char* const animations[] = {"Base", "Touch1", "Touch2", "Touch3"};
    return QStringLiteral("%1 %2").arg(QLatin1String(animations[(column - 1) / 3])).arg((column - 1) % 3 + 1);
}

TDebugCellLook TDebuggerGrid::ColumnLook(int column) {
    TDebugCellLook look;
    look.Bold = column == 0;
    if (column >= 4 && column <= 12) {
        static const uint32_t colours[] = {0xC9FABC, 0xFFCECE, 0xCCCCFF}; // Touch1, Touch2, Touch3
        look.Shade = TDebugCellLook::shColour;
        look.Colour = colours[(column - 4) / 3];
    }
    return look;
}

TDebugCellLook TDebuggerGrid::Look(int row, int column, bool selected) const {
    TDebugCellLook look = ColumnLook(column);
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount) return look;
    if (IsNameRow(row)) {
        look.Shade = TDebugCellLook::shButtonFace;
        look.Colour = 0;
    }
    if (selected) {
        look.Shade = TDebugCellLook::shHighlight;
        look.Colour = 0;
        look.HighlightText = true;
    }
    const QString& text = Cell(row, column);
    // The marks win over the selection; their light colours keep the normal
    // text colour, so that a selected mark stays readable.
    if (text.contains(QLatin1String("StartOther"))) {
        look.Shade = TDebugCellLook::shColour;
        look.Colour = StartOtherColour;
        look.HighlightText = false;
    }
    if (!currentName_.isEmpty() && text.contains(currentName_)) {
        look.Shade = TDebugCellLook::shColour;
        look.Colour = CurrentNameColour;
        look.HighlightText = false;
    }
    return look;
}

} // namespace velkon
