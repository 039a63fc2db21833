#pragma once

#include "edit/commandfields.h"

#include <QDialog>
#include <optional>

namespace velkon {

class TCommandItem;
class TEditorDocument;
class TImagesItem;

// The command edit dialog ("Animation Editor").
class TAnimationForm : public QDialog {
    Q_OBJECT
public:
    explicit TAnimationForm(TEditorDocument& document, QWidget* parent = nullptr);

    // Opens modally for a new command (existing null) or to edit existing, a
    // command of layer's shown track. Returns what the user confirmed, nothing
    // when the dialog was cancelled.
    std::optional<TCommandFields> Execute(TImagesItem& layer, const TCommandItem* existing);

private:
    TEditorDocument& document_;
};

} // namespace velkon
