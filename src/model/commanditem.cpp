#include "model/commanditem.h"

#include "model/commanddesc.h"

namespace velkon {

std::unique_ptr<TCommandItem> TCommandItem::Clone() const {
    auto c = std::make_unique<TCommandItem>();
    c->Command = Command;
    c->sParam1 = sParam1;
    c->sParam2 = sParam2;
    c->sParam3 = sParam3;
    c->OX = OX;
    c->OY = OY;
    return c;
}

QString TCommandItem::CommandText() const {
    const TCommandDesc* d = CommandDesc(Command);
    if (!d)
        return {};
    QString text;
    for (int i = 0; i < 3; ++i) {
        if (!d->ParamName[i].isEmpty()) {
            if (i > 0)
                text += QStringLiteral(", ");
            text += d->ParamName[i] + QLatin1Char('=');
        }
        if (d->Types.at(i) != QLatin1Char('-'))
            text += Param(i + 1);
    }
    return text;
}

QString TCommandItem::Name() const { return CommandName(Command); }

} // namespace velkon
