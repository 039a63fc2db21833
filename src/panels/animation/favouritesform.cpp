#include "panels/animation/favouritesform.h"

namespace velkon {

TFavouritesForm::TFavouritesForm(TEditorDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("FavouritesForm"));
    setWindowTitle(QStringLiteral("Favourites Editor"));
}

bool TFavouritesForm::Execute(TImagesItem&, TCommands&) {
    // TODO(favourites): the favourites dialog is still to come.
    return false;
}

} // namespace velkon
