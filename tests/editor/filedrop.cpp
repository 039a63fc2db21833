// Files dropped on the window: a picture on the canvas becomes a layer at the
// drop point, a sound on the layer list a file, a project on the window opens
// after Open's question, anything else is refused with a log line.

#include "uitest.h"

#include "edit/canvasgeometry.h"
#include "panels/layers/filelistmodel.h"
#include "panels/layers/imagesform.h"
#include "panels/layers/layerlistmodel.h"
#include "panels/layers/layerlistview.h"
#include "support/testsupport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace velkon;
using namespace velkon::uitest;

namespace {

// Sends a drag's enter and, when it was taken, its drop at pos of the widget.
// Returns whether the widget took the drag (enter) and the drop.
std::pair<bool, bool> DropOn(QWidget* widget, QPoint pos, const QList<QUrl>& urls,
                             const QString& format = {}) {
    QMimeData mime;
    if (!urls.isEmpty()) mime.setUrls(urls);
    if (!format.isEmpty()) mime.setData(format, QByteArray("rows"));
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted()) return {false, false};
    QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return {true, drop.isAccepted()};
}

QList<QUrl> Files(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    return urls;
}

} // namespace

class FileDropTest : public TMainWindowTest {
    Q_OBJECT

    // What a refused drop must leave alone.
    QString Snapshot() const {
        const TScene& s = form_->Scene;
        return QStringLiteral("%1 layers %2 files saved %3 undo %4 name %5")
            .arg(s.Layers.Count())
            .arg(s.Files.Count())
            .arg(s.Saved)
            .arg(form_->State.Undo.Top())
            .arg(s.ProjectFileName);
    }

    TImagesForm* Images() const { return form_->findChild<TImagesForm*>(); }

private slots:
    void init() { QVERIFY(StartWindow()); }
    void cleanup() { StopWindow(); }

    void pictureOnTheCanvasBecomesALayerAtTheDropPoint() {
        AddLayer(); // something below it
        const QString png = dir_.filePath(QStringLiteral("csillag(7,8).png"));
        QVERIFY(WriteColourPng(png, 40, 30, QColor(0, 0, 255)));
        form_->State.Zoom = 0.5; // the mapping must not be the identity
        form_->Canvas->OGLRenderPanel->update();
        QTest::qWait(50);
        const QPoint at(120, 91);
        const int x = WindowToTargetX(form_->State, at.x()), y = WindowToTargetY(form_->State, at.y());
        QVERIFY(x != at.x() && y != at.y());
        QCOMPARE(DropOn(form_->Canvas->OGLRenderPanel, at, Files({png})), std::make_pair(true, true));
        QTRY_COMPARE(form_->Scene.Layers.Count(), 2);
        const TImagesItem* layer = form_->Scene.Layers.Find(QStringLiteral("csillag"));
        QVERIFY(layer);
        QCOMPARE(layer->Left, double(x));
        QCOMPARE(layer->Top, double(y));
        QCOMPARE(layer->Width, 40.0);
        QCOMPARE(form_->ErrorLog.UndoName, QStringLiteral("Réteg hozzáadás"));
        QVERIFY(!form_->Scene.Saved);
        // The layer list shows it on top, its name in the first column.
        const TLayerListModel* rows = Images()->LayerRows;
        QTRY_COMPARE(rows->RowOf(layer), 0);
        QCOMPARE(rows->data(rows->index(0, colName), Qt::DisplayRole).toString().trimmed(),
                 QStringLiteral("csillag"));
        // And the canvas draws it there.
        const QImage view = form_->Canvas->OGLRenderPanel->grabFramebuffer();
        const QPoint inside(TargetToWindowX(form_->State, x + 20), TargetToWindowY(form_->State, y + 15));
        QVERIFY2(Near(view.pixel(inside), QColor(0, 0, 255)), qPrintable(Describe(view.pixel(inside))));
    }

    void soundOnTheLayerListBecomesAFile() {
        const QString wav = dir_.filePath(QStringLiteral("ding.wav"));
        QVERIFY(test::WriteWav(wav, 1, 22050, 16, QByteArray(400, '\0')));
        QWidget* list = Images()->LayerListView->viewport();
        QCOMPARE(DropOn(list, QPoint(20, 20), Files({wav})), std::make_pair(true, true));
        QTRY_VERIFY(form_->Scene.Files.Find(QStringLiteral("ding.wav")));
        const TFilesItem* file = form_->Scene.Files.Find(QStringLiteral("ding.wav"));
        QCOMPARE(file->Kind, int(TFilesItem::kindSound));
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        QCOMPARE(form_->ErrorLog.UndoName, QStringLiteral("Fájl hozzáadás"));
        // The files list shows it (it is filled when its page shows).
        Images()->PageControl->setCurrentWidget(Images()->FileListView);
        QTRY_COMPARE(Images()->FileRows->rowCount(), 1);
        QVERIFY(Images()
                    ->FileRows->data(Images()->FileRows->index(0, 0), Qt::DisplayRole)
                    .toString()
                    .contains(QStringLiteral("ding.wav")));
    }

    void projectOnTheWindowOpensAfterOpensQuestion() {
        const QString project = dir_.filePath(QStringLiteral("masik.VKP"));
        QVERIFY(test::WriteFile(project, "[Project]\r\nResolution=2\r\n"));
        AddLayer();
        form_->Scene.Saved = false;
        const QString question = QStringLiteral("A projekt nincs elmentve, biztos betölt egy másikat?");
        // No keeps the project.
        dialogs_.YesNoAnswers = {false};
        const QString before = Snapshot();
        QCOMPARE(DropOn(form_.get(), QPoint(5, 5), Files({project})), std::make_pair(true, true));
        QTRY_COMPARE(dialogs_.Asked.size(), 1);
        QVERIFY2(dialogs_.Asked.front().contains(question), qPrintable(dialogs_.Asked.front()));
        QTest::qWait(20);
        QCOMPARE(Snapshot(), before);
        // Yes opens it.
        dialogs_.YesNoAnswers = {true};
        QCOMPARE(DropOn(form_.get(), QPoint(5, 5), Files({project})), std::make_pair(true, true));
        QTRY_COMPARE(form_->Scene.ProjectFileName, QStringLiteral("masik.VKP"));
        QCOMPARE(dialogs_.Asked.size(), 2);
        QCOMPARE(form_->Scene.Resolution, 2);
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        QVERIFY2(form_->windowTitle().startsWith(QStringLiteral("masik.VKP")),
                 qPrintable(form_->windowTitle()));
        // A project with other files opens nothing.
        const QString png = dir_.filePath(QStringLiteral("kep.png"));
        QVERIFY(WriteColourPng(png, 8, 8, Red));
        const QString opened = Snapshot();
        QCOMPARE(DropOn(form_->Canvas->OGLRenderPanel, QPoint(5, 5), Files({project, png})),
                 std::make_pair(true, true));
        QTRY_VERIFY(form_->ErrorLog.Lines().contains(
            QStringLiteral("Projekt csak magában húzható be, a behúzás elmaradt: masik.VKP")));
        QCOMPARE(Snapshot(), opened);
        QCOMPARE(dialogs_.Asked.size(), 2);
    }

    void otherFilesAreRefusedWithALogLine() {
        AddLayer();
        form_->Scene.Saved = true;
        const QString text = dir_.filePath(QStringLiteral("jegyzet.txt"));
        QVERIFY(test::WriteFile(text, "szia"));
        const QString png = dir_.filePath(QStringLiteral("kep.png"));
        QVERIFY(WriteColourPng(png, 8, 8, Red));
        const QString before = Snapshot();
        QCOMPARE(DropOn(form_->Canvas->OGLRenderPanel, QPoint(30, 30), Files({text})), std::make_pair(true, true));
        QTRY_VERIFY(form_->ErrorLog.Lines().contains(QStringLiteral("A fájl nem húzható be: jegyzet.txt")));
        QCOMPARE(Snapshot(), before);
        QVERIFY(dialogs_.Messages.isEmpty());
        // A picture beside the canvas and the list is refused too.
        QCOMPARE(DropOn(form_.get(), QPoint(5, 5), Files({png})), std::make_pair(true, true));
        QTRY_VERIFY(form_->ErrorLog.Lines().contains(
            QStringLiteral("Kép, hang és particle a vászonra vagy a rétegek listájára húzható: kep.png")));
        QCOMPARE(Snapshot(), before);
    }

    void onlyDragsOfLocalFilesAreTakenAndTheListsOwnRowsStillMove() {
        // Nothing local: the canvas does not take it.
        QCOMPARE(
            DropOn(form_->Canvas->OGLRenderPanel, QPoint(5, 5), {QUrl(QStringLiteral("https://pelda.hu/a.png"))}),
            std::make_pair(false, false));
        // The list's own row drag goes on to the list view as before.
        QWidget* list = Images()->LayerListView->viewport();
        QCOMPARE(DropOn(list, QPoint(5, 5), {}, QString::fromLatin1(TLayerListView::RowsMimeType)).first,
                 true);
        QTest::qWait(20);
        QVERIFY(form_->ErrorLog.Lines().filter(QStringLiteral("húzható")).isEmpty());
    }
};

VELKON_UI_TEST_MAIN(FileDropTest)
#include "filedrop.moc"
