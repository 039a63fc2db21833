#pragma once

#include "edit/linebreaks.h"

#include "edit/commandfields.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velkon {

class TCommandItem;
class TImagesItem;
class TScene;

// The ten parameter-function templates filled in for layer: with an existing
// parent, "in;0" becomes the offset from the parent and the parent's name
// (Left(20;body)); otherwise "in" becomes the layer's own name.
QStringList AdaptedTemplates(const TScene& scene, const TImagesItem& layer);

// One parameter box of the command edit dialog.
struct TParamBox {
    bool Visible = false;
    QString Label;                 // the parameter's name and ":"
    QStringList Items;             // suggestions, or the names to pick from
    bool LayerPick = false;        // a pick list of layer names drawn on their colours
    std::vector<uint32_t> Colours; // ItemColor of each item of a layer pick list
    QString Text;                  // what the box holds now
};

// What an Ok is refused for: the box to focus (0..2) and the message.
struct TEditProblem {
    int Box = 0;
    QString Message;
};

// The command edit dialog without its widgets: the chosen command, the three
// parameter boxes and what Ok gives back. New mode starts with no command
// chosen; edit mode starts on the existing command and its parameters.
class TCommandEdit {
public:
    static constexpr const char* RequiredData = "Required data!";
    static constexpr const char* NoLineBreaks =
        QT_TRANSLATE_NOOP("TCommandEdit", "A paraméter nem tartalmazhat sortörést!");

    TCommandEdit(const TScene& scene, const TImagesItem& layer, const TCommandItem* existing);

    bool EditMode() const { return editMode_; }
    // The chosen command number, 0 while none is chosen (Ok is disabled then).
    int Command() const { return command_; }
    const QString& Help() const { return help_; }
    std::array<TParamBox, 3> Box;

    // Chooses a command (1..21): help text, visible boxes with their labels,
    // suggestions and picks as the command needs.
    void Choose(int command);
    // Sets box k's (0..2) text; a layer pick list takes only one of its names.
    void SetText(int box, const QString& text);

    // Why Ok must not close now: an empty visible box, a line break, or a
    // text that is neither a number nor a parameter function where the
    // command needs a number.
    std::optional<TEditProblem> Check() const;
    // The refusal of a text that gives no number.
    static QString NotANumberMessage(const QString& param, const QString& text);
    // The command as confirmed: boxes for the used parameters, the old texts
    // for the unused ("-") ones. Call after Check gave nothing.
    TCommandFields Result() const;

private:
    const TScene& scene_;
    const TImagesItem& layer_;
    bool editMode_ = false;
    int command_ = 0;
    QString help_;
    std::array<QString, 3> old_; // parameters of the edited command
};

} // namespace velkon
