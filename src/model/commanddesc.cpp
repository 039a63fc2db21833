#include "model/commanddesc.h"

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
             {"Parameters: x, y, duration",
              "A megadot x, y kordinátára mozgatja a képet, megadott idő alatt."}),
        desc("RelativeMoveTo", "iif", "x", "y", "duration",
             {"Parameters: x, y, duration",
              "A képet a jelenlegi poziciójától elmozdítja a magadott értékkel, megadott idő alatt."}),
        desc("ReSize", "iif", "width", "height", "duration",
             {"Parameters: width, height, duration", "Átmértezi megadott idő alatt a képet."}),
        desc("Rotate", "ff-", "degress", "duration", "",
             {"Parameters: degress, duration",
              "Elforgatja az alakzatot az óra mutatóval megegyező írányba, ha ellenkezőt akarsz akkor "
              "negatív fokot kell megadni. Ha középpontos forgatást akasrz akkor a Centert válaszd a "
              "type-nál."}),
        desc("ChgImage", "s--", "image name", "", "",
             {"image name", "A kép ábráját lecseréli másik ábrára."}),
        desc("Wait", "i--", "dalay", "", "", {"Parameter: dalay", "Adott másordpercnyit várakozik."}),
        desc("ReStart", "i--", "type", "", "",
             {"Parameter: type = 0 aktuális parancssor, 1-összes parancssor",
              "Újra elkezdi az animációt, nem csinál ReSet-et."}),
        desc("Show", "s--", "name", "", "", {"Megjeleníti az adott nevű képet"}),
        desc("Hide", "s--", "name", "", "",
             {"Elrejti az adot nevű képet, közben a mozgások mennek tovább."}),
        desc("Flip", "i--", "direction", "", "",
             {"direction = 0 - nincs tükrözés", "1 - vizszintses", "2 - függőleges", "3-mindkettő",
              "Tükrözi a képet"}),
        desc("StartOther", "si-", "name", "which", "",
             {"Parameter: name, which",
              "Elindítja egy kép megadott animációját which 0 = Base, 1 = Touch. A másik képben célszerű "
              "egy ReSettel zárni a parancsokat mert így visszaállítódnak az alap értékek."}),
        desc("StopOther", "s--", "name", "", "", {"Parameter: name", "Megállítja az animációt"}),
        desc("FadeTo", "ff-", "value", "duration", "",
             {"Parameter: value, duration",
              "Megadott alfa értéknek megfeleően változtatja az átlátszóságot. 0 teljesen átlátszó, 255 "
              "nem átlátszó. Szép elhalványulást lehet vele csinálni."}),
        desc("ReSet", "---", "", "", "",
             {"Visszaállítja az alapértékeket, leginkább akkor van szerepe ha egy másik kép indította el "
              "az adott kép animációját."}),
        desc("PlaySfx", "s--", "name", "", "",
             {"Parameter: name", "Lejátsza a megadott nevű hangeffektet"}),
        desc("Loop", "ii-", "count", "step", "",
             {"Parameter: count, step", "Visszalép a parancsokban step lépésnyit count alkalommal"}),
        desc("Accelerate", "i--", "value", "", "",
             {"Parameter: value",
              "Gyorsulást lehet beállítani, alap érték 0 - ezzel lehet kikapcsolni a gyorsulást."}),
        desc("KeyFrame", "sf-", "", "duration", "", {"Kulcskocka kézzel ne szerkeszd :)"}),
        desc("StopSfx", "s--", "name", "", "",
             {"Parameter: name", "Leállítja a megadott nevű hangeffektet"}),
        desc("PlayParticle", "s--", "name", "", "",
             {"Parameter: name", "Elindítja a megadott nevű részecske szimulációt"}),
        desc("StopParticle", "s--", "name", "", "",
             {"Parameter: name", "Leállítja a megadott nevű részecske szimulációt"}),
    }};
}

} // namespace

const std::array<TCommandDesc, CommandCount>& CommandCatalogue() {
    static const std::array<TCommandDesc, CommandCount> catalogue = buildCatalogue();
    return catalogue;
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
