// Structure-aware editing of a mutated project: the input spoils the example
// project (numbers to extremes, names duplicated, empty or 400 characters
// long, Parent cycles, Group out of range, bad file names, injected commands),
// then selects, drags, nudges, undoes and redoes, edits keyframes, pastes,
// drops to parent, plays and saves; every save must read back to the same
// project, no list may grow past what the reader takes, and no exception but
// a refusal may come out of a core call.
#include "editsession.h"

#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/projectfile.h"
#include "project/windows1250.h"

#include <QDir>
#include <QFile>

using namespace velkon;
using namespace velkon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TChoices in(data, size);
    const QString demo = DemoFolder();
    static const QByteArray base = [&] {
        QFile file(demo + QStringLiteral("/demo.VKP"));
        if (!file.open(QIODevice::ReadOnly)) Fail(QStringLiteral("no demo project"));
        return file.readAll();
    }();
    TIniFile ini;
    ini.FromBytes(base);
    MutateProject(ini, in, in.Int(0, 16));
    // The spoilt project stands beside the demo's pictures and sound.
    const QString path = demo + QStringLiteral("/spoilt.VKP");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) Fail(QStringLiteral("cannot write ") + path);
    file.write(EncodeWindows1250(ini.ToText()));
    file.close();

    TEditSession session;
    session.Open(path);
    session.Run(in, 48);
    session.SaveAndCompare(WorkDir() + QStringLiteral("/out/edited.VKP"));
    return 0;
}
