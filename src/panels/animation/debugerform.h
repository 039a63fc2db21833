#pragma once

#include <QDialog>

class QTableView;

namespace velkon {

class TDebuggerModel;
class TEditorDocument;

// The animation debugger ("Hibakereső"): a read-only snapshot of how the
// current layer starts other layers.
class TDebugerForm : public QDialog {
    Q_OBJECT
public:
    explicit TDebugerForm(TEditorDocument& document, QWidget* parent = nullptr);

    // Opens modally (maximised) on the scene's current layer.
    static void Open(TEditorDocument& document, QWidget* parent);

    QTableView* DebugerGrid;
    TDebuggerModel* Rows;

private:
    TEditorDocument& document_;
};

} // namespace velkon
