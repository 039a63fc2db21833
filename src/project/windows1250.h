#pragma once

#include <QByteArray>
#include <QString>

namespace velkon {

// Project and pack files are single-byte Windows-1250 text; these two are the
// only place where that code page is converted.

// Encodes text as Windows-1250. A character the code page cannot hold becomes
// "?" and clears *ok (when given); *ok is set to true otherwise.
QByteArray EncodeWindows1250(const QString& text, bool* ok = nullptr);

// Decodes Windows-1250 bytes. The five unassigned bytes (0x81, 0x83, 0x88,
// 0x90, 0x98) become the C1 control characters of the same value, so that
// decoding and encoding again gives back the same bytes.
QString DecodeWindows1250(const QByteArray& bytes);
QString DecodeWindows1250(const char* data, qsizetype size);

// The first character of text that Windows-1250 cannot hold, or -1.
qsizetype FirstNonWindows1250(const QString& text);

// Encodes text for a file; a character the code page cannot hold throws
// EVelkonError quoting the line it is on, so a save never silently turns a
// name into question marks.
QByteArray EncodeWindows1250ForFile(const QString& text);

} // namespace velkon
