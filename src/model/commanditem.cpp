#include "model/commanditem.h"

#include "model/commanddesc.h"
#include "model/commands.h"

#include <bit>

namespace velkon {

std::unique_ptr<TCommandItem> TCommandItem::Clone() const {
    auto c = std::make_unique<TCommandItem>(command_, sParam1_, sParam2_, sParam3_);
    c->OX_ = OX_;
    c->OY_ = OY_;
    return c;
}

void TCommandItem::Changed() {
    if (list_)
        list_->MarkChanged();
}

void TCommandItem::SetCommand(int32_t command) {
    if (command_ == command)
        return;
    command_ = command;
    Changed();
}

void TCommandItem::SetParam(int i, const QString& value) {
    QString& p = i == 1 ? sParam1_ : i == 2 ? sParam2_ : sParam3_;
    // A null and an empty text are different values to keep.
    if (p.isNull() == value.isNull() && p == value)
        return;
    p = value;
    Changed();
}

void TCommandItem::SetOX(double ox) {
    if (std::bit_cast<uint64_t>(OX_) == std::bit_cast<uint64_t>(ox))
        return;
    OX_ = ox;
    Changed();
}

void TCommandItem::SetOY(double oy) {
    if (std::bit_cast<uint64_t>(OY_) == std::bit_cast<uint64_t>(oy))
        return;
    OY_ = oy;
    Changed();
}

QString TCommandItem::CommandText() const {
    const TCommandDesc* d = CommandDesc(command_);
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

QString TCommandItem::Name() const { return CommandName(command_); }

} // namespace velkon
