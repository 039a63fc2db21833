#include "panels/animation/animationform.h"

#include "edit/commandedit.h"
#include "editor/editordocument.h"
#include "editor/uihelpers.h"
#include "editor/velkonapplication.h"
#include "model/commanddesc.h"
#include "model/dialogs.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace velkon {

namespace {

constexpr int ColourRole = Qt::UserRole + 1;

// Items of the layer pick list drawn on the layer's colour, black text,
// vertically centred; the selected item in the highlight colours.
class TLayerColourDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const uint32_t bgr = index.data(ColourRole).toUInt();
        const QColor back = selected ? option.palette.color(QPalette::Highlight)
                                     : ToQColor(bgr);
        painter->save();
        painter->fillRect(option.rect, back);
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : QColor(Qt::black));
        painter->drawText(option.rect.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

QString Rounded(double v) {
    return QString::number(std::nearbyint(v), 'f', 0);
}

} // namespace

TAnimationForm::TAnimationForm(TEditorDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("AnimationForm"));
    setWindowTitle(tr("Animation Editor"));

    auto* commandLabel = new QLabel(tr("Command:"), this);
    CmdListBox = new QListView(this);
    CmdListBox->setObjectName(QStringLiteral("CmdListBox"));
    QStringList names;
    for (const TCommandDesc& desc : CommandCatalogue())
        names << desc.Name;
    cmdModel_ = new QStringListModel(names, this);
    CmdListBox->setModel(cmdModel_);
    CmdListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CmdListBox->setFixedWidth(150);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    QPalette tip = Memo->palette();
    tip.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    Memo->setPalette(tip);
    Memo->setFixedHeight(90);

    auto* paramsLabel = new QLabel(tr("Parameters:"), this);
    auto* params = new QVBoxLayout;
    params->addWidget(paramsLabel);
    for (int k = 0; k < 3; ++k) {
        Panel[k] = new QWidget(this);
        Panel[k]->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
        Label[k] = new QLabel(Panel[k]);
        Label[k]->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        Label[k]->setFixedWidth(80);
        ComboBox[k] = new QComboBox(Panel[k]);
        ComboBox[k]->setObjectName(QStringLiteral("ComboBox%1").arg(k + 1));
        ComboBox[k]->setEditable(true);
        ComboBox[k]->setMaxVisibleItems(24);
        ComboBox[k]->setInsertPolicy(QComboBox::NoInsert);
        ComboBox[k]->setMinimumWidth(220);
        auto* row = new QHBoxLayout(Panel[k]);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(Label[k]);
        row->addWidget(ComboBox[k], 1);
        Panel[k]->setVisible(false);
        params->addWidget(Panel[k]);
    }
    params->addStretch(1);

    PreviewImage = new QLabel(this);
    PreviewImage->setObjectName(QStringLiteral("PreviewImage"));
    PreviewImage->setFixedSize(137, 137);
    PreviewImage->setFrameShape(QFrame::Box);
    PreviewImage->setAlignment(Qt::AlignCenter);

    AnimInspector = new QTableView(this);
    AnimInspector->setObjectName(QStringLiteral("AnimInspector"));
    inspectorModel_ = new QStandardItemModel(7, 2, this);
    AnimInspector->setModel(inspectorModel_);
    AnimInspector->horizontalHeader()->hide();
    AnimInspector->verticalHeader()->hide();
    AnimInspector->horizontalHeader()->setStretchLastSection(true);
    AnimInspector->horizontalHeader()->setDefaultSectionSize(62);
    AnimInspector->verticalHeader()->setMinimumSectionSize(18);
    AnimInspector->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    AnimInspector->verticalHeader()->setDefaultSectionSize(20);
    AnimInspector->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AnimInspector->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AnimInspector->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AnimInspector->setFixedSize(137, 7 * 20 + 2 * AnimInspector->frameWidth());

    OkBitBtn = new QPushButton(tr("Ok"), this);
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    OkBitBtn->setEnabled(false);
    OkBitBtn->setAutoDefault(false);
    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(commandLabel);
    left->addWidget(CmdListBox, 1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(Memo);
    middle->addLayout(params, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBitBtn);
    buttons->addWidget(BitBtn2);
    middle->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(PreviewImage);
    right->addWidget(AnimInspector);
    right->addStretch(1);
    auto* main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addLayout(middle, 1);
    main->addLayout(right);
    resize(720, 400);

    // A click chooses; so does a keyboard step from one command to another. The
    // first row the list marks by itself when it gets the focus is no choice.
    connect(CmdListBox, &QListView::clicked, this, [this](const QModelIndex& index) {
        TVelkonApplication::Guard(CmdListBox, [&] { CmdListBoxChoose(index.row()); });
    });
    connect(CmdListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (previous.isValid())
                    TVelkonApplication::Guard(CmdListBox, [&] { CmdListBoxChoose(current.row()); });
            });
    connect(OkBitBtn, &QPushButton::clicked, this,
            [this] { TVelkonApplication::Guard(OkBitBtn, [&] { OkBitBtnClick(); }); });
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { TVelkonApplication::Guard(BitBtn2, [&] { reject(); }); });

    // Enter, Esc and F5 reach the dialog before the control that has the focus.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

TAnimationForm::~TAnimationForm() = default;

bool TAnimationForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_F5) {
        if (OkBitBtn->isEnabled()) TVelkonApplication::Guard(OkBitBtn, [&] { OkBitBtnClick(); });
        return true;
    }
    if (key == Qt::Key_Escape) {
        // Escape in an open drop-down closes only the drop-down. The drop-down
        // may already have closed itself when the key press reaches its list.
        if (QApplication::activePopupWidget()) return false;
        for (QComboBox* combo : ComboBox)
            if (combo->view()->isVisible() || watched == combo->view()) return true;
        reject();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<TCommandFields> TAnimationForm::Execute(TImagesItem& layer, const TCommandItem* existing) {
    edit_ = std::make_unique<TCommandEdit>(document_.Scene, layer, existing);
    ShowLayer(layer);
    if (edit_->Command() != 0) {
        const QSignalBlocker block(CmdListBox->selectionModel());
        CmdListBox->setCurrentIndex(cmdModel_->index(edit_->Command() - 1));
        ShowBoxes();
    }
    OkBitBtn->setEnabled(edit_->Command() != 0);
    if (edit_->Command() == 0) CmdListBox->setFocus();
    const int result = exec();
    std::optional<TCommandFields> fields;
    if (result == QDialog::Accepted && edit_->Command() != 0) fields = edit_->Result();
    edit_.reset();
    return fields;
}

void TAnimationForm::CmdListBoxChoose(int row) {
    if (!edit_ || row < 0) return;
    edit_->Choose(row + 1);
    ShowBoxes();
    OkBitBtn->setEnabled(true);
}

void TAnimationForm::ShowBoxes() {
    QString help = edit_->Help();
    Memo->setPlainText(help.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    for (int k = 0; k < 3; ++k) {
        const TParamBox& box = edit_->Box[k];
        QComboBox* combo = ComboBox[k];
        Panel[k]->setVisible(box.Visible);
        Label[k]->setText(box.Label);
        combo->clear();
        combo->setEditable(!box.LayerPick);
        if (box.LayerPick) {
            combo->setItemDelegate(new TLayerColourDelegate(combo));
            combo->view()->setMinimumWidth(250);
            for (int i = 0; i < box.Items.size(); ++i) {
                combo->addItem(box.Items[i]);
                combo->setItemData(i, static_cast<uint>(box.Colours.at(i)), ColourRole);
            }
            combo->setCurrentIndex(static_cast<int>(box.Items.indexOf(box.Text)));
        } else {
            combo->setItemDelegate(new QStyledItemDelegate(combo));
            combo->view()->setMinimumWidth(0);
            combo->addItems(box.Items);
            combo->setCurrentIndex(static_cast<int>(box.Items.indexOf(box.Text)));
            combo->setEditText(box.Text);
            combo->lineEdit()->installEventFilter(this);
        }
    }
    if (edit_->Box[0].Visible) ComboBox[0]->setFocus();
}

void TAnimationForm::ShowLayer(const TImagesItem& layer) {
    const QString names[7] = {tr("Name"),   tr("Left"),  tr("Top"),  tr("Width"),
                              tr("Height"), tr("Alpha"), tr("Angle")};
    const QString values[7] = {layer.Name,           Rounded(layer.Left),   Rounded(layer.Top),
                               Rounded(layer.Width), Rounded(layer.Height), Rounded(layer.Alpha),
                               Rounded(layer.Angle)};
    for (int r = 0; r < 7; ++r) {
        inspectorModel_->setItem(r, 0, new QStandardItem(names[r]));
        inspectorModel_->setItem(r, 1, new QStandardItem(values[r]));
    }
    QPixmap preview;
    if (layer.FileItem && layer.FileItem->Kind == TFilesItem::kindPicture) {
        QImageReader reader(layer.FileItem->Path);
        reader.setScaledSize(PreviewImage->size()); // stretched, decoded small
        const QImage image = reader.read();
        if (!image.isNull()) preview = QPixmap::fromImage(image);
    }
    PreviewImage->setPixmap(preview);
}

void TAnimationForm::OkBitBtnClick() {
    if (!edit_) return;
    for (int k = 0; k < 3; ++k)
        edit_->SetText(k, ComboBox[k]->currentText());
    if (const auto problem = edit_->Check()) {
        document_.Dialogs().Warning(problem->Message); // a refused input: the warning icon
        ComboBox[problem->Box]->setFocus();
        return;
    }
    accept();
}

} // namespace velkon
