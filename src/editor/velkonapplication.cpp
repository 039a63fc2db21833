#include "editor/velkonapplication.h"

#include "model/velkonerror.h"
#include "project/language.h"

#include <QMessageBox>
#include <QSurfaceFormat>
#include <exception>

namespace velkon {

std::function<void(QObject*, const QString&)> TVelkonApplication::ErrorSink;

TVelkonApplication::TVelkonApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Velkon Editor"));
    // Hungarian until the start decides (main), and so do Qt's standard
    // dialogs. Without Qt's translations they stay in English.
    qtTranslated_ = InstallTranslators(*this, TLanguage::Hungarian);
}

bool TVelkonApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentException(receiver);
    }
    return false;
}

void TVelkonApplication::ReportCurrentException(QObject* sender) {
    QString message;
    try {
        throw;
    } catch (const EVelkonError& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = tr("Ismeretlen hiba");
    }
    ReportException(sender, message);
}

void TVelkonApplication::ReportException(QObject* sender, const QString& message) {
    // Errors while reporting are swallowed: the hook itself must not fail.
    try {
        if (ErrorSink) {
            ErrorSink(sender, message);
            return;
        }
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velkon Editor"), message, QMessageBox::Ok);
        box.exec();
    } catch (...) {
    }
}

void SetDefaultSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(8);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setSwapInterval(0);
    QSurfaceFormat::setDefaultFormat(format);
}

} // namespace velkon
