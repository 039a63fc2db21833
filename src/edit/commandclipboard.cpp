#include "edit/commandclipboard.h"

#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/imagesitem.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <limits>

namespace velkon {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A computed value as a whole number; beyond the int range it cannot be
// written back into a parameter the player reads.
int Whole(double v) {
    const double r = std::nearbyint(v);
    if (!std::isfinite(r) || r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max())
        throw EVelkonError(QCoreApplication::translate("CommandClipboard", "A beillesztett érték túl nagy"));
    return static_cast<int>(r);
}

QString Num(int v) {
    return QString::number(v);
}

// A parameter that is a plain whole number, read without the general number
// reader; anything else goes the general way.
int WholeParam(const QString& text) {
    bool ok = false;
    const int v = QStringView(text).toInt(&ok);
    return ok ? v : ToInt(text);
}

// The pose form the editor itself writes, "x=1y=2w=3h=4a=5" with an optional
// "f=6", each a whole number of at most nine digits; false for any other text.
bool ReadPlainPose(QStringView s, TGeometry& g) {
    static constexpr char Keys[] = {'x', 'y', 'w', 'h', 'a', 'f'};
    int* fields[] = {&g.X, &g.Y, &g.W, &g.H, &g.A, &g.F};
    qsizetype i = 0;
    for (int k = 0; k < 6; ++k) {
        if (k == 5 && i == s.size()) {
            g.HasAlpha = false;
            g.F = 0;
            return true;
        }
        if (i + 1 >= s.size() || s[i] != QLatin1Char(Keys[k]) || s[i + 1] != QLatin1Char('=')) return false;
        i += 2;
        qsizetype j = i;
        if (j < s.size() && s[j] == QLatin1Char('-')) ++j;
        const qsizetype digits = j;
        while (j < s.size() && s[j] >= QLatin1Char('0') && s[j] <= QLatin1Char('9'))
            ++j;
        if (j == digits || j - digits > 9) return false;
        *fields[k] = s.mid(i, j - i).toInt();
        i = j;
    }
    g.HasAlpha = true;
    return i == s.size();
}

} // namespace

QString GeometryText(double x, double y, double w, double h, double a, double f) {
    // A pasted value beyond the whole numbers a layer holds is refused.
    for (const double v : {x, y, w, h, a, f})
        Whole(v);
    return KeyText(x, y, w, h, a, f);
}

QString GeometryText(const TImagesItem& layer) {
    return GeometryText(layer.Left, layer.Top, layer.Width, layer.Height, layer.Angle, layer.Alpha);
}

TGeometry ReadGeometry(const QString& text) {
    TGeometry g;
    if (ReadPlainPose(text, g)) return g;
    const TKeyText k = SplitKeyText(text);
    g.X = ToInt(k.X);
    g.Y = ToInt(k.Y);
    g.W = ToInt(k.W);
    g.H = ToInt(k.H);
    g.A = ToInt(k.A);
    g.HasAlpha = k.HasAlpha;
    if (k.HasAlpha) g.F = ToInt(k.F);
    return g;
}


QString WriteCommandClipboard(const TImagesItem& layer, const std::vector<const TCommandItem*>& commands,
                              bool* stripped) {
    bool any = false;
    QString text;
    text.reserve(static_cast<qsizetype>(commands.size()) * 40 + 64);
    text += ClipboardHeader + CrLf;
    text += QString::number(commands.size()) + CrLf;
    text += GeometryText(layer) + CrLf;
    for (const TCommandItem* cmd : commands) {
        text += QString::number(cmd->Command());
        text += CrLf;
        for (int i = 1; i <= 3; ++i) {
            const QString& p = cmd->Param(i);
            if (HasLineBreak(p)) {
                any = true;
                text += WithoutLineBreaks(p);
            } else {
                text += p;
            }
            text += CrLf;
        }
    }
    if (stripped) *stripped = any;
    return text;
}

std::optional<TCommandClipboard> ReadCommandClipboard(const QString& text) {
    // Lines end in CR LF; a clipboard that went through another program may
    // hold LF alone.
    const QStringView view(text);
    std::vector<QStringView> lines;
    lines.reserve(static_cast<size_t>(text.size() / 8) + 4);
    qsizetype start = 0;
    for (;;) {
        const qsizetype lf = view.indexOf(QLatin1Char('\n'), start);
        QStringView line = lf < 0 ? view.mid(start) : view.mid(start, lf - start);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        lines.push_back(line);
        if (lf < 0) break;
        start = lf + 1;
    }
    if (lines.size() < 2 || lines[0] != ClipboardHeader || lines[1] == QLatin1String("0"))
        return std::nullopt;
    bool ok = false;
    const qlonglong n = lines[1].trimmed().toLongLong(&ok);
    if (!ok || n < 0)
        throw EVelkonError(QCoreApplication::translate(
                               "CommandClipboard", "Hibás vágólap: a parancsok száma nem olvasható: \"%1\"")
                               .arg(lines[1].left(40)));
    if (n == 0) return std::nullopt;
    // Four lines a command after the three of the head; asked without
    // multiplying, so that no count can overflow the check.
    if (static_cast<qlonglong>(lines.size()) < 3 || (static_cast<qlonglong>(lines.size()) - 3) / 4 < n)
        throw EVelkonError(QCoreApplication::translate("CommandClipboard",
                                                       "Hibás vágólap: %1 parancs helyett kevesebb sor van")
                               .arg(n));
    TCommandClipboard clip;
    clip.GeometryLine = lines[2].toString();
    clip.Commands.resize(static_cast<size_t>(n));
    for (qlonglong k = 0; k < n; ++k) {
        TClipboardCommand& c = clip.Commands[static_cast<size_t>(k)];
        const qsizetype at = static_cast<qsizetype>(3 + 4 * k);
        c.Command = lines[at].trimmed().toInt(&ok);
        if (!ok)
            throw EVelkonError(
                QCoreApplication::translate("CommandClipboard",
                                            "Hibás vágólap: a(z) %1. parancs fajtája nem olvasható: \"%2\"")
                    .arg(QString::number(k + 1), lines[at].left(40)));
        // A lone CR left inside a parameter would break the project file.
        c.Param1 = WithoutLineBreaks(lines[at + 1].toString());
        c.Param2 = WithoutLineBreaks(lines[at + 2].toString());
        c.Param3 = WithoutLineBreaks(lines[at + 3].toString());
    }
    return clip;
}

void AdaptPastedCommand(TClipboardCommand& command, const TGeometry& c, const TImagesItem& l) {
    if (command.Command == cmdMoveTo) {
        command.Param1 = Num(Whole(WholeParam(command.Param1) - (c.X - l.Left)));
        command.Param2 = Num(Whole(WholeParam(command.Param2) - (c.Y - l.Top)));
    } else if (command.Command == cmdKeyFrame) {
        const TGeometry k = ReadGeometry(command.Param1);
        // A source of no width or height gives no scale: the size is kept.
        const double w = c.W != 0 ? double(k.W) * l.Width / c.W : k.W;
        const double h = c.H != 0 ? double(k.H) * l.Height / c.H : k.H;
        double f = l.Alpha;
        if (k.HasAlpha) f = c.HasAlpha ? k.F - (c.F - l.Alpha) : k.F;
        command.Param1 =
            GeometryText(k.X - (c.X - l.Left), k.Y - (c.Y - l.Top), w, h, k.A - (c.A - l.Angle), f);
    }
}

} // namespace velkon
