// The property inspector in the main window: typed values move the layer on
// the canvas and undo in one step, the multiple page turns the selection about
// the common origin; and the layer tools panel on its own.

#include "../../editor/uitest.h"
#include "model/commanddesc.h"

#include "edit/editorstate.h"
#include "edit/selection.h"
#include "editor/editordocument.h"
#include "model/commanditem.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "panels/layers/layertoolspanel.h"
#include "panels/layers/propertyform.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class PropertyFormTest : public TMainWindowTest {
    Q_OBJECT

    TImagesItem* AddRedLayer(double left, double top) {
        return AddLayer(test::TLayerSpec().At(left, top).Sized(40, 20));
    }
    TPropertyForm* Inspector() { return qobject_cast<TPropertyForm*>(form_->PropertyForm); }
    void Select(std::initializer_list<TImagesItem*> layers) {
        for (const auto& e : form_->Scene.Layers)
            e.second->Selected = false;
        for (TImagesItem* l : layers)
            l->Selected = true;
        RecomputeSelection(form_->State);
        form_->Scene.CurrentLayer = *layers.begin();
        emit form_->Document.SelectionChanged();
    }
    // Replaces a field's text as a user would: select all, type.
    static void Type(QSpinBox* spin, const QString& text) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
    }
    bool RedAt(int x, int y) {
        const QImage frame = form_->Canvas->ReadFrame();
        return Near(frame.pixel(x, y), Red);
    }

private slots:
    void init() {
        QVERIFY(StartWindow());
        QVERIFY(Inspector());
        form_->PropertyForm->raise();
    }
    void cleanup() { StopWindow(); }

    void withoutSelectionTheEmptyPageShows() {
        TPropertyForm* p = Inspector();
        QCOMPARE(p->Pages->currentWidget(), p->EmptyPage);
        TImagesItem* layer = AddRedLayer(100, 50);
        Select({layer});
        QCOMPARE(p->Pages->currentWidget(), p->SinglePage);
        form_->Document.SelectSingleLayer(nullptr);
        emit form_->Document.SelectionChanged();
        QCOMPARE(p->Pages->currentWidget(), p->EmptyPage);
    }

    void typedXMovesTheLayerOnTheCanvasAndOneUndoPutsItBack() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Select({layer});
        TPropertyForm* p = Inspector();
        QCOMPARE(p->Pages->currentWidget(), p->SinglePage);
        QCOMPARE(p->XSpinEdit->value(), 100);
        QCOMPARE(p->WPercentSpinEdit->value(), 100);
        QVERIFY(RedAt(120, 60));
        Type(p->XSpinEdit, QStringLiteral("300"));
        QCOMPARE(layer->Left, 300.0);
        QVERIFY(!form_->Scene.Saved);
        QVERIFY(RedAt(320, 60));
        QVERIFY(!RedAt(120, 60));
        // Three keystrokes, one step.
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(layer->Left, 100.0);
        QVERIFY(RedAt(120, 60));
        QVERIFY(!RedAt(320, 60));
        QCOMPARE(p->XSpinEdit->value(), 100);
    }

    void nameLooksReadOnlyWithItsButtonBeside() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Select({layer});
        TPropertyForm* p = Inspector();
        QTRY_VERIFY(p->NameEdit->isVisible());
        const QString name = layer->Name;
        QCOMPARE(p->NameEdit->text(), name);
        // Typed letters change neither the field nor the layer.
        p->NameEdit->setFocus();
        QTest::keyClicks(p->NameEdit, QStringLiteral("xyz"));
        QCOMPARE(p->NameEdit->text(), name);
        QCOMPARE(layer->Name, name);
        // The field shows no white box to type into: beyond its text it is the
        // panel's own colour, the colour of the page beside it.
        const QImage shot = p->SinglePage->grab().toImage();
        const QRect field = p->NameEdit->geometry();
        const QPoint inside(field.right() - 4, field.center().y());
        const QPoint page(field.right() - 4, field.top() - 2);
        QVERIFY2(
            Near(shot.pixel(inside), QColor(shot.pixel(page)), 2),
            qPrintable(Describe(shot.pixel(inside)) + QStringLiteral(" vs ") + Describe(shot.pixel(page))));
        // The rename buttons stand beside their fields, on the same row.
        for (auto [edit, button] :
             {std::pair{p->NameEdit, p->NameButton}, std::pair{p->FileNameEdit, p->FileNameButton}}) {
            const QRect e = edit->geometry(), b = button->geometry();
            QVERIFY(b.left() >= e.right());
            QVERIFY(b.top() < e.center().y() && e.center().y() < b.bottom());
        }
    }

    void alphaTypedBeyondTheRangeTakesTheEnd() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Select({layer});
        TPropertyForm* p = Inspector();
        Type(p->AlphaSpinEdit, QStringLiteral("999"));
        QCOMPARE(p->AlphaSpinEdit->value(), 255);
        QCOMPARE(layer->Alpha, 255.0);
        Type(p->AlphaSpinEdit, QStringLiteral("40"));
        QCOMPARE(layer->Alpha, 40.0);
        Type(p->AlphaSpinEdit, QStringLiteral("300"));
        QCOMPARE(layer->Alpha, 255.0);
        QVERIFY(p->AlphaSpinEdit->toolTip().isEmpty()); // a number, taken: no error shown
    }

    void fieldWithoutANumberShowsTheErrorAndLeavesTheLayer() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Select({layer});
        TPropertyForm* p = Inspector();
        Type(p->YSpinEdit, QStringLiteral("-"));
        QCOMPARE(p->YSpinEdit->toolTip(), QStringLiteral("Nem szám! A réteg nem változik."));
        QCOMPARE(layer->Top, 50.0);
        QTest::keyClicks(p->YSpinEdit, QStringLiteral("5"));
        QCOMPARE(layer->Top, -5.0);
        QVERIFY(p->YSpinEdit->toolTip().isEmpty());
    }

    void fieldsAreOffWhilePlaying() {
        TImagesItem* layer = AddRedLayer(100, 50);
        layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("30")));
        Select({layer});
        TPropertyForm* p = Inspector();
        form_->Document.PlayStopToggle(false);
        QVERIFY(form_->Scene.Playing);
        QVERIFY(!p->XSpinEdit->isEnabled());
        QVERIFY(!p->Pages->isEnabled());
        form_->Document.PlayStopToggle(false);
        QVERIFY(!form_->Scene.Playing);
        QVERIFY(p->XSpinEdit->isEnabled());
    }

    void shiftStepsByTen() {
        TImagesItem* layer = AddRedLayer(100, 50);
        Select({layer});
        TPropertyForm* p = Inspector();
        p->XSpinEdit->setFocus();
        QTest::keyClick(p->XSpinEdit, Qt::Key_Up);
        QCOMPARE(layer->Left, 101.0);
        QTest::keyClick(p->XSpinEdit, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(layer->Left, 111.0);
        QTest::keyClick(p->XSpinEdit, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(layer->Left, 101.0);
        // The alpha field steps by 1 whatever is held.
        p->AlphaSpinEdit->setFocus();
        QTest::keyClick(p->AlphaSpinEdit, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(layer->Alpha, 254.0);
    }

    void multiplePageRotatesTwoLayersAboutTheCommonOrigin() {
        TImagesItem* a = AddRedLayer(100, 100);
        TImagesItem* b = AddRedLayer(300, 200);
        a->Alpha = 0;
        Select({a, b});
        TPropertyForm* p = Inspector();
        QCOMPARE(p->Pages->currentWidget(), p->MultiPage);
        QVERIFY(!p->MultiAlphaSpinEdit->isEnabled());
        QVERIFY(!p->MultiAlphaTrackBar->isEnabled());
        a->Alpha = 255;
        emit form_->Document.SelectionChanged();
        QVERIFY(p->MultiAlphaTrackBar->isEnabled());
        QCOMPARE(p->MultiAlphaTrackBar->value(), 255);
        // Origins at the top-left corners; the common origin midway between them.
        form_->State.ToolPoint(-1).X = 200;
        form_->State.ToolPoint(-1).Y = 150;
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(p->MultiDegSpinEdit, &focus);
        Type(p->MultiDegSpinEdit, QStringLiteral("180"));
        QCOMPARE(std::nearbyint(a->Left), 300.0);
        QCOMPARE(std::nearbyint(a->Top), 200.0);
        QCOMPARE(std::nearbyint(b->Left), 100.0);
        QCOMPARE(std::nearbyint(b->Top), 100.0);
        QCOMPARE(a->Angle, 180.0);
        // Turned half round about their corners, the pictures lie up and left of them.
        QVERIFY(RedAt(280, 190));
        QVERIFY(RedAt(80, 90));
        QVERIFY(!RedAt(120, 110));
        QTest::mouseClick(form_->ToolBar->UndoSpeedButton, Qt::LeftButton);
        QCOMPARE(a->Left, 100.0);
        QCOMPARE(b->Left, 300.0);
    }

    void layerToolsMakeHideCommandsAndPasteThem() {
        TEditorDocument document;
        TScene& scene = document.Scene;
        TEditorState& state = document.State;
        TScriptedDialogs dialogs;
        document.Port = &dialogs;
        TLayerToolsPanel panel(document);
        panel.show();
        for (const char* name : {"a", "b", "c"})
            scene.Layers.Add(QString::fromLatin1(name), std::make_unique<TImagesItem>())->Name =
                QString::fromLatin1(name);
        scene.Layers.At(0)->Selected = true;
        scene.Layers.At(2)->Selected = true;
        QApplication::clipboard()->setText(QStringLiteral("untouched"));

        panel.findChild<QRadioButton*>(QStringLiteral("Maker1RadioButton"))->click();
        QCOMPARE(panel.MakerGroup->checkedId(), 1);
        QTest::mouseClick(panel.ClipboardButton, Qt::LeftButton);
        QCOMPARE(
            QApplication::clipboard()->text(),
            QStringLiteral("VKP Clipboard\r\n2\r\nx=0y=0w=0h=0a=0\r\n9\r\na\r\n\r\n\r\n9\r\nc\r\n\r\n\r\n"));

        // The commands go into the selected layers' shown tab.
        scene.Layers.At(0)->Selected = false;
        scene.Layers.At(1)->Selected = true;
        state.CommandListTab = 3;
        int edits = 0;
        QObject::connect(&document, &TEditorDocument::LayersChanged, [&] { ++edits; });
        panel.PasteAction->trigger();
        const TCommands& track = scene.Layers.At(1)->Base.Track[2];
        QCOMPARE(track.Count(), 2);
        QCOMPARE(track.Name(0), QStringLiteral("Hide"));
        QCOMPARE(track.Item(1)->sParam1(), QStringLiteral("c"));
        QCOMPARE(scene.Layers.At(2)->Base.Track[2].Count(), 2);
        QCOMPARE(scene.Layers.At(0)->Base.Track[2].Count(), 0);
        QCOMPARE(edits, 1);

        // No selection: the clipboard keeps what it had.
        for (const auto& e : scene.Layers)
            e.second->Selected = false;
        QApplication::clipboard()->setText(QStringLiteral("untouched"));
        QTest::mouseClick(panel.ClipboardButton, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("untouched"));

        // Copying onto the same animation says why it does nothing.
        scene.Layers.At(1)->Selected = true;
        panel.findChild<QRadioButton*>(QStringLiteral("To0RadioButton"))->click();
        QTest::mouseClick(panel.StartButton, Qt::LeftButton);
        QCOMPARE(dialogs.Messages,
                 QStringList{QStringLiteral("A forrás és a cél animáció azonos (Honnan: és Hova:)!")});
        QCOMPARE(scene.Layers.At(1)->Base.Track[2].Count(), 2);
    }
};

VELKON_UI_TEST_MAIN(PropertyFormTest)
#include "propertyform.moc"
