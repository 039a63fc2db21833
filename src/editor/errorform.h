#pragma once

#include "editor/dockform.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velkon {

class TErrorLog;

// The error log panel "Hiba napló": the log newest first, and the current
// undo step above it. It shows the core's TErrorLog and refuses to close.
class TErrorForm : public TDockForm {
    Q_OBJECT
public:
    TErrorForm(TErrorLog& log, QWidget* parent = nullptr);
    ~TErrorForm() override;

    QPlainTextEdit* ErrorMemo = nullptr;
    QLabel* UndoLabel = nullptr;
    QLineEdit* UndoEdit = nullptr;

    // Re-reads the log and the undo step.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TErrorLog& log_;
};

} // namespace velkon
