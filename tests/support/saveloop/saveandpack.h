#pragma once

// One round of the save loop: read a project, save it as OUT/p.VKP and pack it
// as OUT/o.VKM. The killed child and the test's own rounds share it.
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "project/packexport.h"
#include "project/projectfile.h"

#include <QString>

namespace velkon::test {

inline void SaveAndPack(const QString& source, const QString& out) {
    TScene scene;
    TErrorLog log;
    ReadProject(scene, source, log);
    WriteProject(scene, out + QStringLiteral("/p.VKP"));
    TScriptedDialogs dialogs;
    TPackOptions options;
    options.Path = out + QStringLiteral("/o.VKM");
    PackExport(scene, dialogs, log, options);
}

} // namespace velkon::test
