// The command list panel in the main window: adding through the (scripted)
// command edit dialog, playing what was added, copying rows from one layer
// and pasting them into another, the start bits and a batch tool's error.

#include "../../editor/uitest.h"
#include "model/commanddesc.h"

#include "editor/editordocument.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/scripteddialogs.h"
#include "panels/animation/animform.h"
#include "panels/animation/commandlistmodel.h"

#include <QBrush>
#include <QComboBox>
#include <QPushButton>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <deque>

using namespace velkon;
using namespace velkon::uitest;

class AnimFormTest : public TMainWindowTest {
    Q_OBJECT
    TAnimForm* anim_ = nullptr;

    TImagesItem* AddLayer(const QString& name, double left, double top) {
        return TMainWindowTest::AddLayer(test::TLayerSpec().Named(name).At(left, top));
    }
    void Select(TImagesItem* l) {
        form_->Document.SelectSingleLayer(l);
        emit form_->Document.LayersChanged();
    }
    QTableView* List() const { return anim_->CommandsListView[0]; }
    QStringList Rows() const {
        QStringList out;
        for (const TCommandRow& r : anim_->Models[0]->Rows())
            out << r.Caption + QStringLiteral(" | ") + r.Parameters;
        return out;
    }

private slots:
    void init() {
        QVERIFY(StartWindow());
        anim_ = qobject_cast<TAnimForm*>(form_->AnimForm);
        QVERIFY(anim_);
        anim_->raise();
        QTRY_VERIFY(List()->isVisible());
    }
    void cleanup() { StopWindow(); }

    void startsWithAnEmptyFirstTrackAndNothingToStop() {
        QVERIFY(anim_->ConvertOnPasteAction->isChecked());
        QCOMPARE(anim_->CommandListPage->tabText(0), QStringLiteral("1."));
        QVERIFY(!anim_->StopSpeedButton->isEnabled());
    }

    void addedMoveToShowsItsRowAndPlays() {
        TImagesItem* ball = AddLayer(QStringLiteral("ball"), 0, 0);
        Select(ball);
        int asked = 0;
        anim_->EditCommand = [&](TImagesItem& layer,
                                 const TCommandItem* existing) -> std::optional<TCommandFields> {
            ++asked;
            if (&layer != ball || existing) return std::nullopt;
            return TCommandFields{QStringLiteral("MoveTo"), QStringLiteral("300"), QStringLiteral("0"),
                                  QStringLiteral("1,5")};
        };
        QTest::mouseClick(anim_->AddCommandSpeedButton, Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(Rows(), QStringList{QStringLiteral("01. MoveTo | x=300, y=0, duration=1,5")});
        QCOMPARE(anim_->CommandListPage->tabText(0), QStringLiteral("1. [+] sec:1,5"));
        QVERIFY(!form_->Scene.Saved);

        // Insert, with the list focused: the window's key adds one command, not two.
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_Insert);
        QCOMPARE(asked, 2);
        QCOMPARE(ball->Base.Track[0].Count(), 2);

        // Play: the layer moves to the right, stop puts it back.
        QTest::mouseClick(anim_->PlaySpeedButton, Qt::LeftButton);
        QVERIFY(form_->Scene.Playing);
        QVERIFY(anim_->StopSpeedButton->isEnabled());
        QVERIFY(!anim_->CommandListPage->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(ball->Left > 50, 5000);
        QVERIFY(ball->Top == 0);
        QTest::mouseClick(anim_->StopSpeedButton, Qt::LeftButton);
        QVERIFY(!form_->Scene.Playing);
        QCOMPARE(ball->Left, 0.0);
        QVERIFY(anim_->CommandListPage->isEnabled());
    }

    void rowsCopiedFromOneLayerPasteIntoAnother() {
        TImagesItem* from = AddLayer(QStringLiteral("from"), 50, 50);
        TImagesItem* to = AddLayer(QStringLiteral("to"), 80, 60);
        from->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("100"),
                                                               QStringLiteral("100"), QStringLiteral("1")));
        from->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("2")));
        to->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdShow, QStringLiteral("x")));
        Select(from);
        QCOMPARE(Rows().size(), 2);
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(anim_->SelectedRows(), (std::vector<int>{0, 1}));
        QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("VKP Clipboard\r\n2\r\n")));

        form_->Scene.Saved = true;
        Select(to);
        QCOMPARE(Rows(), QStringList{QStringLiteral("01. Show | name=x")});
        anim_->SelectRows({0});
        QTest::keyClick(List(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Rows(),
                 (QStringList{QStringLiteral("01. MoveTo | x=130, y=110, duration=1"),
                              QStringLiteral("02. Wait | dalay=2"), QStringLiteral("03. Show | name=x")}));
        QCOMPARE(anim_->SelectedRows(), (std::vector<int>{0, 1}));
        QVERIFY(!form_->Scene.Saved);
        QCOMPARE(form_->State.Undo.Slot(form_->State.Undo.Top())->Kind, TUndoBuffer::kindCommandPaste);

        // Undo takes the paste back and the list follows.
        QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Rows(), QStringList{QStringLiteral("01. Show | name=x")});
    }

    void altKeysToggleTheStartBitsAndAltRAppendsARestart() {
        TImagesItem* ball = AddLayer(QStringLiteral("ball"), 0, 0);
        Select(ball);
        QVERIFY(anim_->ExecuteSpeedButton->isChecked());
        QVERIFY(anim_->ExecuteTouchSpeedButton->isChecked());
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_1, Qt::AltModifier);
        QCOMPARE(ball->PlayAnim, 0);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_2, Qt::AltModifier);
        QCOMPARE(ball->PlayAnim, 2);
        QVERIFY(!anim_->ExecuteTouchSpeedButton->isChecked());

        form_->Scene.Saved = true;
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(Rows(), QStringList{QStringLiteral("01. ReStart | type=0")});
        QVERIFY(!form_->Scene.Saved);
    }

    void aBatchToolThatCannotReadARowLogsIt() {
        TImagesItem* ball = AddLayer(QStringLiteral("ball"), 0, 0);
        ball->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("10"), QStringLiteral("10"),
                                                               QStringLiteral("1")));
        ball->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("abc"), QStringLiteral("10"),
                                                               QStringLiteral("1")));
        Select(ball);
        anim_->SelectRows({0, 1});
        QAction* convert = nullptr;
        for (QAction* a : anim_->CmdPopupMenu->actions())
            if (a->text() == QStringLiteral("MoveTo konvert RelativeMoveTo")) convert = a;
        QVERIFY(convert);
        convert->trigger();
        QVERIFY2(form_->ErrorLog.Lines().join('\n').contains(QStringLiteral("2. sor (MoveTo)")),
                 qPrintable(form_->ErrorLog.Lines().join('\n')));
        QCOMPARE(Rows().first(), QStringLiteral("01. RelativeMoveTo | x=10, y=10, duration=1"));
    }

    void doubleClickEditsDropMovesAndKeyframeRowIsRedAndBold() {
        TImagesItem* ball = AddLayer(QStringLiteral("ball"), 0, 0);
        for (const char* delay : {"1", "2", "3"})
            ball->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QString::fromLatin1(delay)));
        Select(ball);
        const TCommandItem* edited = nullptr;
        anim_->EditCommand = [&](TImagesItem&,
                                 const TCommandItem* existing) -> std::optional<TCommandFields> {
            edited = existing;
            return TCommandFields{QStringLiteral("Wait"), QStringLiteral("9"), {}, {}};
        };
        anim_->SelectRows({1});
        const QRect cell = List()->visualRect(List()->model()->index(1, 0));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCOMPARE(edited, ball->Base.Track[0].Item(1));
        QCOMPARE(Rows(),
                 (QStringList{QStringLiteral("01. Wait | dalay=1"), QStringLiteral("02. Wait | dalay=9"),
                              QStringLiteral("03. Wait | dalay=3")}));
        QCOMPARE(form_->State.Undo.Slot(form_->State.Undo.Top())->Kind, TUndoBuffer::kindCommandEdit);

        // A drop of row 1 on row 3 moves that one command there.
        QMimeData* dragged = anim_->Models[0]->mimeData({List()->model()->index(0, 0)});
        anim_->SelectRows({0});
        anim_->Models[0]->dropMimeData(dragged, Qt::CopyAction, -1, -1, List()->model()->index(2, 0));
        delete dragged;
        QCOMPARE(Rows(),
                 (QStringList{QStringLiteral("01. Wait | dalay=9"), QStringLiteral("02. Wait | dalay=3"),
                              QStringLiteral("03. Wait | dalay=1")}));

        // While keyframe editing is on, the selected keyframe's row is red and bold and the list rests.
        form_->State.KeyframeMode = true;
        form_->State.KeyFrameIndex = 1;
        emit form_->Document.EnabledStateChanged();
        const QModelIndex marked = List()->model()->index(1, 0);
        QCOMPARE(marked.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QVERIFY(marked.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!List()->model()->index(0, 0).data(Qt::FontRole).isValid());
        QVERIFY(!anim_->CommandListPage->isEnabled());
        QVERIFY(!anim_->AddCommandSpeedButton->isEnabled());
        form_->State.KeyframeMode = false;
        emit form_->Document.EnabledStateChanged();
        QVERIFY(!marked.data(Qt::FontRole).isValid());
    }

    // A new user's first animation: a ball bouncing on the example project's
    // empty second track, written with this panel only, played, saved, reopened.
    void easeDesignerFromTheListStoresItsTextIntoTheRow() {
        TImagesItem* ball = AddLayer(QStringLiteral("ball"), 0, 0);
        ball->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("10"), QStringLiteral("20"),
                                                               QStringLiteral("2")));
        Select(ball);
        anim_->SelectRows({0});
        bool modal = false;
        TModalAnswer answer([&](QWidget* w) {
            modal = w->objectName() == QLatin1String("EaseForm");
            auto* presets = w->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            QVERIFY(presets);
            presets->setFocus();
            for (int i = 0; i < 6; ++i) // down to "back cubic"
                QTest::keyClick(presets, Qt::Key_Down);
            QCOMPARE(presets->currentText(), QStringLiteral("back cubic"));
            w->findChild<QPushButton*>(QStringLiteral("OkBitBtn"))->click();
        });
        QTest::mouseClick(anim_->EaseSpeedButton, Qt::LeftButton);
        QVERIFY(answer.Came());
        QVERIFY(modal);
        QCOMPARE(ball->Base.Track[0].Item(0)->sParam3(),
                 QStringLiteral("Ease(d=2e=1009f=0,0g=0,0h=4,0i=-3,0j=0,0)"));
        QVERIFY(Rows().first().endsWith(QStringLiteral("duration=Ease(d=2e=1009f=0,0g=0,0h=4,0i=-3,0j=0,0)")));
        QVERIFY(!form_->Scene.Saved);
    }

    void bouncingBallOnAnEmptyTrackSurvivesSaveAndReopen() {
        const QDir demo(QStringLiteral(VELKON_SOURCE_DIR "/examples/demo"));
        QTemporaryDir copy;
        for (const QString& name : demo.entryList(QDir::Files))
            QVERIFY(QFile::copy(demo.filePath(name), copy.filePath(name)));
        const QString path = copy.filePath(QStringLiteral("demo.VKP"));
        form_->Document.OpenProject(path);
        TImagesItem* ball = form_->Scene.Layers.Find(QStringLiteral("ball"));
        QVERIFY(ball);
        Select(ball);
        anim_->CommandListPage->setCurrentIndex(1);
        QTableView* list = anim_->CommandsListView[1];
        QCOMPARE(anim_->CommandListPage->tabText(1), QStringLiteral("2."));
        QCOMPARE(list->model()->rowCount(), 0);

        std::deque<TCommandFields> answers{
            {QStringLiteral("MoveTo"), QStringLiteral("460"), QStringLiteral("600"), QStringLiteral("1")},
            {QStringLiteral("PlaySfx"), QStringLiteral("boing.wav"), {}, {}},
            {QStringLiteral("MoveTo"), QStringLiteral("460"), QStringLiteral("380"), QStringLiteral("1")},
            {QStringLiteral("Loop"), QStringLiteral("3"), QStringLiteral("3"), {}}};
        anim_->EditCommand = [&](TImagesItem&, const TCommandItem*) -> std::optional<TCommandFields> {
            if (answers.empty()) return std::nullopt;
            TCommandFields f = answers.front();
            answers.pop_front();
            return f;
        };
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(anim_->AddCommandSpeedButton,
                              Qt::LeftButton); // each lands after the selected row
        const auto rows = [&] {
            QStringList out;
            for (int r = 0; r < list->model()->rowCount(); ++r)
                out << list->model()->index(r, 0).data().toString() + QStringLiteral(" | ") +
                           list->model()->index(r, 1).data().toString();
            return out;
        };
        QCOMPARE(rows(), (QStringList{QStringLiteral("|01. MoveTo | x=460, y=600, duration=1"),
                                      QStringLiteral("|02. PlaySfx | name=boing.wav"),
                                      QStringLiteral("|03. MoveTo | x=460, y=380, duration=1"),
                                      QStringLiteral("-04. Loop | count=3, step=3")}));

        // Both moves at 440 px a second: 220 px take half a second each.
        anim_->SelectRows({0, 2});
        dialogs_.TextAnswers.push_back(QStringLiteral("440"));
        for (QAction* a : anim_->CmdPopupMenu->actions())
            if (a->text() == QStringLiteral("Duration sebességből")) a->trigger();
        QCOMPARE(ball->Base.Track[1].Item(0)->sParam3(), QStringLiteral("0,5"));
        QCOMPARE(ball->Base.Track[1].Item(2)->sParam3(), QStringLiteral("0,5"));
        QCOMPARE(anim_->CommandListPage->tabText(1), QStringLiteral("2. [+] sec:1"));

        QTest::mouseClick(anim_->PlaySpeedButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(ball->Top > 500, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(ball->Top < 450, 5000); // and back up
        QTest::mouseClick(anim_->StopSpeedButton, Qt::LeftButton);
        QCOMPARE(ball->Top, 380.0);

        list->setFocus();
        QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(form_->Scene.Saved);
        form_->Document.OpenProject(path);
        ball = form_->Scene.Layers.Find(QStringLiteral("ball"));
        QVERIFY(ball);
        Select(ball);
        QCOMPARE(rows(), (QStringList{QStringLiteral("|01. MoveTo | x=460, y=600, duration=0,5"),
                                      QStringLiteral("|02. PlaySfx | name=boing.wav"),
                                      QStringLiteral("|03. MoveTo | x=460, y=380, duration=0,5"),
                                      QStringLiteral("-04. Loop | count=3, step=3")}));
    }
};

VELKON_UI_TEST_MAIN(AnimFormTest)
#include "animform.moc"
