// Without a sound device: the editor and the command line print nothing to
// the terminal, and the editor's error log says once that sound is off.

#include "uitest.h"

#include "editor/errorform.h"
#include "engine/sounds.h"
#include "model/scripteddialogs.h"

#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <csignal>

using namespace velkon;
using namespace velkon::uitest;

namespace {

const QString DemoPath = QStringLiteral(VELKON_SOURCE_DIR "/examples/demo/demo.VKP");
// OpenAL gets no output it knows in this process: no device on any machine.
const char* const NoBackend = "velkon-no-such-output";

// The environment of a start from a desktop session (which always has its own
// runtime folder), with the machine's real sound set-up.
QProcessEnvironment SessionEnvironment(const QString& runtimeDir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ALSOFT_DRIVERS"));
    env.remove(QStringLiteral("ALSOFT_LOGLEVEL"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return env;
}

// Whether a top-level window with this title is on the display.
bool WindowShown(const QString& title) {
    QProcess tree;
    tree.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    if (!tree.waitForFinished(10000)) return false;
    return QString::fromUtf8(tree.readAllStandardOutput())
        .contains(QLatin1Char('"') + title + QLatin1Char('"'));
}

} // namespace

class TNoSoundTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        QFile::setPermissions(runtime_.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void errorLogSaysOnceThatSoundIsOff() {
        TScriptedDialogs dialogs;
        TMainForm form;
        form.Dialogs = &dialogs;
        QVERIFY(ShowReady(form));
        QCOMPARE(form.ErrorLog.Lines(), QStringList{QString::fromUtf8(SoundOffMessage)});
        // Logged before the panel was made, the line still shows whole.
        QCOMPARE(form.ErrorForm->ShownLines(), form.ErrorLog.Lines());
        QTableView* memo = form.ErrorForm->ErrorMemo;
        QVERIFY2(memo->columnWidth(0) >= memo->fontMetrics().horizontalAdvance(form.ErrorLog.Lines().first()),
                 qPrintable(QString::number(memo->columnWidth(0))));
        // Asking again (a later attempt to open the device) adds nothing.
        QVERIFY(!OpenSceneSounds(form.Scene, form.ErrorLog));
        QCOMPARE(form.ErrorLog.Count(), 1);
        form.Scene.Saved = true;
        form.Document.Places = TSettingsPlaces::In(dir_.path());
        form.Document.RecoveryFolder = dir_.path() + QStringLiteral("/recovery");
        QVERIFY(form.close());
    }

    // The machine's own sound set-up, untouched: the probe shows what a start
    // without a device prints when nobody routes it away.
    void soundLibrariesComplainHereWithoutHelp() {
        QProcess probe;
        probe.setProcessEnvironment(SessionEnvironment(runtime_.path()));
        probe.start(QStringLiteral(VELKON_SOUND_PROBE));
        QVERIFY(probe.waitForFinished(30000));
        if (probe.exitCode() == 0)
            QSKIP("this machine has a sound device: a start without one cannot be checked here");
        const QByteArray noise = probe.readAllStandardError();
        if (noise.isEmpty()) QSKIP("this machine's sound libraries print nothing without a device");
        noisy_ = true;
        qInfo("without help, opening no device prints:\n%s", noise.constData());
    }

    void editorStartsQuietly() {
        if (!noisy_)
            QSKIP("nothing to route away on this machine (see soundLibrariesComplainHereWithoutHelp)");
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "the editor needs an X display (run under xvfb-run)");
        QTemporaryDir project;
        QVERIFY(project.isValid());
        // A copy of the demo: a project of its own name shows when its window is up.
        for (const QString& name : QDir(QFileInfo(DemoPath).path()).entryList(QDir::Files))
            QVERIFY(QFile::copy(
                QDir(QFileInfo(DemoPath).path()).filePath(name),
                project.filePath(name == QLatin1String("demo.VKP") ? QStringLiteral("quiet.VKP") : name)));
        QProcess editor;
        editor.setProcessEnvironment(SessionEnvironment(runtime_.path()));
        editor.start(QStringLiteral(VELKON_EDITOR), {project.filePath(QStringLiteral("quiet.VKP"))});
        QVERIFY(editor.waitForStarted());
        // The project is read after the sound device was tried.
        QTRY_VERIFY_WITH_TIMEOUT(WindowShown(QStringLiteral("quiet.VKP - Velkon Editor v1.97")), 30000);
        QTest::qWait(500);
        QCOMPARE(editor.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(editor.processId()), SIGTERM);
        QVERIFY(editor.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(editor.readAllStandardError()), QString());
        QCOMPARE(QString::fromUtf8(editor.readAllStandardOutput()), QString());
    }

    void packIsQuiet() {
        if (!noisy_)
            QSKIP("nothing to route away on this machine (see soundLibrariesComplainHereWithoutHelp)");
        QProcess pack;
        pack.setProcessEnvironment(SessionEnvironment(runtime_.path()));
        pack.start(QStringLiteral(VELKON_CLI),
                   {QStringLiteral("pack"), DemoPath, dir_.filePath(QStringLiteral("demo.VKM"))});
        QVERIFY(pack.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(pack.readAllStandardError()), QString());
        QCOMPARE(pack.exitCode(), 0);
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("demo.VKM"))));
    }

private:
    QTemporaryDir dir_, runtime_;
    bool noisy_ = false;
};

int main(int argc, char** argv) {
    qputenv("ALSOFT_DRIVERS", NoBackend);
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
    velkon::SetDefaultSurfaceFormat();
    velkon::TVelkonApplication app(argc, argv);
    TNoSoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "nosound.moc"
