#include "project/inifile.h"

#include "model/velkonerror.h"
#include "project/safewrite.h"
#include "project/windows1250.h"

#include <QFile>
#include <limits>

namespace velkon {

namespace {

constexpr size_t kIndexedSection = 32;

inline bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

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

void TIniFile::FromBytes(const QByteArray& bytes) { FromText(DecodeWindows1250(bytes)); }

void TIniFile::Clear() {
    text_.clear();
    sections_.clear();
    index_.clear();
}

int TIniFile::AddSection(qsizetype pos, qsizetype len) {
    const int handle = static_cast<int>(sections_.size());
    sections_.push_back(TSection{pos, len, {}, -1, {}});
    const QString key = View(pos, len).toString().toLower();
    auto it = index_.find(key);
    if (it == index_.end()) {
        index_.insert(key, handle);
    } else {
        int last = it.value();
        while (sections_[last].NextSame >= 0)
            last = sections_[last].NextSame;
        sections_[last].NextSame = handle;
    }
    return handle;
}

void TIniFile::FromText(const QString& text) {
    Clear();
    text_ = text;
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
        if (b < end && data[b] == QLatin1Char('[')) {
            qsizetype close = b + 1;
            while (close < end && data[close] != QLatin1Char(']'))
                ++close;
            qsizetype s = b + 1, e = close;
            while (s < e && IsBlank(data[s]))
                ++s;
            while (e > s && IsBlank(data[e - 1]))
                --e;
            current = AddSection(s, e - s);
        } else if (current >= 0) {
            qsizetype eq = b;
            while (eq < end && data[eq] != QLatin1Char('='))
                ++eq;
            if (eq < end) { // a line without "=" (such as "-------") carries nothing
                qsizetype ke = eq;
                while (ke > b && IsBlank(data[ke - 1]))
                    --ke;
                sections_[current].Entries.push_back(TEntry{b, ke - b, eq + 1, end - eq - 1});
            }
        }
        pos = next;
    }
}

int TIniFile::FindSection(const QString& section) const { return index_.value(section.toLower(), -1); }

const TIniFile::TEntry* TIniFile::FindEntry(int section, QStringView key) const {
    for (int s = section; s >= 0; s = sections_[s].NextSame) {
        const TSection& sec = sections_[s];
        if (sec.Entries.size() > kIndexedSection) {
            if (sec.KeyIndex.isEmpty())
                for (int i = static_cast<int>(sec.Entries.size()) - 1; i >= 0; --i) // first match wins
                    sec.KeyIndex.insert(View(sec.Entries[i].KeyPos, sec.Entries[i].KeyLen).toString().toLower(), i);
            const auto it = sec.KeyIndex.constFind(key.toString().toLower());
            if (it != sec.KeyIndex.cend())
                return &sec.Entries[it.value()];
            continue;
        }
        for (const TEntry& e : sec.Entries)
            if (e.KeyLen == key.size() && View(e.KeyPos, e.KeyLen).compare(key, Qt::CaseInsensitive) == 0)
                return &e;
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

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    return ReadInteger(FindSection(section), key, def);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QStringList TIniFile::Sections() const {
    QStringList names;
    for (const TSection& s : sections_) {
        const QString name = View(s.NamePos, s.NameLen).toString();
        if (index_.value(name.toLower()) == static_cast<int>(&s - sections_.data()))
            names << name;
    }
    return names;
}

QStringList TIniFile::Keys(const QString& section) const {
    QStringList keys;
    for (int s = FindSection(section); s >= 0; s = sections_[s].NextSame)
        for (const TEntry& e : sections_[s].Entries) {
            const QStringView key = View(e.KeyPos, e.KeyLen);
            bool seen = false;
            for (const QString& k : keys)
                seen = seen || k.compare(key, Qt::CaseInsensitive) == 0;
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
            for (TEntry& e : sections_[d].Entries)
                if (e.KeyLen == key.size() && View(e.KeyPos, e.KeyLen).compare(key, Qt::CaseInsensitive) == 0) {
                    e.ValuePos = Store(value);
                    e.ValueLen = value.size();
                    return;
                }
    } else {
        const qsizetype pos = Store(section);
        s = AddSection(pos, section.size());
    }
    const qsizetype keyPos = Store(key);
    const qsizetype valuePos = Store(value);
    sections_[s].Entries.push_back(TEntry{keyPos, key.size(), valuePos, value.size()});
    sections_[s].KeyIndex.clear();
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
        for (const TEntry& e : s.Entries) {
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
