// The favourites file: any bytes list and open without failing, every command
// read is one of the catalogue, and what a save writes reads back the same.
#include "fuzzsupport.h"

#include "edit/favourites.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/windows1250.h"

#include <algorithm>

using namespace velkon;

namespace {

QString WithoutLineBreaks(QString s) {
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::WriteInput(QStringLiteral("Favourites.txt"), data, size);
    TErrorLog log;
    const TFavourites file(path, log);

    std::vector<std::unique_ptr<TCommandItem>> all;
    for (const QString& name : file.Names())
        for (auto& command : file.Commands(name)) {
            if (!CommandDesc(command->Command()))
                fuzz::Fail(QStringLiteral("favourite \"%1\" gives the command number %2")
                               .arg(name)
                               .arg(command->Command()));
            all.push_back(std::move(command));
        }
    if (all.size() > 200) all.resize(200);

    std::vector<const TCommandItem*> saved;
    for (const auto& command : all)
        saved.push_back(command.get());
    // The save, in memory: what it writes, as the file's bytes, reads back the same.
    const QString oldText =
        TIniFile::DecodeBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    TIniFile old;
    old.FromText(oldText);
    const QString written = TFavourites::Replace(oldText, QStringLiteral("Fuzz"), saved);
    // Every line the editor does not own stays, in its order.
    {
        const auto before = TIniFile::Lines(oldText);
        const auto after = TIniFile::Lines(written);
        size_t k = 0;
        bool owned = false;
        for (const QStringView line : before) {
            QStringView section;
            if (TIniFile::SectionLine(line, &section))
                owned = section.startsWith(QLatin1String("Fuzz_Command_"), Qt::CaseInsensitive) &&
                        section.size() > 13 &&
                        std::all_of(section.begin() + 13, section.end(), [](QChar c) { return c.isDigit(); });
            if (owned) continue;
            if (k >= after.size() || after[k] != line)
                fuzz::Fail(QStringLiteral("the save loses the line \"%1\"").arg(line.left(80)));
            ++k;
        }
    }
    bool encodable = true;
    const QByteArray bytes = EncodeWindows1250(written, &encodable);
    if (!encodable) return 0; // a text the code page cannot hold is refused by the save
    TIniFile again;
    again.FromBytes(bytes);
    const auto back = TFavourites::CommandsOf(again, QStringLiteral("Fuzz"), log);
    if (back.size() != saved.size())
        fuzz::Fail(QStringLiteral("%1 commands saved, %2 read back").arg(saved.size()).arg(back.size()));
    for (size_t i = 0; i < back.size(); ++i) {
        if (back[i]->Command() != saved[i]->Command())
            fuzz::Fail(QStringLiteral("command %1 changes its kind").arg(i + 1));
        for (int k = 1; k <= 3; ++k)
            if (back[i]->Param(k) != WithoutLineBreaks(saved[i]->Param(k)))
                fuzz::Fail(QStringLiteral("command %1 parameter %2 \"%3\" reads back as \"%4\"")
                               .arg(i + 1)
                               .arg(k)
                               .arg(saved[i]->Param(k), back[i]->Param(k)));
    }
    // Every other favourite keeps its commands.
    for (const QString& name : TFavourites::NamesOf(old.Sections())) {
        if (name.compare(QLatin1String("Fuzz"), Qt::CaseInsensitive) == 0) continue;
        if (TFavourites::CommandsOf(again, name, log).size() !=
            TFavourites::CommandsOf(old, name, log).size())
            fuzz::Fail(QStringLiteral("saving Fuzz changes the favourite \"%1\"").arg(name));
    }
    return 0;
}
