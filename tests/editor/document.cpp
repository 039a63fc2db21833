// The document on its own, with no window and no panel: the project commands
// and their guards, keyframe editing ended or kept out of the files, and the
// notices the panels refresh on.

#include "uitest.h"

#include "edit/undobuffer.h"
#include "editor/editordocument.h"
#include "editor/playdriver.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/imagesitem.h"
#include "model/scripteddialogs.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"

#include <QFile>
#include <QSignalSpy>

using namespace velkon;
using namespace velkon::uitest;

class DocumentTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    TScriptedDialogs dialogs_;
    std::unique_ptr<TEditorDocument> doc_;

    // A saved project "kf.VKP" in the test folder with one red layer at (100, 50).
    TImagesItem* SavedProjectWithALayer() {
        TImagesItem* layer =
            test::AddLayer(doc_->Scene, dir_.path(), test::TLayerSpec().Named("ball").At(100, 50).Sized(80, 40));
        doc_->Scene.ProjectDir = dir_.path();
        doc_->Scene.ProjectFileName = QStringLiteral("kf.VKP");
        return layer;
    }
    // Keyframe editing of the layer with one keyframe stored and shown at x = 130.
    void EditingAPoseAt130(TImagesItem* layer) {
        doc_->SelectSingleLayer(layer);
        QVERIFY(doc_->SetKeyframeEditing(true));
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("keyframe.storeAndCopy"))); // stores the start pose and copies it
        QVERIFY(doc_->State.KeyFrameIndex >= 0);
        layer->Left = 130;
        doc_->State.KeyframePoseClean = false; // as a drag on the canvas leaves it
    }
    QByteArray Written(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        dialogs_ = TScriptedDialogs();
        doc_ = std::make_unique<TEditorDocument>();
        doc_->Port = &dialogs_;
        doc_->Places = TSettingsPlaces::In(dir_.path());
    }
    void cleanup() { doc_.reset(); }

    void newAsksAboutAnUnsavedProjectAndKeepsItOnNo() {
        SavedProjectWithALayer();
        doc_->Scene.Saved = false;
        doc_->Scene.Lock = true;
        doc_->Scene.Lines = {QStringLiteral("V512=512")};
        doc_->Scene.Groups = {QStringLiteral("Csapat")};
        doc_->Scene.BackgroundColor = 0x123456;
        doc_->State.Undo.Record(TUndoBuffer::kindProperty); // something to undo
        QVERIFY(doc_->State.Undo.UndoEnabled());
        QSignalSpy replaced(doc_.get(), &TEditorDocument::ProjectReplaced);

        dialogs_.YesNoAnswers.push_back(false);
        QVERIFY(!doc_->NewProject());
        QCOMPARE(dialogs_.Asked.size(), 1);
        QCOMPARE(doc_->Scene.Layers.Count(), 1);
        QCOMPARE(doc_->Scene.ProjectFileName, QStringLiteral("kf.VKP"));
        QCOMPARE(replaced.count(), 0);

        dialogs_.YesNoAnswers.push_back(true);
        QVERIFY(doc_->NewProject());
        const TScene& s = doc_->Scene;
        QCOMPARE(s.Layers.Count(), 0);
        QCOMPARE(s.Files.Count(), 0);
        QCOMPARE(s.ProjectFileName, QStringLiteral("Untitled.VKP"));
        QVERIFY(s.ProjectDir.isEmpty());
        QCOMPARE(s.BackgroundColor, 0xFFFFFFu);
        QVERIFY(!s.Lock);
        QVERIFY(s.Lines.isEmpty());
        QVERIFY(s.Groups.isEmpty());
        QVERIFY(!s.Saved);
        QCOMPARE(s.SelectedCount, 0);
        QVERIFY(!s.CurrentLayer);
        QVERIFY(!doc_->State.Undo.UndoEnabled());
        QCOMPARE(replaced.count(), 1);
    }

    void saveWhileKeyframeEditingWritesTheStartStateWithNoPanel() {
        TImagesItem* layer = SavedProjectWithALayer();
        EditingAPoseAt130(layer);
        QVERIFY(doc_->SaveProject(false));
        const QByteArray saved = Written(dir_.filePath(QStringLiteral("kf.VKP")));
        QVERIFY2(saved.contains("Left=100\r\n"), saved.left(600).constData());
        QVERIFY(!saved.contains("Left=130\r\n"));
        QVERIFY2(saved.contains("x=130y=50w=80h=40a=0f=255"), saved.constData()); // the pose went into its keyframe first
        // The edit goes on, showing its pose.
        QVERIFY(doc_->State.KeyframeMode);
        QCOMPARE(layer->Left, 130.0);
    }

    void newWhileKeyframeEditingStoresThePoseAndEndsTheEdit() {
        TImagesItem* layer = SavedProjectWithALayer();
        EditingAPoseAt130(layer);
        QSignalSpy keyframes(doc_.get(), &TEditorDocument::KeyframesChanged);
        dialogs_.YesNoAnswers.push_back(true);
        doc_->Scene.Saved = false;
        QVERIFY(doc_->NewProject());
        QVERIFY(!doc_->State.KeyframeMode);
        QCOMPARE(doc_->State.KeyFrameIndex, -1);
        QVERIFY(keyframes.count() >= 1); // the keyframe panel re-reads the ended edit
        QVERIFY(doc_->Log.Lines().contains(QStringLiteral("Kulcskockás szerkesztés befejezése")));
    }

    void openEndsTheEditClearsTheRingAndLeavesNoCurrentLayer() {
        TImagesItem* layer = SavedProjectWithALayer();
        const QString path = dir_.filePath(QStringLiteral("kf.VKP"));
        QVERIFY(doc_->SaveProject(false));
        EditingAPoseAt130(layer);
        QVERIFY(doc_->State.Undo.UndoEnabled());
        dialogs_.YesNoAnswers.push_back(true); // the edit left the project unsaved
        dialogs_.FileAnswers.push_back(path);
        QSignalSpy replaced(doc_.get(), &TEditorDocument::ProjectReplaced);
        QVERIFY(doc_->OpenProject());
        QVERIFY(!doc_->State.KeyframeMode);
        QCOMPARE(doc_->Scene.Layers.Count(), 1);
        QCOMPARE(doc_->Scene.Layers.At(0)->Left, 100.0);
        QCOMPARE(doc_->Scene.SelectedCount, 0);
        QVERIFY(!doc_->Scene.CurrentLayer);
        QVERIFY(!doc_->State.Undo.UndoEnabled());
        QCOMPARE(replaced.count(), 1);
        // A cancelled open changes nothing and tells nobody.
        dialogs_.FileAnswers.push_back(std::nullopt);
        QVERIFY(!doc_->OpenProject());
        QCOMPARE(replaced.count(), 1);
    }

    void closeGuardAsksOnlyForAnUnsavedProjectAndTheExitSaveHasTheStartState() {
        TImagesItem* layer = SavedProjectWithALayer();
        doc_->Scene.Saved = true;
        QVERIFY(doc_->MayClose());
        QVERIFY(dialogs_.Asked.isEmpty());

        EditingAPoseAt130(layer);
        doc_->Scene.Saved = false;
        dialogs_.YesNoAnswers = {false, true};
        QVERIFY(!doc_->MayClose());
        QVERIFY(dialogs_.Asked.last().contains(QStringLiteral("Biztos kilép?")));
        QVERIFY(doc_->MayClose());

        doc_->EndKeyframeEditing();
        doc_->ExitSave();
        const QByteArray exit = Written(doc_->Places.ExitSaveFile());
        QVERIFY2(exit.contains("Left=100\r\n"), exit.left(600).constData());
        QVERIFY(exit.contains("x=130y=50w=80h=40a=0f=255"));
        QVERIFY(!doc_->State.KeyframeMode);
    }

    void packWhileEditingEndsTheEditAndReadsTheFrameBack() {
        TImagesItem* layer = SavedProjectWithALayer();
        EditingAPoseAt130(layer);
        const QString packDir = dir_.filePath(QStringLiteral("csomag"));
        QVERIFY(QDir().mkpath(packDir));
        dialogs_.FileAnswers.push_back(QDir(packDir).filePath(QStringLiteral("kf.VKM")));
        int frames = 0;
        const QString pack = doc_->PackProject([&] {
            ++frames;
            QVERIFY(!doc_->State.KeyframeMode); // the frame shows the start state
        });
        QVERIFY(!pack.isEmpty());
        QVERIFY(QFile::exists(pack));
        QCOMPARE(frames, 1);
        QCOMPARE(layer->Left, 100.0);
        QCOMPARE(doc_->Scene.ProjectDir, packDir); // the project now lives beside the pack
    }

    void keyframeCommandsWorkWithoutItsPanel() {
        TImagesItem* layer = SavedProjectWithALayer();
        // Alt+G and Alt+L switch group edit and link; F6 selects Touch1 while not editing.
        const bool group = doc_->State.SkeltonDown, link = doc_->State.LinkDown;
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("keyframe.groupEdit")));
        QCOMPARE(doc_->State.SkeltonDown, !group);
        QCOMPARE(doc_->State.GroupEditDown, !group);
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("keyframe.link")));
        QCOMPARE(doc_->State.LinkDown, !link);
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("keyframe.link")));
        QCOMPARE(doc_->State.LinkDown, link);
        doc_->SelectSingleLayer(layer);
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("animation.touch1")));
        QCOMPARE(doc_->State.AnimSelect, 1);
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("animation.base")));
        QCOMPARE(doc_->State.AnimSelect, 0);
        // Editing: Insert stores and copies, Page Down steps to the next column.
        QVERIFY(doc_->SetKeyframeEditing(true));
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("keyframe.storeAndCopy")));
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("keyframe.storeAndCopy")));
        QCOMPARE(layer->Base.Track[0].Count(), 2);
        const int column = doc_->State.KeyFrameCol;
        QVERIFY(doc_->Registry.Trigger(QStringLiteral("keyframe.previous")));
        QCOMPARE(doc_->State.KeyFrameCol, column - 1);
    }

    void playDriverRunsWhilePlayingAndAutoStopRestoresTheLayer() {
        TImagesItem* layer = SavedProjectWithALayer();
        layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("300"),
                                                                QStringLiteral("50"), QStringLiteral("1")));
        TPlayDriver driver(*doc_);
        int frames = 0;
        connect(&driver, &TPlayDriver::FrameDue, this, [&] { ++frames; });
        QVERIFY(!driver.Running());
        doc_->PlayStopToggle(false); // F1: full play
        QVERIFY(doc_->Scene.Playing);
        QVERIFY(driver.Running());
        QTRY_VERIFY(layer->Left > 100);
        // The track ends, the automatic stop puts the layer back and the loop ends by itself.
        QTRY_VERIFY_WITH_TIMEOUT(!driver.Running(), 5000);
        QVERIFY(!doc_->Scene.Playing);
        QCOMPARE(layer->Left, 100.0);
        QVERIFY(frames >= 1);
        QVERIFY(driver.PassesRun() > 3);
    }
};

VELKON_UI_TEST_MAIN(DocumentTest)
#include "document.moc"
