#include "engine/params.h"

#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace velkon {

// Both separators read the same; the C locale has no group separator left to
// misread once every "," has become ".".
std::optional<double> ReadDecimal(const QString& text) {
    QString s = text.trimmed();
    if (s.isEmpty()) return std::nullopt;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

namespace {

bool ParseDecimal(const QString& text, double& value) {
    const std::optional<double> v = ReadDecimal(text);
    if (v) value = *v;
    return v.has_value();
}

bool ContainsNoCase(const QString& s, const char* keyword) {
    return s.contains(QLatin1String(keyword), Qt::CaseInsensitive);
}

// Text after the first "(" (at most 1000 characters); the whole text when
// there is no bracket at all.
QString AfterBracket(const QString& s) { return s.mid(s.indexOf(QLatin1Char('(')) + 1, 1000); }

// Text after the first "(" up to the following ")".
QString InsideBrackets(const QString& s) {
    const QString inner = AfterBracket(s);
    const int close = inner.indexOf(QLatin1Char(')'));
    return close < 0 ? inner : inner.left(close);
}

void SplitAtSemicolon(const QString& inner, QString& before, QString& after) {
    const int semi = inner.indexOf(QLatin1Char(';'));
    if (semi < 0) {
        before = inner;
        after.clear();
    } else {
        before = inner.left(semi);
        after = inner.mid(semi + 1);
    }
}

TImagesItem& RequireOwner(TCommandItem& cmd, const QString& text) {
    if (!cmd.Owner)
        throw EVelkonError(
            QCoreApplication::translate("Params", "A paraméter függvényéhez nincs réteg: \"%1\"").arg(text));
    return *cmd.Owner;
}

enum TLayerValue { lvLeft, lvTop, lvWidth, lvHeight, lvAngle };

QString LayerFunction(const QString& s, TLayerValue which, TScene& scene) {
    const QString inner = InsideBrackets(s);
    QString name, offsetText;
    const int semi = inner.indexOf(QLatin1Char(';'));
    if (semi >= 0) {
        name = inner.left(semi);
        offsetText = inner.mid(semi + 1);
    }
    const double offset = ToFloat(offsetText);
    TImagesItem* layer = scene.Layers.Find(name);
    if (!layer)
        throw EVelkonError(
            QCoreApplication::translate("Params", "Ismeretlen réteg \"%1\" a paraméterben: \"%2\"")
                .arg(name, s));
    double value = 0;
    switch (which) {
    case lvLeft: value = layer->Left; break;
    case lvTop: value = layer->Top; break;
    case lvWidth: value = layer->Width; break;
    case lvHeight: value = layer->Height; break;
    case lvAngle: value = layer->Angle; break;
    }
    return FormatNumber(value + offset);
}

// Draws below a bound that may be huge or not positive; 0 when there is no room.
int64_t DrawBelow(TRandom& random, double bound) {
    constexpr double limit = 4.0e18;
    if (!(bound > 0))
        return 0;
    return random.Below(static_cast<int64_t>(std::min(bound, limit)));
}

QString RandomInt(const QString& s, TScene& scene) {
    QString inner = AfterBracket(s);
    inner.chop(1);
    QString lo, hi;
    SplitAtSemicolon(inner, lo, hi);
    const int64_t a = ToInt(lo);
    const int64_t b = ToInt(hi);
    // An upper bound below the lower one leaves no room to draw: the lower bound.
    return FormatNumber(static_cast<double>(a + DrawBelow(scene.Random, static_cast<double>(b - a))));
}

QString RandomReal(const QString& s, TScene& scene) {
    QString inner = AfterBracket(s);
    inner.chop(1);
    QString lo, hi;
    SplitAtSemicolon(inner, lo, hi);
    const double a = ToFloat(lo) * 1000.0;
    const double b = ToFloat(hi) * 1000.0;
    const double r = static_cast<double>(DrawBelow(scene.Random, std::nearbyint(b - a)));
    return FormatNumber((std::nearbyint(a) + r) / 1000.0);
}

QString SpeedToDuration(const QString& s, TCommandItem& cmd) {
    const int speed = ToInt(InsideBrackets(s));
    TImagesItem& owner = RequireOwner(cmd, s);
    double dx, dy;
    if (cmd.Command() == cmdRelativeMoveTo) {
        dx = ToFloat(cmd.Value1);
        dy = ToFloat(cmd.Value2);
    } else {
        dx = owner.Left - ToFloat(cmd.Value1);
        dy = owner.Top - ToFloat(cmd.Value2);
    }
    if (speed == 0)
        throw EVelkonError(
            QCoreApplication::translate("Params", "Nullával osztás (sebesség 0): \"%1\"").arg(s));
    return FormatNumber(std::nearbyint(std::sqrt(dx * dx + dy * dy)) / speed);
}

QString Percent(const QString& s, TCommandItem& cmd, bool width) {
    const int p = ToInt(InsideBrackets(s));
    const TImagesItem& owner = RequireOwner(cmd, s);
    return FormatNumber(p / 100.0 * (width ? owner.SavedState.Width : owner.SavedState.Height));
}

// Text of inner between marker and the next marker (or to the end when next is null).
QString EasePiece(const QString& inner, const QString& s, const char* marker, const char* next, int& from) {
    const int start = inner.indexOf(QLatin1String(marker), from);
    if (start < 0)
        throw EVelkonError(
            QCoreApplication::translate("Params", "Hibás Ease paraméter, hiányzik \"%1\": \"%2\"")
                .arg(QLatin1String(marker), s));
    const int pieceStart = start + 2;
    if (!next) {
        from = inner.size();
        return inner.mid(pieceStart);
    }
    const int end = inner.indexOf(QLatin1String(next), pieceStart);
    if (end < 0)
        throw EVelkonError(
            QCoreApplication::translate("Params", "Hibás Ease paraméter, hiányzik \"%1\": \"%2\"")
                .arg(QLatin1String(next), s));
    from = end;
    return inner.mid(pieceStart, end - pieceStart);
}

QString Ease(const QString& s, TCommandItem& cmd) {
    const QString inner = InsideBrackets(s);
    int from = 0;
    const QString duration = EasePiece(inner, s, "d=", "e=", from);
    const QString mode = EasePiece(inner, s, "e=", "f=", from);
    static const char* const markers[] = {"f=", "g=", "h=", "i=", "j=", nullptr};
    std::array<double, 5> coef{};
    for (int i = 0; i < 5; ++i)
        coef[i] = ToInt(EasePiece(inner, s, markers[i], markers[i + 1], from));
    // Only a fully readable text changes the command.
    cmd.EaseFlags = static_cast<uint32_t>(ToInt(mode));
    cmd.EaseCoef = coef;
    return duration;
}

// Duration of one stored parameter, without evaluating functions: the upper
// bound of a Random, the duration of an Ease, or the number itself.
double EstimateSeconds(const QString& s) {
    if (ContainsNoCase(s, "Random")) {
        QString inner = AfterBracket(s);
        inner.chop(1);
        QString lo, hi;
        SplitAtSemicolon(inner, lo, hi);
        return ToFloat(hi);
    }
    if (ContainsNoCase(s, "Ease(")) {
        QString inner = AfterBracket(s);
        inner.chop(1);
        const int e = inner.indexOf(QLatin1String("e="));
        return ToFloat(e < 0 ? inner.mid(2) : inner.mid(2, e - 2));
    }
    return ToFloat(s);
}

} // namespace

double ToFloat(const QString& text) {
    double v = 0;
    return ParseDecimal(text, v) ? v : 0.0;
}

int ToInt(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-"))
        return 0;
    double v = 0;
    if (!ParseDecimal(t, v))
        throw EVelkonError(QCoreApplication::translate("Params", "\"%1\" nem egész szám").arg(text));
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max())
        throw EVelkonError(QCoreApplication::translate("Params", "\"%1\" túl nagy szám").arg(text));
    return static_cast<int>(r);
}

int ToMs(const QString& text) {
    // Saturate instead of overflowing: a huge duration simply never ends.
    const double ms = std::nearbyint(ToFloat(text) * 1000.0);
    if (ms >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (ms <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(ms);
}

bool IsNumberOrFunction(const QString& text) {
    const QString t = text.trimmed();
    double v = 0;
    if (t == QLatin1String("-") || ParseDecimal(t, v)) return true;
    static const char* const functions[] = {"Left(",     "Top(",      "Width(",  "Height(",
                                            "Angle(",    "RandomI(",  "Random(", "SpeedToDuration(",
                                            "PercentW(", "PercentH(", "Ease("};
    for (const char* f : functions) {
        const qsizetype at = t.indexOf(QLatin1String(f), 0, Qt::CaseInsensitive);
        if (at >= 0 && t.indexOf(QLatin1Char(')'), at) > at) return true;
    }
    return false;
}

QString FormatNumber(double value) {
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0"); // no "-0"; non-finite values never reach a parameter
    // Rounded once to 15 significant digits, then written out in full: the
    // runtime reads no exponent form.
    const QString scientific = QString::number(std::fabs(value), 'e', 14); // "d.dddddddddddddde+XX"
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    const int exponent = (scientific.at(e + 1) == QLatin1Char('-') ? -1 : 1) * scientific.mid(e + 2).toInt();
    QString s;
    if (exponent < 0)
        s = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    else if (exponent + 1 >= digits.size())
        s = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    else
        s = digits.left(exponent + 1) + QLatin1Char(',') + digits.mid(exponent + 1);
    if (value < 0) s.prepend(QLatin1Char('-'));
    return s;
}

QString EvaluateParameter(const QString& text, TCommandItem& cmd, TScene& scene) {
    QString r;
    if (ContainsNoCase(text, "Left("))
        r = LayerFunction(text, lvLeft, scene);
    if (ContainsNoCase(text, "Top"))
        r = LayerFunction(text, lvTop, scene);
    if (ContainsNoCase(text, "Width"))
        r = LayerFunction(text, lvWidth, scene);
    if (ContainsNoCase(text, "Height"))
        r = LayerFunction(text, lvHeight, scene);
    if (ContainsNoCase(text, "Angle"))
        r = LayerFunction(text, lvAngle, scene);
    if (ContainsNoCase(text, "RandomI("))
        r = RandomInt(text, scene);
    if (ContainsNoCase(text, "Random("))
        r = RandomReal(text, scene);
    if (ContainsNoCase(text, "SpeedToDuration("))
        r = SpeedToDuration(text, cmd);
    if (ContainsNoCase(text, "PercentW("))
        r = Percent(text, cmd, true);
    if (ContainsNoCase(text, "PercentH("))
        r = Percent(text, cmd, false);
    if (ContainsNoCase(text, "Ease("))
        r = Ease(text, cmd);
    return r;
}

double TrackDuration(const TCommands& track) {
    double total = 0;
    double c = 0;
    for (int i = 0; i < track.Count(); ++i) {
        const TCommandItem& cmd = *track.Item(i);
        double e = 0;
        switch (cmd.Command()) {
        case cmdMoveTo:
        case cmdRelativeMoveTo:
        case cmdReSize: e = EstimateSeconds(cmd.sParam3()); break;
        case cmdRotate:
        case cmdFadeTo:
        case cmdKeyFrame: e = EstimateSeconds(cmd.sParam2()); break;
        case cmdWait: e = EstimateSeconds(cmd.sParam1()); break;
        case cmdAccelerate: c = EstimateSeconds(cmd.sParam1()); continue;
        default: continue;
        }
        // Accelerate -10 or below stops the clock of a movement: it never ends.
        if (c + 10 <= 0) {
            if (e != 0)
                return std::numeric_limits<double>::infinity();
            continue;
        }
        total += std::nearbyint(e * 10000.0 / (c + 10)) / 1000.0;
    }
    return total;
}

namespace {
QString keyPiece(const QString& key, const char* marker, const char* next) {
    const int start = key.indexOf(QLatin1String(marker));
    if (start < 0)
        throw EVelkonError(QCoreApplication::translate("Params", "Hibás kulcskocka, hiányzik \"%1\": \"%2\"")
                               .arg(QLatin1String(marker), key));
    if (!next)
        return key.mid(start + 2, 1000);
    const int end = key.indexOf(QLatin1String(next), start + 2);
    if (end < 0)
        throw EVelkonError(QCoreApplication::translate("Params", "Hibás kulcskocka, hiányzik \"%1\": \"%2\"")
                               .arg(QLatin1String(next), key));
    return key.mid(start + 2, end - start - 2);
}
} // namespace

QString KeyText(double x, double y, double w, double h, double a, std::optional<double> f) {
    const double values[] = {x, y, w, h, a, f.value_or(0)};
    static constexpr const char* Keys[] = {"x=", "y=", "w=", "h=", "a=", "f="};
    constexpr double Limit = 9.0e18; // inside long long either way
    QString out;
    out.reserve(48);
    for (int k = 0; k < (f ? 6 : 5); ++k) {
        out += QLatin1StringView(Keys[k]);
        const double r = std::nearbyint(values[k]);
        const long long whole = std::isfinite(r) ? static_cast<long long>(std::clamp(r, -Limit, Limit)) : 0;
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
        out += QLatin1StringView(digits, end - digits);
    }
    return out;
}

TKeyText SplitKeyText(const QString& key) {
    TKeyText k;
    k.HasAlpha = key.contains(QLatin1String("f="));
    k.X = keyPiece(key, "x=", "y=");
    k.Y = keyPiece(key, "y=", "w=");
    k.W = keyPiece(key, "w=", "h=");
    k.H = keyPiece(key, "h=", "a=");
    k.A = keyPiece(key, "a=", k.HasAlpha ? "f=" : nullptr);
    if (k.HasAlpha)
        k.F = keyPiece(key, "f=", nullptr);
    return k;
}

} // namespace velkon
