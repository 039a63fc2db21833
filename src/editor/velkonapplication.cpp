#include "editor/velkonapplication.h"

#include "model/velkonerror.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QSurfaceFormat>
#include <exception>

namespace velkon {

std::function<void(QObject*, const QString&)> TVelkonApplication::ErrorSink;

TVelkonApplication::TVelkonApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Velkon Editor"));
    // The editor speaks Hungarian whatever the system's language, and so do
    // Qt's standard dialogs. Without the translations they stay in English.
    auto* qt = new QTranslator(this);
    if (qt->load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        installTranslator(qt))
        qtTranslated_ = true;
    else
        delete qt;
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
