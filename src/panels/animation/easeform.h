#pragma once

#include <QDialog>

namespace velkon {

class TCommandItem;
class TEditorDocument;
class TImagesItem;

// The ease designer ("Idő módosító").
class TEaseForm : public QDialog {
    Q_OBJECT
public:
    explicit TEaseForm(TEditorDocument& document, QWidget* parent = nullptr);

    // Opens modally on one command of layer; true when an Ease(...) was stored
    // into the command's duration parameter.
    bool Execute(TImagesItem& layer, TCommandItem& command);

private:
    TEditorDocument& document_;
};

} // namespace velkon
