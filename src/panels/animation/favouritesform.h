#pragma once

#include <QDialog>

namespace velkon {

class TCommands;
class TEditorDocument;
class TImagesItem;

// The favourite commands ("Favourites Editor").
class TFavouritesForm : public QDialog {
    Q_OBJECT
public:
    explicit TFavouritesForm(TEditorDocument& document, QWidget* parent = nullptr);

    // Opens modally on layer's shown track; true when Ok appended commands to it.
    bool Execute(TImagesItem& layer, TCommands& track);

private:
    TEditorDocument& document_;
};

} // namespace velkon
