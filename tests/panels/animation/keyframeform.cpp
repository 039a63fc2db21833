// The keyframe editor through the window: editing switched on its button,
// poses dragged on the canvas and stored with Insert, stepped through with
// Page Up / Page Down and played from a keyframe, all seen on the canvas.

#include "../../editor/uitest.h"

#include "edit/editorstate.h"
#include "model/commanditem.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "panels/animation/keyframeform.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class KeyFrameFormTest : public TMainWindowTest {
    Q_OBJECT

    QWidget* Canvas() const { return form_->Canvas->OGLRenderPanel; }
    TKeyFrameForm* Panel() const { return form_->findChild<TKeyFrameForm*>(); }
    void Paint() { form_->Canvas->OGLRenderPanel->grabFramebuffer(); }
    void Later() {
        now_ += 100;
        Paint();
    }
    void Send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(pos), Canvas()->mapToGlobal(QPointF(pos)), button, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &e);
    }
    void Drag(QPoint from, QPoint to) {
        MoveOnCanvas(*form_, from);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Later();
        Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        Later();
    }
    void Key(Qt::Key key) {
        QTest::keyClick(Canvas(), key);
        Paint();
    }
    // The 80x40 red layer is drawn with its top left corner at (left, top).
    bool RedAt(int left, int top) {
        const QImage frame = form_->Canvas->ReadFrame();
        const QRgb inside = frame.pixel(left + 40, top + 20), before = frame.pixel(left - 5, top + 20);
        if (!Near(inside, Red) || Near(before, Red)) {
            qWarning("at (%d,%d): inside %s, left of it %s", left, top, qPrintable(Describe(inside)),
                     qPrintable(Describe(before)));
            return false;
        }
        return true;
    }

private slots:
    void init() {
        QVERIFY(StartWindow(RealDialogs | TestClock));
        QVERIFY(Panel());
    }
    void cleanup() { StopWindow(); }

    void startsWithGroupAndLinkDownAndTheirKeysToggleThem() {
        TKeyFrameForm* p = Panel();
        QCOMPARE(p->AutoDurationEdit->text(), QStringLiteral("0,5"));
        QVERIFY(p->SkeltonSpeedButton->isChecked());
        QVERIFY(p->LinkSpeedButton->isChecked());
        QVERIFY(!p->CopyKeyframeSpeedButton->isEnabled()); // only while editing
        QVERIFY(!p->KeyframeScrollBox->isVisibleTo(p));
        QCOMPARE(p->AnimSelectComboBox->count(), 4);
        QCOMPARE(p->TimelinePopupMenu->actions().size(), 10);

        QTest::keyClick(Canvas(), Qt::Key_L, Qt::AltModifier);
        QVERIFY(!p->LinkSpeedButton->isChecked());
        QVERIFY(!form_->State.LinkDown);
        QTest::keyClick(Canvas(), Qt::Key_G, Qt::AltModifier);
        QVERIFY(!form_->State.SkeltonDown);
        QTest::keyClick(Canvas(), Qt::Key_F7);
        QCOMPARE(p->AnimSelectComboBox->currentIndex(), 2);
        QCOMPARE(form_->State.AnimSelect, 2);
    }

    void posesAreStoredSteppedPlayedAndTheStartStateComesBack() {
        TImagesItem* layer = AddLayer(test::TLayerSpec().At(100, 50).Sized(80, 40));
        QVERIFY(layer);
        Paint();
        TKeyFrameForm* p = Panel();

        // Select the layer, switch editing on.
        MoveOnCanvas(*form_, QPoint(120, 70));
        Send(QEvent::MouseButtonPress, QPoint(120, 70), Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, QPoint(120, 70), Qt::LeftButton, Qt::NoButton);
        Later();
        QVERIFY(layer->Selected);
        QTest::mouseClick(p->KeyEditSpeedButton, Qt::LeftButton);
        QVERIFY(form_->State.KeyframeMode);
        QVERIFY(p->KeyEditSpeedButton->isChecked());
        QVERIFY(p->KeyframeGroupBox->styleSheet().contains(QStringLiteral("#FFC891")));
        QVERIFY(p->KeyframeScrollBox->isVisibleTo(p));
        QVERIFY(p->CopyKeyframeSpeedButton->isEnabled());
        QVERIFY(!form_->ToolBar->OpenSpeedButton->isEnabled());
        QCOMPARE(p->KeyframeStringGrid->model()->columnCount(), 1);

        // Column 0 is the start state: Insert stores it as keyframe 0 and shows it.
        Key(Qt::Key_Insert);
        QCOMPARE(layer->Base.Track[0].Count(), 1);
        QCOMPARE(form_->State.KeyFrameCol, 1);
        Drag(QPoint(120, 70), QPoint(150, 90));
        QCOMPARE(layer->Left, 130.0);
        Key(Qt::Key_Insert); // keyframe 0 takes the pose, keyframe 1 its copy
        Drag(QPoint(150, 90), QPoint(180, 110));
        QCOMPARE(layer->Left, 160.0);
        Key(Qt::Key_Insert);
        QCOMPARE(layer->Base.Track[0].Count(), 3);
        QCOMPARE(layer->Base.Track[0].Item(0)->sParam1(), QStringLiteral("x=130y=70w=80h=40a=0f=255"));
        QCOMPARE(layer->Base.Track[0].Item(1)->sParam1(), QStringLiteral("x=160y=90w=80h=40a=0f=255"));
        QCOMPARE(p->KeyframeStringGrid->model()->columnCount(), 4);
        QCOMPARE(p->KeyframeStringGrid->currentIndex().column(), 3);

        Key(Qt::Key_PageUp);
        QCOMPARE(form_->State.KeyFrameCol, 2);
        QVERIFY(RedAt(160, 90));
        Key(Qt::Key_PageUp);
        QVERIFY(RedAt(130, 70));
        Key(Qt::Key_PageUp);
        QCOMPARE(form_->State.KeyFrameCol, 0);
        QVERIFY(RedAt(100, 50));
        Key(Qt::Key_PageUp); // no column before the start state
        QCOMPARE(form_->State.KeyFrameCol, 0);
        Key(Qt::Key_PageDown);
        QCOMPARE(p->KeyframeStringGrid->currentIndex().column(), 1);
        QVERIFY(RedAt(130, 70));

        // Play from column 1: the layer moves on to keyframe 1 and column 1 comes back.
        Key(Qt::Key_F3);
        QVERIFY(form_->State.KeyframePlaying);
        QVERIFY(!p->CopyKeyframeSpeedButton->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return layer->Left > 150; }, 5000));
        QVERIFY(QTest::qWaitFor([&] { return !form_->State.KeyframePlaying; }, 5000));
        QVERIFY(!p->PlaySpeedButton->isChecked());
        Paint();
        QCOMPARE(form_->State.KeyFrameCol, 1);
        QVERIFY(RedAt(130, 70));

        // Off: the start state is back and the keyframes stay.
        QTest::mouseClick(p->KeyEditSpeedButton, Qt::LeftButton);
        QVERIFY(!form_->State.KeyframeMode);
        Paint();
        QVERIFY(RedAt(100, 50));
        QCOMPARE(layer->Base.Track[0].Count(), 3);
        QVERIFY(p->KeyframeGroupBox->styleSheet().isEmpty());
        QVERIFY(!p->KeyframeScrollBox->isVisibleTo(p));
    }

    void ctrlSWhileEditingWritesTheStartStateAndNewEndsTheEdit() {
        TImagesItem* layer = AddLayer(test::TLayerSpec().At(100, 50).Sized(80, 40));
        QVERIFY(layer);
        form_->Scene.ProjectDir = dir_.path();
        form_->Scene.ProjectFileName = QStringLiteral("kf.VKP");
        Paint();
        TKeyFrameForm* p = Panel();
        MoveOnCanvas(*form_, QPoint(120, 70));
        Send(QEvent::MouseButtonPress, QPoint(120, 70), Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, QPoint(120, 70), Qt::LeftButton, Qt::NoButton);
        Later();
        QTest::mouseClick(p->KeyEditSpeedButton, Qt::LeftButton);
        Key(Qt::Key_Insert);
        Drag(QPoint(120, 70), QPoint(150, 90));
        QTest::keyClick(Canvas(), Qt::Key_S, Qt::ControlModifier);
        QFile file(dir_.filePath(QStringLiteral("kf.VKP")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY2(saved.contains("Left=100\r\n") && saved.contains("Top=50\r\n"), saved.left(600).constData());
        QVERIFY(saved.contains("x=130y=70w=80h=40a=0f=255")); // the pose went into its keyframe first
        QVERIFY(form_->State.KeyframeMode);
        QCOMPARE(layer->Left, 130.0); // still shown after the save

        Drag(QPoint(150, 90), QPoint(170, 90));
        const TModalAnswer yes([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            box->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QVERIFY(!form_->State.KeyframeMode);
        QVERIFY(!p->KeyEditSpeedButton->isChecked());
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        QVERIFY(form_->ErrorLog.Lines().contains(QStringLiteral("Kulcskockás szerkesztés befejezése")));
    }

    void undoAfterAStoreShowsTheEarlierKeyframe() {
        TImagesItem* layer = AddLayer(test::TLayerSpec().At(100, 50).Sized(80, 40));
        QVERIFY(layer);
        Paint();
        TKeyFrameForm* p = Panel();
        MoveOnCanvas(*form_, QPoint(120, 70));
        Send(QEvent::MouseButtonPress, QPoint(120, 70), Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, QPoint(120, 70), Qt::LeftButton, Qt::NoButton);
        Later();
        QTest::mouseClick(p->KeyEditSpeedButton, Qt::LeftButton);
        Key(Qt::Key_Insert);
        Drag(QPoint(120, 70), QPoint(150, 90));
        Key(Qt::Key_Insert);
        QCOMPARE(form_->State.KeyFrameCol, 2);
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->State.KeyFrameCol, 1);
        QCOMPARE(p->KeyframeStringGrid->model()->columnCount(), 2);
        QCOMPARE(layer->Base.Track[0].Item(0)->sParam1(), QStringLiteral("x=100y=50w=80h=40a=0f=255"));
        Paint();
        QVERIFY(RedAt(100, 50));
    }
};

VELKON_UI_TEST_MAIN(KeyFrameFormTest)
#include "keyframeform.moc"
