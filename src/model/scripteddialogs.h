#pragma once

#include "model/dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace velkon {

// Answers the dialogs from queues filled in advance and records every question.
// When a queue is empty: Yes/No answers DefaultYesNo, input and file choice
// are cancelled.
class TScriptedDialogs : public TDialogs {
public:
    std::deque<bool> YesNoAnswers;
    std::deque<std::optional<QString>> TextAnswers;
    std::deque<std::optional<QString>> FileAnswers;
    // Answers of ChooseFiles; while empty it takes one of FileAnswers.
    std::deque<std::optional<QStringList>> FilesAnswers;
    // Answers of ChooseColour (0x00BBGGRR); while empty it is cancelled.
    std::deque<std::optional<uint32_t>> ColourAnswers;
    bool DefaultYesNo = false;

    // What was asked, in order: "yesno:CAPTION|TEXT", "input:CAPTION|PROMPT|VALUE",
    // "message:TEXT", "warning:TEXT", "file:TITLE|FILTER", "colour:CAPTION".
    QStringList Asked;
    QStringList Messages;
    std::vector<TFileChoice> FileChoices;

    bool AskYesNo(const QString& caption, const QString& text) override;
    std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                     const QString& value) override;
    void Message(const QString& text) override;
    // Recorded as "warning:TEXT"; the text also goes to Messages.
    void Warning(const QString& text) override;
    std::optional<QString> ChooseFile(const TFileChoice& choice) override;
    std::optional<QStringList> ChooseFiles(const TFileChoice& choice) override;
    std::optional<uint32_t> ChooseColour(const QString& caption, uint32_t colour) override;
};

} // namespace velkon
