// An editor whose program folder cannot be written (installed into a prefix
// the user does not own) keeps its layout files, favourites and exit save in
// the user's places, and finds them again at its next start. The test runs a
// copy of itself twice from a folder made read-only: as root through a
// read-only bind mount in a mount namespace of its own, otherwise by taking
// the folder's write bits away.

#include "uitest.h"

#include "edit/favourites.h"
#include "editor/dockform.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "panels/animation/favouritesform.h"
#include "project/projectfile.h"

#include <QDirIterator>
#include <QWindow>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <unistd.h>

using namespace velkon;
using namespace velkon::uitest;

namespace {

const QString DemoPath = QStringLiteral(VELKON_SOURCE_DIR "/examples/demo/demo.VKP");
const QRect FloatingImages(100, 120, 300, 400);
const char* const PhaseVariable = "VELKON_SETTINGS_PHASE";

QString ConfigDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
QString DataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

template <class T> T* Find(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

// One start of the editor from the read-only folder (the child process).
class TStart : public QObject {
    Q_OBJECT
private slots:
    void run() {
        QTemporaryFile probe(QCoreApplication::applicationDirPath() + QStringLiteral("/probe-XXXXXX"));
        QVERIFY2(!probe.open(), "the program folder must not be writable in this run");

        TScriptedDialogs dialogs;
        TMainForm form({DemoPath});
        form.Dialogs = &dialogs;
        QVERIFY(ShowReady(form));
        QTRY_COMPARE(form.windowHandle()->title(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
        QCOMPARE(form.Document.Places.SettingsDir, ConfigDir());
        QCOMPARE(form.Document.Places.DataDir, DataDir());
        QVERIFY(form.Scene.Layers.Count() > 0);

        if (qgetenv(PhaseVariable) == "write")
            First(form);
        else
            Next(form);
        if (QTest::currentTestFailed()) return;
        form.Scene.Saved = true;
        QVERIFY(form.close());
        // The exit save went to the data place.
        TScene exitScene;
        TErrorLog log;
        ReadProject(exitScene, QDir(DataDir()).filePath(QStringLiteral("Kilepesi.VKP")), log);
        QCOMPARE(exitScene.Layers.Count(), form.Scene.Layers.Count());
    }

private:
    // The first start: a floating panel, both layout files and a favourite saved.
    void First(TMainForm& form) {
        form.ImagesForm->SetFloatingAt(true, FloatingImages);
        QTRY_COMPARE(form.ImagesForm->geometry(), FloatingImages);
        form.Layout->SavePanelLayout();
        form.Layout->SaveScreenLayout();

        TImagesItem& layer = *form.Scene.Layers.At(0);
        TCommands& track = layer.Base.Track[1];
        if (track.Count() == 0) track.Add(std::make_unique<TCommandItem>(cmdWait, "250"));
        TFavouritesForm favourites(form.Document);
        QCOMPARE(favourites.FileName, QDir(ConfigDir()).filePath(QStringLiteral("Favourites.txt")));
        TModalAnswer answer([&](QWidget* w) {
            Find<QToolButton>(w, "ToFavSpeedButton")->click(); // none selected: all of them
            Find<QLineEdit>(w, "NameEdit")->setText(QStringLiteral("Kivar"));
            Find<QToolButton>(w, "SaveSpeedButton")->click();
        });
        favourites.Execute(layer, track);
        QVERIFY(answer.Came());
        for (const char* file : {"VelkonEditor.ini", "VelkonEditorForms.ini", "Favourites.txt"})
            QVERIFY2(QFile::exists(QDir(ConfigDir()).filePath(QString::fromLatin1(file))), file);
    }

    // The next start: the layout and the favourite are back.
    void Next(TMainForm& form) {
        QVERIFY(form.ImagesForm->isFloating());
        QTRY_COMPARE(form.ImagesForm->geometry(), FloatingImages);

        TImagesItem& layer = *form.Scene.Layers.At(0);
        TFavouritesForm favourites(form.Document);
        QStringList names;
        TModalAnswer answer([&](QWidget* w) {
            QAbstractItemModel* list = Find<QListView>(w, "FavListBox")->model();
            for (int i = 0; i < list->rowCount(); ++i)
                names << list->index(i, 0).data().toString();
        });
        favourites.Execute(layer, layer.Base.Track[1]);
        QVERIFY(answer.Came());
        QCOMPARE(names, QStringList{QStringLiteral("Kivar")});
    }
};

class TSettingsReadOnlyTest : public QObject {
    Q_OBJECT
private slots:
    void unwritableProgramFolderKeepsEverythingInTheUserPlaces() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString bin = tmp.filePath(QStringLiteral("bin"));
        const QString home = tmp.filePath(QStringLiteral("home"));
        const QString exe = QDir(bin).filePath(QStringLiteral("velkon-settings-start"));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(home));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), exe));

        // How the copy's folder is made read-only for it.
        QString program = exe;
        QStringList arguments;
        if (geteuid() == 0) {
            // Root writes through permission bits; a read-only bind mount stops it.
            QProcess check;
            check.start(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("--propagation"),
                                                    QStringLiteral("private"), QStringLiteral("true")});
            if (!check.waitForFinished(10000) || check.exitStatus() != QProcess::NormalExit ||
                check.exitCode() != 0)
                QSKIP("running as root without the right to make a mount namespace: no way to take the "
                      "program folder's writing away");
            program = QStringLiteral("unshare");
            arguments = {QStringLiteral("-m"),
                         QStringLiteral("--propagation"),
                         QStringLiteral("private"),
                         QStringLiteral("sh"),
                         QStringLiteral("-c"),
                         QStringLiteral(
                             "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" && exec \"$2\""),
                         QStringLiteral("sh"),
                         bin,
                         exe};
        } else {
            QVERIFY(QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ExeGroup));
        }

        for (const char* phase : {"write", "read"}) {
            QProcess start;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HOME"), home);
            env.insert(QString::fromLatin1(PhaseVariable), QString::fromLatin1(phase));
            start.setProcessEnvironment(env);
            start.setProcessChannelMode(QProcess::MergedChannels);
            start.start(program, arguments);
            QVERIFY(start.waitForFinished(120000));
            const QByteArray output = start.readAll();
            QVERIFY2(start.exitStatus() == QProcess::NormalExit && start.exitCode() == 0,
                     (QByteArray(phase) + " start failed:\n" + output).constData());
        }
        QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        // Nothing but the program itself in its folder; every file of the editor's under the
        // user's home (the recent projects' list too: the child opened and saved a project).
        QCOMPARE(QDir(bin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("velkon-settings-start")});
        QStringList found;
        for (const char* place : {"/.qttest/config", "/.qttest/share"})
            for (QDirIterator it(home + QLatin1String(place), QDir::Files | QDir::Hidden,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                found << QFileInfo(it.next()).fileName();
        found.sort();
        QCOMPARE(found, (QStringList{"Favourites.txt", "Kilepesi.VKP", "VelkonEditor.ini",
                                     "VelkonEditorForms.ini", "VelkonEditorRecent.txt"}));
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("ALSOFT_DRIVERS", "null"); // as every window test: a silent device
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
    velkon::SetDefaultSurfaceFormat();
    velkon::TVelkonApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(PhaseVariable)) {
        TStart start;
        return QTest::qExec(&start, argc, argv);
    }
    TSettingsReadOnlyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "settingsreadonly.moc"
