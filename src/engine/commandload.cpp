#include "engine/commandload.h"

#include "model/errorlog.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <exception>

namespace velkon {

namespace {

// The error log holds the newest line first; print in the order things happened.
void PrintLoadLog(const TErrorLog& log, QTextStream& err) {
    for (int i = log.Count() - 1; i >= 0; --i)
        err << QCoreApplication::translate("LoadForCommand", "betöltés: %1").arg(log.Lines()[i]) << "\n";
}

} // namespace

bool LoadForCommand(const QString& command, const QString& path, const TCommandLoader& loader, TScene& scene,
                    QTextStream& err, const QString& readPath) {
    if (!QFileInfo(path).isFile()) {
        err << command << ": "
            << QCoreApplication::translate("LoadForCommand", "a(z) \"%1\" projekt nem olvasható").arg(path) << "\n";
        err.flush();
        return false;
    }
    TErrorLog log;
    try {
        loader(scene, readPath.isEmpty() ? path : readPath, log);
    } catch (const std::exception& e) {
        const auto* ve = dynamic_cast<const EVelkonError*>(&e);
        PrintLoadLog(log, err);
        err << command << ": "
            << QCoreApplication::translate("LoadForCommand", "a(z) \"%1\" projekt nem olvasható: %2")
                   .arg(path, ve ? ve->Message() : QString::fromUtf8(e.what()))
            << "\n";
        err.flush();
        return false;
    }
    PrintLoadLog(log, err);
    return true;
}

bool ReadWholeNumber(const QString& text, int64_t low, int64_t high, int64_t& value) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

} // namespace velkon
