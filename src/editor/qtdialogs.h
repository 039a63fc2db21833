#pragma once

#include "model/dialogs.h"

class QWidget;

namespace velkon {

// The dialogs port answered with Qt dialogs: Yes/No boxes with the question
// icon and No as default, one-line input boxes, plain message boxes and file
// dialogs with the caller's filter.
class TQtDialogs : public TDialogs {
public:
    explicit TQtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    bool AskYesNo(const QString& caption, const QString& text) override;
    bool AskYesNoYesDefault(const QString& caption, const QString& text) override;
    std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                     const QString& value) override;
    void Message(const QString& text) override;
    void Warning(const QString& text) override;
    std::optional<QString> ChooseFile(const TFileChoice& choice) override;
    std::optional<QStringList> ChooseFiles(const TFileChoice& choice) override;
    std::optional<uint32_t> ChooseColour(const QString& caption, uint32_t colour) override;

    // A filter in the classic "description|pattern|description|pattern" form,
    // or a bare pattern, turned into Qt's "description (pattern);;..." form.
    static QString QtFilter(const QString& filter);

private:
    QWidget* parent_;
};

} // namespace velkon
