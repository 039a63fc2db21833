#pragma once

#include <QString>
#include <QTime>
#include <optional>

namespace velkon {

class TErrorLog;

// What the error log adds about a grid that raised an error.
struct TGridInfo {
    QString Name;
    int RowCount = 0, ColCount = 0;
    int Row = 0, Col = 0;
};

// Writes an error caught by the application's error hook into the log: the
// time of day, ": " and the message, as the user reads it; for a grid sender
// three more lines (name, sizes, position) follow on top.
void ReportError(TErrorLog& log, const QTime& time, const QString& message,
                 const std::optional<TGridInfo>& grid = std::nullopt);

} // namespace velkon
