#include "edit/listroom.h"

#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include <QCoreApplication>

namespace velkon {

void CheckListRoom(int64_t count, int64_t adding, const QString& list) {
    if (adding <= 0 || count + adding <= MaxListEntries)
        return;
    throw EVelkonError(
        QCoreApplication::translate(
            "ListRoom", "%1: legfeljebb %2 elem lehet, a művelet után %3 lenne; semmi nem változott")
            .arg(list, QString::number(MaxListEntries), QString::number(count + adding)));
}

void CheckTrackRoom(const TImagesItem& layer, const TCommands& track, int64_t adding) {
    CheckListRoom(track.Count(), adding,
                  QCoreApplication::translate("ListRoom", "A(z) %1 réteg sávja").arg(layer.Name));
}

} // namespace velkon
