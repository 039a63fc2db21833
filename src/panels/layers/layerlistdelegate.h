#pragma once

#include <QStyledItemDelegate>

namespace velkon {

class TScene;

// Draws the "Images" list's Status cell: a layer's colour label with its
// parent figures, padlock and puzzle piece; a group's open triangle, padlock
// and puzzle piece. Other cells are drawn as usual.
class TLayerListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TLayerListDelegate(TScene& scene, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TScene& scene_;
};

} // namespace velkon
