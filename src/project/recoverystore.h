#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <mutex>

class QLockFile;

namespace velkon {

class TScene;
class TErrorLog;

// A recovery copy of one project's unsaved state.
struct TRecoveryCopy {
    QString Id;          // the editor that wrote it
    QString File;        // the copy's project text
    QString ProjectPath; // the project it is a copy of (empty: one that has no file yet)
    QDateTime Time;      // when it was written (UTC)
    // Resources that were not beside the project: file name -> full path.
    QHash<QString, QString> Resources;
};

// The recovery copies of the running editors, in one folder of the user's
// data. Each editor holds its own lock file there for as long as it runs, so
// another editor never takes a live editor's copy for one a crash left.
//
// Files of an editor whose id is ID:
//   ID.lock       its QLockFile, held while it runs
//   ID.N.VKP      the project text of copy N (Windows-1250, CR LF, as a save writes it)
//   ID.info       a JSON object: "format" ("VelkonRecovery 1"), "project" (the
//                 project's path), "time" (ISO 8601, UTC, milliseconds), "copy"
//                 (the name of its ID.N.VKP) and "resources" (the resources
//                 that are not beside the project: name -> full path)
// A copy is written as ID.N.VKP first and then made the copy by an atomic
// replace of ID.info; the older ID.*.VKP go after that. A kill at any moment
// so leaves the last whole copy or none, never a part of one. The project
// itself is never written here.
class TRecoveryStore {
public:
    // Takes this editor's lock in folder (made when missing). A folder that
    // cannot be made or locked leaves the store not Ready: every Write then
    // fails, and editing goes on.
    explicit TRecoveryStore(const QString& folder);
    // Releases the lock. The copy stays: an editor that ends normally has
    // removed it before.
    ~TRecoveryStore();
    TRecoveryStore(const TRecoveryStore&) = delete;
    TRecoveryStore& operator=(const TRecoveryStore&) = delete;

    bool Ready() const;
    const QString& Folder() const { return folder_; }
    const QString& Id() const { return id_; }

    // The token a Write carries: a Remove after it was taken makes that
    // Write write nothing (a copy serialised before a save must not come back
    // after the save removed the copy).
    uint64_t Token() const;
    // Makes projectText the copy of projectPath at time, atomically;
    // resources names the files that are not beside the project. May run
    // on another thread than the rest. Returns false when Remove came after
    // token was taken; throws EVelkonError when the copy cannot be written
    // (this editor's older copy then stays whole).
    bool Write(uint64_t token, const QByteArray& projectText, const QString& projectPath,
               const QDateTime& time, const QHash<QString, QString>& resources = {});
    // Removes this editor's copy (after a save, New, Open and a normal end);
    // waits for a Write in progress. Returns false when a file stayed.
    bool Remove();
    // Whether this editor has a copy on disk.
    bool HasCopy() const;

    // Copies of editors that did not end normally (their lock is not held,
    // by this editor or any other), newest first.
    QList<TRecoveryCopy> LeftCopies() const;
    // Removes a left copy: its files and its stale lock.
    static bool Discard(const TRecoveryCopy& copy);
    // Reads a left copy as its project: the name and folder (where the
    // resources are found) are the original project's, and the scene counts
    // as unsaved changes of it. Errors as ReadProject.
    static void Read(TScene& scene, const TRecoveryCopy& copy, TErrorLog& log);

private:
    static bool RemoveFilesOf(const QString& folder, const QString& id);

    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
    mutable std::mutex mutex_; // one Write or Remove at a time
    uint64_t token_ = 1;
    uint64_t generation_ = 0;
    bool hasCopy_ = false;
};

} // namespace velkon
