#pragma once

#include "edit/linebreaks.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velkon {

class TCommandItem;
class TImagesItem;

// A layer's place in the geometry form "x=..y=..w=..h=..a=..f=..": the third
// line of the command clipboard and the key text of a KeyFrame.
struct TGeometry {
    int X = 0, Y = 0, W = 0, H = 0, A = 0, F = 0;
    bool HasAlpha = false; // the text had an "f=" part
    bool operator==(const TGeometry&) const = default;
};

// The geometry form of values rounded to whole numbers (halves to even).
QString GeometryText(double x, double y, double w, double h, double a, double f);
QString GeometryText(const TImagesItem& layer);
// Reads a geometry text; a missing marker or an unreadable value is an EVelkonError.
TGeometry ReadGeometry(const QString& text);

// One command as the clipboard carries it.
struct TClipboardCommand {
    int Command = 0;
    QString Param1, Param2, Param3;
};

// What a command clipboard text holds.
struct TCommandClipboard {
    QString GeometryLine; // the source layer at copy time; read when a paste adapts
    std::vector<TClipboardCommand> Commands;
};

inline const QString ClipboardHeader = QStringLiteral("VKP Clipboard");


// The clipboard text of commands copied from layer, lines ended by CR LF.
// Line breaks inside parameters would split the format: they are left out,
// and stripped (if given) tells whether any were.
QString WriteCommandClipboard(const TImagesItem& layer, const std::vector<const TCommandItem*>& commands,
                              bool* stripped = nullptr);

// Reads a clipboard text. Nothing (no error) when the text is not a command
// clipboard or holds no commands; an EVelkonError when it claims to be one but
// is broken (unreadable count or kind, fewer lines than the count needs).
// Line breaks left inside a parameter (a lone CR) are removed.
std::optional<TCommandClipboard> ReadCommandClipboard(const QString& text);

// Moves a pasted MoveTo or KeyFrame from the source layer's geometry to the
// destination layer, keeping its offset to the layer (a KeyFrame also keeps its
// size, angle and alpha relative to the layer). Other kinds stay as they are.
void AdaptPastedCommand(TClipboardCommand& command, const TGeometry& source, const TImagesItem& destination);

} // namespace velkon
