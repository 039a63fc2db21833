#pragma once

#include <QWidget>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velkon {

class TEditorDocument;

// The layers panel's auxiliary panel: commands for many layers at once (the
// command maker, copy or move and delete of whole tracks, transposition by an
// offset) and the pop-up menu entries that paste into every selected layer and
// transpose them to a point. The work is done by the layer command tools of
// the core.
class TLayerToolsPanel : public QWidget {
    Q_OBJECT
public:
    TLayerToolsPanel(TEditorDocument& document, QWidget* parent = nullptr);

    // "   Parancskészítő   ": the radio buttons in catalogue order Show, Hide, StartOther, StopOther.
    QButtonGroup* MakerGroup;
    QPushButton* ClipboardButton;
    // "   Parancs másolás, mozgatás   ".
    QButtonGroup *CopyTabGroup, *FromGroup, *ToGroup; // ids: tabs 0 "Mind", 1..3; animations 0..3
    QCheckBox* MoveCheckBox;
    QPushButton* StartButton;
    // "   Parancs törlés   ".
    QButtonGroup *DeleteTabGroup, *DeleteAnimGroup; // animation ids: 0 every, 1 the chosen one
    QPushButton* DeleteButton;
    // "   Transzponálás   ".
    QSpinBox *TransposeXSpinEdit, *TransposeYSpinEdit;
    QCheckBox* OrigoCheckBox;
    QPushButton* TransposeButton;

    // Entries for the layer list's pop-up menu.
    QAction* PasteAction;             // "Kijeölt elemekhez parancs beillesztés"
    QAction* TransposePointAction;    // "Transzponálási pont megadása"
    QAction* TransposeSelectedAction; // "Kiválasztottak transzponálása"

private:
    QButtonGroup* RadioRow(QWidget* box, const QString& prefix, const QStringList& captions, int checked);
    // Runs a tool from a control; changed: let every panel know.
    void Run(QObject* sender, const std::function<bool()>& tool);

    TEditorDocument& document_;
};

} // namespace velkon
