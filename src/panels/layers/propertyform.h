#pragma once

#include "edit/inspector.h"
#include "editor/dockform.h"

#include <map>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStackedWidget;

namespace velkon {

class TEditorDocument;

// The property inspector ("Tulajdonságok"): the current layer's values as
// numbers on the single page, a common alpha, rotation and scaling about the
// common origin on the multiple page. The arithmetic is TInspector's.
class TPropertyForm : public TDockForm {
    Q_OBJECT
public:
    TPropertyForm(TEditorDocument& document, QWidget* parent = nullptr);

    // Single page.
    QLineEdit *NameEdit, *FileNameEdit, *ParentEdit;
    QPushButton *NameButton, *FileNameButton;
    QSpinBox *XSpinEdit, *YSpinEdit, *WSpinEdit, *HSpinEdit, *WPercentSpinEdit, *HPercentSpinEdit;
    QRadioButton *AranyRadioButton, *InverzRadioButton, *NormalRadioButton;
    QPushButton *SetRatioButton, *TakeRatioButton;
    QSpinBox *OrigoXSpinEdit, *OrigoYSpinEdit;
    QPushButton* OrigoButton;
    QLabel* OrigoImage;
    QSpinBox *DegSpinEdit, *AlphaSpinEdit;
    QCheckBox* VisibleCheckBox;
    QSpinBox *TouchLSpinEdit, *TouchTSpinEdit, *TouchRSpinEdit, *TouchBSpinEdit;
    // Multiple page.
    QSpinBox* MultiAlphaSpinEdit;
    QSlider* MultiAlphaTrackBar;
    QSpinBox* MultiDegSpinEdit;
    QRadioButton *MultiAranyRadioButton, *MultiInverzRadioButton, *MultiNormalRadioButton;
    QSpinBox *MultiWPercentSpinEdit, *MultiHPercentSpinEdit;

    QWidget *SinglePage, *MultiPage, *EmptyPage;
    QStackedWidget* Pages;

    // Writes the selection's values into the fields and shows the right page.
    void Refresh();
    TInspector& Inspector() { return inspector_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildSinglePage();
    QGridLayout* BuildNameRows(QWidget* page);
    QGroupBox* BuildPositionBox(QWidget* page);
    QGroupBox* BuildOrigoBox(QWidget* page);
    // The single page's fields and buttons to the inspector.
    void ConnectSinglePage();
    QWidget* BuildMultiPage();
    QSpinBox* NumberField(const QString& name, QWidget* parent, bool shiftSteps, int min, int max);
    void SingleFieldChanged(QSpinBox* field, int value);
    void MultiFieldChanged(QSpinBox* field, int value);
    // Runs a core operation from a control and lets every panel know.
    void Run(QObject* sender, const std::function<bool()>& operation);

    TEditorDocument& document_;
    TInspector inspector_;
    std::map<QSpinBox*, TInspectorField> singleFields_;
    bool suppress_ = false;
};

} // namespace velkon
