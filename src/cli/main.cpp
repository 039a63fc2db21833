// velkon: the editor's headless command line. It links the core and the
// renderer and needs no display: it loads a project and packs or checks it
// exactly as the pack button would, printing what the editor would have shown,
// plays it on a virtual clock, or renders its frames offscreen.

#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/packexport.h"
#include "project/projectfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "cli/render.h"
#include "cli/simulate.h"

using namespace velkon;

namespace {

const char* const kUsage =
    "Usage:\n"
    "  velkon pack PROJECT.VKP OUT.VKM\n"
    "      Loads the project and packs it to OUT.VKM as the editor's pack button does:\n"
    "      the resource files are copied beside it and OUT.VKP is written there.\n"
    "      The name is kept as given; .VKM is added only when it has no extension.\n"
    "      Exit 0 when the pack was written, 1 when it (or a resource) could not be or\n"
    "      when it would replace a project that was read only in part with that part,\n"
    "      2 when OUT is a folder or no usable file name.\n"
    "  velkon check PROJECT.VKP\n"
    "      Loads the project and runs the pack's checks without writing anything\n"
    "      (alpha and touch rectangles, file names, parameters that give no number).\n"
    "      Exit 0 when there was nothing to report, 1 otherwise.\n"
    "  velkon simulate PROJECT.VKP --at T1,T2,... [--step MS] [--seed N] [--timescale N]\n"
    "                  [--touch LAYER@MS]... [--preview LAYER[,LAYER...]] [--no-autostop] [--events]\n"
    "      Plays the project headless on a virtual clock and prints every layer's state\n"
    "      at the given times (ms). Exit 0 when it ran, 1 when the project could not be read.\n"
    "  velkon render PROJECT.VKP OUTDIR [--fps N] [--from MS] [--to MS] [--seed N]\n"
    "                [--touch LAYER@MS]... [--size WxH] [--format png|webp] [--quality Q]\n"
    "      Plays the project on the virtual clock of simulate (same seed, touches and\n"
    "      automatic stop) and writes what the canvas shows, without editing marks, as\n"
    "      OUTDIR/frame_00000.png, frame_00001.png ... or as one animated\n"
    "      OUTDIR/<project name>.webp (lossless, or lossy with --quality 0..100).\n"
    "      Frame k is at FROM + k*1000/N ms, up to and including TO. Defaults: 30 fps,\n"
    "      from 0 to the time the scene stops by itself or 10 s, whichever is first,\n"
    "      at the project's resolution (--size scales the frame). Needs no display.\n"
    "      Exit 0 when every frame was written, 1 when the project could not be read\n"
    "      or a frame not written (nothing of the run is left then).\n"
    "  velkon --help\n"
    "      Shows this text.\n"
    "\n"
    "Every error-log line and every message the editor would have shown is printed\n"
    "to standard error, oldest first, one per line. Wrong usage exits with 2.\n";

// Answers the core's questions the way a user who only reads would: messages
// are printed, questions get No, choices are cancelled.
class TCliDialogs : public TDialogs {
public:
    explicit TCliDialogs(QTextStream& err, int& printed) : err_(err), printed_(printed) {}
    bool AskYesNo(const QString& caption, const QString& text) override {
        Print(caption + QStringLiteral(": ") + text);
        return false;
    }
    std::optional<QString> InputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    void Message(const QString& text) override { Print(text); }
    std::optional<QString> ChooseFile(const TFileChoice&) override { return std::nullopt; }

    void Print(const QString& line) {
        err_ << line << '\n';
        err_.flush();
        ++printed_;
    }

private:
    QTextStream& err_;
    int& printed_;
};

// Everything a pack or check run shares: the scene, the log that prints each
// new line as it comes (so the output reads oldest first) and the dialogs.
struct TSession {
    explicit TSession(QTextStream& err) : Dialogs(err, Printed) {
        Log.OnChange = [this] {
            if (Log.Count() > seen_)
                Dialogs.Print(Log.Lines().first());
            seen_ = Log.Count();
        };
    }
    // Loads the project; false (with the reason printed) when it cannot be read.
    bool Load(const QString& path) {
        try {
            ReadProject(Scene, QFileInfo(path).absoluteFilePath(), Log);
            return true;
        } catch (const EVelkonError& e) {
            Dialogs.Print(e.Message());
            return false;
        }
    }

    TScene Scene;
    TErrorLog Log;
    int Printed = 0;
    TCliDialogs Dialogs;

private:
    int seen_ = 0;
};

int Pack(const QString& project, const QString& out, QTextStream& err) {
    TSession session(err);
    // A name that cannot be a pack is wrong usage: refused before anything is read or written.
    QString path;
    try {
        path = PackOutputPath(out);
    } catch (const EVelkonError& e) {
        session.Dialogs.Print(e.Message());
        return 2;
    }
    if (!session.Load(project))
        return 1;
    try {
        TPackOptions options;
        options.Path = path;
        PackExport(session.Scene, session.Dialogs, session.Log, options);
        return 0;
    } catch (const EVelkonError& e) {
        session.Dialogs.Print(e.Message());
        return 1;
    }
}

int Check(const QString& project, QTextStream& err) {
    TSession session(err);
    if (!session.Load(project))
        return 1;
    WarnRetina(session.Scene, session.Dialogs);
    RunPackChecks(session.Scene, session.Dialogs, session.Log);
    return session.Printed == 0 ? 0 : 1;
}

int Usage(QTextStream& err) {
    err << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);

    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        if (args.size() != 1)
            return Usage(err);
        out << kUsage;
        return 0;
    }
    if (command == QLatin1String("pack"))
        return args.size() == 3 ? Pack(args[1], args[2], err) : Usage(err);
    if (command == QLatin1String("check"))
        return args.size() == 2 ? Check(args[1], err) : Usage(err);

    // RunSimulate gets the arguments after the word "simulate".
    if (command == QLatin1String("simulate")) {
        const int code = RunSimulate(args.mid(1), out, err);
        out.flush();
        err.flush();
        return code;
    }

    if (command == QLatin1String("render")) {
        const int code = RunRender(args.mid(1), err);
        err.flush();
        return code;
    }

    return Usage(err);
}
