// A layer whose picture is missing or broken shows as an outline in the
// editor's view, where it can be picked, and never in a read-back frame.

#include "uitest.h"

#include "edit/canvasgeometry.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"

#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

namespace {
const QColor Magenta(255, 0, 255);
}

class BrokenPictureTest : public TMainWindowTest {
    Q_OBJECT

private slots:
    void init() { QVERIFY(StartWindow(RealDialogs)); }
    void cleanup() { StopWindow(); }

    void layerWithoutItsPictureIsOutlinedInTheEditorOnly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("broken");
        QTest::newRow("missing") << QStringLiteral("nincs.png") << false;
        QTest::newRow("truncated") << QStringLiteral("csonka.png") << true;
    }

    void layerWithoutItsPictureIsOutlinedInTheEditorOnly() {
        QFETCH(QString, name);
        QFETCH(bool, broken);
        const QString path = dir_.filePath(name);
        if (broken) {
            const QString whole = dir_.filePath(QStringLiteral("egesz.png"));
            QVERIFY(WriteColourPng(whole, 64, 64, Red));
            QFile in(whole);
            QVERIFY(in.open(QIODevice::ReadOnly));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(in.readAll().left(80));
        }
        TImagesItem* layer = form_->Scene.AddLayer(form_->Scene.AddFile(TFilesItem::Create(path)));
        QVERIFY(layer->Picture && layer->Picture->IsEmpty());
        layer->Left = 200;
        layer->Top = 100;
        layer->Width = 120;
        layer->Height = 80;
        form_->Canvas->OGLRenderPanel->update();

        // The edges as the canvas shows them, in window pixels.
        const TEditorState& s = form_->State;
        const int left = TargetToWindowX(s, 200), right = TargetToWindowX(s, 320);
        const int top = TargetToWindowY(s, 100), bottom = TargetToWindowY(s, 180);
        const int midX = (left + right) / 2, midY = (top + bottom) / 2;
        const QImage view = form_->Canvas->OGLRenderPanel->grabFramebuffer();
        auto edgeNear = [&](QPoint p, bool vertical) {
            for (int d = -2; d <= 2; ++d) {
                const QPoint q = vertical ? p + QPoint(d, 0) : p + QPoint(0, d);
                if (Near(view.pixel(q), Magenta, 40)) return true;
            }
            return false;
        };
        QVERIFY2(edgeNear({left, midY}, true), "left edge");
        QVERIFY2(edgeNear({right, midY}, true), "right edge");
        QVERIFY2(edgeNear({midX, top}, false), "top edge");
        QVERIFY2(edgeNear({midX, bottom}, false), "bottom edge");
        // Inside, away from the diagonals, the canvas shows through.
        const QPoint inside(left + (right - left) / 2, top + (bottom - top) / 5);
        QVERIFY2(Near(view.pixel(inside), Grey), qPrintable(Describe(view.pixel(inside))));
        // Outside there is nothing.
        QVERIFY(Near(view.pixel(left - 10, midY), Grey));

        // The layer can be picked where its outline is.
        UpdateCornersAndSelectionBounds(form_->State);
        QVERIFY(CornersHit(*layer, midX, top + 5));
        QVERIFY(!CornersHit(*layer, left - 10, midY));

        // A screenshot or a pack's frame never shows the placeholder.
        const QImage frame = form_->Canvas->ReadFrame();
        for (const QPoint p :
             {QPoint(200, 140), QPoint(319, 140), QPoint(260, 100), QPoint(260, 179), QPoint(260, 140)})
            QVERIFY2(Near(frame.pixel(p), Grey), qPrintable(Describe(frame.pixel(p))));
    }
};

VELKON_UI_TEST_MAIN(BrokenPictureTest)
#include "brokenpicture.moc"
