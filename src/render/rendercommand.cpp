#include "render/rendercommand.h"

#include "edit/editorstate.h"
#include "edit/resolutions.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <limits>

namespace velkon {

namespace {

constexpr int MaxSide = 16384;


} // namespace

QString TRenderCommand::Usage() {
    return QCoreApplication::translate(
        "TRenderCommand",
        "használat: velkon render PROJEKT.VKP MAPPA [--fps N] [--from MS] [--to MS] [--seed N]\n"
        "                         [--touch RÉTEG@MS]... [--size SZxM] [--format png|webp] [--quality Q]");
}

QString TRenderCommand::ParseArgs(const QStringList& args, TRenderCommandOptions& o) {
    constexpr int64_t maxTime = std::numeric_limits<int32_t>::max();
    QStringList positional;
    bool haveQuality = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool takesValue = a == QLatin1String("--fps") || a == QLatin1String("--from") ||
                                a == QLatin1String("--to") || a == QLatin1String("--seed") ||
                                a == QLatin1String("--touch") || a == QLatin1String("--size") ||
                                a == QLatin1String("--format") || a == QLatin1String("--quality");
        if (takesValue && i + 1 >= args.size()) return QCoreApplication::translate("TRenderCommand", "a(z) %1 kapcsoló után érték kell").arg(a);
        int64_t v = 0;
        if (a == QLatin1String("--fps")) {
            if (!ReadWholeNumber(args[++i], 1, 1000, v))
                return QCoreApplication::translate("TRenderCommand", "--fps: a(z) \"%1\" nem 1 és 1000 közötti egész szám").arg(args[i]);
            o.Job.Fps = static_cast<int>(v);
        } else if (a == QLatin1String("--from") || a == QLatin1String("--to")) {
            if (!ReadWholeNumber(args[++i], 0, maxTime, v))
                return QCoreApplication::translate("TRenderCommand", "%1: a(z) \"%2\" nem ezredmásodpercben megadott idő").arg(a, args[i]);
            (a == QLatin1String("--from") ? o.Job.From : o.Job.To) = static_cast<int32_t>(v);
        } else if (a == QLatin1String("--seed")) {
            if (!ReadWholeNumber(args[++i], 0, std::numeric_limits<uint32_t>::max(), v))
                return QCoreApplication::translate("TRenderCommand", "--seed: a(z) \"%1\" nem egész szám").arg(args[i]);
            o.Job.Seed = static_cast<uint32_t>(v);
        } else if (a == QLatin1String("--touch")) {
            const QString t = args[++i];
            const int at = t.lastIndexOf(QLatin1Char('@'));
            if (at <= 0 || !ReadWholeNumber(t.mid(at + 1), 0, maxTime, v))
                return QCoreApplication::translate("TRenderCommand", "--touch: a(z) \"%1\" nem RÉTEG@MS alakú").arg(t);
            o.Job.Touches << qMakePair(t.left(at), static_cast<int32_t>(v));
        } else if (a == QLatin1String("--size")) {
            const QStringList wh = args[++i].split(QLatin1Char('x'));
            int64_t w = 0, h = 0;
            if (wh.size() != 2 || !ReadWholeNumber(wh[0], 1, MaxSide, w) || !ReadWholeNumber(wh[1], 1, MaxSide, h))
                return QCoreApplication::translate("TRenderCommand", "--size: a(z) \"%1\" nem SZxM alakú (oldalanként 1–%2 képpont)").arg(args[i]).arg(MaxSide);
            o.Job.Width = static_cast<int>(w);
            o.Job.Height = static_cast<int>(h);
        } else if (a == QLatin1String("--format")) {
            const QString f = args[++i].toLower();
            if (f == QLatin1String("png"))
                o.Format = TFrameFormat::Png;
            else if (f == QLatin1String("webp"))
                o.Format = TFrameFormat::Webp;
            else
                return QCoreApplication::translate("TRenderCommand", "--format: a(z) \"%1\" sem nem png, sem nem webp").arg(args[i]);
        } else if (a == QLatin1String("--quality")) {
            if (!ReadWholeNumber(args[++i], 0, 100, v))
                return QCoreApplication::translate("TRenderCommand", "--quality: a(z) \"%1\" nem 0 és 100 közötti egész szám").arg(args[i]);
            o.Quality = static_cast<int>(v);
            haveQuality = true;
        } else if (a.startsWith(QLatin1String("--")) || positional.size() >= 2) {
            return QCoreApplication::translate("TRenderCommand", "váratlan argumentum: \"%1\"").arg(a);
        } else {
            positional << a;
        }
    }
    if (positional.size() < 2) return QCoreApplication::translate("TRenderCommand", "a PROJEKT.VKP és a MAPPA megadása kötelező");
    o.ProjectPath = positional[0];
    o.OutDir = positional[1];
    if (o.Job.To >= 0 && o.Job.To < o.Job.From)
        return QCoreApplication::translate("TRenderCommand", "a --to %1 korábbi a --from %2 értékénél").arg(o.Job.To).arg(o.Job.From);
    if (haveQuality && o.Format != TFrameFormat::Webp) return QCoreApplication::translate("TRenderCommand", "a --quality csak a --format webp mellett adható meg");
    if (o.Format == TFrameFormat::Webp) {
        const int side = std::max(o.Job.Width, o.Job.Height);
        if (side > TWebpAnimation::MaxSide)
            return QCoreApplication::translate("TRenderCommand", "--size: a WebP oldalanként legfeljebb %1 képpontos lehet").arg(TWebpAnimation::MaxSide);
    }
    return {};
}

int TRenderCommand::Main(const QStringList& args, const TLoader& loader, QTextStream& err, bool progress) {
    TRenderCommandOptions options;
    const QString problem = ParseArgs(args, options);
    if (!problem.isEmpty()) {
        err << "velkon render: " << problem << "\n" << Usage() << "\n";
        err.flush();
        return 2;
    }
    TScene scene;
    if (!LoadForCommand(QStringLiteral("velkon render"), options.ProjectPath, loader, scene, err, QFileInfo(options.ProjectPath).absoluteFilePath()))
        return 1;

    TEditorState state(scene);
    ApplyResolution(state, scene.Resolution);
    TRenderJob job(state, options.Job);
    const QString missing = job.CheckNames();
    if (!missing.isEmpty()) {
        err << "velkon render: " << QCoreApplication::translate("TRenderCommand", "nincs ilyen réteg: %1").arg(missing) << "\n";
        err.flush();
        return 2;
    }
    job.OnPlayError = [&](int32_t time, const QString& message) {
        err << QCoreApplication::translate("TRenderCommand", "%1 hiba: %2").arg(QString::number(time), message) << "\n";
    };
    job.OnTextureError = [&](const QString& message) {
        err << QCoreApplication::translate("TRenderCommand", "textúra: %1").arg(message) << "\n";
    };
    bool progressShown = false;
    const bool exact = options.Job.To >= 0;
    if (progress)
        job.OnProgress = [&](int frame, int32_t time, int total) {
            err << "\rvelkon render: "
                << (exact ? QCoreApplication::translate("TRenderCommand", "%1. képkocka / %2 (%3 ms)")
                          : QCoreApplication::translate("TRenderCommand", "%1. képkocka / legfeljebb %2 (%3 ms)"))
                       .arg(frame + 1)
                       .arg(total)
                       .arg(time);
            err.flush();
            progressShown = true;
        };

    TFrameSinkOptions sinkOptions;
    sinkOptions.Format = options.Format;
    sinkOptions.OutDir = options.OutDir;
    sinkOptions.Name = QFileInfo(options.ProjectPath).completeBaseName();
    sinkOptions.Fps = options.Job.Fps;
    sinkOptions.Quality = options.Quality;
    const auto sink = TFrameSink::Create(sinkOptions);
    QString error;
    const bool ok = job.Run(*sink, &error);
    if (progressShown) err << "\n";
    if (!ok) {
        err << "velkon render: " << error << "\n";
        err.flush();
        return 1;
    }
    err.flush();
    return 0;
}

} // namespace velkon
