#include "project/recoverystore.h"

#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QUuid>

#include <algorithm>

namespace velkon {

namespace {

const QLatin1StringView kInfoSuffix(".info");
const QLatin1StringView kLockSuffix(".lock");
const QLatin1StringView kFormat("VelkonRecovery 1");
// A side file is a few lines; anything much larger is not one of ours.
constexpr qint64 kMaxInfoBytes = 1 << 20;

QString InfoPath(const QString& folder, const QString& id) {
    return folder + QLatin1Char('/') + id + kInfoSuffix;
}

QString LockPath(const QString& folder, const QString& id) {
    return folder + QLatin1Char('/') + id + kLockSuffix;
}

// The side file of a copy; false when it is missing or not one of ours.
bool ReadInfo(const QString& folder, const QString& id, TRecoveryCopy& copy) {
    QFile file(InfoPath(folder, id));
    if (file.size() > kMaxInfoBytes || !file.open(QIODevice::ReadOnly)) return false;
    const QJsonObject info = QJsonDocument::fromJson(file.read(kMaxInfoBytes)).object();
    if (info.value(QLatin1String("format")).toString() != kFormat) return false;
    const QString copyName = info.value(QLatin1String("copy")).toString();
    // Only a copy of this very editor, in this very folder.
    if (!copyName.startsWith(id + QLatin1Char('.')) || !copyName.endsWith(QLatin1String(".VKP")) ||
        !IsPlainFileName(copyName))
        return false;
    copy.Id = id;
    copy.File = folder + QLatin1Char('/') + copyName;
    copy.ProjectPath = info.value(QLatin1String("project")).toString();
    copy.Time = QDateTime::fromString(info.value(QLatin1String("time")).toString(), Qt::ISODateWithMs);
    const QJsonObject resources = info.value(QLatin1String("resources")).toObject();
    for (auto it = resources.begin(); it != resources.end(); ++it)
        copy.Resources.insert(it.key(), it.value().toString());
    return copy.Time.isValid() && QFileInfo(copy.File).isFile();
}

} // namespace

TRecoveryStore::TRecoveryStore(const QString& folder)
    : folder_(QDir::cleanPath(QDir(folder).absolutePath())), id_(QUuid::createUuid().toString(QUuid::Id128)) {
    if (!QDir().mkpath(folder_)) return;
    auto lock = std::make_unique<QLockFile>(LockPath(folder_, id_));
    lock->setStaleLockTime(0); // held for as long as this editor runs, however long that is
    if (lock->tryLock(0)) lock_ = std::move(lock);
}

TRecoveryStore::~TRecoveryStore() = default;

bool TRecoveryStore::Ready() const {
    return lock_ != nullptr;
}

uint64_t TRecoveryStore::Token() const {
    std::lock_guard guard(mutex_);
    return token_;
}

bool TRecoveryStore::Write(uint64_t token, const QByteArray& projectText, const QString& projectPath,
                           const QDateTime& time, const QHash<QString, QString>& resources) {
    std::lock_guard guard(mutex_);
    if (token != token_) return false;
    if (!lock_)
        throw EVelkonError(QCoreApplication::translate("RecoveryStore", "A mappa nem írható: %1")
                               .arg(QDir::toNativeSeparators(folder_)));
    const uint64_t generation = generation_ + 1;
    const QString copyName = id_ + QLatin1Char('.') + QString::number(generation) + QLatin1String(".VKP");
    const QString copyPath = folder_ + QLatin1Char('/') + copyName;
    SafeWriteFile(copyPath, projectText);
    QJsonObject info;
    info.insert(QLatin1String("format"), kFormat);
    info.insert(QLatin1String("project"), projectPath);
    info.insert(QLatin1String("time"), time.toUTC().toString(Qt::ISODateWithMs));
    info.insert(QLatin1String("copy"), copyName);
    QJsonObject paths;
    for (auto it = resources.cbegin(); it != resources.cend(); ++it)
        paths.insert(it.key(), it.value());
    info.insert(QLatin1String("resources"), paths);
    try {
        // The commit: from here on the new text is the copy.
        SafeWriteFile(InfoPath(folder_, id_), QJsonDocument(info).toJson());
    } catch (...) {
        QFile::remove(copyPath);
        throw;
    }
    generation_ = generation;
    hasCopy_ = true;
    // Older texts of this editor, and temporaries of writes killed half-way.
    const QStringList old =
        QDir(folder_).entryList({id_ + QLatin1String(".*.VKP")}, QDir::Files | QDir::Hidden);
    for (const QString& name : old)
        if (name != copyName) QFile::remove(folder_ + QLatin1Char('/') + name);
    RemoveStaleTemporaries(folder_);
    return true;
}

bool TRecoveryStore::Remove() {
    std::lock_guard guard(mutex_);
    ++token_;
    if (!hasCopy_) return true;
    hasCopy_ = false;
    return RemoveFilesOf(folder_, id_);
}

bool TRecoveryStore::HasCopy() const {
    std::lock_guard guard(mutex_);
    return hasCopy_;
}

bool TRecoveryStore::RemoveFilesOf(const QString& folder, const QString& id) {
    bool all = true;
    // The side file first: without it nothing of the copy counts any more.
    const QString info = InfoPath(folder, id);
    if (QFileInfo::exists(info) && !QFile::remove(info)) all = false;
    for (const QString& name :
         QDir(folder).entryList({id + QLatin1String(".*.VKP")}, QDir::Files | QDir::Hidden))
        if (!QFile::remove(folder + QLatin1Char('/') + name)) all = false;
    return all;
}

QList<TRecoveryCopy> TRecoveryStore::LeftCopies() const {
    QList<TRecoveryCopy> copies;
    const QStringList infos = QDir(folder_).entryList({QLatin1String("*") + kInfoSuffix}, QDir::Files);
    for (const QString& name : infos) {
        const QString id = name.chopped(kInfoSuffix.size());
        if (id == id_) continue;
        // A lock another editor holds is a live editor's copy. A stale one
        // (its editor is gone) is taken and let go at once.
        QLockFile lock(LockPath(folder_, id));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        lock.unlock();
        TRecoveryCopy copy;
        if (ReadInfo(folder_, id, copy)) copies << copy;
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const TRecoveryCopy& a, const TRecoveryCopy& b) { return a.Time > b.Time; });
    return copies;
}

bool TRecoveryStore::Discard(const TRecoveryCopy& copy) {
    const QString folder = QFileInfo(copy.File).absolutePath();
    bool all = RemoveFilesOf(folder, copy.Id);
    // The lock is stale (LeftCopies took and let go of it), or already gone.
    const QString lock = LockPath(folder, copy.Id);
    QLockFile probe(lock);
    probe.setStaleLockTime(0);
    if (probe.tryLock(0))
        probe.unlock();
    else
        all = false;
    return all;
}

void TRecoveryStore::Read(TScene& scene, const TRecoveryCopy& copy, TErrorLog& log) {
    const bool untitled = copy.ProjectPath.isEmpty();
    // A project that had no file yet: its resources are all named in the side file.
    const auto named = [&] {
        scene.Saved = false;
        if (!untitled) return;
        scene.ProjectFileName = QString::fromLatin1(UntitledProjectName);
        scene.ProjectDir.clear();
    };
    try {
        ReadProjectAs(scene, copy.File, untitled ? copy.File : copy.ProjectPath, copy.Resources, log);
    } catch (...) {
        named();
        throw;
    }
    named();
}

} // namespace velkon
