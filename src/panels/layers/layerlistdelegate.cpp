#include "panels/layers/layerlistdelegate.h"

#include "editor/uihelpers.h"
#include "model/scene.h"
#include "panels/layers/layericons.h"
#include "panels/layers/layerlistmodel.h"

#include <QApplication>
#include <QPainter>

namespace velkon {

TLayerListDelegate::TLayerListDelegate(TScene& scene, QObject* parent)
    : QStyledItemDelegate(parent), scene_(scene) {}

void TLayerListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const auto* model = qobject_cast<const TLayerListModel*>(index.model());
    if (!model || index.column() != colStatus || index.row() >= static_cast<int>(model->Rows().size())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const TLayerRow& row = model->Row(index.row());
    const QRect r = option.rect;
    const int top = r.top() + (r.height() - 16) / 2;
    const auto icon = [&](int x, int i) { painter->drawPixmap(r.left() + x, top, LayerIcon(i)); };
    painter->save();
    if (row.IsGroup()) {
        painter->fillRect(r, QApplication::palette().toolTipBase());
        const TGroupState* state = row.Group >= 0 && row.Group < MaxGroups
                                       ? &scene_.GroupStates[static_cast<size_t>(row.Group)]
                                       : nullptr;
        if (state) {
            icon(2, state->Open ? 10 : 9);
            icon(18, state->Locked ? 8 : 7);
            icon(34, state->Shown ? 3 : 4);
        }
    } else {
        const uint32_t c = row.Layer->ItemColor;
        painter->fillRect(r, ToQColor(c));
        if (row.Layer->ListState > 0) icon(2, 12 + row.Layer->ListState);
        if (row.Layer->Locked) icon(18, 7);
        icon(34, row.Layer->Shown ? 3 : 4);
    }
    if (option.state & QStyle::State_Selected) {
        // The highlight over the colour, so that the label still shows through.
        QColor h = option.palette.highlight().color();
        h.setAlpha(90);
        painter->fillRect(r, h);
    }
    painter->restore();
}

} // namespace velkon
