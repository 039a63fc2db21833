#pragma once

#include <QString>

namespace velkon {

// Parameters, names and favourites are stored one per line: a line break
// inside one would split the line it is stored on.

// Whether a text holds a line break (CR or LF).
bool HasLineBreak(const QString& text);
// The text without its CR and LF characters.
QString WithoutLineBreaks(const QString& text);

// Why a name cannot be stored on its line of a project file (a line break, or
// a character Windows-1250 cannot hold), or an empty text when it can.
QString StoredNameProblem(const QString& name);

} // namespace velkon
