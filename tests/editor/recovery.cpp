// Crash recovery through the real window: the copy a killed editor left is
// offered at start, restored as unsaved changes of its project or discarded,
// and an editor keeps a copy of its own while its project is unsaved.
#include "uitest.h"

#include "editor/editordocument.h"
#include "editor/recoverydriver.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "project/projectfile.h"
#include "project/recoverystore.h"
#include "project/windows1250.h"
#include "support/testsupport.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QWindow>

using namespace velkon;
using namespace velkon::uitest;

class RecoveryTest : public TMainWindowTest {
    Q_OBJECT

    QString project_, other_, folder_;
    QDateTime copyTime_;

    QString Caption() const { return form_->windowHandle()->title(); }

    QStringList CopyFiles() const {
        return QDir(folder_).entryList({QStringLiteral("*.info"), QStringLiteral("*.VKP")}, QDir::Files);
    }

    // The project on disk (one red layer at 0,0), and the copy of it an
    // editor left when it was killed: the layer moved to 200,100, the lock
    // still there and naming a process that is gone.
    void LeaveCrashedCopy() {
        TScene scene;
        QVERIFY(test::AddLayer(scene, QFileInfo(project_).absolutePath(), test::TLayerSpec().Named("Ball")));
        WriteProject(scene, project_);
        scene.Layers.At(0)->Left = 200;
        scene.Layers.At(0)->Top = 100;
        const QByteArray text = EncodeWindows1250ForFile(ProjectText(scene));
        auto crashed = std::make_unique<TRecoveryStore>(folder_);
        QVERIFY(crashed->Ready());
        copyTime_ = QDateTime::currentDateTimeUtc().addSecs(-90);
        QVERIFY(crashed->Write(crashed->Token(), text, project_, copyTime_));
        const QString lock = folder_ + QLatin1Char('/') + crashed->Id() + QStringLiteral(".lock");
        QByteArray held = test::ReadFile(lock);
        crashed.reset();
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        QVERIFY(gone.waitForStarted(10000));
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished(10000));
        held = QByteArray::number(pid) + held.mid(held.indexOf('\n'));
        QVERIFY(test::WriteFile(lock, held));
    }

    QString Question() const {
        return QStringLiteral(
                   "A(z) demo.VKP projekt nem mentett változásai megmaradtak (%1). Visszaállítja őket?")
            .arg(copyTime_.toLocalTime().toString(QStringLiteral("yyyy.MM.dd. HH:mm:ss")));
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("proj"))));
        project_ = dir_.filePath(QStringLiteral("proj/demo.VKP"));
        other_ = dir_.filePath(QStringLiteral("other.VKP"));
        folder_ = dir_.filePath(QStringLiteral("recovery"));
        TScene scene;
        WriteProject(scene, other_);
    }
    void cleanup() {
        StopWindow();
        QDir(folder_).removeRecursively();
    }

    // Yes (the default button): the copy is the project, unsaved, before the
    // command line's project, which it stands for; Ctrl+S writes it to its
    // own file and no copy is left.
    void yesRestoresTheCopyAndCtrlSWritesItToTheProject() {
        LeaveCrashedCopy();
        if (QTest::currentTestFailed()) return;
        QString title, text;
        bool yesDefault = false;
        TModalAnswer answer([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            yesDefault = box->defaultButton() == box->button(QMessageBox::Yes);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(StartWindow(RealDialogs, {other_}));
        QTRY_VERIFY(answer.Came());
        QCOMPARE(title, QStringLiteral("Helyreállítás"));
        QCOMPARE(text, Question());
        QVERIFY(yesDefault);

        QTRY_COMPARE(Caption(), QStringLiteral("demo.VKP* - Velkon Editor v1.97"));
        QCOMPARE(form_->Scene.ProjectDir, QFileInfo(project_).absolutePath());
        QCOMPARE(form_->Scene.Layers.Count(), 1);
        QCOMPARE(form_->Scene.Layers.At(0)->Left, 200.0);
        form_->Scene.BackgroundColor = 0xDEDEDE; // the grey the frame checks look for
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(210, 110), Red), qPrintable(Describe(frame.pixel(210, 110))));
        QVERIFY2(Near(frame.pixel(10, 10), Grey), qPrintable(Describe(frame.pixel(10, 10))));
        // The restored state has a copy of this editor's own; the old one is gone.
        TRecoveryDriver* recovery = form_->Document.Recovery();
        QVERIFY(recovery);
        QVERIFY(recovery->Store().HasCopy());
        const QStringList files = CopyFiles();
        QCOMPARE(files.size(), 2);
        for (const QString& name : files)
            QVERIFY2(name.startsWith(recovery->Store().Id()), qPrintable(name));
        // Nothing went wrong: the only line is the emptied undo ring's, as after an open.
        QStringList lines = form_->ErrorLog.Lines();
        lines.removeAll(QStringLiteral("UNDO PUFFER TÖRÖLVE!"));
        QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));

        form_->Scene.BackgroundColor = 0xFFFFFF;
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(Caption(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
        TScene saved;
        TErrorLog log;
        ReadProject(saved, project_, log);
        QCOMPARE(saved.Layers.At(0)->Left, 200.0);
        QCOMPARE(saved.Layers.At(0)->Top, 100.0);
        QCOMPARE(CopyFiles(), QStringList());
    }

    // No: the copy is discarded and the command line's project opens.
    void noDiscardsTheCopy() {
        LeaveCrashedCopy();
        if (QTest::currentTestFailed()) return;
        QVERIFY(StartWindow(ScriptedDialogs, {project_}));
        QTRY_COMPARE(Caption(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
        QCOMPARE(dialogs_.Asked, QStringList{QStringLiteral("yesno:Helyreállítás|") + Question()});
        QCOMPARE(form_->Scene.Layers.At(0)->Left, 0.0);
        QCOMPARE(CopyFiles(), QStringList());
        TRecoveryStore later(folder_);
        QVERIFY(later.LeftCopies().isEmpty());
    }

    // An edit in the window gets a copy once the user pauses; New removes it.
    void anEditGetsACopyAndNewRemovesIt() {
        QVERIFY(StartWindow(ScriptedDialogs, {project_}));
        QTRY_VERIFY(form_->Document.Recovery());
        QTRY_COMPARE(Caption(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
        QVERIFY(dialogs_.Asked.isEmpty());
        TRecoveryStore& store = form_->Document.Recovery()->Store();
        QTest::qWait(300);
        QVERIFY(!store.HasCopy()); // nothing unsaved yet
        AddLayer(test::TLayerSpec().Named("Box").At(300, 300));
        form_->State.Undo.Record(TUndoBuffer::kindLayerAdd);
        form_->Scene.Saved = false;
        QTRY_VERIFY_WITH_TIMEOUT(store.HasCopy(), 5000);
        dialogs_.DefaultYesNo = true; // drop the unsaved project
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QVERIFY(!store.HasCopy());
        QCOMPARE(CopyFiles(), QStringList());
    }
};

VELKON_UI_TEST_MAIN(RecoveryTest)
#include "recovery.moc"
