#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QSpinBox;
class QToolButton;

namespace velkon {

class TEditorDocument;
class TKeyframeEditor;

// The keyframe panel's path, bone and transposition tools: the curve and
// ellipse paths with their keyframe generator, the bone set-up, the transpose
// point and the touch start commands. The keyframe editor hosts the widget,
// puts the two transposition actions into its timeline menu and lends it the
// one timeline range it owns.
class TKeyFramePathTools : public QWidget {
    Q_OBJECT
public:
    TKeyFramePathTools(TEditorDocument& document, QWidget* parent);

    QSpinBox* BezierSpinEdit = nullptr;  // path points, 1..30
    QToolButton* SpeedButton6 = nullptr; // curve
    QToolButton* SpeedButton8 = nullptr; // ellipse
    QToolButton* SpeedButton9 = nullptr; // keyframes along the path
    QCheckBox* InverzCheckBox = nullptr;
    QCheckBox* AutoRotateCheckBox = nullptr;
    QToolButton* BoneSpeedButton = nullptr;
    QToolButton* StartOtherSpeedButton = nullptr;
    QAction* TransposePointAction = nullptr; // "Transzponálási pont megadása"
    QAction* TransposeAction = nullptr;      // "Kiválasztottak transzponálása"

    // The keyframe editor whose timeline range the transposition uses; none
    // (a panel of its own) transposes nothing.
    void SetKeyframeEditor(TKeyframeEditor* editor) { editor_ = editor; }
    // Enables the controls for the keyframe editing state and the animation chosen.
    void UpdateEnabledState();

    void SpeedButton6Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void InverzCheckBoxClick();
    void BoneSpeedButtonClick();
    void StartOtherSpeedButtonClick();
    void TransposePointClick();
    void TransposeClick();
    // Alt+B and a press on the canvas while the bone button is down.
    void BoneSetupAgain();

signals:
    // Keyframes were appended along the path while keyframe editing is on:
    // the keyframe grid takes this many columns.
    void PathKeyframesCreated(int columns);
    // The selected keyframes were transposed: the current column is shown again.
    void KeyframesTransposed();

private:
    QToolButton* Button(const char* name, const QString& text, const QString& hint, bool toggle = false);
    void Connect(QToolButton* button, void (TKeyFramePathTools::*handler)());
    void ToolsChanged();

    TEditorDocument& document_;
    TKeyframeEditor* editor_ = nullptr;
};

} // namespace velkon
