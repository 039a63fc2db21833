// The traps of a new user's first day, through the real window: pictures from
// another folder saved into a new one, the first save, notices in the status
// line and on the log tab, the help window, a small window, the keyframe
// panel at its default width.

#include "uitest.h"

#include "editor/dockform.h"
#include "editor/errorform.h"
#include "editor/helpform.h"
#include "editor/statusnotice.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "panels/layers/filelistmodel.h"
#include "panels/layers/imagesform.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace velkon;
using namespace velkon::uitest;

class FirstDayTest : public TMainWindowTest {
    Q_OBJECT

    TImagesForm* Layers() { return qobject_cast<TImagesForm*>(form_->ImagesForm); }
    // Tabbed docks behind the shown one keep their visible flag; they are out of view.
    bool LogInView() const { return !form_->ErrorForm->visibleRegion().isEmpty(); }
    QString Pictures() const { return dir_.filePath(QStringLiteral("kepek")); }

    // The pictures of the scene, in a folder of their own: a red and a blue
    // block, the blue one placed by its name.
    QStringList WritePictures() {
        QDir().mkpath(Pictures());
        const QString red = QDir(Pictures()).filePath(QStringLiteral("red.png"));
        const QString blue = QDir(Pictures()).filePath(QStringLiteral("blue(300,200).png"));
        WriteColourPng(red, 100, 60, Red);
        WriteColourPng(blue, 80, 80, Qt::blue);
        return {red, blue};
    }
    // The colour of a row of the Files tab, read from the screen.
    QRgb FileRowColour(int row) {
        QTableView* view = Layers()->FileListView;
        view->clearSelection(); // the tint, not the selection's colour
        const QRect cell = view->visualRect(view->model()->index(row, 2)); // right of its "1"
        const QImage shot = view->viewport()->grab().toImage();
        return shot.pixel(cell.right() - 3, cell.center().y());
    }

private slots:
    void init() {
        QVERIFY(StartWindow());
        form_->State.Zoom = 1.0;
    }
    void cleanup() { StopWindow(); }

    void picturesFromAnotherFolderGoBesideTheNewProjectAndReadBack() {
        // Pictures added through the layers panel, from their own folder.
        dialogs_.FilesAnswers.push_back(WritePictures());
        form_->ImagesForm->raise();
        QTest::mouseClick(Layers()->AddImageSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 2);
        Layers()->PageControl->setCurrentWidget(Layers()->FileListView);
        // The Files tab tells they are not beside the project yet.
        for (int row = 0; row < 2; ++row)
            QVERIFY2(Near(FileRowColour(row), TFileListModel::AwayColour(), 3),
                     qPrintable(Describe(FileRowColour(row))));

        // Saved into a new folder through the save button: no question about the name.
        const QString folder = dir_.filePath(QStringLiteral("uj jelenet"));
        QVERIFY(QDir().mkpath(folder));
        const QString project = QDir(folder).filePath(QStringLiteral("jelenet.VKP"));
        dialogs_.FileAnswers.push_back(project);
        dialogs_.Asked.clear();
        QTest::mouseClick(form_->ToolBar->SaveSpeedButton, Qt::LeftButton);
        QCOMPARE(dialogs_.Asked, QStringList{QStringLiteral("file:Projekt mentése|*.VKP")});
        QVERIFY(QFile::exists(project));
        for (const char* name : {"red.png", "blue(300,200).png"})
            QVERIFY2(QFile::exists(QDir(folder).filePath(QString::fromLatin1(name))), name);
        QVERIFY(form_->ErrorLog.Lines().contains(QStringLiteral("2 fájl a projekt mappájába másolva: ") +
                                                 QDir::toNativeSeparators(folder)));
        // The rows are beside the project now: no tint.
        for (int row = 0; row < 2; ++row)
            QVERIFY(!Near(FileRowColour(row), TFileListModel::AwayColour(), 3));

        // The pictures' folder goes; a new project, then the saved one again.
        QVERIFY(QDir(Pictures()).removeRecursively());
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        const int before = form_->ErrorLog.Count();
        form_->Document.OpenProject(project);
        QCOMPARE(form_->Scene.Layers.Count(), 2);
        for (int i = 0; i < form_->ErrorLog.Count() - before; ++i)
            QVERIFY2(!form_->ErrorLog.Lines()[i].startsWith(QStringLiteral("Nincs meg")),
                     qPrintable(form_->ErrorLog.Lines()[i]));
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(50, 30), Red), qPrintable(Describe(frame.pixel(50, 30))));
        QVERIFY2(Near(frame.pixel(340, 240), Qt::blue), qPrintable(Describe(frame.pixel(340, 240))));
    }

    void afterAPackTheFilesTabShowsTheResourcesBesideTheProject() {
        dialogs_.FilesAnswers.push_back(WritePictures());
        form_->ImagesForm->raise();
        QTest::mouseClick(Layers()->AddImageSpeedButton, Qt::LeftButton);
        Layers()->PageControl->setCurrentWidget(Layers()->FileListView);
        QVERIFY(Near(FileRowColour(0), TFileListModel::AwayColour(), 3));
        const QString folder = dir_.filePath(QStringLiteral("csomag"));
        QVERIFY(QDir().mkpath(folder));
        dialogs_.FileAnswers.push_back(QDir(folder).filePath(QStringLiteral("jelenet.VKM")));
        QTest::mouseClick(form_->ToolBar->PackSpeedButton, Qt::LeftButton);
        QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("red.png"))));
        for (int row = 0; row < 2; ++row)
            QVERIFY2(!Near(FileRowColour(row), TFileListModel::AwayColour(), 3),
                     qPrintable(Describe(FileRowColour(row))));
        QCOMPARE(form_->Scene.Files.At(0)->Path, QDir(folder).filePath(form_->Scene.Files.At(0)->Name));
    }

    void aNewProjectsFirstSaveAsksNoNameQuestion() {
        // A project that has a file: New, then a picture and the first save.
        const QStringList pictures = WritePictures();
        const QString old = dir_.filePath(QStringLiteral("regi.VKP"));
        form_->Scene.AddLayer(form_->Scene.AddFile(TFilesItem::Create(pictures[0])));
        dialogs_.FileAnswers.push_back(old);
        form_->Document.SaveProject(true);
        QVERIFY(QFile::exists(old));
        form_->Scene.Saved = true;
        QTest::mouseClick(form_->ToolBar->NewSpeedButton, Qt::LeftButton);
        dialogs_.FilesAnswers.push_back(QStringList{pictures[1]});
        QTest::mouseClick(Layers()->AddImageSpeedButton, Qt::LeftButton);
        // Ctrl+S of a new project asks where, and only that, never into the old project's folder.
        dialogs_.Asked.clear();
        const QString fresh = dir_.filePath(QStringLiteral("uj/friss.VKP"));
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("uj"))));
        dialogs_.FileAnswers.push_back(fresh);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.Asked, QStringList{QStringLiteral("file:Projekt mentése|*.VKP")});
        QVERIFY(QFile::exists(fresh));
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("Untitled.VKP"))));
        QCOMPARE(form_->Scene.ProjectFileName, QStringLiteral("friss.VKP"));
        // A project with a file asks before it takes another name.
        dialogs_.Asked.clear();
        dialogs_.FileAnswers.push_back(dir_.filePath(QStringLiteral("uj/masik.VKP")));
        dialogs_.YesNoAnswers.push_back(false);
        QTest::mouseClick(form_->ToolBar->SaveSpeedButton, Qt::LeftButton);
        QVERIFY(dialogs_.Asked.contains(
            QStringLiteral("yesno:Mentés|Biztos más éven menti el mint a projet neve?")));
    }

    void noticesShowInTheStatusLineAndMarkTheLogTab() {
        TStatusNotice* notice = form_->Status->StatusNotice;
        QVERIFY(notice);
        notice->ShowMs = 300;
        form_->ImagesForm->raise(); // the log is behind another tab

        QTRY_VERIFY(!LogInView());
        QVERIFY(!notice->NoticeLabel->isVisible());
        // An undo step is history: no notice.
        form_->ErrorLog.AddQuiet(QStringLiteral("Mozgatás egérrel"));
        QVERIFY(!notice->NoticeLabel->isVisible());
        QCOMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("Hiba napló"));
        // A pack's success and an error: the newest shows, the tab counts both.
        form_->ErrorLog.Add(QStringLiteral("Csomag elkészült: /x/a.VKM"));
        form_->ErrorLog.Add(QStringLiteral("Nincs meg a fájl: /x/ball.png"));
        QVERIFY(notice->NoticeLabel->isVisible());
        QCOMPARE(notice->NoticeLabel->text(), QStringLiteral("Nincs meg a fájl: /x/ball.png"));
        QCOMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("(2) Hiba napló"));
        QCOMPARE(notice->Unseen(), 2);
        // The tab bar shows the mark.
        bool marked = false;
        for (QTabBar* tabs : form_->findChildren<QTabBar*>())
            for (int i = 0; i < tabs->count(); ++i)
                marked = marked || tabs->tabText(i) == QStringLiteral("(2) Hiba napló");
        QVERIFY(marked);
        // A few seconds later the status line is quiet again; the mark stays until the log is seen.
        QTRY_VERIFY_WITH_TIMEOUT(!notice->NoticeLabel->isVisible(), 3000);
        QCOMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("(2) Hiba napló"));
        form_->ErrorForm->raise();
        QTRY_COMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("Hiba napló"));
        QCOMPARE(notice->Unseen(), 0);
        // While the log is in view a notice needs no mark, but still shows.
        form_->ErrorLog.Add(QStringLiteral("Project elmentve."));
        QCOMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("Hiba napló"));
        QVERIFY(notice->NoticeLabel->isVisible());
        // An error through the application's hook shows too.
        form_->ImagesForm->raise();
        QTRY_VERIFY(!LogInView());
        TVelkonApplication::Guard(form_->ToolBar->SaveSpeedButton,
                                  [] { throw EVelkonError(QStringLiteral("baj van")); });
        QVERIFY(notice->NoticeLabel->text().contains(QStringLiteral("baj van")));
        QCOMPARE(form_->ErrorForm->windowTitle(), QStringLiteral("(1) Hiba napló"));
    }

    void helpOpensFromTheToolBarAndTheInfoMenu() {
        QVERIFY(!form_->findChild<THelpForm*>());
        QTest::mouseClick(form_->ToolBar->HelpSpeedButton, Qt::LeftButton);
        auto* help = form_->findChild<THelpForm*>();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Súgó"));
        const QString text = help->HelpText->toPlainText();
        for (const char* key : {"F1", "F2", "F3", "F5, F6, F7, F8", "Alt+G", "Alt+L", "Alt+B", "Alt+1",
                                "Alt+2", "Alt+V", "Alt+F", "Ins", "Page Up, Page Down", "Ctrl+S", "Ctrl+Z",
                                "Ctrl+Y, Ctrl+Shift+Z", "név(x,y).png", "csillag(130,376).png", "mappájában"})
            QVERIFY2(text.contains(QString::fromUtf8(key)), key);
        QVERIFY(text.contains(QStringLiteral("„B” és „T” kapcsoló")));
        help->close();
        QTRY_VERIFY(!form_->findChild<THelpForm*>()); // made for one showing
        // The Info button's menu holds the change log, the help and, apart, the language.
        QMenu* menu = form_->ToolBar->InfoSpeedButton->menu();
        QVERIFY(menu);
        QStringList entries;
        QAction* helpEntry = nullptr;
        for (QAction* a : menu->actions()) {
            entries << a->text();
            if (a->text() == QStringLiteral("Súgó")) helpEntry = a;
        }
        QCOMPARE(entries, (QStringList{QStringLiteral("Fejlesztési napló"), QStringLiteral("Súgó"), QString(),
                                       QStringLiteral("Nyelv / Language")}));
        helpEntry->trigger();
        QTRY_VERIFY(form_->findChild<THelpForm*>() && form_->findChild<THelpForm*>()->isVisible());
        // A second request shows the same window.
        QTest::mouseClick(form_->ToolBar->HelpSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->findChildren<THelpForm*>().size(), 1);
    }

    void aSmallWindowShrinksTheDocksBeforeTheCanvas() {
        // What is not canvas is the dock area.
        const int dock = form_->width() - form_->Canvas->width();
        QVERIFY2(dock >= 440, qPrintable(QString::number(dock)));
        form_->resize(820, 600);
        QTRY_COMPARE(form_->width(), 820);
        QCoreApplication::processEvents();
        const int canvas = form_->Canvas->width();
        QVERIFY2(canvas >= 400, qPrintable(QStringLiteral("canvas %1").arg(canvas)));
        QVERIFY2(form_->width() - canvas < dock,
                 qPrintable(QStringLiteral("docks %1").arg(form_->width() - canvas)));
        // The frame on the canvas stays usable: the scroll box shows it, not a sliver.
        QVERIFY(form_->Canvas->viewport()->width() >= 380);
    }

    void theKeyframePanelShowsItsButtonsWholeAtItsDefaultWidth() {
        form_->Layout->ResetPanelLayout();
        form_->KeyFrameForm->raise();
        QTRY_VERIFY(form_->KeyFrameForm->isVisible());
        QVERIFY(qAbs(form_->KeyFrameForm->width() - 450) <= 10);
        auto* scroll = form_->KeyFrameForm->findChild<QScrollArea*>(QStringLiteral("KeyFrameScroll"));
        QVERIFY(scroll);
        QWidget* viewport = scroll->viewport();
        const QStringList names = {
            "KeyEditSpeedButton",        "PlaySpeedButton", "SkeltonSpeedButton",    "LinkSpeedButton",
            "KeyFrameSelectSpeedButton", "BoneSpeedButton", "StartOtherSpeedButton", "SpeedButton9"};
        for (const QString& name : names) {
            auto* button = form_->KeyFrameForm->findChild<QToolButton*>(name);
            QVERIFY2(button, qPrintable(name));
            const QRect shown(button->mapTo(viewport, QPoint(0, 0)), button->size());
            QVERIFY2(viewport->rect().contains(shown),
                     qPrintable(name + QStringLiteral(" at %1,%2 %3x%4 in %5")
                                           .arg(shown.x())
                                           .arg(shown.y())
                                           .arg(shown.width())
                                           .arg(shown.height())
                                           .arg(viewport->width())));
        }
    }
};

VELKON_UI_TEST_MAIN(FirstDayTest)
#include "firstday.moc"
