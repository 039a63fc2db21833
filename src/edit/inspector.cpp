#include "edit/inspector.h"

#include "edit/editorstate.h"
#include "edit/linebreaks.h"
#include "model/dialogs.h"
#include "model/filesitem.h"
#include "model/picture.h"
#include "model/scene.h"
#include "project/projectfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <limits>
#include <numbers>

namespace velkon {

namespace {

int32_t RoundI(double v) {
    const double r = std::nearbyint(v);
    if (!(r > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (r >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

int PictureWidth(const TImagesItem& l) {
    return l.Picture ? l.Picture->Width : 0;
}
int PictureHeight(const TImagesItem& l) {
    return l.Picture ? l.Picture->Height : 0;
}

// Percent of the picture's side; 100 for a picture without size (a missing
// file), where no percentage means anything.
int32_t PercentOf(double size, int pictureSize) {
    return pictureSize > 0 ? RoundI(size / pictureSize * 100.0) : 100;
}

// The factor the other side follows with: the same, mirrored about 1, or its own.
double OtherFactor(TRatioMode mode, double edited, double own) {
    switch (mode) {
    case TRatioMode::Ratio:
        return edited;
    case TRatioMode::Inverse:
        return 2.0 - edited;
    case TRatioMode::Normal:
        break;
    }
    return own;
}

int32_t OtherPercent(TRatioMode mode, int32_t edited, int32_t own) {
    return RoundI(OtherFactor(mode, edited / 100.0, own / 100.0) * 100.0);
}

} // namespace

int32_t& TSingleFields::Field(TInspectorField f) {
    switch (f) {
    case TInspectorField::X:
        return X;
    case TInspectorField::Y:
        return Y;
    case TInspectorField::W:
        return W;
    case TInspectorField::H:
        return H;
    case TInspectorField::WPercent:
        return WPercent;
    case TInspectorField::HPercent:
        return HPercent;
    case TInspectorField::OrigoX:
        return OrigoX;
    case TInspectorField::OrigoY:
        return OrigoY;
    case TInspectorField::Deg:
        return Deg;
    case TInspectorField::Alpha:
        return Alpha;
    case TInspectorField::TouchL:
        return TouchL;
    case TInspectorField::TouchT:
        return TouchT;
    case TInspectorField::TouchR:
        return TouchR;
    case TInspectorField::TouchB:
        break;
    }
    return TouchB;
}

std::optional<int32_t> ReadInspectorNumber(const QString& text) {
    bool ok = false;
    const int32_t v = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

int TInspector::Page() const {
    const int n = state_.Scene.SelectedCount;
    if (n > 1) return 2;
    if (n == 1 && state_.Scene.CurrentLayer) return 1;
    return 0;
}

TImagesItem* TInspector::SingleLayer() const {
    return Page() == 1 ? state_.Scene.CurrentLayer : nullptr;
}

bool TInspector::CanEdit() const {
    return !state_.Scene.Playing;
}

void TInspector::FillSingle(const TImagesItem& l) {
    Single.X = RoundI(l.Left);
    Single.Y = RoundI(l.Top);
    Single.W = RoundI(l.Width);
    Single.H = RoundI(l.Height);
    Single.OrigoX = RoundI(l.OrigoX);
    Single.OrigoY = RoundI(l.OrigoY);
    Single.Deg = RoundI(l.Angle);
    Single.Alpha = RoundI(l.Alpha);
    Single.TouchL = l.TouchLeft;
    Single.TouchT = l.TouchTop;
    Single.TouchR = l.TouchWidth;
    Single.TouchB = l.TouchHeight;
    Single.Visible = l.Visible;
    Single.Name = l.Name;
    Single.FileName = l.FileItem ? l.FileItem->Name : QString();
    Single.Parent = l.Parent;
}

void TInspector::PercentsFromSize(const TImagesItem& l) {
    Single.WPercent = PercentOf(l.Width, PictureWidth(l));
    Single.HPercent = PercentOf(l.Height, PictureHeight(l));
}

void TInspector::Refresh() {
    const TScene& scene = state_.Scene;
    if (Page() == 2) {
        bool first = true;
        bool same = true;
        double alpha = 0;
        for (const auto& entry : scene.Layers) {
            const TImagesItem& l = *entry.second;
            if (!l.Selected) continue;
            if (first)
                alpha = l.Alpha;
            else if (l.Alpha != alpha)
                same = false;
            first = false;
        }
        Multi.AlphaEnabled = same && !first;
        if (Multi.AlphaEnabled) Multi.Alpha = RoundI(alpha);
        return;
    }
    if (const TImagesItem* l = SingleLayer()) {
        FillSingle(*l);
        PercentsFromSize(*l);
    }
}

void TInspector::WriteBack(TImagesItem& l) {
    // The common origin travels with the layer's position.
    TToolPoint& origin = state_.ToolPoint(-1);
    // In double: a layer read at one end of the int range may be typed to the other.
    origin.X += double(Single.X) - RoundI(l.Left);
    origin.Y += double(Single.Y) - RoundI(l.Top);
    l.Left = Single.X;
    l.Top = Single.Y;
    l.Width = Single.W;
    l.Height = Single.H;
    l.Angle = Single.Deg;
    l.OrigoX = Single.OrigoX;
    l.OrigoY = Single.OrigoY;
    l.Alpha = Single.Alpha;
    l.Visible = Single.Visible;
    l.TouchLeft = Single.TouchL;
    l.TouchTop = Single.TouchT;
    l.TouchWidth = Single.TouchR;
    l.TouchHeight = Single.TouchB;
}

bool TInspector::ApplyWidthPercent(TImagesItem& l) {
    const int pw = PictureWidth(l), ph = PictureHeight(l);
    if (pw <= 0 || ph <= 0) return false;
    const int32_t p = Single.WPercent;
    Single.W = RoundI(p * static_cast<double>(pw) / 100.0);
    if (SingleMode == TRatioMode::Ratio) Single.H = RoundI(p * static_cast<double>(ph) / 100.0);
    if (SingleMode == TRatioMode::Inverse) Single.H = RoundI((200.0 - p) * ph / 100.0);
    WriteBack(l);
    Single.HPercent = PercentOf(l.Height, ph);
    return true;
}

bool TInspector::ApplyHeightPercent(TImagesItem& l) {
    const int pw = PictureWidth(l), ph = PictureHeight(l);
    if (pw <= 0 || ph <= 0) return false;
    const int32_t p = Single.HPercent;
    Single.H = RoundI(p * static_cast<double>(ph) / 100.0);
    if (SingleMode == TRatioMode::Ratio) Single.W = RoundI(p * static_cast<double>(pw) / 100.0);
    if (SingleMode == TRatioMode::Inverse) Single.W = RoundI((200.0 - p) * pw / 100.0);
    WriteBack(l);
    Single.WPercent = PercentOf(l.Width, pw);
    return true;
}

bool TInspector::Edit(TInspectorField f, int32_t value, bool sizeFocus) {
    TImagesItem* l = SingleLayer();
    if (!l || !CanEdit()) return false;
    const bool percent = f == TInspectorField::WPercent || f == TInspectorField::HPercent;
    if (percent && (PictureWidth(*l) <= 0 || PictureHeight(*l) <= 0))
        return false; // a picture without size has no percentages
    // The other fields show the layer as it is now, whatever changed it last.
    const int32_t wp = Single.WPercent, hp = Single.HPercent;
    FillSingle(*l);
    Single.WPercent = wp;
    Single.HPercent = hp;
    Single.Field(f) = value;
    state_.Undo.Record(TUndoBuffer::kindProperty);
    WriteBack(*l);
    if (f == TInspectorField::WPercent) ApplyWidthPercent(*l);
    if (f == TInspectorField::HPercent) ApplyHeightPercent(*l);
    if (sizeFocus && (f == TInspectorField::W || f == TInspectorField::H)) PercentsFromSize(*l);
    state_.Scene.Saved = false;
    return true;
}

bool TInspector::ApplyRatio() {
    TImagesItem* l = SingleLayer();
    if (!l) return false;
    if (Single.WPercent == 100) return Edit(TInspectorField::HPercent, Single.HPercent);
    return Edit(TInspectorField::WPercent, Single.WPercent);
}

void TInspector::TakeRatio() {
    if (const TImagesItem* l = SingleLayer()) PercentsFromSize(*l);
}

bool TInspector::PickOrigin(int x, int y) {
    TImagesItem* l = SingleLayer();
    if (!l || !CanEdit()) return false;
    auto place = [](int at, double size) {
        const int32_t whole = RoundI(size);
        if (at <= 15) return 0;
        if (at <= 48) return whole / 2;
        return whole;
    };
    state_.Undo.Record(TUndoBuffer::kindOrigin);
    l->OrigoX = place(x, l->Width);
    l->OrigoY = place(y, l->Height);
    state_.Scene.Saved = false;
    Refresh();
    return true;
}

bool TInspector::OriginFromCommonOrigin() {
    TImagesItem* l = SingleLayer();
    if (!l || !CanEdit()) return false;
    state_.Undo.Record(TUndoBuffer::kindProperty);
    const TToolPoint& origin = state_.ToolPoint(-1);
    l->OrigoX = origin.X - l->Left;
    l->OrigoY = origin.Y - l->Top;
    state_.Scene.Saved = false;
    Refresh();
    return true;
}

bool TInspector::RenameLayer(TDialogs& dialogs) {
    TImagesItem* l = SingleLayer();
    if (!l || !CanEdit()) return false;
    TScene& scene = state_.Scene;
    const std::optional<QString> answer =
        dialogs.InputText(QCoreApplication::translate("Inspector", "Név változtatás"),
                          QCoreApplication::translate("Inspector", "Új név:"), l->Name);
    if (!answer) return false;
    const QString name = *answer;
    if (name.trimmed().isEmpty()) {
        dialogs.Message(QCoreApplication::translate("Inspector", "A réteg neve nem lehet üres!"));
        return false;
    }
    if (scene.Layers.IndexOf(name) >= 0) {
        dialogs.Message(QCoreApplication::translate("Inspector", "Ilyen név már szerepel a VKP-ben!"));
        return false;
    }
    // The save would split the name's line or refuse it.
    if (const QString problem = StoredNameProblem(name); !problem.isEmpty()) {
        dialogs.Message(problem);
        return false;
    }
    state_.Undo.Record(-TUndoBuffer::kindRename); // names, references and Parent texts come back
    const QString old = l->Name;
    scene.Layers.Rename(scene.Layers.IndexOf(l), name);
    scene.RenameReferences(old, name);
    // Parent links are looked up by name too; they follow the rename.
    for (const auto& entry : scene.Layers)
        if (entry.second->Parent.compare(old, Qt::CaseInsensitive) == 0) entry.second->Parent = name;
    l->Name = name;
    scene.Saved = false;
    Refresh();
    return true;
}

bool TInspector::RenameFile(TDialogs& dialogs) {
    TImagesItem* l = SingleLayer();
    if (!l || !l->FileItem || !CanEdit()) return false;
    TScene& scene = state_.Scene;
    TFilesItem& file = *l->FileItem;
    const std::optional<QString> answer =
        dialogs.InputText(QCoreApplication::translate("Inspector", "Fájlnév változtatás"),
                          QCoreApplication::translate("Inspector", "Új fájlnév:"), file.Name);
    if (!answer) return false;
    const QString name = *answer;
    if (scene.Files.IndexOf(name) >= 0) {
        dialogs.Message(QCoreApplication::translate("Inspector", "Ilyen név már szerepel a fájlok közt!"));
        return false;
    }
    if (!IsPlainFileName(name)) {
        dialogs.Message(
            QCoreApplication::translate("Inspector", "Érvénytelen fájlnév (mappa nélküli fájlnév kell): %1")
                .arg(name));
        return false;
    }
    // Checked before the disk changes: a name the project file cannot hold
    // would leave the project naming a file that is no longer there.
    if (const QString problem = StoredNameProblem(name); !problem.isEmpty()) {
        dialogs.Message(problem);
        return false;
    }
    // The kind follows the name when the project is read again.
    if (TFilesItem::KindOfPath(name) != file.Kind) {
        dialogs.Message(
            QCoreApplication::translate("Inspector", "Az új név más fájltípust jelentene: %1").arg(name));
        return false;
    }
    // The disk comes first: the project changes only once the file is renamed.
    const QFileInfo oldInfo(file.Path);
    const QString newPath = QDir(oldInfo.absolutePath()).filePath(name);
    if (!oldInfo.isFile()) {
        dialogs.Message(QCoreApplication::translate("Inspector", "A fájl nem található, nem nevezhető át: %1")
                            .arg(file.Path));
        return false;
    }
    if (QFileInfo::exists(newPath) || QFileInfo(newPath).isSymLink()) {
        dialogs.Message(
            QCoreApplication::translate("Inspector", "Ilyen nevű fájl már van a mappában: %1").arg(newPath));
        return false;
    }
    QFile disk(file.Path);
    if (!disk.rename(newPath)) {
        dialogs.Message(QCoreApplication::translate("Inspector", "A fájl átnevezése nem sikerült (%1): %2")
                            .arg(disk.errorString(), file.Path));
        return false;
    }
    // Undo renames the file on disk back (see TUndoBuffer::Undo).
    state_.Undo.Record(-TUndoBuffer::kindFileRename);
    const QString old = file.Name;
    scene.RenameReferences(old, name);
    file.Name = name;
    scene.Files.Rename(scene.Files.IndexOf(&file), name);
    file.Path = newPath;
    scene.Saved = false;
    Refresh();
    return true;
}

void TInspector::TakeBase() {
    for (const auto& entry : state_.Scene.Layers) {
        TImagesItem& l = *entry.second;
        l.MultiBase = {l.Left, l.Top, l.Width, l.Height, l.Angle, true};
    }
    Multi.Deg = 0;
    Multi.WPercent = 100;
    Multi.HPercent = 100;
}

bool TInspector::MultiAlpha(int32_t alpha) {
    if (Page() != 2 || !CanEdit()) return false;
    state_.Undo.Record(TUndoBuffer::kindProperty);
    state_.Scene.Saved = false;
    Multi.Alpha = alpha;
    for (const auto& entry : state_.Scene.Layers)
        if (entry.second->Selected) entry.second->Alpha = alpha;
    return true;
}

bool TInspector::MultiRotate(int32_t degrees) {
    if (Page() != 2 || !CanEdit()) return false;
    state_.Undo.Record(TUndoBuffer::kindProperty);
    state_.Scene.Saved = false;
    Multi.Deg = degrees;
    const double ox = state_.ToolPoint(-1).X, oy = state_.ToolPoint(-1).Y;
    constexpr double toRad = std::numbers::pi / 180.0;
    for (const auto& entry : state_.Scene.Layers) {
        TImagesItem& l = *entry.second;
        if (!l.Selected) continue;
        if (!l.MultiBase.Taken) l.MultiBase = {l.Left, l.Top, l.Width, l.Height, l.Angle, true};
        const double dx = l.MultiBase.Left + l.OrigoX - ox;
        const double dy = l.MultiBase.Top + l.OrigoY - oy;
        const double d = std::hypot(dx, dy);
        double t = std::atan2(dy, dx) / toRad;
        if (t < 0) t += 360.0;
        const double u = (degrees + t) * toRad;
        l.Left = d * std::cos(u) + ox - l.OrigoX;
        l.Top = d * std::sin(u) + oy - l.OrigoY;
        l.Angle = degrees + l.MultiBase.Angle;
        l.Changed = true;
    }
    return true;
}

bool TInspector::MultiScale(bool widthField, int32_t percent) {
    if (Page() != 2 || !CanEdit()) return false;
    state_.Undo.Record(TUndoBuffer::kindProperty);
    state_.Scene.Saved = false;
    if (widthField) {
        Multi.WPercent = percent;
        Multi.HPercent = OtherPercent(MultiMode, percent, Multi.HPercent);
    } else {
        Multi.HPercent = percent;
        Multi.WPercent = OtherPercent(MultiMode, percent, Multi.WPercent);
    }
    const double a = Multi.WPercent / 100.0, b = Multi.HPercent / 100.0;
    const double ox = state_.ToolPoint(-1).X, oy = state_.ToolPoint(-1).Y;
    for (const auto& entry : state_.Scene.Layers) {
        TImagesItem& l = *entry.second;
        if (!l.Selected) continue;
        if (!l.MultiBase.Taken) l.MultiBase = {l.Left, l.Top, l.Width, l.Height, l.Angle, true};
        const TImagesItem::TMultiBase& base = l.MultiBase;
        if (a * base.Width > 0) l.Width = a * base.Width;
        if (b * base.Height > 0) l.Height = b * base.Height;
        l.Left = ox + a * (base.Left + l.OrigoX - ox) - l.OrigoX;
        l.Top = oy + b * (base.Top + l.OrigoY - oy) - l.OrigoY;
        l.Changed = true;
    }
    return true;
}

} // namespace velkon
