#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

namespace velkon::test {

// Writes an 8-bit PNG of the given colour type (2 RGB, 6 RGBA, 0 grey...),
// filled with one colour. Returns false when it cannot be written.
bool WritePng(const QString& path, int width, int height, int colorType,
              std::vector<uint8_t> rgba = {255, 0, 0, 255});

// Writes a canonical 44-byte-header PCM WAV file.
bool WriteWav(const QString& path, int channels, int rate, int bits, const QByteArray& samples);

// Writes raw bytes to a file.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

} // namespace velkon::test

// Readable QString values in failed expectations.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
