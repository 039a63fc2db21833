#pragma once

#include <QPixmap>

namespace velkon {

// The layers panel's sixteen 16 x 16 icons, drawn by the program: 0 open
// folder, 3 green and 4 grey puzzle piece, 7 closed and 8 crossed-out padlock,
// 9 right and 10 down triangle, 11 ticked and 12 empty box, 13 two figures,
// 14 one figure, 15 one figure in another colour. The others are blank.
const QPixmap& LayerIcon(int index);

} // namespace velkon
