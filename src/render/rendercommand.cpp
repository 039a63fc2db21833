#include "render/rendercommand.h"

#include "edit/editorstate.h"
#include "edit/resolutions.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <QFileInfo>
#include <limits>

namespace velkon {

namespace {

bool ReadWhole(const QString& text, int64_t low, int64_t high, int64_t& value) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < low || v > high) return false;
    value = v;
    return true;
}

constexpr int MaxSide = 16384;

} // namespace

QString TRenderCommand::Usage() {
    return QStringLiteral(
        "usage: velkon render PROJECT.VKP OUTDIR [--fps N] [--from MS] [--to MS] [--seed N]\n"
        "                     [--touch LAYER@MS]... [--size WxH] [--format png|webp] [--quality Q]");
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
        if (takesValue && i + 1 >= args.size()) return QStringLiteral("%1 needs a value").arg(a);
        int64_t v = 0;
        if (a == QLatin1String("--fps")) {
            if (!ReadWhole(args[++i], 1, 1000, v))
                return QStringLiteral("--fps: \"%1\" is not a whole number from 1 to 1000").arg(args[i]);
            o.Job.Fps = static_cast<int>(v);
        } else if (a == QLatin1String("--from") || a == QLatin1String("--to")) {
            if (!ReadWhole(args[++i], 0, maxTime, v))
                return QStringLiteral("%1: \"%2\" is not a time in milliseconds").arg(a, args[i]);
            (a == QLatin1String("--from") ? o.Job.From : o.Job.To) = static_cast<int32_t>(v);
        } else if (a == QLatin1String("--seed")) {
            if (!ReadWhole(args[++i], 0, std::numeric_limits<uint32_t>::max(), v))
                return QStringLiteral("--seed: \"%1\" is not a whole number").arg(args[i]);
            o.Job.Seed = static_cast<uint32_t>(v);
        } else if (a == QLatin1String("--touch")) {
            const QString t = args[++i];
            const int at = t.lastIndexOf(QLatin1Char('@'));
            if (at <= 0 || !ReadWhole(t.mid(at + 1), 0, maxTime, v))
                return QStringLiteral("--touch: \"%1\" is not LAYER@MS").arg(t);
            o.Job.Touches << qMakePair(t.left(at), static_cast<int32_t>(v));
        } else if (a == QLatin1String("--size")) {
            const QStringList wh = args[++i].split(QLatin1Char('x'));
            int64_t w = 0, h = 0;
            if (wh.size() != 2 || !ReadWhole(wh[0], 1, MaxSide, w) || !ReadWhole(wh[1], 1, MaxSide, h))
                return QStringLiteral("--size: \"%1\" is not WxH (1 to %2 pixels a side)").arg(args[i]).arg(MaxSide);
            o.Job.Width = static_cast<int>(w);
            o.Job.Height = static_cast<int>(h);
        } else if (a == QLatin1String("--format")) {
            const QString f = args[++i].toLower();
            if (f == QLatin1String("png"))
                o.Format = TFrameFormat::Png;
            else if (f == QLatin1String("webp"))
                o.Format = TFrameFormat::Webp;
            else
                return QStringLiteral("--format: \"%1\" is neither png nor webp").arg(args[i]);
        } else if (a == QLatin1String("--quality")) {
            if (!ReadWhole(args[++i], 0, 100, v))
                return QStringLiteral("--quality: \"%1\" is not a whole number from 0 to 100").arg(args[i]);
            o.Quality = static_cast<int>(v);
            haveQuality = true;
        } else if (a.startsWith(QLatin1String("--")) || positional.size() >= 2) {
            return QStringLiteral("unexpected argument \"%1\"").arg(a);
        } else {
            positional << a;
        }
    }
    if (positional.size() < 2) return QStringLiteral("PROJECT.VKP and OUTDIR are required");
    o.ProjectPath = positional[0];
    o.OutDir = positional[1];
    if (o.Job.To >= 0 && o.Job.To < o.Job.From)
        return QStringLiteral("--to %1 is before --from %2").arg(o.Job.To).arg(o.Job.From);
    if (haveQuality && o.Format != TFrameFormat::Webp) return QStringLiteral("--quality is for --format webp only");
    if (o.Format == TFrameFormat::Webp) {
        const int side = std::max(o.Job.Width, o.Job.Height);
        if (side > TWebpAnimation::MaxSide)
            return QStringLiteral("--size: a WebP has at most %1 pixels a side").arg(TWebpAnimation::MaxSide);
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
    TErrorLog log;
    if (!QFileInfo(options.ProjectPath).isFile()) {
        err << "velkon render: cannot read the project \"" << options.ProjectPath << "\"\n";
        err.flush();
        return 1;
    }
    try {
        loader(scene, QFileInfo(options.ProjectPath).absoluteFilePath(), log);
    } catch (const std::exception& e) {
        const auto* ve = dynamic_cast<const EVelkonError*>(&e);
        for (int i = log.Count() - 1; i >= 0; --i)
            err << "load: " << log.Lines()[i] << "\n";
        err << "velkon render: cannot read the project \"" << options.ProjectPath
            << "\": " << (ve ? ve->Message() : QString::fromUtf8(e.what())) << "\n";
        err.flush();
        return 1;
    }
    // The error log holds the newest line first; print in the order things happened.
    for (int i = log.Count() - 1; i >= 0; --i)
        err << "load: " << log.Lines()[i] << "\n";

    TEditorState state(scene);
    ApplyResolution(state, scene.Resolution);
    TRenderJob job(state, options.Job);
    const QString missing = job.CheckNames();
    if (!missing.isEmpty()) {
        err << "velkon render: no such layer: " << missing << "\n";
        err.flush();
        return 2;
    }
    job.OnPlayError = [&](int32_t time, const QString& message) { err << time << " error: " << message << "\n"; };
    job.OnTextureError = [&](const QString& message) { err << "texture: " << message << "\n"; };
    bool progressShown = false;
    const bool exact = options.Job.To >= 0;
    if (progress)
        job.OnProgress = [&](int frame, int32_t time, int total) {
            err << "\rvelkon render: frame " << frame + 1 << (exact ? " of " : " of at most ") << total << " ("
                << time << " ms)";
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
