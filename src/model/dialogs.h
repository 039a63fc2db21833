#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace velkon {

// What a file dialog is asked for.
struct TFileChoice {
    enum TMode { modeOpen, modeSave };
    TMode Mode = modeOpen;
    QString Title;
    QString Filter;       // for example "*.VKP"
    QString DefaultExt;   // for example "VKP"
    QString InitialDir;
    QString InitialName;
    bool Multiple = false; // several files may be chosen (ChooseFiles)
};

// The questions that core operations ask the user. The editor answers with
// Qt dialogs; tests and the command line answer from a script.
class TDialogs {
public:
    virtual ~TDialogs() = default;
    // Yes/No question with a question icon; No is the default.
    virtual bool AskYesNo(const QString& caption, const QString& text) = 0;
    // The same question with Yes as the default (keeping the work is the safe answer).
    virtual bool AskYesNoYesDefault(const QString& caption, const QString& text) { return AskYesNo(caption, text); }
    // One-line input box; nullopt when cancelled.
    virtual std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                             const QString& value) = 0;
    // Plain message box.
    virtual void Message(const QString& text) = 0;
    // Message box with the warning icon: the user's input was refused.
    virtual void Warning(const QString& text) { Message(text); }
    // File dialog; the chosen full path, or nullopt when cancelled.
    virtual std::optional<QString> ChooseFile(const TFileChoice& choice) = 0;
    // File dialog that may return several files; by default it asks for one.
    virtual std::optional<QStringList> ChooseFiles(const TFileChoice& choice) {
        const std::optional<QString> one = ChooseFile(choice);
        if (!one) return std::nullopt;
        return QStringList{*one};
    }
    // Colour dialog starting at colour (0x00BBGGRR); the chosen colour, or
    // nullopt when cancelled. Without a colour dialog nothing is chosen.
    virtual std::optional<uint32_t> ChooseColour(const QString& caption, uint32_t colour) {
        (void)caption;
        (void)colour;
        return std::nullopt;
    }
};

} // namespace velkon
