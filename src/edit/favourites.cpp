#include "edit/favourites.h"

#include "edit/commandedit.h"
#include "edit/editorstate.h"
#include "edit/listroom.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/errorlog.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/safewrite.h"
#include "project/windows1250.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace velkon {

namespace {

const QString CommandMarker = QStringLiteral("_Command_");
const QString Missing = QStringLiteral("NINCS1234");

// A favourites file is a few kilobytes; anything this large is not one.
constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;

QString SectionOf(const QString& name, int n) {
    return name + CommandMarker + QString::number(n);
}

// Whether section is one of name's command sections (any number).
bool IsSectionOf(const QString& section, const QString& name) {
    if (section.size() <= name.size() + CommandMarker.size()) return false;
    if (section.left(name.size()).compare(name, Qt::CaseInsensitive) != 0) return false;
    if (section.mid(name.size(), CommandMarker.size()).compare(CommandMarker, Qt::CaseInsensitive) != 0)
        return false;
    for (QChar c : section.mid(name.size() + CommandMarker.size()))
        if (!c.isDigit()) return false;
    return true;
}

} // namespace

QStringList TFavourites::NamesOf(const QStringList& sections) {
    QStringList names;
    for (const QString& section : sections) {
        const int cut = section.indexOf(CommandMarker);
        const QString name = cut < 0 ? QString() : section.left(cut);
        if (names.isEmpty() || names.last() != name) names << name;
    }
    return names;
}

bool TFavourites::ReadText(QString& text) const {
    text.clear();
    const QFileInfo info(path_);
    if (!info.exists()) return true; // no favourites yet
    QFile file(path_);
    if (!info.isFile() || info.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        log_.Add(QCoreApplication::translate("Favourites", "A kedvencek fájl nem olvasható: %1").arg(path_));
        return false;
    }
    text = TIniFile::DecodeBytes(file.readAll()); // the size was checked above
    return true;
}

bool TFavourites::Read(TIniFile& ini) const {
    ini.Clear();
    QString text;
    if (!ReadText(text)) return false;
    ini.FromText(text);
    return true;
}

QStringList TFavourites::Names() const {
    TIniFile ini;
    Read(ini);
    return NamesOf(ini.Sections());
}

std::vector<std::unique_ptr<TCommandItem>> TFavourites::CommandsOf(const TIniFile& ini, const QString& name,
                                                                   TErrorLog& log) {
    std::vector<std::unique_ptr<TCommandItem>> commands;
    for (int n = 1; n <= MaxCommands; ++n) {
        const int section = ini.FindSection(SectionOf(name, n));
        const QString kindText = ini.ReadString(section, u"Command", Missing);
        if (kindText == Missing) break;
        int kind = 0;
        if (!TIniFile::ParseInteger(kindText, kind) || !CommandDesc(kind)) {
            log.Add(QCoreApplication::translate("Favourites",
                                                "Ismeretlen parancs a kedvencek között [%1] Command=%2")
                        .arg(SectionOf(name, n), kindText.left(40)));
            continue;
        }
        commands.push_back(std::make_unique<TCommandItem>(kind, ini.ReadString(section, u"sParam1", {}),
                                                          ini.ReadString(section, u"sParam2", {}),
                                                          ini.ReadString(section, u"sParam3", {})));
    }
    return commands;
}

std::vector<std::unique_ptr<TCommandItem>> TFavourites::Commands(const QString& name) const {
    TIniFile ini;
    if (!Read(ini)) return {};
    return CommandsOf(ini, name, log_);
}

QString TFavourites::Replace(const QString& old, const QString& name,
                             const std::vector<const TCommandItem*>& commands) {
    if (HasLineBreak(name))
        throw EVelkonError(
            QCoreApplication::translate("Favourites", "A kedvenc neve nem tartalmazhat sortörést"));
    // The editor owns only the favourite's own sections: every other line of
    // the file (comments and blank lines too) is kept, line by line.
    QString text;
    text.reserve(old.size() + static_cast<qsizetype>(commands.size()) * 64 + 64);
    bool owned = false;
    for (const QStringView line : TIniFile::Lines(old)) {
        QStringView section;
        if (TIniFile::SectionLine(line, &section)) owned = IsSectionOf(section.toString(), name);
        if (owned) continue;
        text += line;
        text += QLatin1String("\r\n");
    }
    // The favourite's sections go to the end.
    int n = 0;
    for (const TCommandItem* command : commands) {
        text += QLatin1Char('[') + SectionOf(name, ++n) + QLatin1String("]\r\n");
        text += QLatin1String("Command=") + QString::number(command->Command()) + QLatin1String("\r\n");
        for (int k = 1; k <= 3; ++k)
            text += QStringLiteral("sParam%1=").arg(k) + WithoutLineBreaks(command->Param(k)) +
                    QLatin1String("\r\n");
    }
    return text;
}

void TFavourites::Write(const QString& name, const std::vector<const TCommandItem*>& commands) const {
    if (HasLineBreak(name))
        throw EVelkonError(
            QCoreApplication::translate("Favourites", "A kedvenc neve nem tartalmazhat sortörést"));
    QString old;
    if (!ReadText(old))
        throw EVelkonError(QCoreApplication::translate(
                               "Favourites", "A kedvencek fájl nem írható felül, mert nem olvasható: %1")
                               .arg(path_));
    SafeWriteFile(path_, EncodeWindows1250ForFile(Replace(old, name, commands)));
}

void TFavourites::Save(const QString& name, const std::vector<const TCommandItem*>& commands) const {
    if (name.isEmpty()) return;
    Write(name, commands);
}

void TFavourites::Remove(const QString& name) const {
    if (name.isEmpty()) return;
    Write(name, {});
}

QString TFavouriteRow::Name() const {
    return Command ? Command->Name() : QString();
}

QString TFavouriteRow::Text() const {
    return Command ? Command->CommandText() : QString();
}

TFavouritesEdit::TFavouritesEdit(const TFavourites& file, TCommands& track) : file_(file), track_(track) {
    for (int i = 0; i < track.Count(); ++i)
        Left.push_back(TFavouriteRow{track.Item(i), nullptr});
    ListNames();
}

void TFavouritesEdit::ListNames() {
    Names = file_.Names();
}

void TFavouritesEdit::Choose(const QString& name) {
    Right.clear();
    Name = name;
    for (auto& command : file_.Commands(name)) {
        TCommandItem* raw = command.get();
        Right.push_back(TFavouriteRow{raw, std::move(command)});
    }
}

namespace {

void CopyRows(const std::vector<TFavouriteRow>& from, const std::vector<int>& selected,
              std::vector<TFavouriteRow>& to) {
    std::vector<int> rows = selected;
    if (rows.empty())
        for (int i = 0; i < static_cast<int>(from.size()); ++i)
            rows.push_back(i);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int i : rows) {
        if (i < 0 || i >= static_cast<int>(from.size())) continue;
        auto copy = from[i].Command->Clone();
        TCommandItem* raw = copy.get();
        to.push_back(TFavouriteRow{raw, std::move(copy)});
    }
}

} // namespace

void TFavouritesEdit::AddToFavourites(const std::vector<int>& selected) {
    CopyRows(Left, selected, Right);
}

void TFavouritesEdit::AddToCommands(const std::vector<int>& selected) {
    CopyRows(Right, selected, Left);
}

void TFavouritesEdit::Save() {
    if (Name.isEmpty()) return;
    std::vector<const TCommandItem*> commands;
    for (const auto& row : Right)
        commands.push_back(row.Command);
    file_.Save(Name, commands);
    ListNames();
}

void TFavouritesEdit::Remove() {
    file_.Remove(Name);
    Right.clear();
    ListNames();
}

int TFavouritesEdit::Ok() {
    int adding = 0;
    for (const auto& row : Left)
        if (row.Owned && track_.IndexOf(row.Command) < 0) ++adding;
    CheckListRoom(track_.Count(), adding, QCoreApplication::translate("Favourites", "A sáv"));
    int added = 0;
    for (auto& row : Left) {
        if (!row.Owned || track_.IndexOf(row.Command) >= 0) continue;
        track_.Add(std::move(row.Owned));
        ++added;
    }
    return added;
}

int TFavouritesEdit::Insert(TEditorState& state) {
    const auto adding = std::count_if(Left.begin(), Left.end(), [&](const TFavouriteRow& row) {
        return row.Owned && track_.IndexOf(row.Command) < 0;
    });
    if (adding == 0) return 0;
    // A track without room refuses before the undo step is recorded.
    CheckListRoom(track_.Count(), adding, QCoreApplication::translate("Favourites", "A sáv"));
    state.Undo.Record(-TUndoBuffer::kindFavourites);
    const int added = Ok();
    state.Scene.Saved = false;
    return added;
}

} // namespace velkon
