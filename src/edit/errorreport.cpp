#include "edit/errorreport.h"

#include "model/errorlog.h"

namespace velkon {

void ReportError(TErrorLog& log, const QTime& time, const QString& message,
                 const std::optional<TGridInfo>& grid) {
    log.Add(time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(": ") + message);
    if (!grid) return;
    // Details under the error: the error stays the notice.
    log.AddQuiet(grid->Name);
    log.AddQuiet(QStringLiteral("RowCount:%1, ColCount:%2").arg(grid->RowCount).arg(grid->ColCount));
    log.AddQuiet(QStringLiteral("Row:%1, Col:%2").arg(grid->Row).arg(grid->Col));
}

} // namespace velkon
