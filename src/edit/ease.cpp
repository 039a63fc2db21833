#include "edit/ease.h"

#include "edit/editorstate.h"

#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace velkon {

namespace {

// Pixel positions stay far inside int whatever the coefficients of a text were.
constexpr double PixelLimit = 1.0e6;

int Pixel(double v) {
    if (std::isnan(v)) // inf - inf of huge coefficients
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(v), -PixelLimit, PixelLimit));
}

// Text of s between marker and the next marker after it; empty when either is missing.
QString Between(const QString& s, const char* marker, const char* next) {
    const int start = s.indexOf(QLatin1String(marker));
    if (start < 0) return {};
    const int from = start + 2;
    if (!next) return s.mid(from);
    const int end = s.indexOf(QLatin1String(next), from);
    return end < 0 ? QString() : s.mid(from, end - from);
}

int ReadFlags(const QString& text) {
    return static_cast<int>(std::clamp(std::nearbyint(ToFloat(text)), -2147483648.0, 2147483647.0));
}

} // namespace

TEaseCoefficients CoefficientsFromControls(const TEaseControls& p) {
    const double p0 = 0, p5 = 1;
    const double p1 = p[0], p2 = p[1], p3 = p[2], p4 = p[3];
    TEaseCoefficients a{};
    a[0] = 5 * (p1 - p0);
    a[1] = 10 * (p2 - p0) - 4 * a[0];
    a[2] = 10 * (p3 - p0) + 30 * (p1 - p2);
    a[3] = 5 * (p4 + p0) - 20 * (p3 + p1) + 30 * p2;
    a[4] = p5 - p0 - a[3] - a[2] - a[1] - a[0];
    return a;
}

TEaseControls ControlsFromCoefficients(const TEaseCoefficients& a) {
    return {a[0] / 5, (4 * a[0] + a[1]) / 10, (6 * a[0] + 3 * a[1] + a[2]) / 10,
            (4 * a[0] + 3 * a[1] + 2 * a[2] + a[3]) / 5};
}

double ControlOfHandle(int x) {
    return (x - 200) / 100.0;
}

int HandleOfControl(double p) {
    return Pixel(p * 100) + 200;
}

double EaseValue(const TEaseCoefficients& a, double t) {
    return (((a[4] * t + a[3]) * t + a[2]) * t + a[1]) * t * t + a[0] * t;
}

QString FormatCoefficient(double value) {
    double v = std::nearbyint(value * 10000) / 10000;
    if (v == 0 || !std::isfinite(v)) v = 0; // no "-0,0"
    QString s = QString::number(v, 'f', 4);
    while (s.endsWith(QLatin1Char('0')) && s.at(s.size() - 2) != QLatin1Char('.'))
        s.chop(1);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

const std::array<TEasePreset, 9>& EasePresets() {
    static const std::array<TEasePreset, 9> presets = {{
        {"no easing", {1, 0, 0, 0, 0}},
        {"quintic", {0, 0, 0, 0, 1}},
        {"quartic", {0, 0, 0, 1, 0}},
        {"cubic", {0, 0, 1, 0, 0}},
        {"quadratic", {0, 1, 0, 0, 0}},
        {"back cubic", {0, -3, 4, 0, 0}},
        {"back quartic", {0, -3, 2, 2, 0}},
        {"elastic (small)", {0, -5, 32, -59, 33}},
        {"elastic (big)", {0, -10, 60, -105, 56}},
    }};
    return presets;
}

int DurationParam(int command) {
    switch (command) {
    case cmdMoveTo:
    case cmdRelativeMoveTo:
    case cmdReSize:
        return 3;
    case cmdRotate:
    case cmdFadeTo:
    case cmdKeyFrame:
        return 2;
    case cmdWait:
        return 1;
    default:
        return 0;
    }
}

void TEaseDesign::Load(const QString& text) {
    TEaseCoefficients a{1, 0, 0, 0, 0};
    int flags = efIn | efLeft | efTop | efWidth | efHeight | efAngle | efAlpha;
    double duration = 0;
    if (text.contains(QLatin1String("Ease"), Qt::CaseInsensitive)) {
        QString inner = text.mid(text.indexOf(QLatin1Char('(')) + 1);
        inner.chop(1);
        const int e = inner.indexOf(QLatin1String("e="));
        duration = e < 2 ? 0 : ToFloat(inner.mid(2, e - 2));
        flags = ReadFlags(Between(inner, "e=", "f="));
        // Each piece is looked for after the one before it.
        const int f = inner.indexOf(QLatin1String("f="), std::max(e, 0));
        const QString rest = f < 0 ? QString() : inner.mid(f);
        a[4] = std::nearbyint(ToFloat(Between(rest, "f=", "g=")));
        a[3] = std::nearbyint(ToFloat(Between(rest, "g=", "h=")));
        a[2] = std::nearbyint(ToFloat(Between(rest, "h=", "i=")));
        a[1] = std::nearbyint(ToFloat(Between(rest, "i=", "j=")));
        a[0] = std::nearbyint(ToFloat(Between(rest, "j=", nullptr)));
    } else {
        duration = ToFloat(text);
    }
    SetCoefficients(a);
    Duration = FormatNumber(duration);
    Effect = effIn;
    if (flags & efOut) Effect = effOut;
    if (flags & efInOut) Effect = effInOut;
    for (int i = 0; i < 6; ++i)
        Properties[i] = (flags & EasePropertyFlags[i]) != 0;
}

bool TEaseDesign::Load(const TCommandItem& command) {
    const int param = DurationParam(command.Command());
    if (param == 0) return false;
    Load(command.Param(param));
    return true;
}

TEaseCoefficients TEaseDesign::Coefficients() const {
    TEaseControls p{};
    for (int i = 0; i < 4; ++i)
        p[i] = ControlOfHandle(Handles[i]);
    return CoefficientsFromControls(p);
}

void TEaseDesign::SetCoefficients(const TEaseCoefficients& a) {
    const TEaseControls p = ControlsFromCoefficients(a);
    for (int i = 0; i < 4; ++i)
        Handles[i] = HandleOfControl(p[i]);
}

void TEaseDesign::ApplyPreset(int index) {
    if (index < 0 || index >= static_cast<int>(EasePresets().size())) return;
    SetCoefficients(EasePresets()[index].A);
}

int TEaseDesign::Flags() const {
    int flags = Effect == effOut ? efOut : Effect == effInOut ? efInOut : efIn;
    for (int i = 0; i < 6; ++i)
        if (Properties[i]) flags |= EasePropertyFlags[i];
    return flags;
}

QString TEaseDesign::CoefficientText() const {
    const TEaseCoefficients a = Coefficients();
    QStringList parts;
    for (double v : a)
        parts << FormatCoefficient(v);
    return parts.join(QStringLiteral(", "));
}

std::vector<QPoint> TEaseDesign::CurvePoints() const {
    const TEaseCoefficients a = Coefficients();
    std::vector<QPoint> points;
    points.reserve(101);
    for (int i = 0; i <= 100; ++i) {
        const double h = i / 100.0;
        int g = 0;
        switch (Effect) {
        case effOut:
            g = 100 - Pixel(100 * EaseValue(a, 1 - h));
            break;
        case effInOut:
            g = i <= 49 ? Pixel(100 * EaseValue(a, 2 * h) / 2)
                        : 100 - Pixel(100 * EaseValue(a, 2 * (1 - h)) / 2);
            break;
        default:
            g = Pixel(100 * EaseValue(a, h));
            break;
        }
        points.emplace_back(100 + i, 200 - g);
    }
    return points;
}

int TEaseDesign::BallX(int k) const {
    if (k > 100) return 300;
    const TEaseCoefficients a = Coefficients();
    switch (Effect) {
    case effOut:
        return 400 - Pixel(200 * EaseValue(a, 1 - k / 100.0) + 100);
    case effInOut:
        if (k < 50) return Pixel((200 * EaseValue(a, 2 * k / 100.0) + 200) / 2);
        return 400 - Pixel((200 * EaseValue(a, (200 - 2 * k) / 100.0) + 200) / 2);
    default:
        return Pixel(200 * EaseValue(a, k / 100.0) + 100);
    }
}

QString TEaseDesign::DurationProblem() const {
    if (!ReadDecimal(Duration))
        return QCoreApplication::translate("Ease", "Hibás időtartam, számnak kell lennie: \"%1\"")
            .arg(Duration);
    return {};
}

QString TEaseDesign::EaseText() const {
    const TEaseCoefficients a = Coefficients();
    return QStringLiteral("Ease(d=%1e=%2f=%3g=%4h=%5i=%6j=%7)")
        .arg(Duration.trimmed(), QString::number(Flags()), FormatCoefficient(a[4]), FormatCoefficient(a[3]),
             FormatCoefficient(a[2]), FormatCoefficient(a[1]), FormatCoefficient(a[0]));
}

bool TEaseDesign::Store(TCommandItem& command) const {
    const int param = DurationParam(command.Command());
    if (param == 0) return false;
    const QString problem = DurationProblem();
    if (!problem.isEmpty()) throw EVelkonError(problem);
    command.SetParam(param, EaseText());
    return true;
}

bool StoreEase(TEditorState& state, const TEaseDesign& design, TCommandItem& command) {
    const int param = DurationParam(command.Command());
    if (param == 0) return false;
    const QString problem = design.DurationProblem();
    if (!problem.isEmpty()) throw EVelkonError(problem);
    const QString text = design.EaseText();
    if (command.Param(param) == text) return false;
    state.Undo.Record(-TUndoBuffer::kindCommandEdit);
    command.SetParam(param, text);
    state.Scene.Saved = false;
    return true;
}

} // namespace velkon
