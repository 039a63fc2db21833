#pragma once

#include <QString>
#include <vector>

namespace velkon {

// One release of the program in the change log.
struct TChangeLogVersion {
    struct TEntry {
        char Sign; // '+' new, 'x' fix, '-' removal
        QString Text;
    };
    QString Version; // "1.97"
    QString Date;    // "2026.12.10."
    std::vector<TEntry> Entries;
};

// The program's own history, newest version first.
const std::vector<TChangeLogVersion>& ChangeLogVersions();

// The change-log text: the legend of the signs, one block per version (newest
// first), then the start of development. Lines end in "\n"; an entry longer
// than width continues on the next lines without a sign.
QString FormatChangeLog(const std::vector<TChangeLogVersion>& versions, const QString& startDate,
                        int width = 76);

// The text the change-log window shows.
QString ChangeLogText();

} // namespace velkon
