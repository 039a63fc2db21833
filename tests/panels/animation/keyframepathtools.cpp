// The path, bone and transposition tools through the real main window: the
// buttons set up the tool points the canvas draws, the keyframe button walks
// the path and the canvas shows the layer at the path points.

#include "../../editor/uitest.h"

#include "edit/editorstate.h"
#include "edit/phasestep.h"
#include "edit/selection.h"
#include "model/commanditem.h"
#include "model/commands.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "panels/animation/keyframeform.h"
#include "panels/animation/keyframepathtools.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class KeyFramePathToolsTest : public TMainWindowTest {
    Q_OBJECT
    std::unique_ptr<TKeyFramePathTools> tools_;

    // A red 40 x 40 layer whose origin point is its centre at (x, y).
    TImagesItem* AddRedLayer(const QString& name, double x, double y) {
        TImagesItem* layer = AddLayer(test::TLayerSpec().Named(name).At(x - 20, y - 20).Sized(40, 40));
        layer->OrigoX = layer->OrigoY = 20;
        return layer;
    }
    TEditorState& State() { return form_->State; }
    QImage Frame() {
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        return form_->Canvas->ReadFrame();
    }

private slots:
    void init() {
        QVERIFY(StartWindow(RealDialogs));
        tools_ = std::make_unique<TKeyFramePathTools>(form_->Document, nullptr);
        tools_->show();
        QVERIFY(QTest::qWaitForWindowExposed(tools_.get()));
    }
    void cleanup() {
        tools_.reset();
        form_.reset();
    }

    void controlsCarryTheirNamesAndHints() {
        QCOMPARE(tools_->BezierSpinEdit->objectName(), QStringLiteral("BezierSpinEdit"));
        QCOMPARE(tools_->BezierSpinEdit->minimum(), 1);
        QCOMPARE(tools_->BezierSpinEdit->maximum(), 30);
        QCOMPARE(tools_->BezierSpinEdit->value(), 8);
        const std::pair<QString, QString> buttons[] = {
            {"SpeedButton6", "Görbe vonal"},
            {"SpeedButton8", "Ellipszis, kör"},
            {"SpeedButton9", "Görbe, kör, ellipszis koordináta parancsok"},
            {"BoneSpeedButton", "Csontvázas mozgatás [Alt+B]"},
            {"StartOtherSpeedButton", "Touch animoknál létrehozza az indító parancsot"},
        };
        for (const auto& [name, hint] : buttons) {
            auto* b = tools_->findChild<QToolButton*>(name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->toolTip(), hint);
        }
        QCOMPARE(tools_->findChild<QCheckBox*>("InverzCheckBox")->text(), QStringLiteral("Inverz"));
        QCOMPARE(tools_->findChild<QCheckBox*>("AutoRotateCheckBox")->text(), QStringLiteral("Auto rotate"));
        // Start commands only while editing a touch animation's keyframes.
        QVERIFY(!tools_->StartOtherSpeedButton->isEnabled());
        State().KeyframeMode = true;
        State().AnimSelect = 1;
        emit form_->Document.EnabledStateChanged();
        QVERIFY(tools_->StartOtherSpeedButton->isEnabled());
    }

    void ellipseKeyframesPutTheLayerOnThePathPoints() {
        TImagesItem* car = AddRedLayer(QStringLiteral("car"), 300, 200);
        SelectSingleLayer(State(), car);
        State().ToolPoint(-1).X = 300;
        State().ToolPoint(-1).Y = 200;
        // Keyframe editing of the car, as the keyframe editor leaves it.
        State().KeyframeMode = true;
        car->KeyframeEditing = true;
        car->SaveState();

        QTest::mouseClick(tools_->SpeedButton8, Qt::LeftButton);
        QCOMPARE(State().ToolMode, TToolMode::Ellipse);
        QCOMPARE(State().ToolCount, 13);
        // The ghosts of the car along the path: a half red square where the path turns down.
        form_->ToolBar->CommandPreviewSpeedButton->setChecked(true);
        const QRgb ghost = Frame().pixel(250, 250);
        QVERIFY2(!Near(ghost, Grey) && !Near(ghost, Red), qPrintable(QColor(ghost).name()));
        QCOMPARE(car->ActiveTracks[0]->Count(), 0); // drawing appends nothing
        form_->ToolBar->CommandPreviewSpeedButton->setChecked(false);

        QTest::mouseClick(tools_->AutoRotateCheckBox, Qt::LeftButton);
        QVERIFY(State().AutoRotate);
        State().AutoDuration = QStringLiteral("0,5");
        QSignalSpy created(tools_.get(), &TKeyFramePathTools::PathKeyframesCreated);
        QTest::mouseClick(tools_->SpeedButton9, Qt::LeftButton);
        QCOMPARE(created.size(), 1);
        QCOMPARE(created[0][0].toInt(), 9);
        const TCommands& track = *car->ActiveTracks[0];
        QCOMPARE(track.Count(), 8);
        QCOMPARE(track.Item(1)->sParam1(), QStringLiteral("x=230y=230w=40h=40a=90f=255"));
        QCOMPARE(track.Item(1)->sParam2(), QStringLiteral("0,5"));
        QCOMPARE(track.Item(3)->sParam1(), QStringLiteral("x=180y=180w=40h=40a=180f=255"));
        QVERIFY(!form_->Scene.Saved);
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QCOMPARE(car->Left, 280.0); // the walk leaves the car where it was

        // Keyframe 1 puts the car below the ellipse's centre, keyframe 3 left of it.
        // (Unselected and without the tool's points, so that the car shows its own colour.)
        SelectSingleLayer(State(), nullptr);
        QTest::mouseClick(tools_->SpeedButton8, Qt::LeftButton);
        QCOMPARE(State().ToolCount, 0);
        QVERIFY(Near(Frame().pixel(300, 200), Red));
        QVERIFY(ApplyPhaseStep(*car, 1, State()));
        QImage frame = Frame();
        QVERIFY(Near(frame.pixel(250, 250), Red));
        QVERIFY(Near(frame.pixel(300, 200), Grey));
        QCOMPARE(car->Angle, 90.0);
        QVERIFY(ApplyPhaseStep(*car, 3, State()));
        frame = Frame();
        QVERIFY(Near(frame.pixel(200, 200), Red));
        QVERIFY(Near(frame.pixel(250, 250), Grey));

        // Undo takes the keyframes back.
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(car->ActiveTracks[0]->Count(), 0);
    }

    void altBSetsUpTheBoneAndTheButtonSwitchesItOff() {
        // Alt+B is the keyframe panel's command: the tools it holds answer it.
        auto* panel = form_->findChild<TKeyFrameForm*>();
        QVERIFY(panel);
        TKeyFramePathTools* tools = panel->PathTools;
        panel->raise();
        TImagesItem* body = AddRedLayer(QStringLiteral("body"), 200, 200);
        TImagesItem* arm = AddRedLayer(QStringLiteral("arm"), 300, 200);
        arm->Parent = body->Name;
        SelectSingleLayer(State(), body);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(State().ToolCount, 0); // the body has no parent: nothing
        QVERIFY(!tools->BoneSpeedButton->isChecked());

        SelectSingleLayer(State(), arm);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(State().ToolMode, TToolMode::Bone);
        QCOMPARE(State().ToolCount, 1);
        QVERIFY(tools->BoneSpeedButton->isChecked());
        QCOMPARE(State().ToolPoint(3).Layer, body);
        QCOMPARE(State().ToolPoint(2).Layer, arm);

        QTest::mouseClick(tools->BoneSpeedButton, Qt::LeftButton);
        QCOMPARE(State().ToolCount, 0);
        QVERIFY(!State().BoneMode);
        QVERIFY(!tools->BoneSpeedButton->isChecked());
    }
};

VELKON_UI_TEST_MAIN(KeyFramePathToolsTest)
#include "keyframepathtools.moc"
