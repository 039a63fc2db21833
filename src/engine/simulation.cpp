#include "engine/simulation.h"

#include "engine/virtualplay.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace velkon {

namespace {

QString Fixed(double v) {
    QString s = QString::number(v, 'f', 3);
    return s == QLatin1String("-0.000") ? QStringLiteral("0.000") : s;
}


} // namespace

QString TSimulation::Usage() {
    return QCoreApplication::translate(
        "TSimulation",
        "használat: velkon simulate PROJEKT.VKP --at T1,T2,... [--step MS] [--seed N] [--timescale N]\n"
        "                           [--touch RÉTEG@MS]... [--preview RÉTEG[,RÉTEG...]] [--no-autostop] "
        "[--events]");
}

QString TSimulation::ParseArgs(const QStringList& args, TSimulationOptions& o) {
    constexpr int64_t maxTime = std::numeric_limits<int32_t>::max();
    bool haveAt = false;
    QList<QPair<QString, QString>> touches;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool takesValue = a == QLatin1String("--at") || a == QLatin1String("--step") ||
                                a == QLatin1String("--seed") || a == QLatin1String("--timescale") ||
                                a == QLatin1String("--touch") || a == QLatin1String("--preview");
        if (takesValue && i + 1 >= args.size())
            return QCoreApplication::translate("TSimulation", "a(z) %1 kapcsoló után érték kell").arg(a);
        int64_t v = 0;
        if (a == QLatin1String("--at")) {
            haveAt = true;
            for (const QString& t : args[++i].split(QLatin1Char(','))) {
                if (!ReadWholeNumber(t, 0, maxTime, v))
                    return QCoreApplication::translate("TSimulation",
                                                       "--at: a(z) \"%1\" nem ezredmásodpercben megadott idő")
                        .arg(t);
                o.At << static_cast<int32_t>(v);
            }
        } else if (a == QLatin1String("--step")) {
            if (!ReadWholeNumber(args[++i], 1, maxTime, v))
                return QCoreApplication::translate("TSimulation",
                                                   "--step: a(z) \"%1\" nem pozitív egész szám")
                    .arg(args[i]);
            o.Step = static_cast<int32_t>(v);
        } else if (a == QLatin1String("--seed")) {
            if (!ReadWholeNumber(args[++i], 0, std::numeric_limits<uint32_t>::max(), v))
                return QCoreApplication::translate("TSimulation", "--seed: a(z) \"%1\" nem egész szám")
                    .arg(args[i]);
            o.Seed = static_cast<uint32_t>(v);
        } else if (a == QLatin1String("--timescale")) {
            if (!ReadWholeNumber(args[++i], 1, 1000, v))
                return QCoreApplication::translate(
                           "TSimulation", "--timescale: a(z) \"%1\" nem legalább 1 értékű egész szám")
                    .arg(args[i]);
            o.TimeScale = static_cast<int32_t>(v);
        } else if (a == QLatin1String("--touch")) {
            const QString t = args[++i];
            const int at = t.lastIndexOf(QLatin1Char('@'));
            if (at <= 0)
                return QCoreApplication::translate("TSimulation", "--touch: a(z) \"%1\" nem RÉTEG@MS alakú")
                    .arg(t);
            touches << qMakePair(t.left(at), t.mid(at + 1));
        } else if (a == QLatin1String("--preview")) {
            for (const QString& name : args[++i].split(QLatin1Char(',')))
                if (!name.isEmpty())
                    o.Preview << name;
            if (o.Preview.isEmpty())
                return QCoreApplication::translate("TSimulation",
                                                   "a --preview után legalább egy rétegnév kell");
        } else if (a == QLatin1String("--no-autostop")) {
            o.AutoStop = false;
        } else if (a == QLatin1String("--events")) {
            o.Events = true;
        } else if (a.startsWith(QLatin1String("--")) || !o.ProjectPath.isEmpty()) {
            return QCoreApplication::translate("TSimulation", "váratlan argumentum: \"%1\"").arg(a);
        } else {
            o.ProjectPath = a;
        }
    }
    if (o.ProjectPath.isEmpty())
        return QCoreApplication::translate("TSimulation", "nincs megadva projektfájl");
    if (!haveAt) return QCoreApplication::translate("TSimulation", "a --at megadása kötelező");
    std::sort(o.At.begin(), o.At.end());
    o.At.erase(std::unique(o.At.begin(), o.At.end()), o.At.end());
    // Passes happen every step milliseconds; a time between two passes has no state of its own.
    for (int32_t t : o.At)
        if (t % o.Step != 0)
            return QCoreApplication::translate("TSimulation",
                                               "--at: a(z) %1 nem többszöröse a --step %2 értékének")
                .arg(QString::number(t), QString::number(o.Step));
    for (const auto& [layer, time] : touches) {
        int64_t v = 0;
        if (!ReadWholeNumber(time, 0, maxTime, v))
            return QCoreApplication::translate("TSimulation",
                                               "--touch: a(z) \"%1\" nem ezredmásodpercben megadott idő")
                .arg(time);
        if (v % o.Step != 0)
            return QCoreApplication::translate("TSimulation",
                                               "--touch: a(z) %1 nem többszöröse a --step %2 értékének")
                .arg(QString::number(v), QString::number(o.Step));
        o.Touches << qMakePair(layer, static_cast<int32_t>(v));
    }
    return {};
}

int TSimulation::Main(const QStringList& args, const TLoader& loader, QTextStream& out, QTextStream& err) {
    TSimulationOptions options;
    const QString problem = ParseArgs(args, options);
    if (!problem.isEmpty()) {
        err << "velkon simulate: " << problem << "\n" << Usage() << "\n";
        err.flush();
        return 2;
    }
    TScene scene;
    if (!LoadForCommand(QStringLiteral("velkon simulate"), options.ProjectPath, loader, scene, err))
        return 1;
    TSimulation simulation(scene, options);
    const QString missing = simulation.CheckNames();
    if (!missing.isEmpty()) {
        err << "velkon simulate: " << missing << "\n";
        err.flush();
        return 2;
    }
    simulation.Run(out, err);
    return 0;
}

TSimulation::TSimulation(TScene& scene, const TSimulationOptions& options) : scene_(scene), options_(options) {}

QString TSimulation::CheckNames() const {
    const QString missing = TVirtualPlay(scene_, PlayOptions(options_)).CheckNames();
    return missing.isEmpty() ? QString() : QCoreApplication::translate("TSimulation", "nincs ilyen réteg: %1").arg(missing);
}

QString TSimulation::StateLine(int32_t time, const TImagesItem& layer) {
    return QStringLiteral("%1 %2 x=%3 y=%4 w=%5 h=%6 a=%7 f=%8 v=%9 flip=%10 file=%11")
        .arg(time)
        .arg(layer.Name, Fixed(layer.Left), Fixed(layer.Top), Fixed(layer.Width), Fixed(layer.Height),
             Fixed(layer.Angle), Fixed(layer.Alpha), layer.Visible ? QStringLiteral("1") : QStringLiteral("0"))
        .arg(layer.FlipMode)
        .arg(layer.FileItem ? layer.FileItem->Name : QString());
}

void TSimulation::Run(QTextStream& out, QTextStream& err) {
    TVirtualPlay play(scene_, PlayOptions(options_));
    play.OnError = [&](int32_t time, const QString& message) {
        err << QCoreApplication::translate("TSimulation", "%1 hiba: %2").arg(QString::number(time), message)
            << "\n";
    };
    if (options_.Events)
        play.Player().OnEvent = [&](const QString& kind, const QString& name) {
            out << play.Now() << " " << kind << " " << name << "\n";
        };
    play.Start();
    for (int32_t time : options_.At) {
        play.AdvanceTo(time);
        for (int i = 0; i < scene_.Layers.Count(); ++i)
            out << StateLine(time, *scene_.Layers.At(i)) << "\n";
    }
    out.flush();
    err.flush();
}

TVirtualPlayOptions TSimulation::PlayOptions(const TSimulationOptions& options) {
    TVirtualPlayOptions play;
    play.Step = options.Step;
    play.Seed = options.Seed;
    play.TimeScale = options.TimeScale;
    play.Touches = options.Touches;
    play.Preview = options.Preview;
    play.AutoStop = options.AutoStop;
    return play;
}

} // namespace velkon
