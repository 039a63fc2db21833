#pragma once

#include <QStringList>
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

    // The current undo step shown above the log.
    QString UndoName;
    int UndoSlot = 0;

    // Called after every change (the panel refreshes itself from it).
    std::function<void()> OnChange;

private:
    QStringList lines_;
};

} // namespace velkon
