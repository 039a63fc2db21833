// Playing from the main window (F1, F2, auto stop) and the example project;
// the project files, the exit save and the layout files through the window.

#include "uitest.h"

#include "editor/errorform.h"
#include "model/commanddesc.h"
#include "model/filesitem.h"
#include "model/scripteddialogs.h"

#include <QDir>
#include <QWindow>
#include <QLabel>
#include <QTemporaryDir>

#include "project/projectfile.h"
#include "project/windows1250.h"

using namespace velkon;
using namespace velkon::uitest;

namespace {

const QString DemoPath = QStringLiteral(VELKON_SOURCE_DIR "/examples/demo/demo.VKP");

struct TPose {
    double Left, Top, Width, Height, Alpha, Angle;
    bool Visible;
    int Flip;
    const TFilesItem* File;
    bool operator==(const TPose&) const = default;
};

TPose PoseOf(const TImagesItem& l) {
    return {l.Left, l.Top, l.Width, l.Height, l.Alpha, l.Angle, l.Visible, l.FlipMode, l.FileItem};
}

std::vector<TPose> Poses(const TScene& scene) {
    std::vector<TPose> out;
    for (const auto& entry : scene.Layers)
        out.push_back(PoseOf(*entry.second));
    return out;
}

} // namespace

class PlaybackTest : public TMainWindowTest {
    Q_OBJECT

    void Make(const QStringList& args = {}) { QVERIFY(StartWindow(ScriptedDialogs, args)); }

    // A layer whose first track moves it with MoveTo(x; y; seconds).
    TImagesItem* AddLayer(const QString& name, std::initializer_list<const char*> moveTo) {
        TImagesItem* l = TMainWindowTest::AddLayer(test::TLayerSpec().Named(name));
        auto p = moveTo.begin();
        l->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, p[0], p[1], p[2]));
        return l;
    }

private slots:
    void cleanup() { StopWindow(); }

    void startsOnTheExampleProjectWithItsCaption() {
        Make({DemoPath});
        QTRY_COMPARE(form_->windowHandle()->title(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
        QVERIFY(form_->Scene.Layers.Count() >= 5);
        QVERIFY(form_->Scene.Files.Find(QStringLiteral("boing.wav")));
        QVERIFY2(form_->ErrorLog.Count() == 0, qPrintable(form_->ErrorLog.Lines().join('\n')));
        QCOMPARE(form_->Scene.Groups, QStringList{QStringLiteral("Autó")});
        QVERIFY(!form_->Scene.Lines.isEmpty());
        // The example is in the program's own format: writing it back gives the same bytes.
        QCOMPARE(EncodeWindows1250(ProjectText(form_->Scene)), ReadAll(DemoPath));
        // Every picture of the example has a texture once the canvas drew it.
        form_->Canvas->ReadFrame();
        for (const auto& entry : form_->Scene.Files)
            if (entry.second->Kind == TFilesItem::kindPicture)
                QVERIFY2(entry.second->Texture != 0, qPrintable(entry.first));
    }

    void f1PlaysTheExampleAndAutoStopRestoresEveryLayer() {
        Make({DemoPath});
        QTRY_COMPARE(form_->windowHandle()->title(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
        const std::vector<TPose> before = Poses(form_->Scene);
        TImagesItem* car = form_->Scene.Layers.Find(QStringLiteral("car"));
        QVERIFY(car);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(form_->Scene.Playing);
        QVERIFY(form_->Scene.FullPlay);
        QVERIFY(!form_->ToolBar->StartPageSpeedButton->isEnabled());
        QVERIFY(form_->ToolBar->StopPageSpeedButton3->isEnabled());
        QVERIFY(!form_->ToolBar->SaveSpeedButton->isEnabled());
        QVERIFY(form_->PlayDriver->Running());
        // Things move while it plays...
        QTRY_VERIFY_WITH_TIMEOUT(
            car->Left > before[static_cast<size_t>(form_->Scene.Layers.IndexOf(car))].Left + 20, 5000);
        // ...and once every track has ended, auto stop puts everything back.
        QTRY_VERIFY_WITH_TIMEOUT(!form_->Scene.Playing, 30000);
        QVERIFY(Poses(form_->Scene) == before);
        QVERIFY(form_->ToolBar->StartPageSpeedButton->isEnabled());
        QVERIFY(!form_->ToolBar->StopPageSpeedButton3->isEnabled());
        QTRY_VERIFY(!form_->PlayDriver->Running()); // idle: no busy loop
        QVERIFY2(form_->ErrorLog.Count() == 0, qPrintable(form_->ErrorLog.Lines().join('\n')));
    }

    void f1TwiceStopsAndRestores() {
        Make();
        TImagesItem* l = AddLayer(QStringLiteral("slow"), {"500", "300", "10"});
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(form_->Scene.Playing);
        QTRY_VERIFY(l->Left > 0);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        QCOMPARE(l->Left, 0.0);
        QCOMPARE(l->Top, 0.0);
    }

    void f2WithNothingSelectedStopsAtOnce() {
        Make();
        TImagesItem* l = AddLayer(QStringLiteral("slow"), {"500", "300", "10"});
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F2);
        QVERIFY(form_->Scene.Playing);
        QVERIFY(!form_->Scene.FullPlay);
        // No track runs, so the first idle pass stops it, long before the 10 s move.
        QTRY_VERIFY_WITH_TIMEOUT(!form_->Scene.Playing, 2000);
        QCOMPARE(l->Left, 0.0);
    }

    void f2PlaysOnlyTheSelectedLayer() {
        Make();
        TImagesItem* a = AddLayer(QStringLiteral("a"), {"500", "300", "0,3"});
        TImagesItem* b = AddLayer(QStringLiteral("b"), {"500", "300", "0,3"});
        form_->Document.SelectSingleLayer(b);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F2);
        QVERIFY(form_->Scene.Playing);
        QVERIFY(!form_->Scene.FullPlay);
        // The selected layer must be seen moving while it plays; the other one never moves.
        QTRY_VERIFY_WITH_TIMEOUT(b->Left > 0 && form_->Scene.Playing, 2000);
        QCOMPARE(a->Left, 0.0);
        QTRY_VERIFY_WITH_TIMEOUT(!form_->Scene.Playing, 5000);
        QCOMPARE(b->Left, 0.0);
        QCOMPARE(a->Left, 0.0);
    }

    void autoStopOffKeepsPlayingAfterTheEnd() {
        Make();
        TImagesItem* l = AddLayer(QStringLiteral("quick"), {"50", "30", "0,1"});
        form_->ToolBar->AutoStopSpeedButton->setChecked(false);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QTRY_COMPARE(l->Left, 50.0);
        // Every track has ended; auto stop would act on the next pass. Several passes later it still plays.
        const uint64_t passes = form_->PlayDriver->PassesRun();
        QTRY_VERIFY(form_->PlayDriver->PassesRun() > passes + 20);
        QVERIFY(form_->Scene.Playing);
        QVERIFY(form_->PlayDriver->Running());
        QTest::mouseClick(form_->ToolBar->StopPageSpeedButton3, Qt::LeftButton);
        QVERIFY(!form_->Scene.Playing);
        QCOMPARE(l->Left, 0.0);
    }

    void ctrlSOnAnEmptyProjectWritesNothing() {
        Make();
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.Messages, QStringList{QStringLiteral("Üres projektet akar menteni!")});
        QVERIFY(QDir(dir_.path()).entryList({QStringLiteral("*.VKP")}).isEmpty());
    }

    void saveButtonWritesAndLogs() {
        Make();
        AddLayer(QStringLiteral("ball"), {"1", "2", "1"});
        form_->Scene.Saved = false;
        const QString path = dir_.filePath(QStringLiteral("Untitled.VKP"));
        dialogs_.FileAnswers.push_back(path);
        QTest::mouseClick(form_->ToolBar->SaveSpeedButton, Qt::LeftButton);
        QVERIFY(QFile::exists(path));
        QCOMPARE(form_->ErrorLog.Lines().value(0), QStringLiteral("Project elmentve."));
        QVERIFY(form_->Scene.Saved);
        QCOMPARE(form_->windowHandle()->title(), QStringLiteral("Untitled.VKP - Velkon Editor v1.97"));
    }

    void packButtonReadsTheFrameBackAndWritesThePack() {
        Make({DemoPath});
        QTRY_COMPARE(form_->windowHandle()->title(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
        const QString pack = dir_.filePath(QStringLiteral("out/demo.VKM"));
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("out"))));
        dialogs_.FileAnswers.push_back(pack);
        dialogs_.DefaultYesNo = true;
        QTest::mouseClick(form_->ToolBar->PackSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Canvas->ScreenshotPicture.size(), QSize(1024, 768));
        // The read-back has the example's colours: sky blue at the top, grass green below.
        const QRgb sky = form_->Canvas->ScreenshotPicture.pixel(20, 20),
                   grass = form_->Canvas->ScreenshotPicture.pixel(20, 740);
        QVERIFY2(qBlue(sky) > qRed(sky) + 60, qPrintable(Describe(sky)));
        QVERIFY2(qGreen(grass) > qRed(grass) + 40 && qGreen(grass) > qBlue(grass) + 40,
                 qPrintable(Describe(grass)));
        QVERIFY(QFile::exists(pack));
        QVERIFY(ReadAll(pack).startsWith("VKP1.3"));
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("out/boing.wav"))));
        // The pack's name is proposed with the pack's own extension.
        QCOMPARE(dialogs_.FileChoices.at(0).InitialName, QStringLiteral("demo.VKM"));
        QCOMPARE(dialogs_.FileChoices.at(0).Filter, QStringLiteral("*.VKM"));
        // The log and the status line say where the pack went and where the project now lives.
        const QString project = dir_.filePath(QStringLiteral("out/demo.VKP"));
        QCOMPARE(form_->ErrorLog.Lines().value(0),
                 QStringLiteral("Csomag elkészült: ") + pack +
                     QStringLiteral(" | a projekt új helye (ide ment a Ctrl+S): ") + project);
        QCOMPARE(form_->Status->ProjectLabel->text(), project);
    }

    void closingWritesTheExitSave() {
        Make();
        AddLayer(QStringLiteral("ball"), {"1", "2", "1"});
        form_->Scene.Saved = true;
        QVERIFY(form_->close());
        const QString exitSave = dir_.filePath(QStringLiteral("Kilepesi.VKP"));
        QVERIFY(QFile::exists(exitSave));
        QVERIFY(ReadAll(exitSave).contains("Name=ball"));
    }

    void panelLayoutRoundTripsThroughItsIniFile() {
        Make();
        form_->ImagesForm->SetFloatingAt(true, QRect(100, 120, 300, 400));
        form_->ErrorForm->SetFloatingAt(true, QRect(700, 500, 386, 211));
        QTRY_COMPARE(form_->ImagesForm->geometry(), QRect(100, 120, 300, 400));
        const TLayoutSettings saved = form_->Layout->CurrentLayout();
        form_->Layout->SavePanelLayout();
        const QByteArray ini = ReadAll(dir_.filePath(QStringLiteral("VelkonEditorForms.ini")));
        QVERIFY(ini.startsWith("[Froms]\r\n"));
        QVERIFY(ini.contains("ImagesForm.Float=1\r\n"));
        QVERIFY(ini.contains("KeyFrameForm.Float=0\r\n"));

        form_->Layout->ResetPanelLayout();
        QVERIFY(!form_->ImagesForm->isFloating());
        QVERIFY(!form_->ErrorForm->isFloating());

        form_->Layout->LoadPanelLayout();
        QVERIFY(form_->ImagesForm->isFloating());
        QVERIFY(form_->ErrorForm->isFloating());
        QTRY_COMPARE(form_->ImagesForm->geometry(), QRect(100, 120, 300, 400));
        QTRY_COMPARE(form_->ErrorForm->geometry(), QRect(700, 500, 386, 211));
        QCOMPARE(form_->Layout->CurrentLayout().FormsEntries(), saved.FormsEntries());

        // An empty file docks every panel again.
        QFile::remove(dir_.filePath(QStringLiteral("VelkonEditorForms.ini")));
        form_->Layout->LoadPanelLayout();
        QVERIFY(!form_->ImagesForm->isFloating());
        QVERIFY(!form_->ErrorForm->isFloating());
    }

    void dockWidthAndForeignLinesSurviveTheFormsFile() {
        Make();
        const QString path = dir_.filePath(QStringLiteral("VelkonEditorForms.ini"));
        for (int width : {300, 450, 500, 700}) {
            const QByteArray head = "; saj\xe1t elrendez\xe9s\r\n[Froms]\r\nDockSite.Width=";
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(head + QByteArray::number(width) + "\r\nSaj\xe1tKulcs=1\r\n");
            file.close();
            form_->Layout->LoadPanelLayout();
            QTRY_COMPARE(form_->Layout->CurrentLayout().DockSiteWidth, width);
            form_->Layout->SavePanelLayout();
            const QByteArray saved = ReadAll(path);
            QVERIFY2(saved.startsWith(head + QByteArray::number(width) +
                                      "\r\nSaj\xe1tKulcs=1\r\nImagesForm.Float=0\r\n"),
                     saved.constData());
        }
        QFile::remove(path);
    }

    void screenLayoutIsWrittenWithComponentKeys() {
        Make();
        form_->Layout->SaveScreenLayout();
        const QByteArray ini = ReadAll(dir_.filePath(QStringLiteral("VelkonEditor.ini")));
        QVERIFY(ini.startsWith("[Screen]\r\n"));
        QVERIFY(ini.contains("OGLRenderPanel.Width=1024\r\n"));
        QVERIFY(ini.contains("ScrollBox1.Left="));
        form_->Layout->LoadScreenLayout(); // reading it back changes nothing visible
        QCOMPARE(form_->Canvas->OGLRenderPanel->pos(), QPoint(0, 0));
    }

private:
    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

VELKON_UI_TEST_MAIN(PlaybackTest)
#include "playback.moc"
