#include "model/commanddesc.h"

#include <QCoreApplication>
#include <QStringList>

namespace velkon {

namespace {

QString lines(std::initializer_list<const char*> parts) {
    QStringList list;
    for (const char* p : parts)
        list << QString::fromUtf8(p);
    return list.join(QStringLiteral("\r\n"));
}

TCommandDesc desc(const char* name, const char* types, const char* p1, const char* p2, const char* p3,
                  std::initializer_list<const char*> help) {
    return TCommandDesc{QString::fromUtf8(name),
                        QString::fromUtf8(types),
                        {QString::fromUtf8(p1), QString::fromUtf8(p2), QString::fromUtf8(p3)},
                        lines(help)};
}

std::array<TCommandDesc, CommandCount> buildCatalogue() {
    return {{
        desc("MoveTo", "iif", "x", "y", "duration",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameters: x, y, duration"),
              QT_TRANSLATE_NOOP("TCommandDesc",
                                "A megadot x, y kordinátára mozgatja a képet, megadott idő alatt.")}),
        desc("RelativeMoveTo", "iif", "x", "y", "duration",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameters: x, y, duration"),
              QT_TRANSLATE_NOOP(
                  "TCommandDesc",
                  "A képet a jelenlegi poziciójától elmozdítja a magadott értékkel, megadott idő alatt.")}),
        desc("ReSize", "iif", "width", "height", "duration",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameters: width, height, duration"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Átmértezi megadott idő alatt a képet.")}),
        desc("Rotate", "ff-", "degress", "duration", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameters: degress, duration"),
              QT_TRANSLATE_NOOP(
                  "TCommandDesc",
                  "Elforgatja az alakzatot az óra mutatóval megegyező írányba, ha ellenkezőt akarsz akkor "
                  "negatív fokot kell megadni. Ha középpontos forgatást akasrz akkor a Centert válaszd a "
                  "type-nál.")}),
        desc("ChgImage", "s--", "image name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "image name"),
              QT_TRANSLATE_NOOP("TCommandDesc", "A kép ábráját lecseréli másik ábrára.")}),
        desc("Wait", "i--", "dalay", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: dalay"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Adott másordpercnyit várakozik.")}),
        desc("ReStart", "i--", "type", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc",
                                "Parameter: type = 0 aktuális parancssor, 1-összes parancssor"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Újra elkezdi az animációt, nem csinál ReSet-et.")}),
        desc("Show", "s--", "name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Megjeleníti az adott nevű képet")}),
        desc("Hide", "s--", "name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc",
                                "Elrejti az adot nevű képet, közben a mozgások mennek tovább.")}),
        desc("Flip", "i--", "direction", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "direction = 0 - nincs tükrözés"),
              QT_TRANSLATE_NOOP("TCommandDesc", "1 - vizszintses"),
              QT_TRANSLATE_NOOP("TCommandDesc", "2 - függőleges"),
              QT_TRANSLATE_NOOP("TCommandDesc", "3-mindkettő"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Tükrözi a képet")}),
        desc("StartOther", "si-", "name", "which", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: name, which"),
              QT_TRANSLATE_NOOP(
                  "TCommandDesc",
                  "Elindítja egy kép megadott animációját which 0 = Base, 1 = Touch. A másik képben célszerű "
                  "egy ReSettel zárni a parancsokat mert így visszaállítódnak az alap értékek.")}),
        desc("StopOther", "s--", "name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: name"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Megállítja az animációt")}),
        desc("FadeTo", "ff-", "value", "duration", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: value, duration"),
              QT_TRANSLATE_NOOP(
                  "TCommandDesc",
                  "Megadott alfa értéknek megfeleően változtatja az átlátszóságot. 0 teljesen átlátszó, 255 "
                  "nem átlátszó. Szép elhalványulást lehet vele csinálni.")}),
        desc("ReSet", "---", "", "", "",
             {QT_TRANSLATE_NOOP(
                 "TCommandDesc",
                 "Visszaállítja az alapértékeket, leginkább akkor van szerepe ha egy másik kép indította el "
                 "az adott kép animációját.")}),
        desc("PlaySfx", "s--", "name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: name"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Lejátsza a megadott nevű hangeffektet")}),
        desc("Loop", "ii-", "count", "step", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: count, step"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Visszalép a parancsokban step lépésnyit count alkalommal")}),
        desc("Accelerate", "i--", "value", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: value"),
              QT_TRANSLATE_NOOP(
                  "TCommandDesc",
                  "Gyorsulást lehet beállítani, alap érték 0 - ezzel lehet kikapcsolni a gyorsulást.")}),
        desc("KeyFrame", "sf-", "", "duration", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Kulcskocka kézzel ne szerkeszd :)")}),
        desc("StopSfx", "s--", "name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: name"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Leállítja a megadott nevű hangeffektet")}),
        desc("PlayParticle", "s--", "name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: name"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Elindítja a megadott nevű részecske szimulációt")}),
        desc("StopParticle", "s--", "name", "", "",
             {QT_TRANSLATE_NOOP("TCommandDesc", "Parameter: name"),
              QT_TRANSLATE_NOOP("TCommandDesc", "Leállítja a megadott nevű részecske szimulációt")}),
    }};
}

} // namespace

const std::array<TCommandDesc, CommandCount>& CommandCatalogue() {
    static const std::array<TCommandDesc, CommandCount> catalogue = buildCatalogue();
    return catalogue;
}

QString CommandHelp(const TCommandDesc& desc) {
    QStringList out;
    for (const QString& line : desc.Help.split(QStringLiteral("\r\n")))
        out << QCoreApplication::translate("TCommandDesc", line.toUtf8().constData());
    return out.join(QStringLiteral("\r\n"));
}

const TCommandDesc* CommandDesc(int number) {
    if (number < 1 || number > CommandCount)
        return nullptr;
    return &CommandCatalogue()[number - 1];
}

int CommandNumber(const QString& name) {
    const auto& cat = CommandCatalogue();
    for (int i = 0; i < CommandCount; ++i)
        if (cat[i].Name == name)
            return i + 1;
    return 0;
}

QString CommandName(int number) {
    const TCommandDesc* d = CommandDesc(number);
    return d ? d->Name : QString();
}

const std::array<QString, 10>& FunctionTemplates() {
    static const std::array<QString, 10> templates = {
        QStringLiteral("Left(in;0)"),    QStringLiteral("Top(in;0)"),
        QStringLiteral("Width(in;0)"),   QStringLiteral("Height(in;0)"),
        QStringLiteral("Angle(in;0)"),   QStringLiteral("RandomI(0;0)"),
        QStringLiteral("Random(0;0)"),   QStringLiteral("SpeedToDuration(1)"),
        QStringLiteral("PercentW(100)"), QStringLiteral("PercentH(100)"),
    };
    return templates;
}

} // namespace velkon
