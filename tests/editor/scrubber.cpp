// The time scrubber in the tool bar: dragging shows the playback's moments on
// the canvas, leaving gives back the edited state untouched, and an edit
// while scrubbing ends it first.

#include "uitest.h"

#include "editor/timescrubber.h"
#include "model/commanddesc.h"
#include "project/projectfile.h"

#include <QStyle>
#include <QStyleOptionSlider>

using namespace velkon;
using namespace velkon::uitest;

class ScrubberTest : public TMainWindowTest {
    Q_OBJECT

    TTimeScrubber& Scrubber() { return *form_->ToolBar->Scrubber; }
    QSlider* Slider() { return Scrubber().ScrubTrackBar; }

    // Red 32 x 32 at (0, 0); MoveTo(500; 0; 1 s): x = t / 2 for the first second.
    TImagesItem* MovingLayer() {
        TImagesItem* layer = AddLayer(test::TLayerSpec().Named(QStringLiteral("Ball")));
        layer->Base.Track[0].Add(CommandName(cmdMoveTo), std::make_unique<TCommandItem>(cmdMoveTo, "500", "0", "1"));
        form_->Document.Edited();
        return layer;
    }

    // Where the slider's handle stands for value.
    QPoint HandleAt(int value) {
        QStyleOptionSlider option;
        option.initFrom(Slider());
        option.orientation = Qt::Horizontal;
        option.minimum = Slider()->minimum();
        option.maximum = Slider()->maximum();
        option.sliderPosition = value;
        option.sliderValue = value;
        const QRect handle =
            Slider()->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, Slider());
        return handle.center();
    }

    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(pos), Slider()->mapToGlobal(QPointF(pos)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(Slider(), &e);
    }

    // The canvas's read-back: whether the ball's red shows at x (the middle of its height).
    bool RedAt(const QImage& frame, int x) { return Near(frame.pixel(x, 16), Red); }

private slots:
    void init() { QVERIFY(StartWindow()); }
    void cleanup() { StopWindow(); }

    void draggingTheSliderShowsTheMomentsAndLeavingGivesBackTheEditedState() {
        TImagesItem* ball = MovingLayer();
        form_->Scene.Saved = true;
        const QString text = ProjectText(form_->Scene);
        const uint64_t undoChanges = form_->State.Undo.Changes();
        int savedNotices = 0;
        connect(&form_->Document, &TEditorDocument::SavedChanged, this, [&] { ++savedNotices; });
        QVERIFY(RedAt(form_->Canvas->ReadFrame(), 16));

        // Press on the handle and drag it right: the scene follows while the button is down.
        const QPoint from = HandleAt(0);
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        const QPoint first = HandleAt(400);
        Mouse(QEvent::MouseMove, QPoint(first.x(), from.y()), Qt::LeftButton);
        QVERIFY(Slider()->isSliderDown());
        QVERIFY(form_->Document.Scrubbing());
        const int t1 = Slider()->value();
        QVERIFY2(t1 > 100 && t1 < 900, qPrintable(QString::number(t1)));
        QCOMPARE(form_->Document.ScrubTime(), t1);
        QCOMPARE(Scrubber().ScrubTimeEdit->value(), t1);
        QCOMPARE(ball->Left, t1 / 2.0);
        QImage frame = form_->Canvas->ReadFrame();
        QVERIFY(RedAt(frame, t1 / 2 + 16));
        QVERIFY(!RedAt(frame, 8)); // no longer at its edited place

        const QPoint second = HandleAt(150);
        Mouse(QEvent::MouseMove, QPoint(second.x(), from.y()), Qt::LeftButton);
        const int t2 = Slider()->value();
        QVERIFY2(t2 < t1 && t2 > 0, qPrintable(QString::number(t2)));
        QCOMPARE(ball->Left, t2 / 2.0);
        frame = form_->Canvas->ReadFrame();
        QVERIFY(RedAt(frame, t2 / 2 + 16));
        QVERIFY(t1 / 2 - t2 / 2 < 32 || !RedAt(frame, t1 / 2 + 16));
        Mouse(QEvent::MouseButtonRelease, QPoint(second.x(), from.y()), Qt::NoButton);
        QVERIFY(form_->Document.Scrubbing());

        // The field sets a time too; the button leaves.
        Scrubber().ScrubTimeEdit->setValue(700);
        QCOMPARE(ball->Left, 350.0);
        QCOMPARE(Slider()->value(), 700);
        QVERIFY(Scrubber().ScrubEndButton->isEnabled());
        QTest::mouseClick(Scrubber().ScrubEndButton, Qt::LeftButton);
        QVERIFY(!form_->Document.Scrubbing());
        QCOMPARE(Slider()->value(), 0);
        QCOMPARE(ball->Left, 0.0);
        QVERIFY(RedAt(form_->Canvas->ReadFrame(), 16));
        QCOMPARE(ProjectText(form_->Scene), text);
        QCOMPARE(form_->State.Undo.Changes(), undoChanges);
        QVERIFY(form_->Scene.Saved);
        QTest::qWait(450); // the saved flag is watched a few times a second
        QCOMPARE(savedNotices, 0);

        // Esc leaves too, and so does the slider back at 0.
        Scrubber().ScrubTimeEdit->setValue(300);
        QVERIFY(form_->Document.Scrubbing());
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_Escape);
        QVERIFY(!form_->Document.Scrubbing());
        QCOMPARE(ProjectText(form_->Scene), text);
        Slider()->setValue(300);
        QVERIFY(form_->Document.Scrubbing());
        Slider()->setValue(0);
        QVERIFY(!form_->Document.Scrubbing());
        QCOMPARE(ProjectText(form_->Scene), text);
    }

    void aTimeTypedIntoTheFieldShowsThatMoment() {
        TImagesItem* ball = MovingLayer();
        form_->activateWindow();
        QSpinBox* field = Scrubber().ScrubTimeEdit;
        field->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return field->hasFocus(); }));
        // Once while the edited state is on show, once while already scrubbing:
        // the Return the field passes on to its parents must not end the scrub.
        for (const int ms : {600, 200}) {
            field->selectAll();
            QTest::keyClicks(QApplication::focusWidget(), QString::number(ms));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(form_->Document.Scrubbing());
            QCOMPARE(form_->Document.ScrubTime(), ms);
            QCOMPARE(ball->Left, ms / 2.0);
            QCOMPARE(Slider()->value(), ms);
        }
    }

    void anEditWhileScrubbingEndsTheScrubFirst() {
        TImagesItem* ball = MovingLayer();
        form_->Document.SelectSingleLayer(ball);
        Scrubber().ScrubTimeEdit->setValue(400);
        QCOMPARE(ball->Left, 200.0);
        // The play buttons stay usable: a scrubbed moment is no playing.
        QVERIFY(form_->ToolBar->StartPageSpeedButton->isEnabled());
        const uint64_t undoChanges = form_->State.Undo.Changes();
        // An arrow key nudges the selection: from the edited place, not the scrubbed one.
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_Right);
        QVERIFY(!form_->Document.Scrubbing());
        QCOMPARE(ball->Left, 1.0);
        QVERIFY(form_->State.Undo.Changes() > undoChanges);
        QCOMPARE(Slider()->value(), 0);
        // Undo, play and save end it as well.
        Scrubber().ScrubTimeEdit->setValue(400);
        form_->Document.Undo();
        QVERIFY(!form_->Document.Scrubbing());
        QCOMPARE(ball->Left, 0.0);
        Scrubber().ScrubTimeEdit->setValue(400);
        form_->Document.PlayStopToggle(false);
        QVERIFY(!form_->Document.Scrubbing());
        QVERIFY(form_->Document.Playing());
        form_->Document.PlayStopToggle(false);
        QCOMPARE(ball->Left, 0.0);
        Scrubber().ScrubTimeEdit->setValue(400);
        form_->Scene.ProjectDir = dir_.path();
        form_->Scene.ProjectFileName = QStringLiteral("scrub.VKP");
        QVERIFY(form_->Document.SaveProject(false));
        QVERIFY(!form_->Document.Scrubbing());
        TScene back;
        TErrorLog log;
        ReadProject(back, dir_.filePath(QStringLiteral("scrub.VKP")), log);
        QCOMPARE(back.Layers.Find(QStringLiteral("Ball"))->Left, 0.0);
    }
};

VELKON_UI_TEST_MAIN(ScrubberTest)
#include "scrubber.moc"
