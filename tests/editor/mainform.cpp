// The main window: keys, play/stop, helper lines, layout, caption on the
// example project.

#include "uitest.h"
#include "model/commanddesc.h"

#include "edit/resolutions.h"
#include "edit/undobuffer.h"
#include "model/velkonerror.h"
#include "editor/errorform.h"
#include "model/filesitem.h"
#include "model/scripteddialogs.h"
#include "project/projectcommands.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>

#include "model/commanditem.h"

using namespace velkon;
using namespace velkon::uitest;

class MainFormTest : public TMainWindowTest {
    Q_OBJECT

    TImagesItem* AddLayer(const QString& name) { return TMainWindowTest::AddLayer(test::TLayerSpec().Named(name)); }

private slots:
    void init() { QVERIFY(StartWindow()); }
    void cleanup() { StopWindow(); }

    // The caption as the window system shows it (Qt puts the modified mark in "[*]").
    QString Caption() const { return form_->windowHandle()->title(); }

    void startsUntitledWithToolBarDefaults() {
        QCOMPARE(Caption(), QStringLiteral("Untitled.VKP - Velkon Editor v1.97"));
        QCOMPARE(form_->ToolBar->ResComboBox->count(), ResolutionCount);
        QCOMPARE(form_->ToolBar->ResComboBox->currentIndex(), 1);
        QCOMPARE(form_->Canvas->OGLRenderPanel->size(), QSize(1024, 768));
        QVERIFY(form_->ToolBar->AutoStopSpeedButton->isChecked());
        QVERIFY(!form_->ToolBar->CommandPreviewSpeedButton->isChecked());
        QCOMPARE(form_->ToolBar->TrackBar2->value(), 5);
        QCOMPARE(form_->ToolBar->SpinEdit1->value(), 1);
        QCOMPARE(form_->ToolBar->SpinEdit2->maximum(), 100);
        QCOMPARE(form_->ToolBar->TrackBar1->value(), 1);
        QVERIFY(!form_->ToolBar->UndoSpeedButton->isEnabled());
        QVERIFY(form_->ToolBar->StartPageSpeedButton->isEnabled());
        QVERIFY(!form_->ToolBar->StopPageSpeedButton3->isEnabled());
        QCOMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("Hiba napló"));
        QCOMPARE(form_->ImagesForm->windowTitle(), QStringLiteral("Rétegek"));
        QCOMPARE(form_->PropertyForm->windowTitle(), QStringLiteral("Tulajdonságok"));
        QCOMPARE(form_->AnimForm->windowTitle(), QStringLiteral("Animációs parancsok"));
        QCOMPARE(form_->KeyFrameForm->windowTitle(), QStringLiteral("Kulcskockás animáció"));
        QCOMPARE(form_->Scene.SelectColor, 0xFFFFFFu);
    }

    void resolutionChoiceSizesTheCanvas() {
        form_->ToolBar->ResComboBox->setCurrentIndex(5);
        emit form_->ToolBar->ResComboBox->activated(5);
        QCOMPARE(form_->Scene.Resolution, 5);
        QCOMPARE(form_->Canvas->OGLRenderPanel->size(), QSize(1536, 2048));
        QCOMPARE(form_->Canvas->Panel5->size(), QSize(3072, 4096));
        QCOMPARE(form_->Canvas->ReadFrame().size(), QSize(1536, 2048));
    }

    // Both colour buttons ask through the dialogs port; a cancelled dialog changes nothing.
    void colourButtonsSetTheSceneColoursAndCancelKeepsThem() {
        struct TCase {
            QToolButton* Button;
            uint32_t* Colour;
            QString Caption;
        } cases[] = {
            {form_->ToolBar->BackGroundSpeedButton, &form_->Scene.BackgroundColor, QStringLiteral("Háttérszín")},
            {form_->ToolBar->SelectedColorSpeedButton, &form_->Scene.SelectColor, QStringLiteral("Kijelölés színe")},
        };
        for (const TCase& c : cases) {
            dialogs_.Asked.clear();
            dialogs_.ColourAnswers = {0x0000FFu, std::nullopt};
            c.Button->click();
            QCOMPARE(*c.Colour, 0x0000FFu);
            QCOMPARE(dialogs_.Asked, QStringList{QStringLiteral("colour:") + c.Caption});
            c.Button->click(); // cancelled
            QCOMPARE(*c.Colour, 0x0000FFu);
        }
        // With "Törlés" the background fills the frame: red is 0x0000FF in the scene's BGR order.
        form_->ToolBar->ClearCheckBox->setChecked(true);
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(5, 5), QColor(255, 0, 0)), qPrintable(Describe(frame.pixel(5, 5))));
    }

    // Every panel, docked or floating, stays when asked to close.
    void everyPanelRefusesToClose() {
        for (QDockWidget* panel : std::initializer_list<QDockWidget*>{
                 form_->ErrorForm, form_->PropertyForm, form_->AnimForm, form_->KeyFrameForm, form_->ImagesForm}) {
            panel->setFloating(true);
            panel->show();
            QVERIFY2(!panel->close(), qPrintable(panel->objectName()));
            QVERIFY2(panel->isVisible(), qPrintable(panel->objectName()));
            panel->setFloating(false);
        }
    }

    void speedSliderSetsTimeScale() {
        form_->ToolBar->TrackBar1->setValue(7);
        QCOMPARE(form_->Scene.TimeScale, 7);
    }

    void altVTwiceAddsAndRemovesTheSameHelperLine() {
        form_->State.Zoom = 1.0;
        MoveOnCanvas(*form_, QPoint(300, 120));
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(form_->Scene.Lines, QStringList{QStringLiteral("V120=120")});
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(form_->Scene.Lines, (QStringList{QStringLiteral("V120=120"), QStringLiteral("F300=300")}));
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(form_->Scene.Lines, QStringList{QStringLiteral("F300=300")});
        // Alt+Shift+V is not exactly Alt.
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_V, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(form_->Scene.Lines, QStringList{QStringLiteral("F300=300")});
    }

    void helperLinesFollowZoomAndOffset() {
        form_->State.Zoom = 2.0;
        form_->State.FrameOffsetX = 10;
        form_->State.FrameOffsetY = 20;
        form_->Canvas->ApplyResolution();
        MoveOnCanvas(*form_, QPoint(211, 121));
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_V, Qt::AltModifier);
        // (211 - 10) / 2 = 100.5 -> 100 and (121 - 20) / 2 = 50.5 -> 50: halves to even.
        QCOMPARE(form_->Scene.Lines, (QStringList{QStringLiteral("F100=100"), QStringLiteral("V50=50")}));
    }

    void f1OnAnEmptySceneDoesNotStart() {
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        QVERIFY(form_->ToolBar->StartPageSpeedButton->isEnabled());
        QVERIFY(!form_->PlayDriver->Running());
    }

    void newProjectAsksWhenUnsavedAndNoKeepsEverything() {
        AddLayer(QStringLiteral("ball"));
        form_->Scene.Saved = false;
        dialogs_.YesNoAnswers = {false};
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(
            dialogs_.Asked.value(0),
            QStringLiteral("yesno:Új projekt|A jelenlegi projekt nincs mentve! Biztos új projektet kezd?"));
        QCOMPARE(form_->Scene.Layers.Count(), 1);
        dialogs_.YesNoAnswers = {true};
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        QCOMPARE(form_->Scene.Files.Count(), 0);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Untitled.VKP[*] - Velkon Editor v1.97"));
        QVERIFY(!form_->Scene.Saved);
        QTRY_COMPARE(Caption(), QStringLiteral("Untitled.VKP* - Velkon Editor v1.97"));
    }

    // The Open button's arrow lists the projects saved or opened last; one of
    // them opens through Open's question, and a file that is gone leaves the
    // list with a log line.
    void recentProjectsMenuOpensAndForgetsMissingFiles() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString first = dir.filePath(QStringLiteral("first.VKP"));
        const QString second = dir.filePath(QStringLiteral("second.VKP"));
        AddLayer(QStringLiteral("ball"));
        dialogs_.FileAnswers = {first};
        QTest::mouseClick(form_->ToolBar->SaveSpeedButton, Qt::LeftButton);
        QVERIFY(QFile::exists(first));
        dialogs_.FileAnswers = {second};
        dialogs_.YesNoAnswers = {true}; // saved under another name than the project's
        QTest::mouseClick(form_->ToolBar->SaveSpeedButton, Qt::LeftButton);
        QVERIFY(QFile::exists(second));

        QMenu* menu = form_->findChild<QMenu*>(QStringLiteral("RecentMenu"));
        QVERIFY(menu);
        QCOMPARE(form_->ToolBar->OpenSpeedButton->menu(), menu);
        const auto items = [menu] {
            emit menu->aboutToShow();
            QStringList texts;
            for (QAction* a : menu->actions())
                if (!a->isSeparator()) texts << a->text() + QLatin1Char('|') + a->toolTip();
            return texts;
        };
        QCOMPARE(items(),
                 (QStringList{QStringLiteral("second.VKP|") + second, QStringLiteral("first.VKP|") + first}));

        // New leaves an unsaved project: opening from the list asks first.
        dialogs_.YesNoAnswers = {true, true};
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        items();
        menu->actions().at(2)->trigger(); // first.VKP, under the section title
        QCOMPARE(dialogs_.Asked.last(),
                 QStringLiteral("yesno:Betöltés|A projekt nincs elmentve, biztos betölt egy másikat?"));
        QCOMPARE(form_->Scene.ProjectFileName, QStringLiteral("first.VKP"));
        QCOMPARE(form_->Scene.Layers.Count(), 1);
        QCOMPARE(items().value(0), QStringLiteral("first.VKP|") + first);

        QVERIFY(QFile::remove(second));
        items();
        menu->actions().at(2)->trigger(); // second.VKP, gone
        QCOMPARE(form_->Scene.ProjectFileName, QStringLiteral("first.VKP"));
        QVERIFY(form_->ErrorLog.Lines().contains(
            QStringLiteral("A projekt nem található, kikerült a legutóbbiak közül: ") + second));
        QCOMPARE(items(), QStringList{QStringLiteral("first.VKP|") + first});
    }

    // While the project holds unsaved changes the caption carries the
    // modified mark; a save takes it away, under the new name.
    void captionMarksUnsavedChangesUntilTheSave() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QTRY_COMPARE(Caption(), QStringLiteral("Untitled.VKP - Velkon Editor v1.97"));
        QVERIFY(!form_->isWindowModified());
        AddLayer(QStringLiteral("ball"));
        form_->Scene.Saved = false; // as every edit leaves it
        QTRY_COMPARE(Caption(), QStringLiteral("Untitled.VKP* - Velkon Editor v1.97"));
        QVERIFY(form_->isWindowModified());
        dialogs_.FileAnswers.push_back(dir.filePath(QStringLiteral("mark.VKP")));
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(form_->Scene.Saved);
        QTRY_COMPARE(Caption(), QStringLiteral("mark.VKP - Velkon Editor v1.97"));
        QVERIFY(!form_->isWindowModified());
    }

    void undoButtonRestoresTheStepAndShowsItInTheLog() {
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        form_->State.Undo.Record(TUndoBuffer::kindMouseMove);
        layer->Left = 99;
        form_->Document.UpdateEnabledState();
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.At(0)->Left, 0.0);
        QVERIFY(!form_->ErrorForm->UndoEdit->text().isEmpty());
        QCOMPARE(form_->ErrorForm->UndoEdit->text(), form_->ErrorLog.UndoName);
        QCOMPARE(form_->ErrorForm->UndoLabel->text(), QString::number(form_->ErrorLog.UndoSlot));
        // A new project clears the ring and says so on top of the log.
        form_->Scene.Saved = true;
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->ErrorLog.Lines().value(0), QStringLiteral("UNDO PUFFER TÖRÖLVE!"));
        QVERIFY(!form_->ToolBar->UndoSpeedButton->isEnabled());
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
        form.Document.Places = TSettingsPlaces::In(dir_.path());
        form.Document.RecoveryFolder = dir_.path() + QStringLiteral("/recovery");
        form.Scene.Saved = false;
        QVERIFY(form.close());
        QVERIFY(dialogs_.Asked.isEmpty());
    }

    // The demo with a colour that is no colour in its third layer opens with
    // two of its eight layers; "Csomagol" into its own folder asks before the
    // pack's .VKP replaces demo.VKP: No writes nothing, Yes writes the part read.
    void packOfAPartlyReadProjectIntoItsFolderAsksFirst() {
        const QString demo = QStringLiteral(VELKON_SOURCE_DIR "/examples/demo");
        QDir(dir_.path()).mkdir(QStringLiteral("demo"));
        const QString folder = dir_.filePath(QStringLiteral("demo"));
        for (const QString& name : QDir(demo).entryList(QDir::Files))
            QVERIFY(QFile::copy(demo + QLatin1Char('/') + name, folder + QLatin1Char('/') + name));
        const QString project = folder + QStringLiteral("/demo.VKP");
        QFile file(project);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        const qsizetype third = text.indexOf("[Image3]");
        const qsizetype colour = text.indexOf("ItemColor=", third);
        QVERIFY(third > 0 && colour > third);
        text.replace(colour, 16, "ItemColor=ZZZZZZ");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();

        TVelkonApplication::Guard(form_.get(), [&] { form_->Document.OpenProject(project); });
        QCOMPARE(form_->Scene.Layers.Count(), 2);
        QVERIFY(!form_->Scene.Incomplete.isEmpty());

        for (const bool yes : {false, true}) {
            dialogs_ = TScriptedDialogs();
            dialogs_.FileAnswers.push_back(folder + QStringLiteral("/demo.VKM"));
            dialogs_.YesNoAnswers.push_back(yes);
            const QString question = QStringLiteral("yesno:Csomagolás|") + IncompleteOverwriteQuestion(form_->Scene);
            QTest::mouseClick(form_->ToolBar->PackSpeedButton, Qt::LeftButton);
            QVERIFY(dialogs_.Asked.contains(question));
            QFile now(project);
            QVERIFY(now.open(QIODevice::ReadOnly));
            if (yes) {
                QVERIFY(now.readAll() != text);
                QVERIFY(QFile::exists(folder + QStringLiteral("/demo.VKM")));
                QVERIFY(form_->Scene.Incomplete.isEmpty());
            } else {
                QCOMPARE(now.readAll(), text);
                QVERIFY(!QFile::exists(folder + QStringLiteral("/demo.VKM")));
                QVERIFY(form_->ErrorLog.Lines().join(QLatin1Char('\n')).contains(
                    QStringLiteral("A csomag nem készült el, semmi nem íródott ki")));
                QVERIFY(!form_->Scene.Incomplete.isEmpty());
            }
        }
    }

    void screenshotDoesNothingForUntitled() {
        QTest::mouseClick(form_->ToolBar->PhotoSpeedButton, Qt::LeftButton);
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
        QTest::mouseClick(form_->ToolBar->PhotoSpeedButton, Qt::LeftButton);
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
        form_->Document.SelectSingleLayer(layer);
        QCOMPARE(form_->Scene.SelectedCount, 1);
        QTest::mouseClick(form_->Canvas->Panel5, Qt::LeftButton, {}, QPoint(100, 780)); // just below the canvas
        QCOMPARE(form_->Scene.SelectedCount, 0);
        QVERIFY(!layer->Selected);
        QCOMPARE(form_->Scene.CurrentLayer, nullptr);
    }

    void keysTypedIntoATextFieldReachTheField() {
        // A field in the main window's own status line, and one on a docked panel.
        auto* inWindow = new QLineEdit;
        form_->statusBar()->addWidget(inWindow);
        auto* onPanel = new QLineEdit;
        form_->PropertyForm->setWidget(onPanel);
        form_->PropertyForm->raise();
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        form_->State.Undo.Record(TUndoBuffer::kindMouseMove);
        layer->Left = 99;
        form_->Document.UpdateEnabledState();
        form_->Scene.Saved = false;
        form_->activateWindow();
        for (QLineEdit* field : {inWindow, onPanel}) {
            // A field ignores what it has no use for (Ctrl+Z with nothing to
            // undo); passed on to its parents, such keys still are not the window's.
            field->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), field);
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(layer->Left, 99.0);
            QTest::keyClicks(field, QStringLiteral("sas"));
            QCOMPARE(field->text(), QStringLiteral("sas"));
            QVERIFY(!form_->ToolBar->SelectModeSpeedButton->isChecked());
            QTest::keyClick(field, Qt::Key_V, Qt::AltModifier);
            QTest::keyClick(field, Qt::Key_F, Qt::AltModifier);
            QVERIFY(form_->Scene.Lines.isEmpty());
            QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier); // the field's own undo
            QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(layer->Left, 99.0);
            QVERIFY(dialogs_.Asked.isEmpty());
        }
        // On the canvas the same keys are the window's.
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(layer->Left, 0.0);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_S);
        QVERIFY(form_->ToolBar->SelectModeSpeedButton->isChecked());
    }

    void saveAndUndoKeysReachTheWindowFromAPanelList() {
        auto* list = new QListWidget;
        list->addItems({QStringLiteral("a"), QStringLiteral("b")});
        form_->AnimForm->setWidget(list);
        form_->AnimForm->raise();
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        form_->State.Undo.Record(TUndoBuffer::kindMouseMove);
        layer->Left = 99;
        form_->Document.UpdateEnabledState();
        form_->activateWindow();
        list->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(layer->Left, 0.0);
        // Ctrl+S saves: the project was never saved, so the save dialog asks where.
        QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.FileChoices.size(), size_t(1));
    }

    void lockButtonDownKeepsLockedLayersUnpickableAndIsSaved() {
        QVERIFY(!form_->ToolBar->LockSpeedButton->isChecked());
        QVERIFY(!form_->Scene.Lock);
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        layer->Locked = true;
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        auto clickLayer = [&] {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10),
                              form_->Canvas->OGLRenderPanel->mapToGlobal(QPointF(10, 10)), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form_->Canvas->OGLRenderPanel, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10),
                                form_->Canvas->OGLRenderPanel->mapToGlobal(QPointF(10, 10)), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(form_->Canvas->OGLRenderPanel, &release);
        };
        clickLayer();
        QVERIFY(layer->Selected); // button up: locked layers can be picked
        form_->Document.SelectSingleLayer(nullptr);
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        QTest::mouseClick(form_->ToolBar->LockSpeedButton, Qt::LeftButton);
        QVERIFY(form_->Scene.Lock);
        clickLayer();
        QVERIFY(!layer->Selected);

        // Saved with the button down: Lock=1; read back, the button follows the file.
        const QString path = dir_.filePath(QStringLiteral("Untitled.VKP"));
        dialogs_.FileAnswers.push_back(path);
        QTest::mouseClick(form_->ToolBar->SaveSpeedButton, Qt::LeftButton);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Lock=1\r\n"));
        form_->ToolBar->LockSpeedButton->setChecked(false);
        form_->Document.OpenProject(path);
        QVERIFY(form_->ToolBar->LockSpeedButton->isChecked());
        QVERIFY(form_->Scene.Lock);
    }

    void halfReadProjectSaysSoAndCtrlSDoesNotWriteOverIt() {
        WriteColourPng(dir_.filePath(QStringLiteral("ball.png")), 32, 32, Qt::red);
        const QString path = dir_.filePath(QStringLiteral("half.VKP"));
        const QByteArray source = "[Files]\r\nName1=ball.png\r\n[Image1]\r\nName=A\r\nFileName=ball.png\r\n"
                                  "[Image2]\r\nName=B\r\nFileName=ball.png\r\nItemColor=zold\r\n"
                                  "[Image3]\r\nName=C\r\nFileName=ball.png\r\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(source);
        }
        QVERIFY_THROWS_EXCEPTION(EVelkonError, form_->Document.OpenProject(path));
        QCOMPARE(form_->Scene.Layers.Count(), 1);
        QTRY_COMPARE(Caption(), QStringLiteral("half.VKP* (hiányosan betöltve) - Velkon Editor v1.97"));
        // Ctrl+S asks where instead of writing back; cancelled, the source stays as it was.
        dialogs_.FileAnswers = {std::nullopt};
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.FileChoices.size(), size_t(1));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), source);
    }

    void cancelledOpenKeepsUndoSelectionAndCurrentLayer() {
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        form_->Document.SelectSingleLayer(layer);
        form_->State.Undo.Record(TUndoBuffer::kindMouseMove);
        layer->Left = 50;
        form_->Document.Undo();
        QCOMPARE(layer->Left, 0.0);
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        QVERIFY(form_->ToolBar->RedoSpeedButton->isEnabled());
        const QStringList lines = form_->ErrorLog.Lines();
        form_->Scene.Saved = false;
        // No to the question, then Yes and Cancel in the file dialog.
        dialogs_.YesNoAnswers = {false, true};
        dialogs_.FileAnswers = {std::nullopt};
        for (int attempt = 0; attempt < 2; ++attempt) {
            QTest::mouseClick(form_->ToolBar->OpenSpeedButton, Qt::LeftButton);
            QCOMPARE(form_->ErrorLog.Lines(), lines);
            QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
            QVERIFY(form_->ToolBar->RedoSpeedButton->isEnabled());
            QCOMPARE(form_->Scene.CurrentLayer, layer);
            QCOMPARE(form_->Scene.SelectedCount, 1);
            QVERIFY(layer->Selected);
        }
        QCOMPARE(dialogs_.Asked.size(), 3); // two questions and one file dialog
        form_->Document.Redo();
        QCOMPARE(layer->Left, 50.0);
    }

    void newProjectLeavesNoHelperLinesUndoNameOrFrameRate() {
        TImagesItem* layer = AddLayer(QStringLiteral("ball"));
        layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("10")));
        form_->Scene.Lines = QStringList{QStringLiteral("V120=120")};
        form_->State.Undo.Record(TUndoBuffer::kindMouseMove);
        layer->Left = 5;
        form_->Document.Undo();
        QVERIFY(!form_->ErrorForm->UndoEdit->text().isEmpty());

        // The frame rate shows while playing and goes when play stops.
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(form_->Scene.Playing);
        QTRY_VERIFY_WITH_TIMEOUT(form_->Status->FPSLabel->text() != QStringLiteral("FPS = 0"), 5000);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_F1);
        QVERIFY(!form_->Scene.Playing);
        QCOMPARE(form_->Status->FPSLabel->text(), QStringLiteral("FPS = 0"));
        for (int i = 0; i < 5; ++i)
            form_->Canvas->OGLRenderPanel->grabFramebuffer(); // idle redraws show no figure
        QCOMPARE(form_->Status->FPSLabel->text(), QStringLiteral("FPS = 0"));

        form_->Scene.Saved = true;
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QVERIFY(form_->Scene.Lines.isEmpty());
        QCOMPARE(form_->ErrorLog.Lines().value(0), QStringLiteral("UNDO PUFFER TÖRÖLVE!"));
        QCOMPARE(form_->ErrorForm->UndoEdit->text(), QString());
        QCOMPARE(form_->Status->FPSLabel->text(), QStringLiteral("FPS = 0"));
    }

    void contextMenuHasTheSixLayoutItems() {
        QStringList texts;
        for (QAction* a : form_->Canvas->EditorPopupMenu->actions())
            texts << a->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("Elválasztók helyzetének mentése"),
                                     QStringLiteral("Képernyő alapállapotba"),
                                     QStringLiteral("Lebegő panelek elmentése"),
                                     QStringLiteral("Lebegő panelek betöltése"),
                                     QStringLiteral("Lebegő panelek alaphelyzetbe"),
                                     QStringLiteral("Segédvonalak törlése")}));
        form_->Scene.Lines = QStringList{QStringLiteral("V1=1")};
        form_->Canvas->EditorPopupMenu->actions().last()->trigger();
        QVERIFY(form_->Scene.Lines.isEmpty());
        form_->State.Zoom = 2.0;
        form_->State.FrameOffsetX = 5;
        form_->Canvas->EditorPopupMenu->actions()[1]->trigger();
        QCOMPARE(form_->State.Zoom, 1.0);
        QCOMPARE(form_->State.FrameOffsetX, 0);
    }
};

VELKON_UI_TEST_MAIN(MainFormTest)
#include "mainform.moc"
