#include "project/settingsplaces.h"

#include "project/projectcommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace velkon {

namespace {

// A folder counts as writable only if a file can really be created in it.
bool CanWriteIn(const QString& dir) {
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".velkon-probe-XXXXXX")));
    return probe.open();
}

} // namespace

TSettingsPlaces TSettingsPlaces::Choose(const QString& programDir, const QString& configDir,
                                        const QString& dataDir) {
    if (CanWriteIn(programDir)) return In(programDir);
    // A folder that cannot be made shows itself when a file is written there.
    QDir().mkpath(configDir);
    QDir().mkpath(dataDir);
    TSettingsPlaces places;
    places.SettingsDir = configDir;
    places.DataDir = dataDir;
    return places;
}

TSettingsPlaces TSettingsPlaces::ForThisProgram() {
    return Choose(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

TSettingsPlaces TSettingsPlaces::In(const QString& dir) {
    TSettingsPlaces places;
    places.SettingsDir = dir;
    places.DataDir = dir;
    return places;
}

QString TSettingsPlaces::SettingsFile(const QString& name) const {
    return QDir(SettingsDir).filePath(name);
}

QString TSettingsPlaces::ExitSaveFile() const {
    return QDir(DataDir).filePath(QString::fromLatin1(ExitSaveFileName));
}

} // namespace velkon
