#include "project/packexport.h"

#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/safewrite.h"
#include "project/windows1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void CopyResources(const TScene& scene, const QString& folder) {
    for (const auto& [name, file] : scene.Files) {
        // Unsafe names were reported by the checks; they never leave the folder.
        if (!IsPlainFileName(file->Name) || file->Path.isEmpty())
            continue;
        const QString target = QDir(folder).filePath(file->Name);
        const QFileInfo source(file->Path);
        if (source.canonicalFilePath() == QFileInfo(target).canonicalFilePath())
            continue; // packing into the project's own folder
        QFile in(file->Path);
        if (!in.open(QIODevice::ReadOnly))
            continue; // copy failures are not the pack's concern
        try {
            SafeWriteFile(target, in.readAll());
        } catch (const EVelkonError&) {
        }
    }
}

} // namespace

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
    dialogs.Message(QStringLiteral("Retinás felbontás van beállítva!"));
    return true;
}

int RunPackChecks(const TScene& scene, TDialogs& dialogs, TErrorLog& log) {
    const int before = log.Count();
    for (const auto& [name, layer] : scene.Layers) {
        if (!layer->HasTouchCommands())
            continue;
        if (layer->Alpha < 5)
            log.Add(QStringLiteral("Túl alacsony az alfa és van érintési animáció: ") + layer->Name);
        if (layer->TouchLeft < 0 || layer->TouchWidth > layer->Width || layer->TouchTop < 0 ||
            layer->TouchHeight > layer->Height)
            log.Add(QStringLiteral("A touch rect túl nagy: ") + layer->Name);
    }
    for (const auto& [name, file] : scene.Files)
        if (file->Name.contains(QLatin1Char(' ')) || !IsPlainFileName(file->Name))
            log.Add(QStringLiteral("Hibás fájl név: ") + file->Name);
    const int added = log.Count() - before;
    if (added != 0)
        dialogs.Message(
            QStringLiteral("A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek."));
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
        choice.Title = QStringLiteral("VKM készítése");
        choice.Filter = QStringLiteral("*.VKM");
        choice.DefaultExt = QStringLiteral("VKM");
        choice.InitialDir = scene.ProjectDir;
        choice.InitialName = ChangeExtension(scene.ProjectFileName, QStringLiteral(".VKM"));
        const std::optional<QString> chosen = dialogs.ChooseFile(choice);
        if (!chosen || chosen->isEmpty())
            return {};
        path = *chosen;
    }

    const QString vkoPath = ChangeExtension(path, QStringLiteral(".VKO"));
    const QString vkmPath = ChangeExtension(path, QStringLiteral(".VKM"));
    SafeWriteFile(vkoPath, EncodeWindows1250ForFile(PackText(scene)));
    QFile vko(vkoPath);
    if (!vko.open(QIODevice::ReadOnly)) {
        QFile::remove(vkoPath);
        throw EVelkonError(QStringLiteral("Nem sikerült olvasni a fájlt: ") + vkoPath);
    }
    const QByteArray vkoBytes = vko.readAll();
    vko.close();
    try {
        SafeWriteFile(vkmPath, VkoToVkm(vkoBytes));
    } catch (...) {
        QFile::remove(vkoPath);
        throw;
    }
    QFile::remove(vkoPath);

    CopyResources(scene, QFileInfo(vkmPath).absolutePath());
    WriteProject(scene, ChangeExtension(path, QStringLiteral(".VKP")));
    return vkmPath;
}

} // namespace velkon
