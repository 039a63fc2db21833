// The animation debugger on the example project, and the change log from the
// main window's tool bar, through the real windows.

#include "uitest.h"

#include "edit/changelog.h"
#include "editor/ujdonsagform.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "panels/animation/debugerform.h"

#include <QAbstractItemModel>
#include <QWindow>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

namespace {

const QString DemoPath = QStringLiteral(VELKON_SOURCE_DIR "/examples/demo/demo.VKP");

const QColor Touch1Green(0xBC, 0xFA, 0xC9);
const QColor StartOtherOrange(0xFF, 0xD9, 0xB3);
const QColor CurrentBlue(0x9F, 0xF1, 0xFF);

// The rows of a table model as lists of cell texts.
QList<QStringList> Texts(const QAbstractItemModel& model) {
    QList<QStringList> rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.index(r, c).data().toString();
        rows << row;
    }
    return rows;
}

QStringList RowOf(std::initializer_list<std::pair<int, QString>> cells) {
    QStringList row(13);
    for (const auto& [column, text] : cells)
        row[column] = text;
    return row;
}

} // namespace

class DebugerFormTest : public TMainWindowTest {
    Q_OBJECT

    // Opens the debugger on a layer of the example and runs check on the open window.
    void OnDebugger(const QString& layerName, const std::function<void(TDebugerForm&, QTableView&)>& check) {
        TImagesItem* layer = form_->Scene.Layers.Find(layerName);
        QVERIFY(layer);
        form_->Document.SelectSingleLayer(layer);
        QCOMPARE(form_->Scene.CurrentLayer, layer);
        TModalAnswer answer([&](QWidget* w) {
            auto* debugger = qobject_cast<TDebugerForm*>(w);
            QVERIFY2(debugger, w->metaObject()->className());
            auto* grid = debugger->findChild<QTableView*>(QStringLiteral("DebugerGrid"));
            QVERIFY(grid);
            QVERIFY(QTest::qWaitForWindowExposed(debugger));
            check(*debugger, *grid);
        });
        TDebugerForm::Open(form_->Document, form_.get());
        QVERIFY(answer.Came());
    }

    // The colour of a cell's lower right corner, away from its text.
    static QRgb CornerColour(QTableView& grid, int row, int column) {
        const QRect cell = grid.visualRect(grid.model()->index(row, column));
        return grid.viewport()->grab().toImage().pixel(cell.right() - 4, cell.bottom() - 3);
    }

private slots:
    void init() {
        QVERIFY(StartWindow(ScriptedDialogs, {DemoPath}));
        QTRY_COMPARE(form_->windowHandle()->title(), QStringLiteral("demo.VKP - Velkon Editor v1.97"));
    }
    void cleanup() { StopWindow(); }

    void debuggerOnTheCarShowsItsBaseTrack() {
        OnDebugger(QStringLiteral("car"), [](TDebugerForm& debugger, QTableView& grid) {
            QCOMPARE(debugger.windowTitle(), QStringLiteral("Hibakereső"));
            QCOMPARE(QApplication::activeModalWidget(), &debugger);
            QVERIFY(debugger.windowState() & Qt::WindowMaximized);
            QAbstractItemModel& model = *grid.model();
            QCOMPARE(model.columnCount(), 13);
            QStringList headers;
            for (int c = 0; c < 13; ++c)
                headers << model.headerData(c, Qt::Horizontal).toString();
            QCOMPARE(headers,
                     (QStringList{"", "Base 1", "Base 2", "Base 3", "Touch1 1", "Touch1 2", "Touch1 3",
                                  "Touch2 1", "Touch2 2", "Touch2 3", "Touch3 1", "Touch3 2", "Touch3 3"}));
            // The wheels' Parent names the car, but no command does: the car alone.
            const QList<QStringList> expected = {
                RowOf({{0, "car"}}),
                RowOf({{1, "Accelerate\nvalue=10"}}),
                RowOf({{1, "MoveTo\nx=700, y=520, duration=4"}}),
                RowOf({{1, "Accelerate\nvalue=0"}}),
            };
            QCOMPARE(Texts(model), expected);
            QVERIFY(grid.verticalHeader()->isHidden());
            QCOMPARE(grid.columnWidth(5), 120);
            QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
            // Two-line cells grow their rows to the text.
            QVERIFY2(grid.rowHeight(2) >= 2 * grid.fontMetrics().height(),
                     qPrintable(QString::number(grid.rowHeight(2))));
            QVERIFY(grid.rowHeight(0) < grid.rowHeight(2));
            // Column colours; the car's name row names the current layer.
            QVERIFY2(Near(CornerColour(grid, 1, 4), Touch1Green),
                     qPrintable(Describe(CornerColour(grid, 1, 4))));
            QVERIFY2(Near(CornerColour(grid, 0, 0), CurrentBlue),
                     qPrintable(Describe(CornerColour(grid, 0, 0))));
            QVERIFY2(Near(CornerColour(grid, 2, 2), Qt::white),
                     qPrintable(Describe(CornerColour(grid, 2, 2))));
            // A click selects the whole row.
            const QRect cell = grid.visualRect(model.index(2, 3));
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
            QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 13);
            const QColor highlight = grid.palette().color(QPalette::Highlight);
            QVERIFY2(Near(CornerColour(grid, 2, 7), highlight),
                     qPrintable(Describe(CornerColour(grid, 2, 7))));
        });
    }

    // The star is started by the ball and names itself (Hide, Show): both come
    // first as antecedents, then the star as the current layer.
    void debuggerOnTheStarMarksItsAntecedents() {
        OnDebugger(QStringLiteral("star"), [](TDebugerForm&, QTableView& grid) {
            const QList<QStringList> rows = Texts(*grid.model());
            QCOMPARE(rows.size(), 26);
            QCOMPARE(rows[0], RowOf({{0, "ball"}, {1, "Előzmény"}}));
            QCOMPARE(rows[1], RowOf({{1, "ReSize\nwidth=128, height=128, duration=0,5"},
                                     {4, "PlaySfx\nname=boing.wav"}}));
            QCOMPARE(rows[4][4], QStringLiteral("StartOther\nname=star, which=0"));
            QCOMPARE(rows[5], RowOf({{4, "ReSet\n"}}));
            QCOMPARE(rows[6], RowOf({{0, "star"}, {1, "Előzmény"}}));
            QCOMPARE(rows[7], RowOf({{1, "Hide\nname=star"},
                                     {3, "KeyFrame\nx=300y=250w=64h=64a=0f=255, duration=0,5"}}));
            QCOMPARE(rows[16], RowOf({{0, "star"}}));
            // A key wider than its column wraps inside: command name, two lines of key, duration.
            QVERIFY2(grid.rowHeight(7) >= 4 * grid.fontMetrics().height(),
                     qPrintable(QString::number(grid.rowHeight(7))));
            QCOMPARE(rows[25], RowOf({{1, "ChgImage\nimage name=star.png"}}));
            // A StartOther that names the current layer: the current layer's colour wins.
            QVERIFY2(Near(CornerColour(grid, 4, 4), CurrentBlue),
                     qPrintable(Describe(CornerColour(grid, 4, 4))));
        });
    }

    void debuggerOnTheBallColoursItsStartOther() {
        OnDebugger(QStringLiteral("ball"), [](TDebugerForm&, QTableView& grid) {
            const QList<QStringList> rows = Texts(*grid.model());
            QCOMPARE(rows.size(), 16); // the ball (name row and 5), the star it starts (name row and 9)
            QCOMPARE(rows[0], RowOf({{0, "ball"}}));
            QCOMPARE(rows[6], RowOf({{0, "star"}}));
            QVERIFY2(Near(CornerColour(grid, 4, 4), StartOtherOrange),
                     qPrintable(Describe(CornerColour(grid, 4, 4))));
            // Selected, the StartOther cell keeps its colour.
            grid.selectRow(4);
            QVERIFY2(Near(CornerColour(grid, 4, 4), StartOtherOrange),
                     qPrintable(Describe(CornerColour(grid, 4, 4))));
        });
    }

    void changeLogButtonShowsTheHistory() {
        TModalAnswer answer([](QWidget* w) {
            auto* log = qobject_cast<TUjdonsagForm*>(w);
            QVERIFY2(log, w->metaObject()->className());
            QCOMPARE(log->windowTitle(), QStringLiteral("Fejlesztési napló"));
            QVERIFY(log->windowState() & Qt::WindowMaximized);
            auto* memo = log->findChild<QPlainTextEdit*>(QStringLiteral("NaploMemo"));
            QVERIFY(memo);
            QVERIFY(memo->isReadOnly());
            QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(memo->font().pixelSize(), 13);
            QVERIFY(QFontInfo(memo->font()).fixedPitch());
            const QString text = memo->toPlainText();
            QVERIFY(
                text.startsWith("Jelek:\n------------------------\n\n+ Újdonság\nx Javítás\n- Eltávolítás\n\n"
                                "1.97 verzó (2026.12.10.)\n------------------------\n+ Hibakereső"));
            QVERIFY(text.contains("\n1.00 verzó (2026.12.10.)\n------------------------\n+ "));
            QVERIFY(text.contains(
                "\n------------------------\nKezdet (2026.12.10.)\n------------------------\n \n"));
            QCOMPARE(text, ChangeLogText());
        });
        QTest::mouseClick(form_->ToolBar->InfoSpeedButton, Qt::LeftButton);
        QVERIFY(answer.Came());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!form_->findChild<TUjdonsagForm*>()); // freed when closed
    }
};

VELKON_UI_TEST_MAIN(DebugerFormTest)
#include "debugerform.moc"
