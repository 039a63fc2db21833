#pragma once

#include <QString>
#include <optional>

namespace velkon {

class TCommandItem;
class TCommands;
class TScene;

// Reads a decimal number: "," and "." both separate the fraction, blanks
// around it are allowed; nothing for an empty, unreadable or infinite text.
// Every reader of typed or stored numbers goes through this one.
std::optional<double> ReadDecimal(const QString& text);

// Reads a parameter as a real: "," and "." both separate the fraction; an
// empty or unreadable text gives 0.
double ToFloat(const QString& text);

// Reads a parameter as a whole number, rounded to nearest with halves to even.
// An empty text and "-" give 0; anything else unreadable throws EVelkonError.
int ToInt(const QString& text);

// Seconds in a parameter to whole milliseconds.
int ToMs(const QString& text);

// Whether a parameter that must give a number can: a number ("," or "."
// before the fraction; "-" reads as 0) or a parameter function such as
// Left(ball;10) or RandomI(1;6) with its brackets.
bool IsNumberOrFunction(const QString& text);

// Writes a number the way the editor stores it in parameters: up to 15
// significant digits, no trailing zeros, "," as the decimal separator.
QString FormatNumber(double value);

// Works out the parameter functions in text for cmd (whose Owner is set).
// Returns an empty text when text holds no function. Ease(...) also sets
// cmd.EaseFlags and cmd.EaseCoef. Throws EVelkonError for an unknown layer,
// an unreadable whole number or a zero speed.
QString EvaluateParameter(const QString& text, TCommandItem& cmd, TScene& scene);

// Estimated length of a track in seconds, from the stored parameters and the
// track's Accelerate commands. A track slowed to a standstill gives infinity.
double TrackDuration(const TCommands& track);

// The pieces of a KeyFrame key text "x=..y=..w=..h=..a=..[f=..]", as written.
struct TKeyText {
    QString X, Y, W, H, A, F;
    bool HasAlpha = false;
};
// Splits a key text; a missing marker is an EVelkonError naming the text.
TKeyText SplitKeyText(const QString& key);
// Writes a key text: each value rounded to a whole number (halves to even),
// "f=" only with an alpha. Every KeyFrame pose the editor writes is written here.
QString KeyText(double x, double y, double w, double h, double a, std::optional<double> f);

} // namespace velkon
