#include "editor/mainform.h"
#include "editor/velkonapplication.h"

int main(int argc, char** argv) {
    velkon::SetDefaultSurfaceFormat();
    velkon::TVelkonApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    velkon::TMainForm form(args);
    form.showMaximized();
    return app.exec();
}
