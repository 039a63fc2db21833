#include "model/scripteddialogs.h"

namespace velkon {

bool TScriptedDialogs::AskYesNo(const QString& caption, const QString& text) {
    Asked << QStringLiteral("yesno:") + caption + QLatin1Char('|') + text;
    if (YesNoAnswers.empty())
        return DefaultYesNo;
    const bool answer = YesNoAnswers.front();
    YesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> TScriptedDialogs::InputText(const QString& caption, const QString& prompt,
                                                   const QString& value) {
    Asked << QStringLiteral("input:") + caption + QLatin1Char('|') + prompt + QLatin1Char('|') + value;
    if (TextAnswers.empty())
        return std::nullopt;
    auto answer = TextAnswers.front();
    TextAnswers.pop_front();
    return answer;
}

void TScriptedDialogs::Message(const QString& text) {
    Asked << QStringLiteral("message:") + text;
    Messages << text;
}

std::optional<QString> TScriptedDialogs::ChooseFile(const TFileChoice& choice) {
    Asked << QStringLiteral("file:") + choice.Title + QLatin1Char('|') + choice.Filter;
    FileChoices.push_back(choice);
    if (FileAnswers.empty())
        return std::nullopt;
    auto answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}

} // namespace velkon
