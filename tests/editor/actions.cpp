// The registered commands: each id once, its keys in its hint, and each key
// reaching the main window runs its command exactly once.

#include "uitest.h"

#include "editor/actionregistry.h"
#include "model/imagesitem.h"

#include <QAction>
#include <QSignalSpy>

using namespace velkon;
using namespace velkon::uitest;

namespace {

// What a command needs before its key means it.
enum TSetup { sPlain, sOneSelected, sEditing };

} // namespace

class ActionsTest : public TMainWindowTest {
    Q_OBJECT

    // Rows of the key test: every registered command that has keys.
    static const std::vector<std::pair<const char*, TSetup>>& KeyedCommands() {
        static const std::vector<std::pair<const char*, TSetup>> rows = {
            {"project.save", sPlain},
            {"edit.undo", sPlain},
            {"edit.redo", sPlain},
            {"play.toggle", sPlain},
            {"play.preview", sPlain},
            {"keyframe.play", sEditing},
            {"keyframe.storeAndCopy", sEditing},
            {"keyframe.groupEdit", sPlain},
            {"keyframe.link", sPlain},
            {"keyframe.previous", sEditing},
            {"keyframe.next", sEditing},
            {"keyframe.bone", sOneSelected},
            {"animation.base", sPlain},
            {"animation.touch1", sPlain},
            {"animation.touch2", sPlain},
            {"animation.touch3", sPlain},
            {"view.zoomIn", sPlain},
            {"view.zoomOut", sPlain},
            {"view.helperLineHorizontal", sPlain},
            {"view.helperLineVertical", sPlain},
            {"layers.moveUp", sOneSelected},
            {"layers.moveDown", sOneSelected},
            {"layers.moveUpTen", sOneSelected},
            {"layers.moveDownTen", sOneSelected},
            {"layers.origin", sOneSelected},
            {"commands.add", sOneSelected},
            {"commands.startBitBase", sOneSelected},
            {"commands.startBitTouch", sOneSelected},
        };
        return rows;
    }
    TActionRegistry& Registry() { return form_->Document.Registry; }

private slots:
    void init() { QVERIFY(StartWindow()); }
    void cleanup() { StopWindow(); }

    void eachCommandIsRegisteredOnceUnderItsId() {
        const QStringList ids = Registry().Ids();
        QVERIFY(ids.size() >= int(KeyedCommands().size()));
        QSet<QAction*> actions;
        for (const QString& id : ids) {
            QAction* a = Registry().Action(id);
            QVERIFY2(a, qPrintable(id));
            QCOMPARE(a->objectName(), id);
            QVERIFY2(!a->text().isEmpty(), qPrintable(id));
            actions.insert(a);
        }
        QCOMPARE(actions.size(), ids.size()); // no action under two ids
        // A second action under a taken id is refused and the first stays.
        QAction* undo = Registry().Action(QStringLiteral("edit.undo"));
        QAction other(QStringLiteral("x"));
        QVERIFY(!Registry().Add(QStringLiteral("edit.undo"), &other));
        QCOMPARE(Registry().Action(QStringLiteral("edit.undo")), undo);
        QVERIFY(!Registry().Command("edit.undo", form_.get(), QStringLiteral("x"), QString(), {}, [] {}));
        QCOMPARE(Registry().Action(QStringLiteral("edit.undo")), undo);
        // An action that goes leaves the registry.
        {
            QAction temporary(QStringLiteral("t"));
            QVERIFY(Registry().Add(QStringLiteral("test.temporary"), &temporary));
            QVERIFY(Registry().Action(QStringLiteral("test.temporary")));
        }
        QVERIFY(!Registry().Action(QStringLiteral("test.temporary")));
        // Every command with keys is in the key test below.
        QStringList keyed, tested;
        for (const QString& id : ids)
            if (!Registry().Keys(id).isEmpty()) keyed << id;
        for (const auto& [id, setup] : KeyedCommands())
            tested << QString::fromLatin1(id);
        keyed.sort();
        tested.sort();
        QCOMPARE(keyed, tested);
    }

    void keysShowInTheHint() {
        QCOMPARE(Registry().Action(QStringLiteral("edit.undo"))->toolTip(), QStringLiteral("Visszavonás [Ctrl+Z]"));
        QCOMPARE(Registry().Action(QStringLiteral("edit.redo"))->toolTip(),
                 QStringLiteral("Újra [Ctrl+Y, Ctrl+Shift+Z]"));
        QCOMPARE(Registry().Action(QStringLiteral("project.save"))->toolTip(),
                 QStringLiteral("Projekt mentése [Ctrl+S]"));
        QCOMPARE(Registry().Action(QStringLiteral("project.new"))->toolTip(), QStringLiteral("Új projekt"));
        // A panel's button that runs a keyed command shows the keys in its own hint.
        const std::pair<const char*, const char*> buttons[] = {
            {"AddCommandSpeedButton", "Ins"},   {"ExecuteSpeedButton", "Alt+1"},   {"ExecuteTouchSpeedButton", "Alt+2"},
            {"OrigoButton", "O"},               {"BoneSpeedButton", "Alt+B"},      {"AutoCommandCopySpeedButton", "Ins"},
            {"PlaySpeedButton", "F3"},
        };
        for (const auto& [name, keys] : buttons) {
            QList<QWidget*> found;
            for (QWidget* w : form_->findChildren<QWidget*>(QString::fromLatin1(name)))
                if (w->toolTip().endsWith(QStringLiteral(" [%1]").arg(QString::fromLatin1(keys)))) found << w;
            QVERIFY2(found.size() == 1, name);
        }
    }

    void eachKeyRunsItsCommandOnce_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("setup");
        for (const auto& [id, setup] : KeyedCommands())
            QTest::newRow(id) << QString::fromLatin1(id) << int(setup);
    }
    void eachKeyRunsItsCommandOnce() {
        QFETCH(QString, id);
        QFETCH(int, setup);
        if (setup != sPlain) {
            TImagesItem* layer = AddLayer(test::TLayerSpec().Named("ball").At(100, 100));
            QVERIFY(layer);
            form_->Document.SelectSingleLayer(layer);
            emit form_->Document.LayersChanged();
        }
        if (setup == sEditing) QVERIFY(form_->Document.SetKeyframeEditing(true));
        dialogs_.FileAnswers.push_back(std::nullopt); // Ctrl+S of a new project asks where: cancelled
        QAction* action = Registry().Action(id);
        QVERIFY(action);
        const QKeyCombination keys = Registry().Keys(id).first()[0];
        QSignalSpy triggered(action, &QAction::triggered);
        // A command that opens a dialog gets it closed.
        const TModalAnswer close([](QWidget*) {}, 300);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, keys.key(), keys.keyboardModifiers());
        QCOMPARE(triggered.count(), 1);
        if (form_->Scene.Playing) QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
    }
};

VELKON_UI_TEST_MAIN(ActionsTest)
#include "actions.moc"
