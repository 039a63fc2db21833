// The INI reader: any bytes read, every value looks up, and what it writes
// reads back to the same values.
#include "fuzzsupport.h"

#include "project/inifile.h"

using namespace velkon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TIniFile ini;
    ini.FromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    TIniFile again;
    again.FromText(ini.ToText());
    const QStringList sections = ini.Sections();
    for (const QString& section : sections) {
        if (!again.SectionExists(section))
            fuzz::Fail(QStringLiteral("section [%1] is lost by writing").arg(section));
        for (const QString& key : ini.Keys(section)) {
            const QString value = ini.ReadString(section, key, QStringLiteral("\x01missing"));
            const QString back = again.ReadString(section, key, QStringLiteral("\x01missing"));
            if (back != value)
                fuzz::Fail(QStringLiteral("[%1] %2=%3 reads back as %4").arg(section, key, value, back));
            int number = 0;
            const bool whole = TIniFile::ParseInteger(value, number);
            const int read = ini.ReadInteger(section, key, 7);
            if (whole ? read != number : read != 7)
                fuzz::Fail(
                    QStringLiteral("[%1] %2=%3 reads as an integer inconsistently").arg(section, key, value));
            ini.ReadBool(section, key, false);
        }
    }

    // A key written into the first section reads back as written.
    if (!sections.isEmpty()) {
        ini.WriteString(sections.first(), QStringLiteral("FuzzKey"), QStringLiteral("a=b;c"));
        if (ini.ReadString(sections.first(), QStringLiteral("fuzzkey"), QString()) != QLatin1String("a=b;c"))
            fuzz::Fail(QStringLiteral("a written key does not read back in [%1]").arg(sections.first()));
    }
    return 0;
}
