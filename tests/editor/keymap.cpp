// The window's key rules, case by case: which key runs which command, and
// when a control or a playing scene keeps the key.

#include "uitest.h"

#include "editor/keymap.h"

using namespace velkon;
using namespace velkon::uitest;

Q_DECLARE_METATYPE(velkon::TKeyPress)

namespace {

// The state a key is pressed in.
enum TWhere { wCanvas, wTyping, wButton, wPlaying, wEditing, wKeyframePlaying, wOneSelected, wRepeat };

TKeyPress Press(int key, Qt::KeyboardModifiers mods, std::initializer_list<TWhere> where) {
    TKeyPress p;
    p.Key = key;
    p.Mods = mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    p.Keypad = mods & Qt::KeypadModifier;
    for (TWhere w : where) {
        switch (w) {
        case wCanvas:
            break;
        case wTyping: // a text field: it is not the window's either
            p.Typing = true;
            p.ForWindow = false;
            break;
        case wButton: // a control of a panel that keeps its own keys
            p.ForWindow = false;
            break;
        case wPlaying:
            p.Playing = true;
            break;
        case wEditing:
            p.KeyframeEditing = true;
            p.SelectedCount = 1;
            break;
        case wKeyframePlaying:
            p.KeyframeEditing = p.KeyframePlaying = true;
            break;
        case wOneSelected:
            p.SelectedCount = 1;
            break;
        case wRepeat:
            p.AutoRepeat = true;
            break;
        }
    }
    return p;
}

} // namespace

class KeyMapTest : public QObject {
    Q_OBJECT

private slots:
    void keysGoWhereTheRulesSay_data() {
        QTest::addColumn<TKeyPress>("press");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("action");
        const auto row = [](const char* name, TKeyPress press, TKeyDecision::TKind kind, const char* action = "") {
            QTest::newRow(name) << press << int(kind) << QString::fromLatin1(action);
        };
        using D = TKeyDecision;
        const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier,
                                    shift = Qt::ShiftModifier;
        // F1/F2/F3 reach the window from anywhere, also while playing; held down they repeat nothing.
        row("F1 on the canvas", Press(Qt::Key_F1, none, {}), D::Run, "play.toggle");
        row("F1 while playing", Press(Qt::Key_F1, none, {wPlaying}), D::Run, "play.toggle");
        row("F1 in a field", Press(Qt::Key_F1, none, {wTyping}), D::Run, "play.toggle");
        row("F2 while playing", Press(Qt::Key_F2, none, {wPlaying}), D::Run, "play.preview");
        row("F1 held down", Press(Qt::Key_F1, none, {wRepeat}), D::Swallow);
        row("F2 held down", Press(Qt::Key_F2, none, {wRepeat, wPlaying}), D::Swallow);
        row("F3 in a floating panel's list", Press(Qt::Key_F3, none, {wButton}), D::Run, "keyframe.play");
        // While the scene plays, nothing else is the window's.
        row("Ctrl+Z while playing", Press(Qt::Key_Z, ctrl, {wPlaying}), D::Pass);
        row("Insert while playing", Press(Qt::Key_Insert, none, {wPlaying, wOneSelected}), D::Pass);
        row("arrow while playing", Press(Qt::Key_Left, none, {wPlaying}), D::Pass);
        // A field being typed into keeps its letters and its own undo.
        row("Ctrl+S on the canvas", Press(Qt::Key_S, ctrl, {}), D::Run, "project.save");
        row("Ctrl+S in a panel's list", Press(Qt::Key_S, ctrl, {wButton}), D::Run, "project.save");
        row("Ctrl+S in a field", Press(Qt::Key_S, ctrl, {wTyping}), D::Pass);
        row("Ctrl+Z on the canvas", Press(Qt::Key_Z, ctrl, {}), D::Run, "edit.undo");
        row("Ctrl+Z in a field", Press(Qt::Key_Z, ctrl, {wTyping}), D::Pass);
        row("Ctrl+Y", Press(Qt::Key_Y, ctrl, {}), D::Run, "edit.redo");
        row("Ctrl+Shift+Z", Press(Qt::Key_Z, ctrl | shift, {}), D::Run, "edit.redo");
        row("Ctrl+Y in a field", Press(Qt::Key_Y, ctrl, {wTyping}), D::Pass);
        row("letter O in a field", Press(Qt::Key_O, none, {wTyping, wOneSelected}), D::Pass);
        row("Insert in a field", Press(Qt::Key_Insert, none, {wTyping, wOneSelected}), D::Pass);
        // One Insert runs one command: which one, keyframe editing decides.
        row("Insert", Press(Qt::Key_Insert, none, {wOneSelected}), D::Run, "commands.add");
        row("Insert in a panel's list", Press(Qt::Key_Insert, none, {wButton, wOneSelected}), D::Run,
            "commands.add");
        row("Insert while editing", Press(Qt::Key_Insert, none, {wEditing}), D::Run, "keyframe.storeAndCopy");
        // Page Up/Down: the layer with one selected, the keyframe columns while editing.
        row("Page Up, one layer", Press(Qt::Key_PageUp, none, {wOneSelected}), D::Run, "layers.moveUp");
        row("Shift+Page Down, one layer", Press(Qt::Key_PageDown, shift, {wOneSelected}), D::Run,
            "layers.moveDownTen");
        row("Page Up, no layer", Press(Qt::Key_PageUp, none, {}), D::Canvas);
        row("Page Up, no layer, in a list", Press(Qt::Key_PageUp, none, {wButton}), D::Pass);
        row("Page Down while editing", Press(Qt::Key_PageDown, none, {wEditing}), D::Run, "keyframe.next");
        row("Page Up while a keyframe plays", Press(Qt::Key_PageUp, none, {wKeyframePlaying}), D::Canvas);
        // F5..F8 pick the animation, not while editing.
        row("F5", Press(Qt::Key_F5, none, {}), D::Run, "animation.base");
        row("F8", Press(Qt::Key_F8, none, {wButton}), D::Run, "animation.touch3");
        row("F6 while editing", Press(Qt::Key_F6, none, {wEditing}), D::Canvas);
        row("Alt+G", Press(Qt::Key_G, alt, {}), D::Run, "keyframe.groupEdit");
        row("Alt+L in a list", Press(Qt::Key_L, alt, {wButton}), D::Run, "keyframe.link");
        row("Alt+B", Press(Qt::Key_B, alt, {}), D::Run, "keyframe.bone");
        row("Alt+1", Press(Qt::Key_1, alt, {}), D::Run, "commands.startBitBase");
        row("Alt+2", Press(Qt::Key_2, alt, {}), D::Run, "commands.startBitTouch");
        // The canvas's own keys: only where no control keeps them.
        row("O with a selection", Press(Qt::Key_O, none, {wOneSelected}), D::Run, "layers.origin");
        row("O without a selection", Press(Qt::Key_O, none, {}), D::Canvas);
        row("O on a button", Press(Qt::Key_O, none, {wButton, wOneSelected}), D::Pass);
        row("Alt+V", Press(Qt::Key_V, alt, {}), D::Run, "view.helperLineHorizontal");
        row("Alt+F", Press(Qt::Key_F, alt, {}), D::Run, "view.helperLineVertical");
        row("keypad +", Press(Qt::Key_Plus, Qt::KeypadModifier, {}), D::Run, "view.zoomIn");
        row("keypad - on a button", Press(Qt::Key_Minus, Qt::KeypadModifier, {wButton}), D::Pass);
        row("+ of the letter row", Press(Qt::Key_Plus, none, {}), D::Canvas);
        row("arrow on the canvas", Press(Qt::Key_Left, none, {wOneSelected}), D::Canvas);
        row("arrow in a list", Press(Qt::Key_Left, none, {wButton, wOneSelected}), D::Pass);
    }
    void keysGoWhereTheRulesSay() {
        QFETCH(TKeyPress, press);
        QFETCH(int, kind);
        QFETCH(QString, action);
        const TKeyDecision d = TKeyMap::Decide(press);
        QCOMPARE(int(d.Kind), kind);
        QCOMPARE(d.Action, action);
    }
};

VELKON_UI_TEST_MAIN(KeyMapTest)
#include "keymap.moc"
