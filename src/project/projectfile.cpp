#include "project/projectfile.h"

#include "engine/sounds.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/picturecache.h"
#include "model/resourcefile.h"
#include "model/scene.h"
#include "model/uniquenames.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/safewrite.h"
#include "project/windows1250.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cctype>
#include <cstring>
#include <cmath>
#include <limits>

namespace velkon {

namespace {

const QString kMarker = QString::fromLatin1(NumberedListEnd);

// Appends "key=value\r\n".
inline void Put(QString& out, QLatin1StringView key, QStringView value) {
    out += key;
    out += QLatin1Char('=');
    out += value;
    out += QLatin1String("\r\n");
}

inline void PutNumber(QString& out, QLatin1StringView key, long long value) {
    Put(out, key, QString::number(value));
}

inline void PutReal(QString& out, QLatin1StringView key, double value) { PutNumber(out, key, RoundForFile(value)); }

// A damaged file may hold a value of any length: messages quote its start.
QString QuotedStart(const QString& text) {
    constexpr qsizetype quoted = 40;
    return text.size() > quoted ? text.left(quoted) + QStringLiteral("…") : text;
}

uint32_t ReadColor(const TIniFile& ini, int section, const QString& sectionName, const QString& key,
                   const QString& def) {
    // A value with blanks after it (edited by hand) still reads as its colour.
    const QString text = ini.ReadString(section, key, def).trimmed();
    uint32_t color = 0;
    if (!HexToColor(text, color))
        throw EVelkonError(
            QCoreApplication::translate("ProjectFile", "Hibás szín a projekt fájlban: [%1] %2=%3")
                .arg(sectionName, key, QuotedStart(text)));
    return color;
}

// A whole number of the file; one that is out of range or not a number is
// logged, never taken silently: beyond the int range it is clamped, otherwise
// the default stands.
// sectionName makes the section's name for the log line, only when one is written.
template <typename TName>
int ReadNumber(const TIniFile& ini, int section, const TName& sectionName, QStringView key, int def, TErrorLog& log) {
    int value = def;
    QString what;
    switch (ini.ReadNumber(section, key, value)) {
    case TIniFile::numMissing:
    case TIniFile::numRead:
        return value;
    case TIniFile::numClamped:
        what = QCoreApplication::translate("ProjectFile",
                                           "Túl nagy szám a projekt fájlban: [%1] %2=%3, helyette: %4");
        break;
    case TIniFile::numInvalid:
        what = QCoreApplication::translate("ProjectFile",
                                           "Hibás szám a projekt fájlban: [%1] %2=%3, helyette: %4");
        break;
    }
    log.Add(what.arg(sectionName(), key.toString(), QuotedStart(ini.ReadString(section, key, QString())),
                     QString::number(value)));
    return value;
}

// A list that reached its limit is read no further: the scene then lacks the
// rest, so it is logged and the project counts as incomplete.
void ListCut(TScene& scene, TErrorLog& log, const QString& what) {
    const QString line = QCoreApplication::translate("ProjectFile", "%1: csak az első %2 elem töltődött be")
                             .arg(what, QString::number(MaxListEntries));
    log.Add(line);
    if (scene.Incomplete.isEmpty())
        scene.Incomplete = line;
}

// A stand-in for a file entry whose name may not be opened: it keeps its place
// (and its name for the next save) but never touches the disk.
std::unique_ptr<TFilesItem> PlaceholderFile(const QString& name) {
    auto item = std::make_unique<TFilesItem>();
    item->Name = name;
    item->Kind = TFilesItem::KindOfPath(name);
    if (item->Kind == TFilesItem::kindPicture)
        item->Image = std::make_unique<TPicture>();
    return item;
}

// Finds the listed files in the project's folder: the exact name first, then a
// name there that differs only in case (projects made on Windows). The folder
// is listed once, when the first name needs it; nothing outside it is looked at.
class TFolderNames {
public:
    explicit TFolderNames(const QString& dir) : dir_(dir) {}

    QString PathOf(const QString& name) {
        const QString exact = dir_ + QLatin1Char('/') + name;
        if (QFileInfo::exists(exact))
            return exact;
        if (!listed_) {
            entries_ = QDir(dir_).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
            listed_ = true;
        }
        for (const QString& entry : entries_)
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return dir_ + QLatin1Char('/') + entry;
        return exact;
    }

private:
    QString dir_;
    QStringList entries_;
    bool listed_ = false;
};

void ReadFiles(TScene& scene, const TIniFile& ini, const QString& dir, const QHash<QString, QString>& elsewhere,
               TErrorLog& log) {
    const int section = ini.FindSection(QStringLiteral("Files"));
    TFolderNames folder(dir);
    TPictureCache pictures; // one decoded copy per picture file, within the budget
    for (int n = 1;; ++n) {
        const QString key = QStringLiteral("Name%1").arg(n);
        if (!ini.KeyExists(section, key))
            break;
        const QString name = ini.ReadString(section, key, QString());
        if (n > MaxListEntries) {
            ListCut(scene, log, QStringLiteral("[Files]"));
            break;
        }
        if (!IsPlainFileName(name)) {
            log.Add(QCoreApplication::translate("ProjectFile", "Hibás fájl név: %1").arg(name));
            scene.Files.Add(name, PlaceholderFile(name));
            continue;
        }
        const QString away = elsewhere.value(name);
        const QString path = !away.isEmpty() && QFileInfo(away).isFile() ? away : folder.PathOf(name);
        std::unique_ptr<TFilesItem> item = TFilesItem::Create(path, pictures);
        item->Name = name; // the name as listed, also when the disk spells it otherwise
        if (item->Kind == TFilesItem::kindPicture && item->Image) {
            const QString message = PictureLoadMessage(*item->Image, path);
            if (!message.isEmpty())
                log.Add(message);
        }
        if (item->Kind == TFilesItem::kindSound) {
            // A FIFO, a device, a link out of the folder or a huge file is never read.
            const TFileBytes check = CheckResourceFile(path);
            if (check.Ok())
                SceneSounds(scene).Load(path, item->Sound); // a bad header still leaves the item usable
            else if (check.Status == TFileRead::missing)
                log.Add(QCoreApplication::translate("ProjectFile", "Nincs meg a fájl: %1").arg(path));
            else
                log.Add(QCoreApplication::translate("ProjectFile", "Hibás hang fájl: %1 (%2)")
                            .arg(path, check.Error));
        }
        scene.Files.Add(name, std::move(item));
    }
}

// names: the names of the layers read so far (a lookup in the layer list,
// and a numbered search from 1 for every name taken, would make reading
// many layers of one name cubic).
void ReadLayer(TScene& scene, const TIniFile& ini, int n, int section, QString name, TUniqueNames& names,
               TErrorLog& log) {
    const QString sectionName = QStringLiteral("Image%1").arg(n);
    const QString fileName = ini.ReadString(section, u"FileName", QString());
    TFilesItem* file = scene.Files.Find(fileName);
    if (!file)
        throw EVelkonError(QCoreApplication::translate(
                               "ProjectFile", "A(z) %1 réteg fájlja nincs a projekt fájljai között: %2")
                               .arg(name, fileName));
    // Names are found ignoring case: a second "Ball" or "BALL" would hide
    // behind the first, so it takes the name a new layer on its file gets.
    if (names.Contains(name)) {
        const QString unique = names.Make(TScene::LayerBaseName(file->Name));
        log.Add(QCoreApplication::translate(
                    "ProjectFile",
                    "%1 nevű objektum már megtalálható a projectben, ezért új ezt az új nevet kapja:%2")
                    .arg(name, unique));
        name = unique;
    }
    names.Add(name);
    auto layer = std::make_unique<TImagesItem>(file);
    layer->Name = name;
    const auto layerSection = [&] { return sectionName; };
    const auto number = [&](QStringView key, int def) { return ReadNumber(ini, section, layerSection, key, def, log); };
    layer->Top = number(u"Top", 0);
    layer->Left = number(u"Left", 0);
    layer->Width = number(u"Width", 0);
    layer->Height = number(u"Height", 0);
    layer->Alpha = number(u"Alpha", 255);
    layer->Angle = number(u"Angle", 0);
    layer->OrigoX = number(u"OrigoX", 0);
    layer->OrigoY = number(u"OrigoY", 0);
    layer->TouchTop = number(u"TouchTop", 0);
    layer->TouchLeft = number(u"TouchLeft", 0);
    layer->TouchWidth = number(u"TouchWidth", static_cast<int>(std::nearbyint(layer->Width)));
    layer->TouchHeight = number(u"TouchHeight", static_cast<int>(std::nearbyint(layer->Height)));
    layer->Visible = number(u"Visible", 1) != 0;
    layer->PlayAnim = number(u"PlayAnim", 1);
    layer->Parent = ini.ReadString(section, u"Parent", QString());
    layer->Group = number(u"Group", 0);
    layer->ItemColor = ReadColor(ini, section, sectionName, QStringLiteral("ItemColor"), QStringLiteral("FFFFFF"));
    TImagesItem* added = scene.Layers.Add(name, std::move(layer));

    // Lower-case names spare the INI a conversion on each of the many lookups.
    const QString prefix = QStringLiteral("image%1_command").arg(n);
    for (int t = 1; t <= 12; ++t) {
        TCommands& track = added->TrackByNumber(t);
        const QString trackPrefix = prefix + QString::number(t) + QLatin1Char('_');
        for (int c = 1;; ++c) {
            const int cs = ini.FindSection(trackPrefix + QString::number(c));
            if (cs < 0 || !ini.KeyExists(cs, u"Command"))
                break;
            if (c > MaxListEntries) {
                ListCut(scene, log,
                        QCoreApplication::translate("ProjectFile", "A(z) %1 réteg %2. sávja")
                            .arg(name, QString::number(t)));
                break;
            }
            auto cmd = std::make_unique<TCommandItem>();
            cmd->Owner = added;
            // Numbers outside the catalogue are kept as they stand so that nothing
            // in the file is lost; the player ignores them.
            cmd->SetCommand(ini.ReadInteger(cs, u"Command", 0));
            cmd->SetParam(1, ini.ReadString(cs, u"sParam1", QString()));
            cmd->SetParam(2, ini.ReadString(cs, u"sParam2", QString()));
            cmd->SetParam(3, ini.ReadString(cs, u"sParam3", QString()));
            const auto commandSection = [&] {
                return QLatin1String("Image") + QString::number(n) + QLatin1String("_Command") + QString::number(t) +
                       QLatin1Char('_') + QString::number(c);
            };
            cmd->SetOX(ReadNumber(ini, cs, commandSection, u"OX", 512, log));
            cmd->SetOY(ReadNumber(ini, cs, commandSection, u"OY", 384, log));
            const QString commandName = CommandName(cmd->Command());
            track.Add(commandName, std::move(cmd));
        }
    }
    added->SelectAnimation(TImagesItem::animBase);
}

} // namespace

long long RoundForFile(double value) {
    // Only what the reader takes back is written: whole numbers of the int range.
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (rounded >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<long long>(rounded);
}

QString ColorToHex(uint32_t color) {
    static const char digits[] = "0123456789ABCDEF";
    QString s(6, Qt::Uninitialized);
    for (int i = 0; i < 3; ++i) {
        const uint32_t byte = (color >> (8 * i)) & 0xFF; // red is the low byte
        s[2 * i] = QLatin1Char(digits[byte >> 4]);
        s[2 * i + 1] = QLatin1Char(digits[byte & 0xF]);
    }
    return s;
}

bool HexToColor(const QString& text, uint32_t& color) {
    if (text.size() != 6)
        return false;
    uint32_t result = 0;
    for (int i = 0; i < 6; ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x7F || !std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        const uint32_t digit = c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10;
        // Digits 1-2 are red (the low byte), 3-4 green, 5-6 blue.
        result |= digit << (8 * (i / 2) + (i % 2 == 0 ? 4 : 0));
    }
    color = result;
    return true;
}

bool IsPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QChar(0))
            return false;
    return true;
}

QString ProjectTextHead(const TScene& scene) {
    QString out;
    out += QLatin1String("[Project]\r\n");
    PutNumber(out, QLatin1StringView("Resolution"), scene.Resolution);
    Put(out, QLatin1StringView("BackgroundColor"), ColorToHex(scene.BackgroundColor));
    Put(out, QLatin1StringView("SelectColor"), ColorToHex(scene.SelectColor));
    Put(out, QLatin1StringView("Lock"), scene.Lock ? u"1" : u"0");

    out += QLatin1String("[Files]\r\n");
    for (int i = 0; i < scene.Files.Count(); ++i) {
        out += QLatin1String("Name") + QString::number(i + 1) + QLatin1Char('=') + scene.Files.At(i)->Name +
               QLatin1String("\r\n");
    }
    out += QLatin1String("[Groups]\r\n");
    for (int i = 0; i < scene.Groups.size(); ++i)
        out += QLatin1String("Name") + QString::number(i + 1) + QLatin1Char('=') + scene.Groups[i] +
               QLatin1String("\r\n");
    out += QLatin1String("-------\r\n");
    return out;
}

void AppendLayerText(QString& out, const TImagesItem& layer, int number, std::vector<qsizetype>* numberAt) {
    // The layer's number starts every section name of it.
    const QString numberText = numberAt ? QString() : QString::number(number);
    const auto section = [&] {
        out += QLatin1String("[Image");
        if (numberAt) numberAt->push_back(out.size());
        out += numberText;
    };
    section();
    out += QLatin1String("]\r\n");
    Put(out, QLatin1StringView("Name"), layer.Name);
    Put(out, QLatin1StringView("FileName"), layer.FileItem ? QStringView(layer.FileItem->Name) : QStringView());
    PutReal(out, QLatin1StringView("Top"), layer.Top);
    PutReal(out, QLatin1StringView("Left"), layer.Left);
    PutReal(out, QLatin1StringView("Width"), layer.Width);
    PutReal(out, QLatin1StringView("Height"), layer.Height);
    PutReal(out, QLatin1StringView("Alpha"), layer.Alpha);
    PutReal(out, QLatin1StringView("Angle"), layer.Angle);
    PutReal(out, QLatin1StringView("OrigoX"), layer.OrigoX);
    PutReal(out, QLatin1StringView("OrigoY"), layer.OrigoY);
    PutNumber(out, QLatin1StringView("TouchTop"), layer.TouchTop);
    PutNumber(out, QLatin1StringView("TouchLeft"), layer.TouchLeft);
    PutNumber(out, QLatin1StringView("TouchWidth"), layer.TouchWidth);
    PutNumber(out, QLatin1StringView("TouchHeight"), layer.TouchHeight);
    Put(out, QLatin1StringView("Parent"), layer.Parent);
    Put(out, QLatin1StringView("Visible"), layer.Visible ? u"1" : u"0");
    PutNumber(out, QLatin1StringView("PlayAnim"), layer.PlayAnim);
    PutNumber(out, QLatin1StringView("Group"), layer.Group);
    Put(out, QLatin1StringView("ItemColor"), ColorToHex(layer.ItemColor));
    for (int t = 1; t <= 12; ++t) {
        const TCommands& track = layer.TrackByNumber(t);
        if (track.IsEmpty())
            continue;
        const QString trackPart = QLatin1String("_Command") + QString::number(t) + QLatin1Char('_');
        for (int c = 0; c < track.Count(); ++c) {
            const TCommandItem& cmd = *track.Item(c);
            section();
            out += trackPart;
            out += QString::number(c + 1);
            out += QLatin1String("]\r\n");
            PutNumber(out, QLatin1StringView("Command"), cmd.Command());
            Put(out, QLatin1StringView("sParam1"), cmd.sParam1());
            Put(out, QLatin1StringView("sParam2"), cmd.sParam2());
            Put(out, QLatin1StringView("sParam3"), cmd.sParam3());
            PutReal(out, QLatin1StringView("OX"), cmd.OX());
            PutReal(out, QLatin1StringView("OY"), cmd.OY());
        }
    }
}

QString ProjectTextTail(const TScene& scene) {
    QString out = QLatin1String("[Lines]\r\n");
    for (int i = 0; i < scene.Lines.size(); ++i)
        out += QLatin1String("Pos") + QString::number(i + 1) + QLatin1Char('=') + TScene::LineName(scene.Lines[i]) +
               QLatin1String("\r\n");
    return out;
}

QString ProjectText(const TScene& scene) {
    QString out;
    int commands = 0;
    for (const auto& [name, layer] : scene.Layers)
        for (int t = 1; t <= 12; ++t)
            commands += layer->TrackByNumber(t).Count();
    out.reserve(1024 + scene.Layers.Count() * 400 + commands * 120);
    out += ProjectTextHead(scene);
    for (int n = 1; n <= scene.Layers.Count(); ++n)
        AppendLayerText(out, *scene.Layers.At(n - 1), n);
    out += ProjectTextTail(scene);
    return out;
}

void WriteProject(TScene& scene, const QString& path) {
    const QByteArray bytes = EncodeWindows1250ForFile(ProjectText(scene));
    const QFileInfo info(path);
    // Temporaries of a save killed half-way go before the next save in that folder.
    RemoveStaleTemporaries(info.absolutePath());
    SafeWriteFile(path, bytes);
    scene.ProjectFileName = info.fileName();
    scene.ProjectDir = info.absolutePath();
    scene.Saved = true;
    scene.Incomplete.clear(); // the file now holds exactly the scene
}

namespace {

// Everything after the file was opened; stops with EVelkonError on what it cannot read.
// A numbered list ends at its first missing key: a name that is the end
// marker's text ("NINCS1234", which the editor lets a group, a layer or a file
// be called) is read like any other instead of cutting the list there.
void ReadScene(TScene& scene, const TIniFile& ini, const QHash<QString, QString>& elsewhere, TErrorLog& log) {
    // Groups and helper lines go now too, so that a read stopped half-way never
    // mixes the previous project's lines into this one.
    scene.Groups.clear();
    scene.GroupStates.fill(TGroupState{});
    scene.Lines.clear();

    const QString projectName = QStringLiteral("Project");
    const int project = ini.FindSection(projectName);
    const int resolution = ini.ReadInteger(project, u"Resolution", 1);
    scene.Resolution = resolution >= 0 && resolution <= 5 ? resolution : 1;
    scene.BackgroundColor = ReadColor(ini, project, projectName, QStringLiteral("BackgroundColor"), QStringLiteral("FFFFFF"));
    // Written as SelectColor; files of older versions may only know SelectedColor.
    const QString selectKey = ini.ReadString(project, u"SelectColor", kMarker) != kMarker ? QStringLiteral("SelectColor")
                                                                                         : QStringLiteral("SelectedColor");
    scene.SelectColor = ReadColor(ini, project, projectName, selectKey, QStringLiteral("AAAAAA"));
    scene.Lock = ini.ReadInteger(project, u"Lock", 1) != 0;

    ReadFiles(scene, ini, scene.ProjectDir, elsewhere, log);

    const int groups = ini.FindSection(QStringLiteral("Groups"));
    for (int n = 1;; ++n) {
        const QString key = QStringLiteral("Name%1").arg(n);
        if (!ini.KeyExists(groups, key))
            break;
        const QString group = ini.ReadString(groups, key, QString());
        if (n > MaxListEntries) {
            ListCut(scene, log, QStringLiteral("[Groups]"));
            break;
        }
        scene.Groups << group;
    }

    TUniqueNames layerNames;
    for (int n = 1;; ++n) {
        const int section = ini.FindSection(QStringLiteral("image%1").arg(n));
        if (!ini.KeyExists(section, u"Name"))
            break;
        const QString name = ini.ReadString(section, u"Name", QString());
        if (n > MaxListEntries) {
            ListCut(scene, log, QCoreApplication::translate("ProjectFile", "A rétegek listája"));
            break;
        }
        ReadLayer(scene, ini, n, section, name, layerNames, log);
    }

    const int lines = ini.FindSection(QStringLiteral("Lines"));
    for (int n = 1;; ++n) {
        const QString key = QStringLiteral("Pos%1").arg(n);
        if (!ini.KeyExists(lines, key))
            break;
        const QString v = ini.ReadString(lines, key, QString());
        if (n > MaxListEntries) {
            ListCut(scene, log, QStringLiteral("[Lines]"));
            break;
        }
        scene.SetLineValue(v, v.mid(1, 100));
    }
}

} // namespace

namespace {

// No line of a project comes near this length; a big file that has one is
// refused before it costs its size in memory.
constexpr qint64 kMaxLineBytes = 1 << 20;

} // namespace

QByteArray ReadProjectFile(const QString& path) {
    // A FIFO or a device in the project's place is refused before it is read
    // (opening never waits on it).
    TRegularFile file(path);
    if (file.Status() != TFileRead::ok)
        throw EVelkonError(
            file.Error().isEmpty()
                ? QCoreApplication::translate("ProjectFile", "Nem sikerült megnyitni a projekt fájlt: %1")
                      .arg(path)
                : QCoreApplication::translate("ProjectFile",
                                              "Nem sikerült megnyitni a projekt fájlt: %1 (%2)")
                      .arg(path, file.Error()));
    // Read in blocks. Ordinary projects are taken as they are; in a big file a
    // line longer than the limit is refused as soon as it passes it, before
    // the file is held in memory.
    const bool checkLines = file.Size() > 16 * kMaxLineBytes;
    constexpr qsizetype block = 1 << 20;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(std::min<int64_t>(file.Size(), int64_t(1) << 30)) + 1);
    qint64 lineLength = 0;
    int line = 1;
    for (;;) {
        const qsizetype at = bytes.size();
        bytes.resize(at + block);
        const int64_t n = file.Read(bytes.data() + at, block);
        if (n < 0)
            throw EVelkonError(
                QCoreApplication::translate("ProjectFile", "Nem sikerült olvasni a projekt fájlt: %1")
                    .arg(path));
        bytes.resize(at + static_cast<qsizetype>(n));
        for (const char* c = bytes.constData() + at, *end = c + n; checkLines && c < end;) {
            const char* lf = static_cast<const char*>(std::memchr(c, '\n', static_cast<size_t>(end - c)));
            const qint64 run = (lf ? lf : end) - c;
            lineLength += run;
            if (lineLength > kMaxLineBytes)
                throw EVelkonError(
                    QCoreApplication::translate("ProjectFile",
                                                "A projekt fájl %1. sora túl hosszú (több mint %2 bájt): %3")
                        .arg(QString::number(line), QString::number(kMaxLineBytes), path));
            if (!lf)
                break;
            ++line;
            lineLength = 0;
            c = lf + 1;
        }
        if (n < block)
            break;
    }
    return bytes;
}

void ReadProject(TScene& scene, const QString& path, TErrorLog& log) {
    ReadProjectAs(scene, path, path, {}, log);
}

void ReadProjectAs(TScene& scene, const QString& file, const QString& projectPath,
                   const QHash<QString, QString>& elsewhere, TErrorLog& log) {
    // A project that cannot be opened leaves the current scene alone.
    TIniFile ini;
    ini.FromBytes(ReadProjectFile(file));

    const QFileInfo info(projectPath);
    scene.ProjectFileName = info.fileName();
    scene.ProjectDir = info.absolutePath();
    // Until the whole file has been read the scene matches no file.
    scene.Saved = false;
    scene.ClearLayersAndFiles();
    try {
        ReadScene(scene, ini, elsewhere, log);
    } catch (const EVelkonError& e) {
        // What was read stays, but it is not the whole file: saving it over
        // the source would silently drop the rest.
        scene.Incomplete = e.Message();
        throw;
    }
    scene.Saved = scene.Incomplete.isEmpty();
}

} // namespace velkon
