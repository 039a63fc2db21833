// The layers panel through the real main window: pictures added through the
// file dialog show as rows and on the canvas, a row dropped on another sets
// its parent, the state icon hides a layer, Page Down reorders and Delete
// takes the layer with the commands that name it.

#include "../../editor/uitest.h"
#include "model/commanddesc.h"

#include "model/commanditem.h"
#include "model/imagesitem.h"
#include "model/scripteddialogs.h"
#include "panels/layers/imagesform.h"
#include "panels/layers/importform.h"
#include "panels/layers/layerlistmodel.h"
#include "panels/layers/layerlistview.h"

#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class ImagesFormTest : public TMainWindowTest {
    Q_OBJECT
    TImagesForm* panel_ = nullptr;

    TLayerListView* List() const { return panel_->LayerListView; }
    QPoint Cell(int row, int column, int dx = -1) const {
        const QRect r = List()->visualRect(panel_->LayerRows->index(row, column));
        return dx < 0 ? r.center() : QPoint(r.left() + dx, r.center().y());
    }
    void ClickCell(int row, int column, int dx = -1) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, Cell(row, column, dx));
    }
    QString Caption(int row) const {
        return panel_->LayerRows->data(panel_->LayerRows->index(row, colName), Qt::DisplayRole).toString();
    }
    QImage Frame() {
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        return form_->Canvas->ReadFrame();
    }
    void AddPicture(const QString& name, QColor colour) {
        const QString path = dir_.filePath(name);
        QVERIFY(WriteColourPng(path, 80, 40, colour));
        dialogs_.FileAnswers.push_back(path);
        QTest::mouseClick(panel_->AddImageSpeedButton, Qt::LeftButton);
    }

private slots:
    void init() {
        QVERIFY(StartWindow());
        panel_ = qobject_cast<TImagesForm*>(form_->ImagesForm);
        QVERIFY(panel_);
        panel_->raise();
        QVERIFY(QTest::qWaitFor([&] { return List()->isVisible(); }, 5000));
    }
    void cleanup() { StopWindow(); }

    void panelCannotBeClosedAndItsFoldOpensTheAuxPanel() {
        QVERIFY(!(panel_->features() & QDockWidget::DockWidgetClosable));
        QVERIFY(!panel_->close());
        QVERIFY(panel_->isVisible());
        QVERIFY(!panel_->AuxPanel->isVisible());
        QTest::mouseClick(panel_->FoldLabel, Qt::LeftButton);
        QVERIFY(panel_->AuxPanel->isVisible());
    }

    void addDropToggleMoveAndDeleteThroughThePanel() {
        // A picture through the file dialog, placed by its name.
        AddPicture(QStringLiteral("red(100,50).png"), Red);
        QCOMPARE(dialogs_.FileChoices.back().Filter, QStringLiteral("PNG|*.png"));
        QCOMPARE(panel_->LayerRows->rowCount(), 1);
        QCOMPARE(Caption(0), QStringLiteral("red"));
        TImagesItem* red = form_->Scene.Layers.Find(QStringLiteral("red"));
        QVERIFY(red);
        QCOMPARE(red->Left, 100.0);
        QVERIFY2(Near(Frame().pixel(140, 70), Red), qPrintable(Describe(Frame().pixel(140, 70))));
        QVERIFY(!form_->Scene.Saved);

        AddPicture(QStringLiteral("blue.png"), QColor(0, 0, 255));
        QCOMPARE(panel_->LayerRows->rowCount(), 2);
        QCOMPARE(Caption(0), QStringLiteral("blue")); // the topmost first
        TImagesItem* blue = form_->Scene.Layers.Find(QStringLiteral("blue"));
        blue->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("Left(red;0)"),
                                                               QStringLiteral("0"), QStringLiteral("1")));
        blue->Base.Track[1].Add(std::make_unique<TCommandItem>(cmdShow, QStringLiteral("red")));
        blue->Base.Track[1].Add(std::make_unique<TCommandItem>(cmdReStart, QStringLiteral("1")));

        // A click on a row selects its layer on the canvas.
        ClickCell(1, colFileName);
        QVERIFY(red->Selected);
        QCOMPARE(form_->Scene.CurrentLayer, red);

        // red dropped on blue: blue becomes its parent, an undo step records it.
        auto* mime = new QMimeData;
        mime->setData(QString::fromLatin1(TLayerListView::RowsMimeType), "rows");
        QDragEnterEvent enter(Cell(1, colName), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(List()->viewport(), &enter);
        QDragMoveEvent over(Cell(0, colName), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(List()->viewport(), &over);
        QDropEvent drop(QPointF(Cell(0, colName)), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(List()->viewport(), &drop);
        delete mime;
        QVERIFY2(drop.isAccepted(), qPrintable(form_->ErrorLog.Lines().join(QLatin1Char('\n'))));
        QCOMPARE(red->Parent, QStringLiteral("blue"));
        QCOMPARE(blue->ListState, 1);
        QCOMPARE(red->ListState, 2);
        QCOMPARE(form_->ErrorLog.Lines().first(), QStringLiteral("Szülő beállítás egérrel"));
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());

        // The state icon hides the layer and shows it again.
        const int redRow = panel_->LayerRows->RowOf(red);
        ClickCell(redRow, colName, 8);
        QVERIFY(!red->Visible);
        QVERIFY2(Near(Frame().pixel(140, 70), Grey), qPrintable(Describe(Frame().pixel(140, 70))));
        ClickCell(redRow, colName, 8);
        QVERIFY(red->Visible);
        QVERIFY(Near(Frame().pixel(140, 70), Red));

        // Page Up from the list moves the one selected layer up the drawing order
        // (blue would take its child red along: two layers, no move).
        ClickCell(panel_->LayerRows->RowOf(red), colFileName);
        QCOMPARE(form_->Scene.SelectedCount, 1);
        QTest::keyClick(List(), Qt::Key_PageUp);
        QCOMPARE(form_->Scene.Layers.Name(0), QStringLiteral("blue"));
        QCOMPARE(Caption(0), QStringLiteral("red"));

        // Delete with Yes: the layer, its row, its picture and the commands naming it go.
        ClickCell(panel_->LayerRows->RowOf(red), colFileName);
        dialogs_.YesNoAnswers.push_back(true);
        QTest::mouseClick(panel_->DeleteLayerSpeedButton, Qt::LeftButton);
        // The question says that two commands of blue go with red.
        QCOMPARE(
            dialogs_.Asked.last(),
            QStringLiteral("yesno:Törlés|Biztos törli?\n\nMás rétegek 2 parancsa is törlődik, mert a törölt "
                           "rétegre hivatkozik."));
        QVERIFY(!form_->Scene.Layers.Find(QStringLiteral("red")));
        QCOMPARE(panel_->LayerRows->rowCount(), 1);
        QCOMPARE(Caption(0), QStringLiteral("blue"));
        QCOMPARE(blue->Base.Track[0].Count(), 0);
        QCOMPARE(blue->Base.Track[1].Count(), 1);
        QVERIFY(!form_->Scene.Files.Find(QStringLiteral("red(100,50).png")));
        QCOMPARE(form_->ErrorLog.Lines().first(),
                 QStringLiteral("red réteg törölve; a rá hivatkozó parancsok közül törölve: 2"));
        QVERIFY(Near(Frame().pixel(140, 70), Grey));
    }

    void aDeleteAnsweredYesIsUndoneByCtrlZAndRedoneByCtrlY() {
        AddPicture(QStringLiteral("red(100,50).png"), Red);
        AddPicture(QStringLiteral("blue(400,300).png"), QColor(0, 0, 255));
        TImagesItem* blue = form_->Scene.Layers.Find(QStringLiteral("blue"));
        QVERIFY(blue);
        blue->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("red")));
        QVERIFY(Near(Frame().pixel(140, 70), Red));
        const int redRow = panel_->LayerRows->RowOf(form_->Scene.Layers.Find(QStringLiteral("red")));
        ClickCell(redRow, colFileName);

        // The real question box, answered Yes.
        form_->Dialogs = &form_->QtDialogs;
        TModalAnswer yes([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Törlés"));
            box->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(panel_->DeleteLayerSpeedButton, Qt::LeftButton);
        QVERIFY(yes.Came());
        form_->Dialogs = &dialogs_;
        QVERIFY(!form_->Scene.Layers.Find(QStringLiteral("red")));
        QCOMPARE(panel_->LayerRows->rowCount(), 1);
        QCOMPARE(blue->Base.Track[0].Count(), 0);
        QVERIFY(Near(Frame().pixel(140, 70), Grey));
        QCOMPARE(form_->ErrorLog.UndoName, QStringLiteral("Réteg törlés"));

        // Ctrl+Z: the row, the picture on the canvas and the command naming it are back.
        QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(form_->Scene.Layers.Find(QStringLiteral("red")));
        QCOMPARE(form_->Scene.Layers.IndexOf(QStringLiteral("red")), 0);
        QCOMPARE(panel_->LayerRows->rowCount(), 2);
        QCOMPARE(Caption(redRow), QStringLiteral("red"));
        QCOMPARE(blue->Base.Track[0].Count(), 1);
        QCOMPARE(blue->Base.Track[0].Item(0)->sParam1(), QStringLiteral("red"));
        QVERIFY(form_->Scene.Files.Find(QStringLiteral("red(100,50).png")));
        QImage frame = Frame();
        QVERIFY2(Near(frame.pixel(140, 70), Red), qPrintable(Describe(frame.pixel(140, 70))));
        QVERIFY(form_->ToolBar->RedoSpeedButton->isEnabled());

        // Ctrl+Y: gone again, row and picture.
        QTest::keyClick(List(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!form_->Scene.Layers.Find(QStringLiteral("red")));
        QCOMPARE(panel_->LayerRows->rowCount(), 1);
        QCOMPARE(Caption(0), QStringLiteral("blue"));
        QCOMPARE(blue->Base.Track[0].Count(), 0);
        frame = Frame();
        QVERIFY2(Near(frame.pixel(140, 70), Grey), qPrintable(Describe(frame.pixel(140, 70))));
    }

    void groupRowOpensAndClosesFromItsStatusCell() {
        AddPicture(QStringLiteral("a.png"), Red);
        ClickCell(0, colFileName);
        dialogs_.TextAnswers.push_back(QStringLiteral("Csapat"));
        QTest::mouseClick(panel_->GroupSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Groups, QStringList{QStringLiteral("Csapat")});
        QCOMPARE(panel_->LayerRows->rowCount(), 2);
        QCOMPARE(Caption(0), QStringLiteral("Csapat"));
        QCOMPARE(Caption(1), QStringLiteral("     a"));
        // The triangle closes the group; the member row goes.
        ClickCell(0, colStatus, 8);
        QCOMPARE(form_->Scene.GroupStates[0].Open, uint8_t(0));
        QCOMPARE(panel_->LayerRows->rowCount(), 1);
        QCOMPARE(
            panel_->LayerRows->data(panel_->LayerRows->index(0, colFileName), Qt::DisplayRole).toString(),
            QStringLiteral("1 elem"));
    }

    void aClickOnTheCanvasMarksTheLayersRow() {
        AddPicture(QStringLiteral("red(100,50).png"), Red);
        AddPicture(QStringLiteral("blue(400,300).png"), QColor(0, 0, 255));
        form_->Canvas->TickCount = [] { return 500000u; };
        Frame(); // the corners hit-testing reads
        QWidget* canvas = form_->Canvas->OGLRenderPanel;
        const QPoint at(140, 70);
        MoveOnCanvas(*form_, at);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &release);
        TImagesItem* red = form_->Scene.Layers.Find(QStringLiteral("red"));
        QVERIFY(red->Selected);
        const QModelIndexList rows = List()->selectionModel()->selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().row(), panel_->LayerRows->RowOf(red));
    }

    void importThroughItsDialogIsOneUndoStep() {
        // A source project beside the pictures it names.
        QDir(dir_.path()).mkdir(QStringLiteral("src"));
        const QString src = dir_.filePath(QStringLiteral("src"));
        QVERIFY(WriteColourPng(src + QStringLiteral("/ball.png"), 20, 20, Red));
        QFile vkp(src + QStringLiteral("/src.VKP"));
        QVERIFY(vkp.open(QIODevice::WriteOnly));
        vkp.write("[Files]\r\nName1=ball.png\r\n[Image1]\r\nName=ball\r\nFileName=ball.png\r\nLeft=10\r\n"
                  "[Image2]\r\nName=ball2\r\nFileName=ball.png\r\n");
        vkp.close();
        dialogs_.FileAnswers.push_back(src + QStringLiteral("/src.VKP"));
        TModalAnswer answer([](QWidget* w) {
            auto* form = qobject_cast<TImportForm*>(w);
            QVERIFY(form);
            QCOMPARE(form->ListBox->count(), 2);
            form->ListBox->item(1)->setSelected(true);
            QTest::mouseClick(form->OkButton, Qt::LeftButton);
        });
        QTest::mouseClick(panel_->ImportSpeedButton, Qt::LeftButton);
        QVERIFY(answer.Came());
        QCOMPARE(form_->Scene.Layers.Count(), 1);
        QCOMPARE(form_->Scene.Layers.Name(0), QStringLiteral("ball2"));
        QCOMPARE(form_->Scene.Layers.At(0)->PlayAnim, 3);
        QCOMPARE(Caption(0), QStringLiteral("ball2"));
        QCOMPARE(form_->ErrorLog.Lines().first(), QStringLiteral("Import"));
        QVERIFY(!form_->ErrorLog.Lines().contains(QStringLiteral("UNDO PUFFER TÖRÖLVE!")));
        QVERIFY(form_->ToolBar->UndoSpeedButton->isEnabled());
        // One undo takes the whole import back, one redo brings it again.
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        QCOMPARE(panel_->LayerRows->rowCount(), 0);
        QCOMPARE(form_->Scene.Files.Count(), 0);
        QVERIFY(form_->ToolBar->RedoSpeedButton->isEnabled());
        QTest::mouseClick(form_->ToolBar->RedoSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 1);
        QCOMPARE(Caption(0), QStringLiteral("ball2"));
        QCOMPARE(form_->Scene.Files.Count(), 1);
        QVERIFY(form_->Scene.Files.At(0)->Image);
    }
};

VELKON_UI_TEST_MAIN(ImagesFormTest)
#include "imagesform.moc"
