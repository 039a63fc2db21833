#include "project/inifile.h"

#include "model/velkonerror.h"
#include "project/safewrite.h"
#include "project/windows1250.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace velkon {

namespace {

constexpr qsizetype kIndexedSection = 32;

inline bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Case-insensitive equality with a fast path for ASCII, which is what keys are.
bool SameName(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x == y)
            continue;
        if (x < 0x80 && y < 0x80) {
            if (x >= u'A' && x <= u'Z')
                x += 32;
            if (y >= u'A' && y <= u'Z')
                y += 32;
            if (x != y)
                return false;
        } else if (QChar::toCaseFolded(x) != QChar::toCaseFolded(y)) {
            return false;
        }
    }
    return true;
}

size_t HashName(QStringView name) {
    size_t h = 1469598103934665603ull;
    for (QChar qc : name) {
        char16_t c = qc.unicode();
        if (c < 0x80) {
            if (c >= u'A' && c <= u'Z')
                c += 32;
        } else {
            c = QChar::toCaseFolded(c);
        }
        h = (h ^ c) * 1099511628211ull;
    }
    return h ^ (h >> 29);
}

QString LowerName(QStringView name) {
    QString s = name.toString();
    return std::move(s).toLower();
}

} // namespace

bool TIniFile::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Clear();
        return false;
    }
    FromBytes(file.readAll());
    return true;
}

QString TIniFile::DecodeBytes(const QByteArray& bytes) {
    // A file saved as UTF-8 with a byte-order mark (as Windows editors do) is read as the UTF-8 it is.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    return DecodeWindows1250(bytes);
}

void TIniFile::FromBytes(const QByteArray& bytes) { FromText(DecodeBytes(bytes)); }

std::vector<QStringView> TIniFile::Lines(QStringView text) {
    std::vector<QStringView> lines;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        lines.push_back(text.mid(pos, end - pos));
        if (end < n && text[end] == QLatin1Char('\r'))
            ++end;
        if (end < n && text[end] == QLatin1Char('\n'))
            ++end;
        pos = end;
    }
    return lines;
}

bool TIniFile::SectionLine(QStringView line, QStringView* name) {
    qsizetype b = 0;
    const qsizetype end = line.size();
    while (b < end && IsBlank(line[b]))
        ++b;
    if (b >= end || line[b] != QLatin1Char('['))
        return false;
    qsizetype close = b + 1;
    while (close < end && line[close] != QLatin1Char(']'))
        ++close;
    qsizetype s = b + 1, e = close;
    while (s < e && IsBlank(line[s]))
        ++s;
    while (e > s && IsBlank(line[e - 1]))
        --e;
    if (name)
        *name = line.mid(s, e - s);
    return true;
}

void TIniFile::Clear() {
    text_.clear();
    sections_.clear();
    entries_.clear();
    slots_.clear();
    lastSame_.clear();
    distinctNames_ = 0;
}

int TIniFile::FindSlot(QStringView name, size_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const int s = slots_[i];
        if (s < 0 || SameName(View(sections_[s].NamePos, sections_[s].NameLen), name))
            return static_cast<int>(i);
    }
}

void TIniFile::Rehash(size_t size) {
    slots_.assign(size, -1);
    distinctNames_ = 0;
    lastSame_.assign(sections_.size(), -1);
    for (TSection& s : sections_)
        s.NextSame = -1;
    for (int i = 0; i < static_cast<int>(sections_.size()); ++i)
        IndexSection(i);
}

void TIniFile::IndexSection(int handle) {
    if (lastSame_.size() < sections_.size())
        lastSame_.resize(sections_.size(), -1);
    const TSection& sec = sections_[handle];
    const QStringView name = View(sec.NamePos, sec.NameLen);
    const int slot = FindSlot(name, HashName(name));
    const int first = slots_[slot];
    if (first < 0) {
        slots_[slot] = handle;
        lastSame_[handle] = handle;
        ++distinctNames_;
    } else {
        // A repeated section: chained after the earlier ones, which win.
        sections_[lastSame_[first]].NextSame = handle;
        lastSame_[first] = handle;
    }
}

int TIniFile::AddSection(qsizetype pos, qsizetype len) {
    const int handle = static_cast<int>(sections_.size());
    sections_.push_back(TSection{pos, len, static_cast<qsizetype>(entries_.size()), 0, -1, {}});
    if (static_cast<size_t>(distinctNames_ + 1) * 2 > slots_.size())
        Rehash(std::max<size_t>(64, slots_.size() * 4));
    else
        IndexSection(handle);
    return handle;
}

void TIniFile::FromText(const QString& text) {
    Clear();
    text_ = text;
    entries_.reserve(static_cast<size_t>(text_.size() / 16));
    const QChar* data = text_.constData();
    const qsizetype n = text_.size();
    int current = -1;
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && data[end] != QLatin1Char('\n') && data[end] != QLatin1Char('\r'))
            ++end;
        qsizetype next = end;
        if (next < n && data[next] == QLatin1Char('\r'))
            ++next;
        if (next < n && data[next] == QLatin1Char('\n'))
            ++next;

        qsizetype b = pos;
        while (b < end && IsBlank(data[b]))
            ++b;
        QStringView name;
        if (b < end && data[b] == QLatin1Char('[') && SectionLine(QStringView(data + b, end - b), &name)) {
            current = AddSection(name.data() - data, name.size());
        } else if (current >= 0) {
            qsizetype eq = b;
            while (eq < end && data[eq] != QLatin1Char('='))
                ++eq;
            if (eq < end) { // a line without "=" (such as "-------") carries nothing
                qsizetype ke = eq;
                while (ke > b && IsBlank(data[ke - 1]))
                    --ke;
                entries_.push_back(TEntry{b, ke - b, eq + 1, end - eq - 1});
                ++sections_[current].Count;
            }
        }
        pos = next;
    }
}

int TIniFile::FindSection(const QString& section) const {
    if (slots_.empty())
        return -1;
    return slots_[FindSlot(section, HashName(section))];
}

const TIniFile::TEntry* TIniFile::FindEntry(int section, QStringView key) const {
    for (int s = section; s >= 0; s = sections_[s].NextSame) {
        const TSection& sec = sections_[s];
        if (sec.Count > kIndexedSection) {
            if (sec.KeyIndex.isEmpty())
                for (qsizetype i = sec.First + sec.Count - 1; i >= sec.First; --i) // first match wins
                    sec.KeyIndex.insert(LowerName(View(entries_[i].KeyPos, entries_[i].KeyLen)), i);
            const auto it = sec.KeyIndex.constFind(LowerName(key));
            if (it != sec.KeyIndex.cend())
                return &entries_[it.value()];
            continue;
        }
        for (qsizetype i = sec.First; i < sec.First + sec.Count; ++i)
            if (SameName(View(entries_[i].KeyPos, entries_[i].KeyLen), key))
                return &entries_[i];
    }
    return nullptr;
}

bool TIniFile::KeyExists(const QString& section, const QString& key) const {
    const int s = FindSection(section);
    return s >= 0 && FindEntry(s, key) != nullptr;
}

QString TIniFile::ReadString(int section, QStringView key, const QString& def) const {
    if (section < 0)
        return def;
    const TEntry* e = FindEntry(section, key);
    return e ? View(e->ValuePos, e->ValueLen).toString() : def;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    return ReadString(FindSection(section), key, def);
}

bool TIniFile::ParseInteger(QStringView text, int& value) {
    text = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

int TIniFile::ReadInteger(int section, QStringView key, int def) const {
    if (section < 0)
        return def;
    const TEntry* e = FindEntry(section, key);
    int value = def;
    if (!e || !ParseInteger(View(e->ValuePos, e->ValueLen), value))
        return def;
    return value;
}

TIniFile::TNumberRead TIniFile::ReadNumber(int section, QStringView key, int& value) const {
    const TEntry* e = section >= 0 ? FindEntry(section, key) : nullptr;
    if (!e)
        return numMissing;
    const QStringView text = View(e->ValuePos, e->ValueLen).trimmed();
    if (ParseInteger(text, value))
        return numRead;
    // Digits only, after an optional sign: a number too big for the field.
    const qsizetype first = !text.isEmpty() && (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) ? 1 : 0;
    if (first >= text.size())
        return numInvalid;
    for (qsizetype i = first; i < text.size(); ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return numInvalid;
    value = text[0] == QLatin1Char('-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return numClamped;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    return ReadInteger(FindSection(section), key, def);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QStringList TIniFile::Sections() const {
    QStringList names;
    for (size_t i = 0; i < sections_.size(); ++i)
        if (FindSection(View(sections_[i].NamePos, sections_[i].NameLen).toString()) == static_cast<int>(i))
            names << View(sections_[i].NamePos, sections_[i].NameLen).toString();
    return names;
}

QStringList TIniFile::Keys(const QString& section) const {
    QStringList keys;
    for (int s = FindSection(section); s >= 0; s = sections_[s].NextSame)
        for (qsizetype i = sections_[s].First; i < sections_[s].First + sections_[s].Count; ++i) {
            const QStringView key = View(entries_[i].KeyPos, entries_[i].KeyLen);
            bool seen = false;
            for (const QString& k : keys)
                seen = seen || SameName(k, key);
            if (!seen)
                keys << key.toString();
        }
    return keys;
}

qsizetype TIniFile::Store(const QString& s) {
    const qsizetype pos = text_.size();
    text_ += s;
    return pos;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    int s = FindSection(section);
    if (s >= 0) {
        for (int d = s; d >= 0; d = sections_[d].NextSame)
            for (qsizetype i = sections_[d].First; i < sections_[d].First + sections_[d].Count; ++i)
                if (SameName(View(entries_[i].KeyPos, entries_[i].KeyLen), key)) {
                    entries_[i].ValuePos = Store(value);
                    entries_[i].ValueLen = value.size();
                    return;
                }
    } else {
        const qsizetype pos = Store(section);
        s = AddSection(pos, section.size());
    }
    TSection& sec = sections_[s];
    if (sec.First + sec.Count != static_cast<qsizetype>(entries_.size())) {
        // Not the last section: move its entries to the end so they stay together.
        const qsizetype first = static_cast<qsizetype>(entries_.size());
        for (qsizetype i = sec.First; i < sec.First + sec.Count; ++i) {
            const TEntry copy = entries_[i];
            entries_.push_back(copy);
        }
        sec.First = first;
    }
    const qsizetype keyPos = Store(key);
    const qsizetype valuePos = Store(value);
    entries_.push_back(TEntry{keyPos, key.size(), valuePos, value.size()});
    ++sec.Count;
    sec.KeyIndex.clear();
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString TIniFile::ToText() const {
    QString out;
    for (const TSection& s : sections_) {
        out += QLatin1Char('[');
        out += View(s.NamePos, s.NameLen);
        out += QLatin1String("]\r\n");
        for (qsizetype i = s.First; i < s.First + s.Count; ++i) {
            const TEntry& e = entries_[i];
            out += View(e.KeyPos, e.KeyLen);
            out += QLatin1Char('=');
            out += View(e.ValuePos, e.ValueLen);
            out += QLatin1String("\r\n");
        }
    }
    return out;
}

void TIniFile::SaveToFile(const QString& path) const { SafeWriteFile(path, EncodeWindows1250ForFile(ToText())); }

} // namespace velkon
