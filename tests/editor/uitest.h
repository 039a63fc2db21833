#pragma once

// Shared start-up of the user-interface tests: a fixed locale, test-mode
// standard paths (nothing touches a user's settings), OpenAL's silent "null"
// output (a sound device on every machine, with or without a sound card, that
// plays into nothing), the editor's surface format and application object (so
// the error hook is the real one).

#include "editor/mainform.h"
#include "editor/canvasview.h"
#include "editor/layoutpersistence.h"
#include "editor/maintoolbar.h"
#include "editor/oglrenderpanel.h"
#include "editor/playdriver.h"
#include "editor/statusline.h"
#include "editor/statusnotice.h"
#include "editor/velkonapplication.h"
#include "model/scripteddialogs.h"
#include "support/layers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#define VELKON_UI_TEST_MAIN(TestClass)                                                                       \
    int main(int argc, char** argv) {                                                                        \
        QStandardPaths::setTestModeEnabled(true);                                                            \
        QLocale::setDefault(QLocale::c());                                                                   \
        qputenv("ALSOFT_DRIVERS", "null");                                                                   \
        velkon::SetDefaultSurfaceFormat();                                                                   \
        velkon::TVelkonApplication app(argc, argv);                                                          \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

namespace velkon::uitest {

// The canvas clear colour the tests set (0.87 grey) and the picture colour they look for.
inline const QColor Grey(222, 222, 222);
inline const QColor Red(255, 0, 0);

// Shows a main window and waits until its canvas has an OpenGL context.
inline bool ShowReady(TMainForm& form) {
    form.resize(1400, 900);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return false;
    return QTest::qWaitFor([&] { return form.Canvas->OGLRenderPanel->Ready(); }, 5000);
}

// A one-colour PNG written with Qt (RGB, or RGBA when the colour has alpha < 255).
inline bool WriteColourPng(const QString& path, int w, int h, QColor colour) {
    QImage img(w, h, colour.alpha() < 255 ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    img.fill(colour);
    return img.save(path, "PNG");
}

// A pointer move over the canvas, delivered directly (other test windows on
// the same virtual screen must not be able to catch it).
inline void MoveOnCanvas(TMainForm& form, QPoint pos) {
    QWidget* canvas = form.Canvas->OGLRenderPanel;
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), canvas->mapToGlobal(QPointF(pos)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
}

// Answers the next modal dialog: polls for it for up to timeoutMs, hands it to
// answer, then closes it whatever answer did, so that a failed check inside
// answer fails the test instead of leaving a box open that hangs it. Came()
// tells whether a dialog showed up; the poll ends with the object.
class TModalAnswer {
public:
    explicit TModalAnswer(std::function<void(QWidget*)> answer, int timeoutMs = 5000) {
        clock_.start();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this, answer = std::move(answer), timeoutMs] {
            QPointer<QWidget> w = QApplication::activeModalWidget();
            if (!w) {
                if (clock_.elapsed() > timeoutMs) timer_.stop();
                return;
            }
            timer_.stop();
            came_ = true;
            answer(w);
            if (w && w->isVisible()) {
                if (auto* dialog = qobject_cast<QDialog*>(w.data()))
                    dialog->reject();
                else
                    w->close();
            }
        });
        timer_.start();
    }
    bool Came() const { return came_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    bool came_ = false;
};

inline bool Near(QRgb a, QColor b, int tolerance = 6) {
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

inline QString Describe(QRgb c) {
    return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// The main window as the window tests start it: its settings (layout files,
// favourites, exit save) in a folder of the test's own, the dialogs answered
// from a script, shown with its canvas ready. A test class derives from it and
// calls StartWindow in init() and StopWindow in cleanup().
class TMainWindowTest : public QObject {
protected:
    QTemporaryDir dir_;
    TScriptedDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;
    // The canvas's click guard reads this clock when a test asks for it: it
    // then moves only when the test says so.
    uint32_t now_ = 100000;

    enum TStartOption {
        ScriptedDialogs = 0, // the dialogs answered from dialogs_
        RealDialogs = 1,     // the real Qt dialogs, answered by TModalAnswer
        TestClock = 2,       // the click guard reads now_
    };
    // args: the command line after the program name.
    bool StartWindow(int options = ScriptedDialogs, const QStringList& args = {}) {
        if (!dir_.isValid()) return false;
        dialogs_ = TScriptedDialogs();
        form_ = std::make_unique<TMainForm>(args);
        if (!(options & RealDialogs)) form_->Dialogs = &dialogs_;
        if (options & TestClock) form_->Canvas->TickCount = [this] { return now_; };
        form_->Document.Places = TSettingsPlaces::In(dir_.path());
        form_->Document.RecoveryFolder = dir_.path() + QStringLiteral("/recovery");
        return ShowReady(*form_);
    }
    // Closes the window without the unsaved-project question.
    void StopWindow() {
        if (form_) form_->Scene.Saved = true;
        form_.reset();
    }
    // A layer on a one-colour picture in the test's folder (red 32 x 32 unless told).
    TImagesItem* AddLayer(const test::TLayerSpec& spec = test::TLayerSpec()) {
        return test::AddLayer(form_->Scene, dir_.path(), spec);
    }
};

} // namespace velkon::uitest
