#include "model/scripteddialogs.h"

namespace velkon {

namespace {
std::optional<QString> takeFront(std::deque<std::optional<QString>>& queue) {
    const bool given = queue.front().has_value();
    const QString text = given ? *queue.front() : QString();
    queue.pop_front();
    if (!given)
        return std::nullopt;
    return text;
}
} // namespace

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
    return takeFront(TextAnswers);
}

void TScriptedDialogs::Message(const QString& text) {
    Asked << QStringLiteral("message:") + text;
    Messages << text;
}

void TScriptedDialogs::Warning(const QString& text) {
    Asked << QStringLiteral("warning:") + text;
    Messages << text;
}

std::optional<QString> TScriptedDialogs::ChooseFile(const TFileChoice& choice) {
    Asked << QStringLiteral("file:") + choice.Title + QLatin1Char('|') + choice.Filter;
    FileChoices.push_back(choice);
    if (FileAnswers.empty())
        return std::nullopt;
    return takeFront(FileAnswers);
}

std::optional<QStringList> TScriptedDialogs::ChooseFiles(const TFileChoice& choice) {
    if (FilesAnswers.empty()) return TDialogs::ChooseFiles(choice);
    Asked << QStringLiteral("file:") + choice.Title + QLatin1Char('|') + choice.Filter;
    FileChoices.push_back(choice);
    const std::optional<QStringList> answer = FilesAnswers.front();
    FilesAnswers.pop_front();
    return answer;
}

} // namespace velkon
