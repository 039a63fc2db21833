#pragma once

#include <QHash>
#include <cstddef>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace velkon {

// The INI reader and writer of every settings and project file. Section and
// key names ignore case and the first match wins; a value is everything after
// the first "=" of its line, verbatim: no quotes, no escapes, no comments (a
// parameter such as "Left(a;0)" must come back whole). Files are Windows-1250
// text; written files get CR LF line ends.
class TIniFile {
public:
    // Reads a file. A missing or unreadable file leaves the INI empty (every
    // lookup gives its default) and returns false.
    bool LoadFromFile(const QString& path);
    void FromBytes(const QByteArray& bytes); // Windows-1250
    void FromText(const QString& text);
    void Clear();

    bool SectionExists(const QString& section) const { return FindSection(section) >= 0; }
    bool KeyExists(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // A value that is not a decimal integer gives the default.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // Integer value: 0 is false, any other integer true.
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    QStringList Sections() const;
    QStringList Keys(const QString& section) const;

    // For many lookups in one section: a handle to its first occurrence, or -1.
    int FindSection(const QString& section) const;
    bool KeyExists(int section, QStringView key) const { return section >= 0 && FindEntry(section, key); }
    QString ReadString(int section, QStringView key, const QString& def) const;
    int ReadInteger(int section, QStringView key, int def) const;

    // Replaces the first matching key's value, or adds the key at the end of
    // the section, or the section at the end of the file.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // The whole INI as CR LF text.
    QString ToText() const;
    // Writes the INI atomically as Windows-1250. Throws EVelkonError naming the
    // text the code page cannot hold, or the path that cannot be written.
    void SaveToFile(const QString& path) const;

    // Decimal integer with optional sign and surrounding blanks, in int range.
    static bool ParseInteger(QStringView text, int& value);

    // The text of a file's bytes as FromBytes reads them: UTF-8 after a
    // byte-order mark, Windows-1250 otherwise.
    static QString DecodeBytes(const QByteArray& bytes);
    // The lines of a text as the reader splits them: CR LF, LF or CR ends one.
    static std::vector<QStringView> Lines(QStringView text);
    // Whether a line opens a section (blanks, "[", the name up to "]" or the
    // line's end); name gets the name without its surrounding blanks.
    static bool SectionLine(QStringView line, QStringView* name = nullptr);

    // How a whole number was read: missing key (value untouched), read, a
    // decimal integer beyond the int range (value clamped to the nearest end),
    // or not a decimal integer at all (value untouched).
    enum TNumberRead { numMissing, numRead, numClamped, numInvalid };
    TNumberRead ReadNumber(int section, QStringView key, int& value) const;

private:
    struct TEntry {
        qsizetype KeyPos, KeyLen, ValuePos, ValueLen;
    };
    // A section's entries are entries_[First, First + Count): reading appends
    // them in file order, so one flat list serves every section.
    struct TSection {
        qsizetype NamePos, NameLen;
        qsizetype First = 0, Count = 0;
        int NextSame = -1; // the next section of the same name
        // Lower-case key -> entry, built on the first lookup in a long section
        // (lists of thousands of files or groups stay linear to read).
        mutable QHash<QString, qsizetype> KeyIndex;
    };

    QStringView View(qsizetype pos, qsizetype len) const { return QStringView(text_).mid(pos, len); }
    const TEntry* FindEntry(int section, QStringView key) const;
    int AddSection(qsizetype pos, qsizetype len);
    qsizetype Store(const QString& s);

    QString text_; // the file's text; written names and values are appended to it
    std::vector<TSection> sections_;
    std::vector<TEntry> entries_;
    // Open-addressing table of the first section of each name (case folded),
    // -1 for a free slot; no string is allocated to build or search it.
    std::vector<int> slots_;
    std::vector<int> lastSame_; // per first section: the last one of its name
    int distinctNames_ = 0;
    int FindSlot(QStringView name, size_t hash) const;
    void IndexSection(int handle);
    void Rehash(size_t size);
};

} // namespace velkon
