#include "edit/changelog.h"

#include <QCoreApplication>
#include <QStringList>

namespace velkon {

namespace {

const QString Dashes(24, QLatin1Char('-'));

// Splits text at spaces into lines of at most width characters (a longer word
// stays whole on its own line).
QStringList Wrap(const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        if (!line.isEmpty()) line += QLatin1Char(' ');
        line += word;
    }
    if (!line.isEmpty() || lines.isEmpty()) lines << line;
    return lines;
}

} // namespace

const std::vector<TChangeLogVersion>& ChangeLogVersions() {
    static const std::vector<TChangeLogVersion> versions = {
        {QStringLiteral("1.97"),
         QStringLiteral("2026.12.10."),
         {
             {'+', QStringLiteral(
                       "Hibakereső: az aktuális réteg, az általa StartOther paranccsal indított rétegek "
                       "és a rá hivatkozó rétegek tizenkét parancssora egymás mellett, színezett "
                       "táblázatban.")},
             {'+', QStringLiteral("Rétegek panel: képek, hangok és részecskék hozzáadása, klónozás, törlés, "
                                  "csoportok, szülő beállítása húzással, importálás másik projektből.")},
             {'+', QStringLiteral("Animációs parancsok panel a parancsszerkesztővel, a vágólappal, a "
                                  "tömeges eszközökkel, az idő módosítóval és a kedvencekkel.")},
             {'+', QStringLiteral("Kulcskockás animáció: pózok rögzítése a vásznon, görbe és ellipszis "
                                  "pálya, csontváz és transzponálás.")},
             {'+', QStringLiteral("Tulajdonságok panel egy és több réteghez, réteg- és fájlátnevezéssel.")},
             {'+', QStringLiteral("Fejlesztési napló: ez az ablak, az eszköztár Info gombjáról.")},
             {'+', QStringLiteral("A panelek egy közös dokumentumon osztoznak; a billentyűk a panelek saját "
                                  "műveleteit hívják.")},
             {'+', QStringLiteral("Hibanapló panel, amely a visszavonási lépéseket is mutatja.")},
             {'x', QStringLiteral("A hiányzó vagy hibás képű réteget a vászon kerettel jelzi.")},
         }},
        {QStringLiteral("1.90"),
         QStringLiteral("2026.12.10."),
         {
             {'+',
              QStringLiteral("Ártó szándékú vagy sérült fájlok ellen: a projektfájl 1 MiB-nál hosszabb sorát "
                             "a program visszautasítja, egy listából legfeljebb 10 000 elemet olvas.")},
             {'+', QStringLiteral("A PNG képek oldala legfeljebb 16 384 képpont, egy projekt képei együtt "
                                  "legfeljebb 1 GiB memóriát foglalnak.")},
             {'+',
              QStringLiteral("Minden mentés ideiglenes fájlon át történik: megszakadt írás után a régi fájl "
                             "ép marad.")},
             {'+',
              QStringLiteral("A félig beolvasott projektet a program a felhasználó kifejezett döntése nélkül "
                             "nem menti a forrására.")},
             {'+', QStringLiteral(
                       "Fuzz tesztek a projektfájl, az INI, a paraméterfüggvények, a kulcskockák, a PNG "
                       "és a WAV olvasóihoz.")},
             {'x', QStringLiteral("A hibás szám naplósora csak az érték elejét idézi.")},
         }},
        {QStringLiteral("1.80"),
         QStringLiteral("2026.12.10."),
         {
             {'+', QStringLiteral("Visszavonás és újra: 255 lépéses gyűrű, a lépések a változatlan "
                                  "parancssorokat megosztják.")},
             {'+',
              QStringLiteral("Az egymást követő azonos fajtájú lépések (például egy egérhúzás) egy lépésként "
                             "vonhatók vissza; új lépés a visszavont ágat lezárja.")},
         }},
        {QStringLiteral("1.60"),
         QStringLiteral("2026.12.10."),
         {
             {'+', QStringLiteral("Főablak eszköztárral, OpenGL rajzvászonnal, célfelbontásokkal és "
                                  "segédvonalakkal.")},
             {'+', QStringLiteral("Rétegek kijelölése, mozgatása, átméretezése és forgatása egérrel és "
                                  "billentyűkkel, a közös origó körül.")},
             {'+', QStringLiteral("Lejátszás és előnézet, automatikus leállás, fázisok megjelenítése.")},
             {'+',
              QStringLiteral("Az ablakelrendezés mentése, kilépési mentés (Kilepesi.VKP) és képernyőkép.")},
         }},
        {QStringLiteral("1.40"),
         QStringLiteral("2026.12.10."),
         {
             {'+', QStringLiteral("Parancssori eszköz kijelző nélkül: velkon pack, velkon check és velkon "
                                  "simulate.")},
         }},
        {QStringLiteral("1.20"),
         QStringLiteral("2026.12.10."),
         {
             {'+',
              QStringLiteral("Parancslejátszó: a 21 parancs, paraméterfüggvények (Left, RandomI, Ease...), "
                             "gyorsulás, ciklusok és érintésre induló animációk.")},
             {'+', QStringLiteral("WAV hangeffektek lejátszása.")},
         }},
        {QStringLiteral("1.00"),
         QStringLiteral("2026.12.10."),
         {
             {'+',
              QStringLiteral("Jelenetmodell: rétegek négy animációval és tizenkét parancssorral, csoportok, "
                             "segédvonalak és a 21 parancs katalógusa.")},
             {'+', QStringLiteral("A VKP projektfájl olvasása és írása (Windows-1250, CR LF), csomagolás a "
                                  "futtatókörnyezet VKM formátumába.")},
             {'+', QStringLiteral("Példaprojekt.")},
         }},
    };
    return versions;
}

QString FormatChangeLog(const std::vector<TChangeLogVersion>& versions, const QString& startDate, int width) {
    QStringList lines{QCoreApplication::translate("ChangeLog", "Jelek:"),
                      Dashes,
                      QString(),
                      QCoreApplication::translate("ChangeLog", "+ Újdonság"),
                      QCoreApplication::translate("ChangeLog", "x Javítás"),
                      QCoreApplication::translate("ChangeLog", "- Eltávolítás"),
                      QString()};
    for (const TChangeLogVersion& version : versions) {
        lines << QCoreApplication::translate("ChangeLog", "%1 verzó (%2)").arg(version.Version, version.Date)
              << Dashes;
        for (const TChangeLogVersion::TEntry& entry : version.Entries) {
            const QStringList wrapped = Wrap(entry.Text, width - 2);
            for (int i = 0; i < wrapped.size(); ++i)
                lines << (i == 0 ? QString(QLatin1Char(entry.Sign)) + QLatin1Char(' ')
                                 : QStringLiteral("  ")) +
                             wrapped[i];
        }
        lines << QString();
    }
    lines << Dashes << QCoreApplication::translate("ChangeLog", "Kezdet (%1)").arg(startDate) << Dashes;
    for (int i = 0; i < 3; ++i)
        lines << QStringLiteral(" ");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ChangeLogText() {
    // Development of this program started on the day of its first version.
    return FormatChangeLog(ChangeLogVersions(), QStringLiteral("2026.12.10."));
}

} // namespace velkon
