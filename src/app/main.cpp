#include "editor/mainform.h"
#include "editor/velkonapplication.h"

#include <QScreen>

int main(int argc, char** argv) {
    velkon::SetDefaultSurfaceFormat();
    velkon::TVelkonApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    velkon::TMainForm form(args);
    // Without a window manager (a bare X server) "maximised" alone leaves the
    // window at its own size; start it on the whole work area either way.
    if (QScreen* screen = form.screen()) form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return app.exec();
}
