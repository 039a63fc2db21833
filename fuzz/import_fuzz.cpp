// A hostile project imported into the example project, then edited, played
// and saved: the input is the imported project file, read from a folder that
// also holds a picture, a link to it, a link out of the folder, a FIFO, a
// sound, a text named like a picture and a folder named like a picture. The
// import may refuse with a message; what it brings must edit, play and save,
// and the save must read back to the same project.
#include "editsession.h"

#include "edit/import.h"
#include "model/velkonerror.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace velkon;
using namespace velkon::fuzz;

namespace {

// The imported project's folder with its hostile neighbours, made once.
QString ImportFolder() {
    static const QString folder = [] {
        const QString demo = DemoFolder();
        const QString dir = WorkDir() + QStringLiteral("/import");
        QDir().mkpath(dir);
        QFile::copy(demo + QStringLiteral("/ball.png"), dir + QStringLiteral("/ball.png"));
        QFile::copy(demo + QStringLiteral("/boing.wav"), dir + QStringLiteral("/boing.wav"));
        QFile::link(QStringLiteral("ball.png"), dir + QStringLiteral("/inside.png"));
        QFile::link(demo + QStringLiteral("/sun.png"), dir + QStringLiteral("/outside.png"));
        ::mkfifo(QFile::encodeName(dir + QStringLiteral("/fifo.png")).constData(), 0644);
        QDir().mkpath(dir + QStringLiteral("/dir.png"));
        QFile text(dir + QStringLiteral("/text.png"));
        if (text.open(QIODevice::WriteOnly)) text.write("not a picture");
        return dir;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = ImportFolder() + QStringLiteral("/p.VKP");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) Fail(QStringLiteral("cannot write ") + path);
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    TEditSession session;
    session.Open(DemoFolder() + QStringLiteral("/demo.VKP"));
    // The import button: the file, then every layer it lists (at most 200).
    session.Dialogs.FileAnswers.push_back(path);
    try {
        ImportFromProject(session.State, session.Dialogs, session.Log, [](const QStringList& names) {
            std::vector<int> all;
            for (int k = 0; k < names.size() && k < 200; ++k)
                all.push_back(k);
            return std::optional<std::vector<int>>(all);
        });
    } catch (const EVelkonError&) {
        return 0; // refused with its message: nothing imported
    } catch (const std::exception& e) {
        Fail(QStringLiteral("an exception out of the import: ") + QString::fromUtf8(e.what()));
    }
    session.SaveAndCompare(WorkDir() + QStringLiteral("/out/imported.VKP"));
    // The input's own bytes choose the edits that follow.
    TChoices in(data, size);
    session.Run(in, 24);
    session.SaveAndCompare(WorkDir() + QStringLiteral("/out/imported.VKP"));
    return 0;
}
