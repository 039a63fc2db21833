#pragma once

#include "model/registry.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace velkon {

class TImagesItem;

// Unique layer names for many layers at once. Names are compared ignoring
// case, as layer lookups do; each base name keeps the number its search
// reached, so that naming n layers alike costs about n lookups in a hash
// instead of n searches through the whole list.
class TUniqueNames {
public:
    TUniqueNames() = default;
    // Starts with the names of the layers already there.
    explicit TUniqueNames(const TRegistry<TImagesItem>& layers);

    bool Contains(const QString& name) const { return taken_.contains(name.toCaseFolded()); }
    // Marks a name as taken.
    void Add(const QString& name) { taken_.insert(name.toCaseFolded()); }
    // The base itself when it is free, otherwise the base followed by the
    // smallest number from 1 up that makes a free name. Not marked as taken.
    QString Make(const QString& base);

private:
    QSet<QString> taken_;
    QHash<QString, int> next_; // per case-folded base: the first number not yet known to be taken
};

} // namespace velkon
