#include "model/uniquenames.h"

#include "model/imagesitem.h"
#include "model/registry.h"

namespace velkon {

TUniqueNames::TUniqueNames(const TRegistry<TImagesItem>& layers) {
    taken_.reserve(layers.Count());
    for (int i = 0; i < layers.Count(); ++i)
        Add(layers.Name(i));
}

QString TUniqueNames::Make(const QString& base) {
    if (!Contains(base))
        return base;
    // Names are only ever added: every number below the one reached last
    // time is still taken, so the search goes on from there.
    int& n = next_[base.toCaseFolded()];
    if (n < 1)
        n = 1;
    for (;; ++n) {
        QString candidate = base + QString::number(n);
        if (!Contains(candidate))
            return candidate;
    }
}

} // namespace velkon
