#include "edit/commandedit.h"

#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scene.h"

#include <QCoreApplication>
#include <cmath>

namespace velkon {

namespace {

// Which value of the layer a template such as "Width(in;0)" reads, by its name.
double LayerValue(const QString& templ, const TImagesItem& layer, bool& known) {
    const QString name = templ.left(templ.indexOf(QLatin1Char('('))).toLower();
    known = true;
    if (name == QLatin1String("left")) return layer.Left;
    if (name == QLatin1String("top")) return layer.Top;
    if (name == QLatin1String("width")) return layer.Width;
    if (name == QLatin1String("height")) return layer.Height;
    if (name == QLatin1String("angle")) return layer.Angle;
    known = false;
    return 0;
}

QStringList FileNames(const TScene& scene, int kind) {
    QStringList names;
    for (const auto& [name, file] : scene.Files)
        if (file->Kind == kind) names << file->Name;
    return names;
}

} // namespace

QStringList AdaptedTemplates(const TScene& scene, const TImagesItem& layer) {
    const TImagesItem* parent = layer.Parent.isEmpty() ? nullptr : scene.Layers.Find(layer.Parent);
    QStringList result;
    for (QString templ : FunctionTemplates()) {
        if (parent) {
            if (templ.contains(QLatin1String("in;0"))) {
                bool known = false;
                const double own = LayerValue(templ, layer, known);
                const double theirs = LayerValue(templ, *parent, known);
                if (known) {
                    const double offset = std::nearbyint(own - theirs);
                    templ.replace(QLatin1String("in;0"),
                                  QStringLiteral("%1;%2").arg(QString::number(offset, 'f', 0), parent->Name));
                }
            }
        } else {
            templ.replace(QLatin1String("in"), layer.Name);
        }
        result << templ;
    }
    return result;
}

TCommandEdit::TCommandEdit(const TScene& scene, const TImagesItem& layer, const TCommandItem* existing)
    : scene_(scene), layer_(layer), editMode_(existing != nullptr) {
    if (!existing) return;
    for (int k = 0; k < 3; ++k)
        old_[k] = existing->Param(k + 1);
    const TCommandDesc* desc = CommandDesc(existing->Command());
    if (!desc) return;
    Choose(existing->Command());
    for (int k = 0; k < 3; ++k)
        if (desc->Types[k] != QLatin1Char('-')) SetText(k, old_[k]);
}

void TCommandEdit::Choose(int command) {
    const TCommandDesc* desc = CommandDesc(command);
    if (!desc) return;
    command_ = command;
    help_ = CommandHelp(*desc);
    const QStringList templates = AdaptedTemplates(scene_, layer_);
    for (int k = 0; k < 3; ++k) {
        TParamBox& box = Box[k];
        box = TParamBox{};
        box.Visible = !desc->ParamName[k].isEmpty();
        box.Label = desc->ParamName[k] + QLatin1Char(':');
        box.Items = templates;
    }
    TParamBox& first = Box[0];
    switch (command) {
    case cmdChgImage:
        first.Items = FileNames(scene_, TFilesItem::kindPicture);
        if (layer_.FileItem && first.Items.contains(layer_.FileItem->Name))
            first.Text = layer_.FileItem->Name;
        break;
    case cmdShow:
    case cmdHide:
    case cmdStartOther:
    case cmdStopOther:
        first.Items.clear();
        first.LayerPick = true;
        for (int i = scene_.Layers.Count() - 1; i >= 0; --i) {
            first.Items << scene_.Layers.At(i)->Name;
            first.Colours.push_back(scene_.Layers.At(i)->ItemColor);
        }
        if (first.Items.contains(layer_.Name)) first.Text = layer_.Name;
        // Which animation starts: 0 the base animation, 1 the next touch animation.
        if (command == cmdStartOther) Box[1].Items = QStringList{QStringLiteral("0"), QStringLiteral("1")};
        break;
    case cmdPlaySfx:
    case cmdStopSfx:
        first.Items = FileNames(scene_, TFilesItem::kindSound);
        break;
    case cmdPlayParticle:
    case cmdStopParticle:
        first.Items = FileNames(scene_, TFilesItem::kindParticle);
        break;
    default:
        break;
    }
}

void TCommandEdit::SetText(int box, const QString& text) {
    TParamBox& b = Box.at(box);
    if (b.LayerPick && !b.Items.contains(text))
        b.Text.clear();
    else
        b.Text = text;
}

std::optional<TEditProblem> TCommandEdit::Check() const {
    if (command_ == 0) return TEditProblem{0, QString::fromLatin1(RequiredData)};
    for (int k = 0; k < 3; ++k) {
        if (!Box[k].Visible) continue;
        if (Box[k].Text.isEmpty()) return TEditProblem{k, QString::fromLatin1(RequiredData)};
    }
    const TCommandDesc* desc = CommandDesc(command_);
    for (int k = 0; desc && k < 3; ++k)
        if (desc->Types[k] != QLatin1Char('-') && HasLineBreak(Box[k].Text))
            return TEditProblem{k, QCoreApplication::translate("TCommandEdit", NoLineBreaks)};
    // Where the command needs a number, a text the player could not read is refused now, not at play.
    for (int k = 0; desc && k < 3; ++k) {
        const QChar type = desc->Types[k];
        if (Box[k].Visible && (type == QLatin1Char('i') || type == QLatin1Char('f')) &&
            !IsNumberOrFunction(Box[k].Text))
            return TEditProblem{k, NotANumberMessage(desc->ParamName[k], Box[k].Text)};
    }
    return std::nullopt;
}

QString TCommandEdit::NotANumberMessage(const QString& param, const QString& text) {
    return QCoreApplication::translate(
               "TCommandEdit", "A(z) \"%1\" paraméter csak szám vagy paraméter függvény lehet: \"%2\"")
        .arg(param, text);
}

TCommandFields TCommandEdit::Result() const {
    TCommandFields fields;
    const TCommandDesc* desc = CommandDesc(command_);
    if (!desc) return fields;
    fields.Command = desc->Name;
    QString* params[3] = {&fields.Param1, &fields.Param2, &fields.Param3};
    for (int k = 0; k < 3; ++k)
        *params[k] = desc->Types[k] == QLatin1Char('-') ? old_[k] : Box[k].Text;
    return fields;
}

} // namespace velkon
