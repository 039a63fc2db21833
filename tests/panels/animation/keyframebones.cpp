// A three-layer arm posed with the bone tool through the window: the bend
// reaches the KeyFrames when the keyframe is left and the saved file holds it.

#include "../../editor/uitest.h"

#include "edit/editorstate.h"
#include "edit/pathtools.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "panels/animation/keyframeform.h"

#include <QFile>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class KeyFrameBonesTest : public TMainWindowTest {
    Q_OBJECT

    QWidget* Canvas() const { return form_->Canvas->OGLRenderPanel; }
    TKeyFrameForm* Panel() const { return form_->findChild<TKeyFrameForm*>(); }
    void Paint() { form_->Canvas->OGLRenderPanel->grabFramebuffer(); }
    void Send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(pos), Canvas()->mapToGlobal(QPointF(pos)), button, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &e);
    }
    void Click(QPoint at) {
        MoveOnCanvas(*form_, at);
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        now_ += 100;
        Paint();
    }
    // A drag in steps, each after the canvas's click guard.
    void Drag(QPoint from, std::initializer_list<QPoint> steps) {
        MoveOnCanvas(*form_, from);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        QPoint at = from;
        for (QPoint p : steps) {
            now_ += 100;
            at = p;
            Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        }
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        now_ += 100;
        Paint();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Canvas(), key, mods);
        Paint();
    }
    // A layer of a one-colour picture with its joint (origin) at the middle of its left edge, and one
    // KeyFrame.
    TImagesItem* AddLayer(const QString& name, QColor colour, int left, int top, int w, int h,
                          const QString& parent) {
        const std::array<uint8_t, 4> rgba{uint8_t(colour.red()), uint8_t(colour.green()),
                                          uint8_t(colour.blue()), 255};
        TImagesItem* l = TMainWindowTest::AddLayer(
            test::TLayerSpec().Named(name).At(left, top).Sized(w, h).Coloured(rgba));
        if (!l) return nullptr;
        l->OrigoX = 0;
        l->OrigoY = h / 2;
        l->Parent = parent;
        l->Base.Track[0].Add(
            std::make_unique<TCommandItem>(cmdKeyFrame, PoseText(*l), QStringLiteral("1"), QString()));
        return l;
    }

private slots:
    void init() {
        QVERIFY(StartWindow(RealDialogs | TestClock));
        QVERIFY(Panel());
    }
    void cleanup() { StopWindow(); }

    void threeLayerArmBentWithTheBoneToolIsStoredAndSaved() {
        TImagesItem* body = AddLayer(QStringLiteral("body"), Red, 200, 300, 120, 40, {});
        TImagesItem* arm = AddLayer(QStringLiteral("arm"), QColor(0, 160, 0), 320, 310, 100, 20, "body");
        TImagesItem* hand = AddLayer(QStringLiteral("hand"), QColor(0, 0, 255), 420, 300, 40, 40, "arm");
        QVERIFY(body && arm && hand);
        form_->Scene.ProjectDir = dir_.path();
        form_->Scene.ProjectFileName = QStringLiteral("arm.VKP");
        form_->Scene.Saved = true;
        emit form_->Document.ProjectReplaced();
        Paint();

        // Group editing: a click on the body selects the whole arm; editing on, Page Down to keyframe 0.
        Click(QPoint(250, 320));
        QCOMPARE(form_->Scene.SelectedCount, 3);
        QTest::mouseClick(Panel()->KeyEditSpeedButton, Qt::LeftButton);
        QVERIFY(form_->State.KeyframeMode);
        Key(Qt::Key_PageDown);
        QCOMPARE(form_->State.KeyFrameIndex, 0);

        // Only the hand; the common origin, which sits on its joint, is put aside first.
        Click(QPoint(700, 600));
        Click(QPoint(445, 320));
        QCOMPARE(form_->Scene.SelectedCount, 1);
        QVERIFY(hand->Selected);
        Drag(QPoint(420, 320), {QPoint(420, 280), QPoint(415, 228)});
        QCOMPARE(form_->State.ToolPoint(-1).Y, 228.0);
        Key(Qt::Key_B, Qt::AltModifier);
        QCOMPARE(form_->State.ToolMode, TToolMode::Bone);
        QCOMPARE(form_->State.ToolPoint(1).Layer, hand);

        // Bone point 1 pulled up and in: the chain bends.
        Drag(QPoint(420, 320),
             {QPoint(418, 308), QPoint(414, 288), QPoint(408, 268), QPoint(400, 248), QPoint(390, 230)});
        QVERIFY(arm->Angle < -10);
        QVERIFY(hand->Top < 280);
        const QString bent[3] = {PoseText(*body), PoseText(*arm), PoseText(*hand)};
        QVERIFY(!form_->Scene.Saved);

        // Page Up stores the pose being left, as one "Kulcskocka tárolás" step.
        Key(Qt::Key_PageUp);
        QCOMPARE(form_->State.KeyFrameCol, 0);
        QCOMPARE(form_->ErrorLog.Lines().count(QStringLiteral("Kulcskocka tárolás")), 1);
        QCOMPARE(body->Base.Track[0].Item(0)->sParam1(), bent[0]);
        QCOMPARE(arm->Base.Track[0].Item(0)->sParam1(), bent[1]);
        QCOMPARE(hand->Base.Track[0].Item(0)->sParam1(), bent[2]);

        // Ctrl+S writes the start state and the bent keyframes.
        Key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(form_->Scene.Saved);
        QFile file(dir_.filePath(QStringLiteral("arm.VKP")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        for (const QString& pose : bent)
            QVERIFY2(saved.contains("sParam1=" + pose.toLatin1() + "\r\n"), qPrintable(pose));
        QVERIFY(saved.contains("OY=228\r\n"));
        QVERIFY(saved.contains("Left=320\r\nWidth=100") || saved.contains("Top=310\r\nLeft=320"));
    }
};

VELKON_UI_TEST_MAIN(KeyFrameBonesTest)
#include "keyframebones.moc"
