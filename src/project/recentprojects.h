#pragma once

#include <QString>
#include <QStringList>

namespace velkon {

// The projects opened or saved last, newest first, kept in a settings file of
// their own: one absolute path a line, UTF-8 (a path may hold any letter).
class TRecentProjects {
public:
    static constexpr int MaxCount = 10;
    static constexpr const char* FileName = "VelkonEditorRecent.txt";

    explicit TRecentProjects(QString file) : file_(std::move(file)) {}

    // The list as stored: absolute, without repeats, at most MaxCount. A
    // missing or unreadable file is an empty list.
    QStringList Paths() const;
    // Puts path first (once), keeping MaxCount. Returns false, storing
    // nothing, when the settings file cannot be written.
    bool Add(const QString& path) const;
    // Takes path out of the list.
    bool Remove(const QString& path) const;

private:
    bool Write(const QStringList& paths) const;
    QString file_;
};

} // namespace velkon
