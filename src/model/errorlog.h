#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>

namespace velkon {

// The editor's error log: notices and errors, newest first. The error log
// panel shows it; the command line prints it oldest first.
class TErrorLog {
public:
    // Inserts a line at the top: a notice the user should see (a saved
    // project, a pack, a missing file, an error).
    void Add(const QString& line);
    // Inserts a line that only the log keeps: the undo history and the
    // details under an error. The status line does not announce it.
    void AddQuiet(const QString& line);
    const QStringList& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }
    void Clear();

    // Lines added since the log was made, and how often it was cleared: a
    // view that last saw (Added, Clears) knows which top rows are new.
    uint64_t Added() const { return added_; }
    uint64_t Clears() const { return clears_; }

    // Notices added since the log was made (clearing does not reset it), and
    // the newest of them: what the status line announces.
    uint64_t Notices() const { return notices_; }
    const QString& LastNotice() const { return lastNotice_; }

    // The current undo step shown above the log.
    QString UndoName;
    int UndoSlot = 0;

    // Called after every change (the panel refreshes itself from it).
    std::function<void()> OnChange;

private:
    QStringList lines_;
    uint64_t added_ = 0;
    uint64_t clears_ = 0;
    uint64_t notices_ = 0;
    QString lastNotice_;
};

} // namespace velkon
