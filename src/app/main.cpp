#include "editor/mainform.h"
#include "editor/velkonapplication.h"
#include "project/language.h"
#include "project/settingsplaces.h"

#include <QIcon>
#include <QScreen>

int main(int argc, char** argv) {
    velkon::SetDefaultSurfaceFormat();
    velkon::TVelkonApplication app(argc, argv);
    // The stored choice, else the system's language.
    velkon::InstallTranslators(app, velkon::EditorLanguage(velkon::TSettingsPlaces::ForThisProgram()));
    // The launcher entry, the icon and the file types share one id; the
    // desktop matches the window to its entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKON_APP_ID));
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    QStringList args = app.arguments();
    args.removeFirst();
    velkon::TMainForm form(args);
    // Without a window manager (a bare X server) "maximised" alone leaves the
    // window at its own size; start it on the whole work area either way.
    if (QScreen* screen = form.screen()) form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return app.exec();
}
