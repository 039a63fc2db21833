#include "edit/layoutsettings.h"

#include "project/safewrite.h"
#include "project/windows1250.h"

#include <QFile>
#include <QStringList>

namespace velkon {

QString TLayoutSettings::PanelKey(int panel) {
    static const char* const keys[PanelCount] = {"ImagesForm", "KeyFrameForm", "PropertyForm", "AnimForm",
                                                 "ErrorForm"};
    return QString::fromLatin1(keys[panel]);
}

// Integers of the layout files: anything that is not a whole number gives the
// default, so a hand-edited file never moves a panel off the screen.
static int32_t ReadInt(const TLayoutSettings::TReader& read, const QString& key, int32_t def) {
    bool ok = false;
    const int32_t v = read(key, QString::number(def)).trimmed().toInt(&ok);
    return ok ? v : def;
}

static bool ReadBool(const TLayoutSettings::TReader& read, const QString& key, bool def) {
    return ReadInt(read, key, def ? 1 : 0) != 0;
}

TLayoutSettings::TEntries TLayoutSettings::ScreenEntries() const {
    TEntries out;
    for (const TComponentBounds& c : Screen) {
        out.append({c.Name + QStringLiteral(".Left"), QString::number(c.Left)});
        out.append({c.Name + QStringLiteral(".Top"), QString::number(c.Top)});
        if (c.Splitter) continue;
        out.append({c.Name + QStringLiteral(".Height"), QString::number(c.Height)});
        out.append({c.Name + QStringLiteral(".Width"), QString::number(c.Width)});
    }
    return out;
}

void TLayoutSettings::ReadScreen(const TReader& read) {
    for (TComponentBounds& c : Screen) {
        c.Left = ReadInt(read, c.Name + QStringLiteral(".Left"), c.Left);
        c.Top = ReadInt(read, c.Name + QStringLiteral(".Top"), c.Top);
        if (c.Splitter) continue;
        c.Height = ReadInt(read, c.Name + QStringLiteral(".Height"), c.Height);
        c.Width = ReadInt(read, c.Name + QStringLiteral(".Width"), c.Width);
    }
}

TLayoutSettings::TEntries TLayoutSettings::FormsEntries() const {
    TEntries out;
    out.append({QStringLiteral("DockSite.Width"), QString::number(DockSiteWidth)});
    for (int i = 0; i < PanelCount; ++i) {
        const TPanelPlacement& p = Panels[static_cast<size_t>(i)];
        const QString key = PanelKey(i);
        out.append({key + QStringLiteral(".Float"), p.Float ? QStringLiteral("1") : QStringLiteral("0")});
        out.append({key + QStringLiteral(".Left"), QString::number(p.Left)});
        out.append({key + QStringLiteral(".Top"), QString::number(p.Top)});
        out.append({key + QStringLiteral(".Height"), QString::number(p.Height)});
        out.append({key + QStringLiteral(".Width"), QString::number(p.Width)});
    }
    return out;
}

void TLayoutSettings::ReadForms(const TReader& read) {
    DockSiteWidth = ReadInt(read, QStringLiteral("DockSite.Width"), 450);
    for (int i = 0; i < PanelCount; ++i) {
        TPanelPlacement& p = Panels[static_cast<size_t>(i)];
        const QString key = PanelKey(i);
        p.Float = ReadBool(read, key + QStringLiteral(".Float"), false);
        p.Left = ReadInt(read, key + QStringLiteral(".Left"), 0);
        p.Top = ReadInt(read, key + QStringLiteral(".Top"), 0);
        p.Height = ReadInt(read, key + QStringLiteral(".Height"), 100);
        p.Width = ReadInt(read, key + QStringLiteral(".Width"), 100);
    }
}

// The name of a "[section]" line, or a null text for any other line.
static QString SectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('['))) return {};
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return t.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

QString TLayoutSettings::UpdateSection(const QString& text, const QString& section, const TEntries& entries) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast(); // the line end of the last line
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);

    qsizetype start = -1, end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = SectionName(lines[i]);
        if (name.isNull()) continue;
        if (start >= 0) {
            end = i;
            break;
        }
        if (name.compare(section, Qt::CaseInsensitive) == 0) start = i;
    }
    if (start < 0) {
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        start = lines.size() - 1;
        end = lines.size();
    }
    // New keys go before the blank lines that end the section.
    qsizetype insertAt = end;
    while (insertAt > start + 1 && lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;

    for (const auto& [key, value] : entries) {
        bool found = false;
        for (qsizetype i = start + 1; i < end && !found; ++i) {
            const qsizetype eq = lines[i].indexOf(QLatin1Char('='));
            if (eq >= 0 && lines[i].left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = lines[i].left(eq + 1) + value;
                found = true;
            }
        }
        if (!found) {
            lines.insert(insertAt++, key + QLatin1Char('=') + value);
            ++end;
        }
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void TLayoutSettings::WriteSection(const QString& path, const QString& section, const TEntries& entries) {
    QString text;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) text = DecodeWindows1250(file.readAll());
    file.close();
    SafeWriteFile(path, EncodeWindows1250ForFile(UpdateSection(text, section, entries)));
}

} // namespace velkon
