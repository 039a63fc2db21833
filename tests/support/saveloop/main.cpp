// Saves and packs projects in a loop until it is killed, for the tests that
// kill a save at random moments:
//   velkon_save_loop OUT_FOLDER PROJECT.VKP...
// Each round reads the next project (their resources beside them), saves it
// as OUT_FOLDER/p.VKP and packs it as OUT_FOLDER/o.VKM, then prints "done N"
// on its own line. A failure prints the message and exits 1.
#include "model/velkonerror.h"
#include "saveandpack.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace velkon;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: velkon_save_loop OUT_FOLDER PROJECT.VKP...\n");
        return 2;
    }
    const QString out = args[0];
    for (long round = 0;; ++round) {
        const QString source = args[1 + round % (args.size() - 1)];
        try {
            velkon::test::SaveAndPack(source, out);
        } catch (const EVelkonError& e) {
            std::fprintf(stderr, "%s\n", e.Message().toLocal8Bit().constData());
            return 1;
        }
        std::printf("done %ld\n", round);
        std::fflush(stdout);
    }
}
