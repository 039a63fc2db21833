#pragma once

#include <QString>

namespace velkon {

// Parameters, names and favourites are stored one per line: a line break
// inside one would split the line it is stored on.

// Whether a text holds a line break (CR or LF).
bool HasLineBreak(const QString& text);
// The text without its CR and LF characters.
QString WithoutLineBreaks(const QString& text);

} // namespace velkon
