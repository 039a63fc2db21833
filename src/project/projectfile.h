#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace velkon {

class TScene;
class TImagesItem;
class TErrorLog;

// The default a missing key of a numbered INI list stands for. Lists are read
// from 1 upward until their first missing key, so an entry whose value is
// this very text (a group named so) is read like any other.
inline constexpr const char* NumberedListEnd = "NINCS1234";
// At most this many entries of a numbered list are read.
inline constexpr int MaxListEntries = 10000;

// The whole .VKP text (CR LF lines) of the scene.
QString ProjectText(const TScene& scene);
// The same text in parts: what comes before the layers, one layer (numbered
// number; with numberAt, no number is written and the positions where it
// goes are recorded instead), and what comes after the layers.
QString ProjectTextHead(const TScene& scene);
void AppendLayerText(QString& out, const TImagesItem& layer, int number, std::vector<qsizetype>* numberAt = nullptr);
QString ProjectTextTail(const TScene& scene);

// Writes the scene as a project file, replacing path atomically; then the
// project is that file (ProjectFileName, ProjectDir) and it counts as saved.
// Throws EVelkonError when the file cannot be written or a text cannot be held
// in Windows-1250; the old file then stays whole and the scene unchanged.
void WriteProject(TScene& scene, const QString& path);

// The bytes of a project file, read as the project reader reads them: only a
// regular file (never a FIFO or a device), in blocks; in a big file a line
// longer than 1 MiB is refused. Throws EVelkonError naming the path.
QByteArray ReadProjectFile(const QString& path);

// Replaces the scene with the project file's content. Missing resource files
// and bad resource names go to the log. A layer whose FileName is not among
// the files, or a colour that is not six hex digits, stops reading with
// EVelkonError; what was read until then stays in the scene.
void ReadProject(TScene& scene, const QString& path, TErrorLog& log);
// ReadProject of the bytes of file as if they were the project at
// projectPath: the scene takes that name and folder, and the resources are
// found there, except those named in elsewhere (file name -> full path) whose
// file exists (a recovery copy read back as its project).
void ReadProjectAs(TScene& scene, const QString& file, const QString& projectPath,
                   const QHash<QString, QString>& elsewhere, TErrorLog& log);

// Real value as written to project and pack files: nearest integer, halves to even.
long long RoundForFile(double value);

// 0x00BBGGRR as six upper-case hex digits, red first ("FF0000" is red).
QString ColorToHex(uint32_t color);
// Six hex digits, red first, to 0x00BBGGRR; false when the text is not that.
bool HexToColor(const QString& text, uint32_t& color);

// Whether a resource name is a plain file name that stays inside its folder
// (no path separator, not "." or "..", not empty).
bool IsPlainFileName(const QString& name);

} // namespace velkon
