// Prints, for each file given, the file type the desktop's shared-mime-info
// database (as found through XDG_DATA_DIRS) gives it, one per line. The install
// test runs it against the installed file-type package.

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QMimeDatabase db;
    for (const QString& path : app.arguments().mid(1))
        out << db.mimeTypeForFile(path).name() << '\n';
    return 0;
}
