#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>

namespace velkon {

// The editor's error log: notices and errors, newest first. The error log
// panel shows it; the command line prints it oldest first.
class TErrorLog {
public:
    // Inserts a line at the top.
    void Add(const QString& line);
    const QStringList& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }
    void Clear();

    // Lines added since the log was made, and how often it was cleared: a
    // view that last saw (Added, Clears) knows which top rows are new.
    uint64_t Added() const { return added_; }
    uint64_t Clears() const { return clears_; }

    // The current undo step shown above the log.
    QString UndoName;
    int UndoSlot = 0;

    // Called after every change (the panel refreshes itself from it).
    std::function<void()> OnChange;

private:
    QStringList lines_;
    uint64_t added_ = 0;
    uint64_t clears_ = 0;
};

} // namespace velkon
