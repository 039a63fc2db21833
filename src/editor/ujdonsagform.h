#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace velkon {

// The change log ("Fejlesztési napló"): the program's own history in one
// read-only text box.
class TUjdonsagForm : public QDialog {
    Q_OBJECT
public:
    explicit TUjdonsagForm(QWidget* parent = nullptr);

    // Shows the change log modally (maximised) and frees it when it closes.
    static void Open(QWidget* parent);

    QPlainTextEdit* NaploMemo;
};

} // namespace velkon
