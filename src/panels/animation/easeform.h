#pragma once

#include "edit/ease.h"

#include <QDialog>
#include <QTimer>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkon {

class TCommandItem;
class TEditorDocument;
class TImagesItem;

// The ease designer ("Idő módosító").
class TEaseForm : public QDialog {
    Q_OBJECT
public:
    explicit TEaseForm(TEditorDocument& document, QWidget* parent = nullptr);

    // Opens modally on one command of layer; true when an Ease(...) was stored
    // into the command's duration parameter (one undo step). Cancel, or Ok
    // with the text unchanged, changes nothing.
    bool Execute(TImagesItem& layer, TCommandItem& command);

    // The designer's state as shown (tests read it).
    const TEaseDesign& Design() const { return design_; }
    // Whether the test animation runs.
    bool Testing() const { return Timer1.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowDesign();
    void PlaceHandles();
    void Recompute();
    void ComboBox1Change(int index);
    void Button2Click();
    void Timer1Timer();
    void OkBitBtnClick();

    TEditorDocument& document_;
    TEaseDesign design_;
    int tick_ = 0;
    int dragged_ = -1;

    std::array<QLabel*, 4> Panel{}; // the handles
    QLabel* Panel5;                 // the test ball
    QLabel* Panel51;                // its track
    QButtonGroup* RadioGroup1;
    std::array<QCheckBox*, 6> CheckBox{};
    QComboBox* ComboBox1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button2;
    QPushButton* OkBitBtn;
    QPushButton* BitBtn2;
    QTimer Timer1;
};

} // namespace velkon
