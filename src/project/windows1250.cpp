#include "project/windows1250.h"

#include "model/velkonerror.h"

#include <QCoreApplication>
#include <array>
#include <cstdint>

namespace velkon {

namespace {

// Unicode of the bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The highest code point the table uses is U+2122; above it nothing maps.
constexpr char16_t kEncodeLimit = 0x2123;

struct TEncodeTable {
    std::array<uint8_t, kEncodeLimit> Byte{}; // 0: not representable (except U+0000)
    TEncodeTable() {
        for (int c = 0; c < 0x80; ++c)
            Byte[c] = static_cast<uint8_t>(c);
        for (int i = 0; i < 128; ++i)
            Byte[kHigh[i]] = static_cast<uint8_t>(0x80 + i);
    }
};

const TEncodeTable& EncodeTable() {
    static const TEncodeTable table;
    return table;
}

inline int EncodeChar(const TEncodeTable& table, char16_t c) {
    if (c == 0)
        return 0;
    if (c >= kEncodeLimit || table.Byte[c] == 0)
        return -1;
    return table.Byte[c];
}

} // namespace

QByteArray EncodeWindows1250(const QString& text, bool* ok) {
    const TEncodeTable& table = EncodeTable();
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    QByteArray out(n, Qt::Uninitialized);
    char* dst = out.data();
    qsizetype i = 0;
    // Fast path: one byte per UTF-16 unit while everything maps.
    for (; i < n; ++i) {
        const int b = src[i] < 0x80 ? int(src[i]) : EncodeChar(table, src[i]);
        if (b < 0)
            break;
        dst[i] = static_cast<char>(b);
    }
    if (ok)
        *ok = i == n;
    if (i == n)
        return out;
    // Something does not fit: one "?" per character (a surrogate pair is one).
    out.truncate(i);
    for (; i < n; ++i) {
        const int b = src[i] < 0x80 ? int(src[i]) : EncodeChar(table, src[i]);
        if (b >= 0) {
            out.append(static_cast<char>(b));
            continue;
        }
        out.append('?');
        if (QChar::isHighSurrogate(src[i]) && i + 1 < n && QChar::isLowSurrogate(src[i + 1]))
            ++i;
    }
    return out;
}

QString DecodeWindows1250(const char* data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < size; ++i) {
        const uint8_t b = static_cast<uint8_t>(data[i]);
        dst[i] = b < 0x80 ? char16_t(b) : kHigh[b - 0x80];
    }
    return out;
}

QString DecodeWindows1250(const QByteArray& bytes) { return DecodeWindows1250(bytes.constData(), bytes.size()); }

qsizetype FirstNonWindows1250(const QString& text) {
    const TEncodeTable& table = EncodeTable();
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (src[i] >= 0x80 && EncodeChar(table, src[i]) < 0)
            return i;
    return -1;
}

QByteArray EncodeWindows1250ForFile(const QString& text) {
    bool ok = true;
    QByteArray bytes = EncodeWindows1250(text, &ok);
    if (ok)
        return bytes;
    const qsizetype at = FirstNonWindows1250(text);
    const qsizetype from = text.lastIndexOf(QLatin1Char('\n'), at) + 1;
    qsizetype to = from;
    while (to < text.size() && text[to] != QLatin1Char('\r') && text[to] != QLatin1Char('\n'))
        ++to;
    throw EVelkonError(
        QCoreApplication::translate("Windows1250", "Windows-1250 kódolással nem menthető szöveg: %1")
            .arg(text.mid(from, to - from)));
}

} // namespace velkon
