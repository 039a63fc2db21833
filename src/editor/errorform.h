#pragma once

#include "editor/dockform.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace velkon {

class TErrorLog;
class TErrorLogModel;

// The error log panel "Hiba napló": the log newest first, and the current
// undo step above it. It shows the core's TErrorLog and refuses to close.
class TErrorForm : public TDockForm {
    Q_OBJECT
public:
    TErrorForm(TErrorLog& log, QWidget* parent = nullptr);
    ~TErrorForm() override;

    // One row per line: a long log costs only the rows on screen.
    QTableView* ErrorMemo = nullptr;
    TErrorLogModel* Rows = nullptr;
    QLabel* UndoLabel = nullptr;
    QLineEdit* UndoEdit = nullptr;

    // Re-reads the undo step now; the rows follow on the next event loop pass.
    void Refresh();
    // The shown lines, top first (what the user reads).
    QStringList ShownLines() const;

signals:
    // The log changed (a line came or it was cleared).
    void LogChanged();

private:
    TErrorLog& log_;
    int shownSlot_ = 0;
};

} // namespace velkon
