#include "panels/animation/keyframepathtools.h"

#include "edit/editorstate.h"
#include "edit/keyframes.h"
#include "edit/pathtools.h"
#include "editor/editordocument.h"
#include "editor/uihelpers.h"
#include "editor/velkonapplication.h"
#include "model/scene.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace velkon {

TKeyFramePathTools::TKeyFramePathTools(TEditorDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("KeyFramePathTools"));
    // Two rows: the panel's default width holds each of them whole.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    auto* second = new QHBoxLayout;
    second->setSpacing(2);
    rows->addLayout(row);
    rows->addLayout(second);

    BezierSpinEdit = new QSpinBox(this);
    BezierSpinEdit->setObjectName(QStringLiteral("BezierSpinEdit"));
    BezierSpinEdit->setRange(1, 30);
    BezierSpinEdit->setValue(8);
    BezierSpinEdit->setToolTip(tr("Globális origó körüli elforgatás szöge"));
    row->addWidget(BezierSpinEdit);
    SpeedButton6 = Button("SpeedButton6", tr("Görbe"), tr("Görbe vonal"));
    SpeedButton8 = Button("SpeedButton8", tr("Ellipszis"), tr("Ellipszis, kör"));
    SpeedButton9 =
        Button("SpeedButton9", tr("Kulcskockák"), tr("Görbe, kör, ellipszis koordináta parancsok"));
    for (QWidget* w : {SpeedButton6, SpeedButton8, SpeedButton9})
        row->addWidget(w);
    row->addStretch(1);
    InverzCheckBox = new QCheckBox(tr("Inverz"), this);
    InverzCheckBox->setObjectName(QStringLiteral("InverzCheckBox"));
    InverzCheckBox->setChecked(document_.State.InverseSweep);
    second->addWidget(InverzCheckBox);
    AutoRotateCheckBox = new QCheckBox(tr("Auto rotate"), this);
    AutoRotateCheckBox->setObjectName(QStringLiteral("AutoRotateCheckBox"));
    AutoRotateCheckBox->setChecked(document_.State.AutoRotate);
    second->addWidget(AutoRotateCheckBox);
    second->addSpacing(6);
    BoneSpeedButton = Button("BoneSpeedButton", tr("Csont"), tr("Csontvázas mozgatás"), true);
    StartOtherSpeedButton =
        Button("StartOtherSpeedButton", tr("Indítás"), tr("Touch animoknál létrehozza az indító parancsot"));
    second->addWidget(BoneSpeedButton);
    second->addWidget(StartOtherSpeedButton);
    second->addStretch(1);

    Connect(SpeedButton6, &TKeyFramePathTools::SpeedButton6Click);
    Connect(SpeedButton8, &TKeyFramePathTools::SpeedButton8Click);
    Connect(SpeedButton9, &TKeyFramePathTools::SpeedButton9Click);
    Connect(BoneSpeedButton, &TKeyFramePathTools::BoneSpeedButtonClick);
    Connect(StartOtherSpeedButton, &TKeyFramePathTools::StartOtherSpeedButtonClick);
    connect(InverzCheckBox, &QCheckBox::clicked, this,
            [this] { TVelkonApplication::Guard(InverzCheckBox, [this] { InverzCheckBoxClick(); }); });
    connect(AutoRotateCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        TVelkonApplication::Guard(AutoRotateCheckBox, [this, on] {
            document_.State.AutoRotate = on;
            document_.Redraw();
        });
    });

    // The timeline menu's two entries; reachable here too until a menu holds them.
    TransposePointAction = new QAction(tr("Transzponálási pont megadása"), this);
    TransposePointAction->setObjectName(QStringLiteral("TransposePointMenuItem"));
    TransposeAction = new QAction(tr("Kiválasztottak transzponálása"), this);
    TransposeAction->setObjectName(QStringLiteral("TransposeMenuItem"));
    connect(TransposePointAction, &QAction::triggered, this,
            [this] { TVelkonApplication::Guard(TransposePointAction, [this] { TransposePointClick(); }); });
    connect(TransposeAction, &QAction::triggered, this,
            [this] { TVelkonApplication::Guard(TransposeAction, [this] { TransposeClick(); }); });
    addAction(TransposePointAction);
    addAction(TransposeAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // The canvas moves the bone chain through this recompute; the guard keeps
    // a late call after the widget is gone harmless.
    QPointer<TKeyFramePathTools> self(this);
    document_.State.RecomputeToolPoints = [self, &state = document_.State] {
        RecomputeToolPoints(state);
        if (self && state.ToolMode == TToolMode::Bone) state.LayerValuesChanged.Emit();
    };
    document_.Registry.Command("keyframe.bone", this, BoneSpeedButton->text(), BoneSpeedButton->toolTip(),
                               {QKeySequence(Qt::ALT | Qt::Key_B)}, [self] {
        if (self) TVelkonApplication::Guard(self->BoneSpeedButton, [&] { self->BoneSetupAgain(); });
    });
    document_.Registry.ShowKeys(BoneSpeedButton, QStringLiteral("keyframe.bone"));
    connect(&document_, &TEditorDocument::EnabledStateChanged, this, [this] { UpdateEnabledState(); });
    UpdateEnabledState();
}

QToolButton* TKeyFramePathTools::Button(const char* name, const QString& text, const QString& hint,
                                        bool toggle) {
    QToolButton* b = ToolButton(this, name, text, hint, toggle);
    b->setAutoRaise(false); // the tools stand out as buttons of their own
    return b;
}

void TKeyFramePathTools::Connect(QToolButton* button, void (TKeyFramePathTools::*handler)()) {
    connect(button, &QToolButton::clicked, this, [this, button, handler] {
        TVelkonApplication::Guard(button, [this, handler] { (this->*handler)(); });
    });
}

void TKeyFramePathTools::UpdateEnabledState() {
    const TEditorState& s = document_.State;
    StartOtherSpeedButton->setEnabled(s.KeyframeMode && s.AnimSelect > 0);
    BoneSpeedButton->setChecked(s.BoneMode);
}

void TKeyFramePathTools::ToolsChanged() {
    BoneSpeedButton->setChecked(document_.State.BoneMode);
    document_.Redraw();
}

void TKeyFramePathTools::SpeedButton6Click() {
    CurveToolClick(document_.State, BezierSpinEdit->value());
    ToolsChanged();
}

void TKeyFramePathTools::SpeedButton8Click() {
    EllipseToolClick(document_.State, BezierSpinEdit->value(), InverzCheckBox->isChecked());
    ToolsChanged();
}

void TKeyFramePathTools::InverzCheckBoxClick() {
    document_.State.InverseSweep = InverzCheckBox->isChecked();
    InverseClicked(document_.State);
    ToolsChanged();
}

void TKeyFramePathTools::SpeedButton9Click() {
    TEditorState& s = document_.State;
    const TPathKeyframes made = CreatePathKeyframes(s, s.AutoRotate, s.AutoDuration);
    if (made.Columns == 0) return; // no path or no selection: nothing happened
    if (s.KeyframeMode) emit PathKeyframesCreated(made.Columns);
    document_.Edited();
}

void TKeyFramePathTools::BoneSpeedButtonClick() {
    BoneButtonClick(document_.State, BoneSpeedButton->isChecked());
    BoneSpeedButton->setChecked(document_.State.BoneMode);
    document_.Edited();
}

void TKeyFramePathTools::BoneSetupAgain() {
    TEditorState& s = document_.State;
    if (!BoneSetup(s)) return;
    s.BoneMode = true;
    ToolsChanged();
    emit document_.SelectionChanged();
}

void TKeyFramePathTools::StartOtherSpeedButtonClick() {
    CreateStartCommands(document_.State, document_.Dialogs());
    document_.Edited();
}

void TKeyFramePathTools::TransposePointClick() {
    velkon::TransposePointClick(document_.State);
    ToolsChanged();
}

void TKeyFramePathTools::TransposeClick() {
    const bool moved = editor_ ? editor_->TransposeRange() : TransposeSelected(document_.State, 0, 0);
    if (moved) {
        emit KeyframesTransposed();
        document_.Edited();
    } else {
        ToolsChanged();
    }
}

} // namespace velkon
