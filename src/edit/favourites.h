#pragma once

#include "model/commanditem.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace velkon {

class TCommands;
class TEditorState;
class TErrorLog;
class TIniFile;

// The favourites file: named command sequences kept across projects, one
// section "<name>_Command_<n>" per command with the keys Command, sParam1,
// sParam2, sParam3. The file is read anew for every operation and written
// at once; a file that cannot be read counts as empty and leaves a line in
// the error log.
class TFavourites {
public:
    static constexpr const char* FileName = "Favourites.txt";
    static constexpr int MaxCommands = 10000; // read of one favourite stops here

    TFavourites(QString path, TErrorLog& log) : path_(std::move(path)), log_(log) {}
    const QString& Path() const { return path_; }

    // The favourite names in file order, each once.
    QStringList Names() const;
    // The commands of a favourite, from its first section up to the first
    // missing one. Commands of an unknown kind are left out with a log line.
    std::vector<std::unique_ptr<TCommandItem>> Commands(const QString& name) const;
    // Replaces the favourite by commands (nothing for an empty name). Line
    // breaks are taken out of parameters; a name with one is refused with
    // EVelkonError. The file is written atomically.
    void Save(const QString& name, const std::vector<const TCommandItem*>& commands) const;
    // Removes the favourite's sections.
    void Remove(const QString& name) const;

    // The favourite names of an INI text's sections.
    static QStringList NamesOf(const QStringList& sections);
    // A favourite's commands as the file's INI holds them.
    static std::vector<std::unique_ptr<TCommandItem>> CommandsOf(const TIniFile& ini, const QString& name,
                                                                 TErrorLog& log);
    // The text of the file old with name's sections replaced by commands, at
    // the end (CR LF lines). Every other line stays as it was: other
    // favourites, comments, blank lines and lines before the first section.
    // A name with a line break throws EVelkonError.
    static QString Replace(const QString& old, const QString& name,
                           const std::vector<const TCommandItem*>& commands);

private:
    bool Read(TIniFile& ini) const;
    // The file's text (empty when there is none yet); false when it cannot be read.
    bool ReadText(QString& text) const;
    void Write(const QString& name, const std::vector<const TCommandItem*>& commands) const;

    QString path_;
    TErrorLog& log_;
};

// One row of the favourites dialog's lists.
struct TFavouriteRow {
    TCommandItem* Command = nullptr;     // the command shown
    std::unique_ptr<TCommandItem> Owned; // set when the row holds its own copy
    QString Name() const;
    QString Text() const;
};

// The favourites dialog without its widgets: the track's commands on the
// left, a favourite's commands on the right, copies moved between them.
class TFavouritesEdit {
public:
    TFavouritesEdit(const TFavourites& file, TCommands& track);

    std::vector<TFavouriteRow> Left, Right;
    QStringList Names; // the favourites listed
    QString Name;      // the chosen or typed favourite name

    void ListNames();
    // Shows a favourite's commands on the right.
    void Choose(const QString& name);
    // Copies the selected rows (all when none is selected) to the other side.
    void AddToFavourites(const std::vector<int>& selected);
    void AddToCommands(const std::vector<int>& selected);
    // Saves the right side under Name; nothing when Name is empty.
    void Save();
    // Removes the favourite Name, empties the right side.
    void Remove();
    // Appends every left row not already in the track; returns how many.
    int Ok();
    // The dialog's Ok: as Ok, recording the undo step "Kedvencek szerkesztése"
    // and marking the project modified only when something is appended.
    int Insert(TEditorState& state);

private:
    const TFavourites& file_;
    TCommands& track_;
};

} // namespace velkon
