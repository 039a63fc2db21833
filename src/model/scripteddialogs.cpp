#include "model/scripteddialogs.h"

namespace velkon {

namespace {
template <class T>
std::optional<T> takeFront(std::deque<std::optional<T>>& queue) {
    const std::optional<T> answer = queue.front();
    queue.pop_front();
    return answer;
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

std::optional<uint32_t> TScriptedDialogs::ChooseColour(const QString& caption, uint32_t colour) {
    (void)colour;
    Asked << QStringLiteral("colour:") + caption;
    if (ColourAnswers.empty()) return std::nullopt;
    return takeFront(ColourAnswers);
}

} // namespace velkon
