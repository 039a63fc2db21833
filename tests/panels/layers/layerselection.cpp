// The layer list selects exactly what the layer operations act on, through
// the real main window: a group row reached with the arrow keys or after any
// rebuild stays selected, so Delete, Clone, Add picture and Up/Down work on
// the group; Ctrl+A selects every layer and group. The auxiliary panel's
// "Indít" marks the project modified, so closing asks before the copy is lost.

#include "../../editor/uitest.h"
#include "model/commanddesc.h"

#include "model/commanditem.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scripteddialogs.h"
#include "panels/layers/imagesform.h"
#include "panels/layers/layerlistmodel.h"
#include "panels/layers/layerlistview.h"
#include "panels/layers/layertoolspanel.h"

#include <QButtonGroup>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class LayerSelectionTest : public TMainWindowTest {
    Q_OBJECT
    TImagesForm* panel_ = nullptr;

    TLayerListView* List() const { return panel_->LayerListView; }
    TLayerListModel* Rows() const { return panel_->LayerRows; }
    void ClickRow(int row) {
        const QRect r = List()->visualRect(Rows()->index(row, colFileName));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }
    int GroupRow(const QString& name) const {
        const int g = static_cast<int>(form_->Scene.Groups.indexOf(name));
        return g < 0 ? -1 : Rows()->RowOfGroup(g);
    }
    // The rows the list shows selected, as "G:name" and "L:name".
    QStringList ShownSelected() const {
        QModelIndexList picked = List()->selectionModel()->selectedRows();
        std::sort(picked.begin(), picked.end(),
                  [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        QStringList out;
        for (const QModelIndex& i : picked) {
            const TLayerRow& r = Rows()->Row(i.row());
            out << (r.IsGroup() ? QStringLiteral("G:") + form_->Scene.Groups[r.Group]
                                : QStringLiteral("L:") + r.Layer->Name);
        }
        return out;
    }
    QStringList SelectedLayers() const {
        QStringList out;
        for (int i = form_->Scene.Layers.Count() - 1; i >= 0; --i)
            if (form_->Scene.Layers.At(i)->Selected) out << form_->Scene.Layers.Name(i);
        return out;
    }
    TImagesItem* AddLayer(const QString& name, int group) {
        TImagesItem* l = TMainWindowTest::AddLayer(test::TLayerSpec().Named(name).Sized(20, 20));
        if (l) l->Group = group;
        return l;
    }
    // Groups "Ures" (empty) and "Csapat" (a, b), and the layer c; every group open.
    void GroupsAndLayers() {
        form_->Scene.Groups << QStringLiteral("Ures") << QStringLiteral("Csapat");
        form_->Scene.GroupStates[0].Open = form_->Scene.GroupStates[1].Open = 1;
        QVERIFY(AddLayer(QStringLiteral("a"), 2) && AddLayer(QStringLiteral("b"), 2));
        QVERIFY(AddLayer(QStringLiteral("c"), 0));
        form_->Scene.ProjectDir = dir_.path();
        form_->Scene.ProjectFileName = QStringLiteral("groups.VKP");
        form_->Document.Edited();
        QCOMPARE(Rows()->rowCount(), 5); // Ures, c, Csapat, b, a
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

    void groupRowReachedWithTheArrowKeysStaysSelectedAndDeleteRemovesIt() {
        GroupsAndLayers();
        ClickRow(1); // c
        QCOMPARE(ShownSelected(), QStringList{"L:c"});
        QTest::keyClick(List(), Qt::Key_Down);
        QCOMPARE(GroupRow(QStringLiteral("Csapat")), 2);
        QCOMPARE(ShownSelected(), (QStringList{"G:Csapat", "L:b", "L:a"}));
        QCOMPARE(SelectedLayers(), (QStringList{"b", "a"}));
        // Any later rebuild keeps it.
        form_->Document.Edited();
        QCOMPARE(ShownSelected(), (QStringList{"G:Csapat", "L:b", "L:a"}));

        dialogs_.YesNoAnswers = {true};
        QTest::mouseClick(panel_->DeleteLayerSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Groups, QStringList{"Ures"});
        QCOMPARE(form_->Scene.Layers.Count(), 1);

        // The emptied group row: selected with the arrow keys, deleted for good, and saved so.
        ClickRow(Rows()->RowOf(form_->Scene.Layers.Find(QStringLiteral("c"))));
        QTest::keyClick(List(), Qt::Key_Up);
        QCOMPARE(ShownSelected(), QStringList{"G:Ures"});
        dialogs_.YesNoAnswers = {true};
        QTest::mouseClick(panel_->DeleteLayerSpeedButton, Qt::LeftButton);
        QVERIFY(form_->Scene.Groups.isEmpty());
        QCOMPARE(Rows()->rowCount(), 1);
        QTest::keyClick(form_->Canvas->OGLRenderPanel, Qt::Key_S, Qt::ControlModifier);
        QFile file(dir_.filePath(QStringLiteral("groups.VKP")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY2(!saved.contains("Ures") && !saved.contains("Csapat"), saved.left(400).constData());
        QVERIFY(saved.contains("Name=c\r\n"));
    }

    void selectedGroupRowIsClonedAndTakesANewPicture() {
        GroupsAndLayers();
        ClickRow(GroupRow(QStringLiteral("Csapat")));
        QCOMPARE(ShownSelected(), (QStringList{"G:Csapat", "L:b", "L:a"}));
        QTest::mouseClick(panel_->CloneSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Groups.value(2), QStringLiteral("Csapat másolat"));
        int clones = 0;
        for (const auto& entry : form_->Scene.Layers)
            if (entry.second->Group == 3) ++clones;
        QCOMPARE(clones, 2);

        ClickRow(GroupRow(QStringLiteral("Csapat")));
        const QString path = dir_.filePath(QStringLiteral("new.png"));
        QVERIFY(WriteColourPng(path, 20, 20, Red));
        dialogs_.FileAnswers.push_back(path);
        QTest::mouseClick(panel_->AddImageSpeedButton, Qt::LeftButton);
        TImagesItem* added = form_->Scene.Layers.Find(QStringLiteral("new"));
        QVERIFY(added);
        QCOMPARE(added->Group, 2);
    }

    void upAndDownKeepTheGroupRowSelected() {
        GroupsAndLayers();
        ClickRow(GroupRow(QStringLiteral("Csapat")));
        QTest::mouseClick(panel_->UpSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Name(form_->Scene.Layers.Count() - 1), QStringLiteral("b"));
        QCOMPARE(ShownSelected(), (QStringList{"G:Csapat", "L:b", "L:a"}));
        QTest::mouseClick(panel_->DownSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Name(0), QStringLiteral("a"));
        QCOMPARE(ShownSelected(), (QStringList{"G:Csapat", "L:b", "L:a"}));
    }

    void ctrlASelectsEveryLayerAndGroupSoDeleteTakesThemAll() {
        GroupsAndLayers();
        ClickRow(1); // c only, before Ctrl+A
        QTest::keyClick(List(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(SelectedLayers(), (QStringList{"c", "b", "a"}));
        QCOMPARE(ShownSelected(), (QStringList{"G:Ures", "L:c", "G:Csapat", "L:b", "L:a"}));
        dialogs_.YesNoAnswers = {true};
        QTest::mouseClick(panel_->DeleteLayerSpeedButton, Qt::LeftButton);
        QCOMPARE(form_->Scene.Layers.Count(), 0);
        QVERIFY(form_->Scene.Groups.isEmpty());
        QCOMPARE(Rows()->rowCount(), 0);
    }

    void startCopiesCommandsAndTheCloseQuestionProtectsThem() {
        TImagesItem* a = AddLayer(QStringLiteral("a"), 0);
        QVERIFY(a);
        a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, QStringLiteral("1")));
        form_->Document.Edited();
        form_->Scene.Saved = true;
        ClickRow(0);
        QVERIFY(a->Selected);
        QTest::mouseClick(panel_->FoldLabel, Qt::LeftButton);
        TLayerToolsPanel* tools = panel_->LayerTools;
        QVERIFY(tools->StartButton->isVisible());
        QCOMPARE(tools->FromGroup->checkedId(), 0); // Base
        QCOMPARE(tools->ToGroup->checkedId(), 1);   // Touch 1
        QTest::mouseClick(tools->StartButton, Qt::LeftButton);
        QCOMPARE(a->Touch1.Track[0].Count(), 1);
        QVERIFY(!form_->Scene.Saved);
        dialogs_.YesNoAnswers = {false};
        QVERIFY(!form_->close());
        QCOMPARE(dialogs_.Asked.value(0),
                 QStringLiteral("yesno:Kilépés|A jelenlegi projekt nincs mentve! Biztos kilép?"));
    }
};

VELKON_UI_TEST_MAIN(LayerSelectionTest)
#include "layerselection.moc"
