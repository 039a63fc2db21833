// velkon: the editor's headless command line. It links the core and the
// renderer and needs no display: it loads a project and packs or checks it
// exactly as the pack button would, printing what the editor would have shown,
// plays it on a virtual clock, or renders its frames offscreen.

#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/language.h"
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

// The usage in the program's source language; the catalogue holds its English.
const char* const kUsage = QT_TRANSLATE_NOOP(
    "velkon",
    "Használat:\n"
    "  velkon pack PROJEKT.VKP CÉL.VKM\n"
    "      Betölti a projektet, és a szerkesztő csomagolás gombjához hasonlóan elkészíti\n"
    "      belőle a CÉL.VKM csomagot: az erőforrásfájlokat mellé másolja, és oda írja a\n"
    "      CÉL.VKP-t is. A nevet úgy hagyja, ahogy megadták; a .VKM-et csak akkor teszi\n"
    "      a végére, ha a névnek nincs kiterjesztése.\n"
    "      Kilépési kód: 0, ha a csomag elkészült; 1, ha a csomag (vagy egy erőforrás)\n"
    "      nem írható, vagy ha egy csak részben beolvasott projektet írna felül annak\n"
    "      beolvasott részével; 2, ha a CÉL mappa, vagy nem használható fájlnév.\n"
    "  velkon check PROJEKT.VKP\n"
    "      Betölti a projektet, és lefuttatja a csomagolás ellenőrzéseit, de semmit nem ír\n"
    "      (alfa- és érintési téglalapok, fájlnevek, számot nem adó paraméterek).\n"
    "      Kilépési kód: 0, ha nem volt mit jelenteni, különben 1.\n"
    "  velkon simulate PROJEKT.VKP --at T1,T2,... [--step MS] [--seed N] [--timescale N]\n"
    "                  [--touch RÉTEG@MS]... [--preview RÉTEG[,RÉTEG...]] [--no-autostop] [--events]\n"
    "      Kijelző nélkül, virtuális órával lejátssza a projektet, és kiírja minden réteg\n"
    "      állapotát a megadott időpontokban (ms). Kilépési kód: 0, ha lefutott; 1, ha a\n"
    "      projekt nem olvasható.\n"
    "  velkon render PROJEKT.VKP MAPPA [--fps N] [--from MS] [--to MS] [--seed N]\n"
    "                [--touch RÉTEG@MS]... [--size SZxM] [--format png|webp] [--quality Q]\n"
    "      A simulate virtuális órájával játssza le a projektet (ugyanaz a mag, érintések\n"
    "      és automatikus leállás), és azt írja ki, amit a vászon mutat, szerkesztési jelek\n"
    "      nélkül: MAPPA/frame_00000.png, frame_00001.png ... képkockákba, vagy egyetlen\n"
    "      animált MAPPA/<projektnév>.webp fájlba (veszteségmentesen, vagy --quality 0..100\n"
    "      mellett veszteségesen). A k. képkocka ideje FROM + k*1000/N ms, a TO időpontot is\n"
    "      beleértve. Alapértelmezés: 30 fps, 0-tól addig, amíg a jelenet magától leáll, de\n"
    "      legfeljebb 10 s-ig, a projekt felbontásában (a --size átméretezi a képet).\n"
    "      Nem kell hozzá kijelző. Kilépési kód: 0, ha minden képkocka elkészült; 1, ha a\n"
    "      projekt nem olvasható, vagy egy képkocka nem írható (ekkor semmi sem marad meg\n"
    "      a futásból).\n"
    "  velkon --help\n"
    "      Kiírja ezt a szöveget.\n"
    "\n"
    "A hibanapló minden sorát és minden üzenetet, amelyet a szerkesztő megjelenített\n"
    "volna, a szabványos hibakimenetre írja, a legrégebbivel kezdve, soronként egyet.\n"
    "Hibás használatnál a kilépési kód 2.\n");

QString UsageText() {
    return QCoreApplication::translate("velkon", kUsage);
}

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
    err << UsageText();
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The command line speaks the language of its environment (LANGUAGE, LC_ALL, LANG).
    InstallTranslators(app, CommandLineLanguage());
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);

    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        if (args.size() != 1)
            return Usage(err);
        out << UsageText();
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
