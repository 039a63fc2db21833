#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <vector>

namespace velkon {

class TCommandItem;
class TEditorState;

// Coefficients a1..a5 of the ease polynomial a5 t^5 + a4 t^4 + a3 t^3 + a2 t^2 + a1 t,
// a1 first.
using TEaseCoefficients = std::array<double, 5>;
// Control values p1..p4 of the quintic Bezier curve from 0 (p0) to 1 (p5).
using TEaseControls = std::array<double, 4>;

enum TEaseEffect { effIn = 0, effOut = 1, effInOut = 2 };

// Flag bits of an Ease text: the effect in the low bits, one bit per property.
enum TEaseFlag : int {
    efIn = 1,
    efOut = 2,
    efInOut = 4,
    efLeft = 16,
    efTop = 32,
    efWidth = 64,
    efHeight = 128,
    efAngle = 256,
    efAlpha = 512,
};
constexpr int EasePropertyFlags[6] = {efLeft, efTop, efWidth, efHeight, efAngle, efAlpha};

TEaseCoefficients CoefficientsFromControls(const TEaseControls& p);
// a5 is not needed: the curve ends at 1.
TEaseControls ControlsFromCoefficients(const TEaseCoefficients& a);

// A handle's left edge x stands for (x - 200) / 100.
double ControlOfHandle(int x);
int HandleOfControl(double p);

// P(t) of the coefficients.
double EaseValue(const TEaseCoefficients& a, double t);

// A coefficient as the Ease text and the display write it: "0.0###" with ",".
QString FormatCoefficient(double value);

struct TEasePreset {
    const char* Name;
    TEaseCoefficients A; // a5 follows from a1..a4
};
const std::array<TEasePreset, 9>& EasePresets();

// Which parameter (1..3) holds a command kind's duration; 0 for kinds without one.
int DurationParam(int command);

// The ease designer without its widgets.
class TEaseDesign {
public:
    QString Duration = QStringLiteral("0");
    int Effect = effIn;
    std::array<bool, 6> Properties{true, true, true, true, true, true};
    std::array<int, 4> Handles{220, 240, 260, 280};

    // Set-up from a duration parameter text: an Ease text is read back,
    // anything else becomes a straight line for all properties.
    void Load(const QString& text);
    // Set-up from a command's duration parameter; false for kinds without one.
    bool Load(const TCommandItem& command);

    TEaseCoefficients Coefficients() const;
    void SetCoefficients(const TEaseCoefficients& a);
    void ApplyPreset(int index);
    int Flags() const;
    // "a1, a2, a3, a4, a5" for the coefficient display.
    QString CoefficientText() const;
    // The 101 points of the curve plot, from (100, 200) rightwards and up.
    std::vector<QPoint> CurvePoints() const;
    // The test ball's x after k timer ticks (300 once k passes 100).
    int BallX(int k) const;

    // Why the duration cannot be stored, or an empty text.
    QString DurationProblem() const;
    QString EaseText() const;
    // Writes EaseText into the command's duration parameter; false (nothing
    // written) for kinds without a duration.
    bool Store(TCommandItem& command) const;
};

// The ease designer's Ok: stores the design into the command as one undo
// step "Parancs szerkesztése" and marks the project modified, only when the
// duration parameter changes. Returns whether it changed.
bool StoreEase(TEditorState& state, const TEaseDesign& design, TCommandItem& command);

} // namespace velkon
