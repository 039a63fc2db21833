// The main window: keys, play/stop, helper lines, layout, caption on the
// example project.

#include "uitest.h"

#include "edit/resolutions.h"
#include "edit/undobuffer.h"
#include "editor/errorform.h"
#include "model/filesitem.h"
#include "model/scripteddialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class MainFormTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TMainForm> form_;
    TScriptedDialogs dialogs_;
    QTemporaryDir dir_;

    TImagesItem* AddLayer(const QString& name) {
        const QString path = dir_.filePath(name + QStringLiteral(".png"));
        WriteColourPng(path, 32, 32, Qt::red);
        return form_->Scene.AddLayer(form_->Scene.AddFile(TFilesItem::Create(path)));
    }

private slots:
    void init() {
        dialogs_ = TScriptedDialogs();
        form_ = std::make_unique<TMainForm>();
        form_->Dialogs = &dialogs_;
        form_->ProgramDir = dir_.path();
        form_->SettingsDir = dir_.path();
        QVERIFY(ShowReady(*form_));
    }
    void cleanup() {
        form_->Scene.Saved = true;
        form_.reset();
    }

    void startsUntitledWithToolBarDefaults() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Untitled.VKP - Velkon Editor v1.97"));
        QCOMPARE(form_->ResComboBox->count(), ResolutionCount);
        QCOMPARE(form_->ResComboBox->currentIndex(), 1);
        QCOMPARE(form_->OGLRenderPanel->size(), QSize(1024, 768));
        QVERIFY(form_->AutoStopSpeedButton->isChecked());
        QCOMPARE(form_->AutoStopSpeedButton->toolTip(), QStringLiteral("Automatikus leállás"));
        QVERIFY(!form_->CommandPreviewSpeedButton->isChecked());
        QCOMPARE(form_->TrackBar2->value(), 5);
        QCOMPARE(form_->SpinEdit1->value(), 1);
        QCOMPARE(form_->SpinEdit2->maximum(), 100);
        QCOMPARE(form_->TrackBar1->value(), 1);
        QVERIFY(!form_->UndoSpeedButton->isEnabled());
        QVERIFY(form_->StartPageSpeedButton->isEnabled());
        QVERIFY(!form_->StopPageSpeedButton3->isEnabled());
        QCOMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("Hiba napló"));
        QCOMPARE(form_->ImagesForm->windowTitle(), QStringLiteral("Rétegek"));
        QCOMPARE(form_->PropertyForm->windowTitle(), QStringLiteral("Tulajdonságok"));
        QCOMPARE(form_->AnimForm->windowTitle(), QStringLiteral("Animációs parancsok"));
        QCOMPARE(form_->KeyFrameForm->windowTitle(), QStringLiteral("Kulcskockás animáció"));
        QCOMPARE(form_->Scene.SelectColor, 0xFFFFFFu);
    }

    void resolutionChoiceSizesTheCanvas() {
        form_->ResComboBox->setCurrentIndex(5);
        emit form_->ResComboBox->activated(5);
        QCOMPARE(form_->Scene.Resolution, 5);
        QCOMPARE(form_->OGLRenderPanel->size(), QSize(1536, 2048));
        QCOMPARE(form_->Panel5->size(), QSize(3072, 4096));
        QCOMPARE(form_->ReadFrame().size(), QSize(1536, 2048));
    }

    void speedSliderSetsTimeScale() {
        form_->TrackBar1->setValue(7);
        QCOMPARE(form_->Scene.TimeScale, 7);
    }

    void altVTwiceAddsAndRemovesTheSameHelperLine() {
        form_->State.Zoom = 1.0;
        MoveOnCanvas(*form_, QPoint(300, 120));
        QTest::keyClick(form_->OGLRenderPanel, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(form_->Scene.Lines, QStringList{QStringLiteral("V120=120")});
        QTest::keyClick(form_->OGLRenderPanel, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(form_->Scene.Lines, (QStringList{QStringLiteral("V120=120"), QStringLiteral("F300=300")}));
        QTest::keyClick(form_->OGLRenderPanel, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(form_->Scene.Lines, QStringList{QStringLiteral("F300=300")});
        // Alt+Shift+V is not exactly Alt.
        QTest::keyClick(form_->OGLRenderPanel, Qt::Key_V, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(form_->Scene.Lines, QStringList{QStringLiteral("F300=300")});
    }

    void helperLinesFollowZoomAndOffset() {
        form_->State.Zoom = 2.0;
        form_->State.FrameOffsetX = 10;
        form_->State.FrameOffsetY = 20;
        form_->ApplyResolution();
        MoveOnCanvas(*form_, QPoint(211, 121));
        QTest::keyClick(form_->OGLRenderPanel, Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(form_->OGLRenderPanel, Qt::Key_V, Qt::AltModifier);
        // (211 - 10) / 2 = 100.5 -> 100 and (121 - 20) / 2 = 50.5 -> 50: halves to even.
        QCOMPARE(form_->Scene.Lines, (QStringList{QStringLiteral("F100=100"), QStringLiteral("V50=50")}));
    }

    void f1OnAnEmptySceneDoesNotStart() {
        QTest::keyClick(form_->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        QVERIFY(form_->StartPageSpeedButton->isEnabled());
        QVERIFY(!form_->IdleLoopRunning());
    }

    void newProjectAsksWhenUnsavedAndNoKeepsEverything() {
        AddLayer(QStringLiteral("ball"));
        form_->Scene.Saved = false;
        dialogs_.YesNoAnswers = {false};
        QTest::mouseClick(form_->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(
            dialogs_.Asked.value(0),
            QStringLiteral("yesno:Új projekt|A jelenlegi projekt nincs mentve! Biztos új projektet kezd?"));
        QCOMPARE(form_->Scene.Layers.Count(), 1);
        dialogs_.YesNoAnswers = {true};
        QTest::mouseClick(form_->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        QCOMPARE(form_->Scene.Files.Count(), 0);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Untitled.VKP - Velkon Editor v1.97"));
        QVERIFY(!form_->Scene.Saved);
    }

    void undoButtonRestoresTheStepAndShowsItInTheLog() {
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        form_->State.Undo.Record(1);
        layer->Left = 99;
        form_->UpdateEnabledState();
        QVERIFY(form_->UndoSpeedButton->isEnabled());
        QTest::mouseClick(form_->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.At(0)->Left, 0.0);
        QVERIFY(!form_->ErrorForm->UndoEdit->text().isEmpty());
        QCOMPARE(form_->ErrorForm->UndoEdit->text(), form_->ErrorLog.UndoName);
        QCOMPARE(form_->ErrorForm->UndoLabel->text(), QString::number(form_->ErrorLog.UndoSlot));
        // A new project clears the ring and says so on top of the log.
        form_->Scene.Saved = true;
        QTest::mouseClick(form_->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->ErrorLog.Lines().value(0), QStringLiteral("UNDO PUFFER TÖRÖLVE!"));
        QVERIFY(!form_->UndoSpeedButton->isEnabled());
    }

    void closeAsksWhenUnsavedAndNoKeepsTheWindow() {
        form_->Scene.Saved = false;
        dialogs_.YesNoAnswers = {false};
        QVERIFY(!form_->close());
        QCOMPARE(dialogs_.Asked.value(0),
                 QStringLiteral("yesno:Kilépés|A jelenlegi projekt nincs mentve! Biztos kilép?"));
        QVERIFY(form_->isVisible());
        dialogs_.YesNoAnswers = {true};
        QVERIFY(form_->close());
    }

    void closeWithSecondArgumentNAsksNothing() {
        TMainForm form({QStringLiteral("missing.VKP"), QStringLiteral("n")});
        form.Dialogs = &dialogs_;
        form.ProgramDir = dir_.path();
        form.SettingsDir = dir_.path();
        form.Scene.Saved = false;
        QVERIFY(form.close());
        QVERIFY(dialogs_.Asked.isEmpty());
    }

    void screenshotDoesNothingForUntitled() {
        QTest::mouseClick(form_->PhotoSpeedButton, Qt::LeftButton);
        QVERIFY(dialogs_.Asked.isEmpty());
    }

    void screenshotSavesTheFrameUnderTheProjectName() {
        TImagesItem* layer = AddLayer(QStringLiteral("shot"));
        layer->Left = 10;
        layer->Selected = true;
        form_->Scene.SelectedCount = 1;
        form_->Scene.ProjectFileName = QStringLiteral("scene.VKP");
        form_->Scene.ProjectDir = dir_.path();
        dialogs_.TextAnswers.push_back(QStringLiteral("shot.png"));
        QTest::mouseClick(form_->PhotoSpeedButton, Qt::LeftButton);
        QCOMPARE(dialogs_.Asked.value(0),
                 QStringLiteral("input:Képernyő mentés|Mi legyen a neve?|sceneT.png"));
        QVERIFY(!layer->Selected); // nothing selected, so no marks in the picture
        const QImage shot(dir_.filePath(QStringLiteral("shot.png")));
        QCOMPARE(shot.size(), QSize(1024, 768));
        QVERIFY(Near(shot.pixel(20, 10), QColor(255, 0, 0)));
        QVERIFY(Near(shot.pixel(5, 10), QColor(222, 222, 222)));
        QCOMPARE(form_->ErrorLog.Count(), 0);
    }

    void clickBesideTheCanvasSelectsNoLayer() {
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        form_->SelectSingleLayer(layer);
        QCOMPARE(form_->Scene.SelectedCount, 1);
        QTest::mouseClick(form_->Panel5, Qt::LeftButton, {}, QPoint(100, 780)); // just below the canvas
        QCOMPARE(form_->Scene.SelectedCount, 0);
        QVERIFY(!layer->Selected);
        QCOMPARE(form_->Scene.CurrentLayer, nullptr);
    }

    void contextMenuHasTheSixLayoutItems() {
        QStringList texts;
        for (QAction* a : form_->EditorPopupMenu->actions())
            texts << a->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("Elválasztók helyzetének mentése"),
                                     QStringLiteral("Képernyő alapállapotba"),
                                     QStringLiteral("Lebegő panelek elmentése"),
                                     QStringLiteral("Lebegő panelek betöltése"),
                                     QStringLiteral("Lebegő panelek alaphelyzetbe"),
                                     QStringLiteral("Segédvonalak törlése")}));
        form_->Scene.Lines = QStringList{QStringLiteral("V1=1")};
        form_->EditorPopupMenu->actions().last()->trigger();
        QVERIFY(form_->Scene.Lines.isEmpty());
        form_->State.Zoom = 2.0;
        form_->State.FrameOffsetX = 5;
        form_->EditorPopupMenu->actions()[1]->trigger();
        QCOMPARE(form_->State.Zoom, 1.0);
        QCOMPARE(form_->State.FrameOffsetX, 0);
    }
};

VELKON_UI_TEST_MAIN(MainFormTest)
#include "mainform.moc"
