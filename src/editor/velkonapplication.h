#pragma once

#include <QApplication>
#include <QTranslator>
#include <functional>

namespace velkon {

// The editor's application object. Its event dispatch is the error hook: an
// exception raised by any handler stops at notify(), is reported with its
// receiver and never crosses Qt's event loop.
class TVelkonApplication : public QApplication {
    Q_OBJECT
public:
    TVelkonApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Reports an error of a handler: to the error log once it exists, before
    // that in a plain message box. Never throws.
    static void ReportException(QObject* sender, const QString& message);

    // Where errors go once the error log exists (set by the main window).
    static std::function<void(QObject* sender, const QString& message)> ErrorSink;

    // Runs a handler, reporting what it throws against the sender. Signal
    // handlers are wrapped in it so that their errors name the control that
    // sent the signal rather than the widget that happened to get the event.
    template <class F> static void Guard(QObject* sender, F&& handler) {
        try {
            handler();
        } catch (...) {
            ReportCurrentException(sender);
        }
    }

    // Reports the exception being handled (inside a catch block).
    static void ReportCurrentException(QObject* sender);

    // Whether Qt's own Hungarian texts (standard buttons, file and colour
    // dialogs) were found and installed.
    bool QtTranslated() const { return qtTranslated_; }

private:
    bool qtTranslated_ = false;
};

// Qt-style fixed defaults every editor process (and the UI tests) share:
// a compatibility-profile context for the fixed-function canvas, no vsync.
void SetDefaultSurfaceFormat();

} // namespace velkon
