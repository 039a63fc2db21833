#include "project/packexport.h"

#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/resourcefile.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/safewrite.h"
#include "project/windows1250.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <vector>

namespace velkon {

namespace {

const char* const kTrackSections[12] = {"[B01]", "[B02]", "[B03]", "[T11]", "[T12]", "[T13]",
                                        "[T21]", "[T22]", "[T23]", "[T31]", "[T32]", "[T33]"};

inline void Line(QString& out, QStringView text) {
    out += text;
    out += QLatin1String("\r\n");
}

inline void Line(QString& out, long long number) { Line(out, QString::number(number)); }

// The .VKO bytes converted line by line to UTF-8 with the same CR LF ends.
QByteArray VkoToVkm(const QByteArray& vko) {
    QByteArray vkm;
    vkm.reserve(vko.size() + vko.size() / 8);
    qsizetype pos = 0;
    while (pos < vko.size()) {
        qsizetype end = vko.indexOf('\n', pos);
        const qsizetype next = end < 0 ? vko.size() : end + 1;
        if (end < 0)
            end = vko.size();
        qsizetype stop = end;
        if (stop > pos && vko[stop - 1] == '\r')
            --stop;
        vkm += DecodeWindows1250(vko.constData() + pos, stop - pos).toUtf8();
        vkm += "\r\n";
        pos = next;
    }
    return vkm;
}

// Where each resource of the scene goes in the pack folder. Unsafe names
// (reported by the checks) are left out; a resource that already stands where
// it would go (packing into the project's own folder) is checked but not copied.
struct TResourceCopy {
    QString Name, Source, Target;
    bool InPlace = false;
};

std::vector<TResourceCopy> ResourceCopies(const TScene& scene, const QString& folder) {
    std::vector<TResourceCopy> copies;
    for (const auto& [name, file] : scene.Files) {
        if (!IsPlainFileName(file->Name) || file->Path.isEmpty())
            continue;
        const QString target = QDir(folder).filePath(file->Name);
        const QFileInfo source(file->Path);
        const bool inPlace =
            source.exists() && source.canonicalFilePath() == QFileInfo(target).canonicalFilePath();
        copies.push_back({file->Name, file->Path, target, inPlace});
    }
    return copies;
}

// Copies the resources; returns the names that could not be written. A source
// that is not there was reported when the project was read and is skipped.
QStringList CopyResources(const std::vector<TResourceCopy>& copies) {
    QStringList failed;
    for (const TResourceCopy& copy : copies) {
        if (copy.InPlace)
            continue;
        // Read as the checks saw it: a regular file of a bounded size, inside its folder.
        const TFileBytes in = ReadResourceFile(copy.Source);
        if (in.Status == TFileRead::missing)
            continue;
        if (!in.Ok()) {
            failed << copy.Name + QStringLiteral(" (") + in.Error + QLatin1Char(')');
            continue;
        }
        try {
            SafeWriteFile(copy.Target, in.Bytes);
        } catch (const EVelkonError& e) {
            failed << e.Message();
        }
    }
    return failed;
}

} // namespace

QString PackOutputPath(const QString& chosen) {
    const auto refuse = [&](const QString& why) {
        throw EVelkonError(
            QCoreApplication::translate("PackExport", "Hibás csomag név: %1 (%2)").arg(chosen, why));
    };
    if (chosen.endsWith(QLatin1Char('/')) || QFileInfo(chosen).isDir())
        refuse(QCoreApplication::translate("PackExport", "ez egy mappa, nem fájl"));
    const QFileInfo info(chosen);
    const QString name = info.fileName();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        refuse(QCoreApplication::translate("PackExport", "nincs fájl neve"));
    // The user's name stays as given; only a name without extension gets ours.
    QString path = info.absoluteFilePath();
    if (!name.contains(QLatin1Char('.')))
        path += QStringLiteral(".VKM");
    if (ChangeExtension(path, QStringLiteral(".VKP")).compare(path, Qt::CaseInsensitive) == 0 ||
        ChangeExtension(path, QStringLiteral(".VKO")).compare(path, Qt::CaseInsensitive) == 0)
        refuse(QCoreApplication::translate("PackExport", "a csomag nem lehet .VKP vagy .VKO fájl"));
    return path;
}

QString ChangeExtension(const QString& path, const QString& ext) {
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? path.left(dot) : path) + ext;
}

QString PackText(const TScene& scene) {
    QString out;
    out.reserve(4096 + scene.Layers.Count() * 200);
    Line(out, u"VKP1.3");
    Line(out, scene.Resolution);
    Line(out, u"[Files]");
    Line(out, scene.Files.Count());
    for (const auto& [name, file] : scene.Files)
        Line(out, file->Name);
    Line(out, u"[Images]");
    Line(out, scene.Layers.Count());
    for (const auto& [name, layer] : scene.Layers) {
        Line(out, layer->Name);
        Line(out, layer->FileItem ? QStringView(layer->FileItem->Name) : QStringView());
        for (double v : {layer->Top, layer->Left, layer->Width, layer->Height, layer->Alpha, layer->Angle,
                         layer->OrigoX, layer->OrigoY})
            Line(out, RoundForFile(v));
        for (int v : {layer->TouchTop, layer->TouchLeft, layer->TouchWidth, layer->TouchHeight})
            Line(out, v);
        Line(out, layer->Parent);
        Line(out, layer->Visible ? u"1" : u"0");
        Line(out, layer->PlayAnim);
        for (int t = 1; t <= 12; ++t) {
            const TCommands& track = layer->TrackByNumber(t);
            if (track.IsEmpty())
                continue; // a reader knows the tracks by their section lines
            Line(out, QString::fromLatin1(kTrackSections[t - 1]));
            Line(out, track.Count());
            for (int c = 0; c < track.Count(); ++c) {
                const TCommandItem& cmd = *track.Item(c);
                Line(out, cmd.Command());
                Line(out, cmd.sParam1());
                Line(out, cmd.sParam2());
                Line(out, cmd.sParam3());
            }
        }
    }
    return out;
}

bool WarnRetina(const TScene& scene, TDialogs& dialogs) {
    if (scene.Resolution != 2 && scene.Resolution != 5)
        return false;
    dialogs.Message(QCoreApplication::translate("PackExport", "Retinás felbontás van beállítva!"));
    return true;
}

QStringList UnreadableParameters(const TScene& scene) {
    static const char* const animations[] = {"Base", "Touch1", "Touch2", "Touch3"};
    QStringList lines;
    for (const auto& [name, layer] : scene.Layers)
        for (int t = 1; t <= 12; ++t) {
            const TCommands& track = layer->TrackByNumber(t);
            for (int c = 0; c < track.Count(); ++c) {
                const TCommandItem& cmd = *track.Item(c);
                const TCommandDesc* desc = CommandDesc(cmd.Command());
                if (!desc) continue;
                for (int p = 0; p < 3; ++p) {
                    const QChar type = desc->Types[p];
                    if ((type != QLatin1Char('i') && type != QLatin1Char('f')) ||
                        IsNumberOrFunction(cmd.Param(p + 1)))
                        continue;
                    lines << QCoreApplication::translate(
                                 "PackExport", "Nem szám és nem paraméter függvény: %1, %2 %3. parancssor, "
                                               "%4. parancs, %5 %6 = \"%7\"")
                                 .arg(layer->Name, QLatin1String(animations[(t - 1) / 3]),
                                      QString::number((t - 1) % 3 + 1), QString::number(c + 1), desc->Name,
                                      desc->ParamName[p], cmd.Param(p + 1));
                }
            }
        }
    return lines;
}

int RunPackChecks(const TScene& scene, TDialogs& dialogs, TErrorLog& log) {
    const int before = log.Count();
    for (const auto& [name, layer] : scene.Layers) {
        if (!layer->HasTouchCommands())
            continue;
        if (layer->Alpha < 5)
            log.Add(
                QCoreApplication::translate("PackExport", "Túl alacsony az alfa és van érintési animáció: %1")
                    .arg(layer->Name));
        if (layer->TouchLeft < 0 || layer->TouchWidth > layer->Width || layer->TouchTop < 0 ||
            layer->TouchHeight > layer->Height)
            log.Add(QCoreApplication::translate("PackExport", "A touch rect túl nagy: %1").arg(layer->Name));
    }
    for (const auto& [name, file] : scene.Files)
        if (file->Name.contains(QLatin1Char(' ')) || !IsPlainFileName(file->Name))
            log.Add(QCoreApplication::translate("PackExport", "Hibás fájl név: %1").arg(file->Name));
    for (const QString& line : UnreadableParameters(scene))
        log.Add(line);
    const int added = log.Count() - before;
    if (added != 0)
        dialogs.Message(QCoreApplication::translate(
            "PackExport", "A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek."));
    return added;
}

QString PackExport(TScene& scene, TDialogs& dialogs, TErrorLog& log, const TPackOptions& options) {
    WarnRetina(scene, dialogs);
    if (options.ReadBackFrame)
        options.ReadBackFrame();
    RunPackChecks(scene, dialogs, log);

    QString path = options.Path;
    if (path.isEmpty()) {
        TFileChoice choice;
        choice.Mode = TFileChoice::modeSave;
        choice.Title = QCoreApplication::translate("PackExport", "VKM készítése");
        choice.Filter = QStringLiteral("*.VKM");
        choice.DefaultExt = QStringLiteral("VKM");
        choice.InitialDir = scene.ProjectDir;
        choice.InitialName = ChangeExtension(scene.ProjectFileName, QStringLiteral(".VKM"));
        const std::optional<QString> chosen = dialogs.ChooseFile(choice);
        if (!chosen || chosen->isEmpty())
            return {};
        path = *chosen;
    }

    const QString vkmPath = PackOutputPath(path);
    const QString vkoPath = ChangeExtension(vkmPath, QStringLiteral(".VKO"));
    const QString vkpPath = ChangeExtension(vkmPath, QStringLiteral(".VKP"));
    const QString folder = QFileInfo(vkmPath).absolutePath();

    // Everything is checked before the first byte is written: a resource may
    // not take the place of the pack's own files, no target may be a symbolic
    // link or a folder, and every resource must be a regular file of a bounded
    // size that no link leads out of its folder.
    const std::vector<TResourceCopy> copies = ResourceCopies(scene, folder);
    QStringList problems;
    for (const TResourceCopy& copy : copies)
        for (const QString& own : {vkmPath, vkoPath, vkpPath})
            if (QFileInfo(own).fileName().compare(copy.Name, Qt::CaseInsensitive) == 0) {
                const QString line = QCoreApplication::translate(
                                         "PackExport", "A fájl neve egyezik a csomag egyik fájljáéval: %1")
                                         .arg(copy.Name);
                log.Add(line);
                problems << line;
            }
    for (const TResourceCopy& copy : copies) {
        const TFileBytes source = CheckResourceFile(copy.Source);
        if (source.Ok() || source.Status == TFileRead::missing)
            continue;
        const QString line = QCoreApplication::translate("PackExport", "A fájl nem csomagolható: %1 (%2)")
                                 .arg(copy.Name, source.Error);
        log.Add(line);
        problems << line;
    }
    QStringList targets = {vkmPath, vkpPath};
    for (const TResourceCopy& copy : copies)
        if (!copy.InPlace)
            targets << copy.Target;
    for (const QString& target : targets) {
        try {
            CheckWriteTarget(target);
        } catch (const EVelkonError& e) {
            problems << e.Message();
        }
    }
    if (!problems.isEmpty())
        throw EVelkonError(QCoreApplication::translate("PackExport", "A csomag nem készült el: %1")
                               .arg(problems.join(QStringLiteral("; "))));

    // The .VKP copy replaces its target unasked only when the scene holds the
    // whole of it: a project whose read stopped part-way would replace its own
    // source with the part that was read.
    if (!scene.Incomplete.isEmpty() && IsProjectSource(scene, vkpPath) &&
        !dialogs.AskYesNo(QCoreApplication::translate("PackExport", "Csomagolás"),
                          IncompleteOverwriteQuestion(scene)))
        throw EVelkonError(QCoreApplication::translate(
                               "PackExport", "A csomag nem készült el, semmi nem íródott ki: a(z) %1 "
                                             "csak részben töltődött be, és a csomag felülírná (%2)")
                               .arg(QFileInfo(vkpPath).fileName(), scene.Incomplete));

    // A pack killed half-way may have left temporaries or its .VKO here.
    RemoveStaleTemporaries(folder);
    if (QFileInfo(vkoPath).isFile() && !QFileInfo(vkoPath).isSymLink())
        QFile::remove(vkoPath);

    // The .VKO text is made in memory and converted line by line; only the
    // .VKM reaches the disk, so a kill never leaves a lone .VKO behind.
    try {
        SafeWriteFile(vkmPath, VkoToVkm(EncodeWindows1250ForFile(PackText(scene))));
    } catch (const EVelkonError& e) {
        throw EVelkonError(QCoreApplication::translate(
                               "PackExport", "A csomag nem készült el, a mappában semmi nem változott: %1")
                               .arg(e.Message()));
    }
    // Every file that cannot be written is named; each keeps its old version
    // (SafeWriteFile never leaves half a file), so the folder's state can be told.
    QStringList failed = CopyResources(copies);
    try {
        WriteProject(scene, vkpPath);
    } catch (const EVelkonError& e) {
        failed << e.Message();
    }
    if (!failed.isEmpty())
        throw EVelkonError(QCoreApplication::translate(
                               "PackExport",
                               "A csomag hiányos: a(z) %1 elkészült, de %2 fájl nem íródott ki: %3. "
                               "A mappában a fel nem sorolt fájlok újak; a felsoroltak helyén a korábbi "
                               "változatuk maradt, ha volt.")
                               .arg(QFileInfo(vkmPath).fileName(), QString::number(failed.size()),
                                    failed.join(QStringLiteral("; "))));
    return vkmPath;
}

} // namespace velkon
