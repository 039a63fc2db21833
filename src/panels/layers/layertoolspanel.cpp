#include "panels/layers/layertoolspanel.h"

#include "edit/editorstate.h"
#include "edit/inspector.h"
#include "edit/layercommandtools.h"
#include "editor/editordocument.h"
#include "editor/velkonapplication.h"
#include "model/dialogs.h"
#include "model/scene.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace velkon {

namespace {

constexpr int MakerCommands[] = {8, 9, 11, 12}; // Show, Hide, StartOther, StopOther

QGroupBox* Box(const QString& caption, QWidget* parent, QVBoxLayout* column) {
    auto* box = new QGroupBox(caption, parent);
    new QVBoxLayout(box);
    column->addWidget(box);
    return box;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    parent->layout()->addWidget(button);
    return button;
}

} // namespace

TLayerToolsPanel::TLayerToolsPanel(TEditorDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("LayerToolsPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    const QStringList tabs{tr("Mind"), tr("1. fül"), tr("2. fül"), tr("3. fül")};
    const QStringList anims{QStringLiteral("Base"), QStringLiteral("Touch 1"), QStringLiteral("Touch 2"),
                            QStringLiteral("Touch 3")};

    QGroupBox* maker = Box(tr("   Parancskészítő   "), this, column);
    MakerGroup = RadioRow(maker, QStringLiteral("Maker"),
                          {QStringLiteral("Show"), QStringLiteral("Hide"), QStringLiteral("StartOther"),
                           QStringLiteral("StoptOther")},
                          0);
    ClipboardButton = Button(QStringLiteral("ClipboardButton"), tr("Vágólapra készít"), maker);

    QGroupBox* copy = Box(tr("   Parancs másolás, mozgatás   "), this, column);
    CopyTabGroup = RadioRow(copy, QStringLiteral("CopyTab"), tabs, 0);
    MoveCheckBox = new QCheckBox(tr("Mozgat"), copy);
    MoveCheckBox->setObjectName(QStringLiteral("MoveCheckBox"));
    copy->layout()->addWidget(MoveCheckBox);
    copy->layout()->addWidget(new QLabel(tr("Honnan:"), copy));
    FromGroup = RadioRow(copy, QStringLiteral("From"), anims, 0);
    copy->layout()->addWidget(new QLabel(tr("Hova:"), copy));
    ToGroup = RadioRow(copy, QStringLiteral("To"), anims, 1);
    StartButton = Button(QStringLiteral("StartButton"), tr("Indít"), copy);

    QGroupBox* erase = Box(tr("   Parancs törlés   "), this, column);
    DeleteTabGroup = RadioRow(erase, QStringLiteral("DeleteTab"), tabs, 0);
    DeleteAnimGroup = RadioRow(erase, QStringLiteral("DeleteAnim"),
                               {tr("Minden animáció"), tr("Kiválasztott animáció")}, 0);
    DeleteButton = Button(QStringLiteral("DeleteButton"), tr("Törlés"), erase);

    QGroupBox* transpose = Box(tr("   Transzponálás   "), this, column);
    auto* offsets = new QHBoxLayout;
    for (QSpinBox** spin : {&TransposeXSpinEdit, &TransposeYSpinEdit}) {
        *spin = new QSpinBox(transpose);
        (*spin)->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        offsets->addWidget(new QLabel(spin == &TransposeXSpinEdit ? tr("X:") : tr("Y:"), transpose));
        offsets->addWidget(*spin, 1);
    }
    TransposeXSpinEdit->setObjectName(QStringLiteral("TransposeXSpinEdit"));
    TransposeYSpinEdit->setObjectName(QStringLiteral("TransposeYSpinEdit"));
    static_cast<QVBoxLayout*>(transpose->layout())->addLayout(offsets);
    OrigoCheckBox = new QCheckBox(tr("Origót is"), transpose);
    OrigoCheckBox->setObjectName(QStringLiteral("OrigoCheckBox"));
    transpose->layout()->addWidget(OrigoCheckBox);
    TransposeButton = Button(QStringLiteral("TransposeButton"), tr("Transzponálás"), transpose);
    column->addStretch(1);

    PasteAction = new QAction(tr("Kijeölt elemekhez parancs beillesztés"), this);
    PasteAction->setObjectName(QStringLiteral("PasteAction"));
    TransposePointAction = new QAction(tr("Transzponálási pont megadása"), this);
    TransposePointAction->setObjectName(QStringLiteral("TransposePointAction"));
    TransposeSelectedAction = new QAction(tr("Kiválasztottak transzponálása"), this);
    TransposeSelectedAction->setObjectName(QStringLiteral("TransposeSelectedAction"));

    TScene& scene = document_.Scene;
    TEditorState& state = document_.State;
    connect(ClipboardButton, &QPushButton::clicked, this, [this, &scene] {
        TVelkonApplication::Guard(ClipboardButton, [&] {
            const int command = MakerCommands[std::clamp(MakerGroup->checkedId(), 0, 3)];
            if (const auto text = LayerCommandsClipboard(scene, command))
                QApplication::clipboard()->setText(*text);
        });
    });
    connect(StartButton, &QPushButton::clicked, this, [this, &scene] {
        Run(StartButton, [&] {
            return CopyLayerCommands(scene, document_.Dialogs(), CopyTabGroup->checkedId(),
                                     MoveCheckBox->isChecked(), FromGroup->checkedId(), ToGroup->checkedId());
        });
    });
    connect(DeleteButton, &QPushButton::clicked, this, [this, &state] {
        Run(DeleteButton, [&] {
            DeleteLayerCommands(state, DeleteTabGroup->checkedId(), DeleteAnimGroup->checkedId() == 0);
            return true;
        });
    });
    connect(TransposeButton, &QPushButton::clicked, this, [this, &state] {
        Run(TransposeButton, [&] {
            const auto dx = ReadInspectorNumber(TransposeXSpinEdit->cleanText());
            const auto dy = ReadInspectorNumber(TransposeYSpinEdit->cleanText());
            if (!dx || !dy) {
                document_.Dialogs().Message(tr("Az eltolás nem szám (X:, Y:)!"));
                return false;
            }
            TransposeLayers(state, *dx, *dy, OrigoCheckBox->isChecked());
            return true;
        });
    });
    connect(PasteAction, &QAction::triggered, this, [this, &state] {
        Run(PasteAction, [&] {
            const QMimeData* data = QApplication::clipboard()->mimeData();
            std::optional<QString> text;
            if (data && data->hasText()) text = data->text();
            return PasteIntoSelectedLayers(state, document_.Dialogs(), text, state.CommandListTab);
        });
    });
    connect(TransposePointAction, &QAction::triggered, this, [this, &state] {
        Run(TransposePointAction, [&] {
            ToggleTransposePoint(state);
            return true;
        });
    });
    connect(TransposeSelectedAction, &QAction::triggered, this, [this, &state] {
        Run(TransposeSelectedAction, [&] {
            TransposeToPoint(state);
            return true;
        });
    });
    // Whatever these tools change while the scene plays would be lost to the restore at stop.
    connect(&document_, &TEditorDocument::EnabledStateChanged, this, [this] {
        const bool on = !document_.Playing();
        setEnabled(on);
        for (QAction* a : {PasteAction, TransposePointAction, TransposeSelectedAction})
            a->setEnabled(on);
    });
}

QButtonGroup* TLayerToolsPanel::RadioRow(QWidget* box, const QString& prefix, const QStringList& captions,
                                         int checked) {
    auto* group = new QButtonGroup(box);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        radio->setObjectName(prefix + QString::number(i) + QStringLiteral("RadioButton"));
        radio->setChecked(i == checked);
        group->addButton(radio, i);
        row->addWidget(radio);
    }
    row->addStretch(1);
    static_cast<QVBoxLayout*>(box->layout())->addLayout(row);
    return group;
}

void TLayerToolsPanel::Run(QObject* sender, const std::function<bool()>& tool) {
    TVelkonApplication::Guard(sender, [&] {
        bool changed = false;
        try {
            changed = tool();
        } catch (...) {
            document_.Edited(); // what was done before the error shows
            throw;
        }
        if (changed) document_.Edited();
    });
}

} // namespace velkon
