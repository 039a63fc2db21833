// The canvas renderer: layers land where their geometry puts them, corners
// are projected for hit-testing, selection tint, helper lines, textures.

#include "uitest.h"
#include "model/commanddesc.h"

#include "edit/canvasgeometry.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scripteddialogs.h"

#include <GL/gl.h>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;


class CanvasTest : public TMainWindowTest {
    Q_OBJECT

    TImagesItem* AddRedLayer(int w = 40, int h = 20) { return AddLayer(test::TLayerSpec().Sized(w, h)); }

private slots:
    void init() { QVERIFY(StartWindow(RealDialogs)); }
    void cleanup() { StopWindow(); }

    void layerPixelsFollowGeometry_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("flip");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        QTest::addColumn<QRect>("bounds"); // expected corner bounds, window pixels
        // Picture 40 x 20 drawn 80 x 40 at (100, 50), origin at its top-left.
        QTest::newRow("plain") << 0.0 << 0 << QPoint(170, 80) << QPoint(95, 70)
                               << QRect(QPoint(100, 50), QPoint(180, 90));
        // 90 degrees clockwise about (100, 50): x runs down, y runs left.
        QTest::newRow("rotated 90") << 90.0 << 0 << QPoint(70, 120) << QPoint(140, 70)
                                    << QRect(QPoint(60, 50), QPoint(100, 130));
        // Horizontal flip about the origin: the picture lies left of it.
        QTest::newRow("flip x") << 0.0 << 1 << QPoint(30, 80) << QPoint(140, 70)
                                << QRect(QPoint(20, 50), QPoint(100, 90));
        // Vertical flip: above the origin.
        QTest::newRow("flip y") << 0.0 << 2 << QPoint(170, 20) << QPoint(140, 70)
                                << QRect(QPoint(100, 10), QPoint(180, 50));
        // Both flips are a half turn about the origin.
        QTest::newRow("flip both") << 0.0 << 3 << QPoint(30, 20) << QPoint(140, 70)
                                   << QRect(QPoint(20, 10), QPoint(100, 50));
    }

    void layerPixelsFollowGeometry() {
        QFETCH(double, angle);
        QFETCH(int, flip);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        QFETCH(QRect, bounds);
        TImagesItem* layer = AddRedLayer();
        layer->Left = 100;
        layer->Top = 50;
        layer->Width = 80;
        layer->Height = 40;
        layer->Angle = angle;
        layer->FlipMode = flip;

        const QImage frame = form_->Canvas->ReadFrame();
        QCOMPARE(frame.size(), QSize(1024, 768));
        QCOMPARE(frame.format(), QImage::Format_RGB888);
        QVERIFY2(Near(frame.pixel(inside), Red), qPrintable(Describe(frame.pixel(inside))));
        QVERIFY2(Near(frame.pixel(outside), Grey), qPrintable(Describe(frame.pixel(outside))));
        QVERIFY(Near(frame.pixel(1000, 700), Grey));

        form_->Canvas->OGLRenderPanel->grabFramebuffer(); // an on-screen pass projects the corners
        const auto [minX, maxX] = std::minmax_element(layer->CornersX.begin(), layer->CornersX.end());
        const auto [minY, maxY] = std::minmax_element(layer->CornersY.begin(), layer->CornersY.end());
        QCOMPARE(QRect(QPoint(*minX, *minY), QPoint(*maxX, *maxY)), bounds);
    }

    void zoomAndOffsetMoveTheLayerOnScreenButNotTheReadBack() {
        TImagesItem* layer = AddRedLayer();
        layer->Left = 100;
        layer->Top = 50;
        form_->State.Zoom = 2.0;
        form_->State.FrameOffsetX = 10;
        form_->State.FrameOffsetY = 20;
        form_->Canvas->ApplyResolution();
        QCOMPARE(form_->Canvas->OGLRenderPanel->size(), QSize(2068, 1576));
        form_->Canvas->OGLRenderPanel->grabFramebuffer(); // one on-screen pass
        // On screen: 10 + 100 * 2 = 210 .. 210 + 80, and 20 + 50 * 2 from the top.
        QCOMPARE(*std::min_element(layer->CornersX.begin(), layer->CornersX.end()), 210);
        QCOMPARE(*std::max_element(layer->CornersX.begin(), layer->CornersX.end()), 290);
        QCOMPARE(*std::min_element(layer->CornersY.begin(), layer->CornersY.end()), 20 + 50 * 2);
        const QImage frame = form_->Canvas->ReadFrame();
        QCOMPARE(frame.size(), QSize(1024, 768));
        QVERIFY(Near(frame.pixel(120, 60), Red));
        QVERIFY(Near(frame.pixel(250, 150), Grey));
        // The read-back leaves the on-screen corners alone.
        QCOMPARE(*std::min_element(layer->CornersX.begin(), layer->CornersX.end()), 210);
    }

    void drawnCornersAgreeWithTheCoreGeometry() {
        // Hit-testing reads the corners the redraw projected; the core computes
        // the same corners without a display (its tests and the interaction use them).
        TImagesItem* layer = AddRedLayer(40, 20);
        const struct {
            double zoom;
            int ox, oy;
            double left, top, w, h, angle, origoX, origoY;
            int flip;
        } cases[] = {{1.0, 0, 0, 100, 50, 80, 40, 0, 0, 0, 0},
                     {1.0, 0, 0, 100, 50, 80, 40, 30, 20, 10, 0},
                     {2.0, 10, 20, 33, 44, 40, 20, -75, 5, 5, 1},
                     {0.5, 0, 0, 300, 200, 120, 60, 200, 20, 10, 2},
                     {1.5, 30, 0, 12.25, 7.75, 41, 19, 359, 0, 0, 3}};
        for (const auto& c : cases) {
            form_->State.Zoom = c.zoom;
            form_->State.FrameOffsetX = c.ox;
            form_->State.FrameOffsetY = c.oy;
            form_->Canvas->ApplyResolution();
            layer->Left = c.left;
            layer->Top = c.top;
            layer->Width = c.w;
            layer->Height = c.h;
            layer->Angle = c.angle;
            layer->OrigoX = c.origoX;
            layer->OrigoY = c.origoY;
            layer->FlipMode = c.flip;
            form_->Canvas->OGLRenderPanel->grabFramebuffer();
            const auto drawnX = layer->CornersX, drawnY = layer->CornersY;
            ComputeCorners(form_->State, *layer);
            for (size_t i = 0; i < 4; ++i) {
                QVERIFY2(drawnX[i] == layer->CornersX[i] && drawnY[i] == layer->CornersY[i],
                         qPrintable(QStringLiteral("angle %1 corner %2: drawn %3,%4 core %5,%6")
                                        .arg(c.angle)
                                        .arg(i)
                                        .arg(drawnX[i])
                                        .arg(drawnY[i])
                                        .arg(layer->CornersX[i])
                                        .arg(layer->CornersY[i])));
            }
        }
    }

    void selectedLayerIsTintedWithSelectionColour() {
        TImagesItem* layer = AddRedLayer();
        layer->Left = 100;
        layer->Top = 100;
        form_->Document.SelectSingleLayer(layer);
        const struct {
            uint32_t select;
            QColor expected;
        } cases[] = {
            {0xFFFFFF, Red}, {0x00FF00, QColor(0, 0, 0)}, {0x0000FF, Red}, {0x00007F, QColor(127, 0, 0)}};
        for (const auto& c : cases) {
            form_->Scene.SelectColor = c.select;
            const QImage frame = form_->Canvas->ReadFrame();
            QVERIFY2(Near(frame.pixel(120, 110), c.expected), qPrintable(Describe(frame.pixel(120, 110))));
        }
        // The selection frame is blue, around the corners in window pixels.
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        const QImage frame = form_->Canvas->ReadFrame();
        QCOMPARE(form_->State.SelectionBounds.Left, 100);
        QCOMPARE(form_->State.SelectionBounds.Right, 140);
        QVERIFY2(Near(frame.pixel(120, 99), QColor(0, 0, 255), 40) ||
                     Near(frame.pixel(120, 100), QColor(0, 0, 255), 40),
                 qPrintable(Describe(frame.pixel(120, 99))));
    }

    void alphaBlendsOverTheClearColour() {
        TImagesItem* layer = AddRedLayer();
        layer->Alpha = 127.5;
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(20, 10), QColor(239, 111, 111), 4),
                 qPrintable(Describe(frame.pixel(20, 10))));
    }

    void helperLinesHorizontalForVVerticalOtherwise() {
        form_->Scene.Lines = QStringList{QStringLiteral("V120=120"), QStringLiteral("F40=40")};
        const QImage frame = form_->Canvas->ReadFrame();
        auto blueNear = [&](int x, int y) {
            for (int d = -1; d <= 1; ++d)
                if (Near(frame.pixel(x, y + d), QColor(0, 0, 255), 30) ||
                    Near(frame.pixel(x + d, y), QColor(0, 0, 255), 30))
                    return true;
            return false;
        };
        QVERIFY(blueNear(600, 120));
        QVERIFY(blueNear(40, 600));
        QVERIFY(Near(frame.pixel(600, 300), Grey));
        // Only the layers and lines show while playing; lines are editing aids.
        form_->Scene.Playing = true;
        const QImage playing = form_->Canvas->ReadFrame();
        form_->Scene.Playing = false;
        QVERIFY(Near(playing.pixel(600, 120), Grey) && Near(playing.pixel(600, 119), Grey));
    }

    void clearCheckBoxFillsFrameWithBackground() {
        form_->Scene.BackgroundColor = 0x00FF00; // green
        form_->ToolBar->ClearCheckBox->setChecked(true);
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY(Near(frame.pixel(500, 500), QColor(0, 255, 0)));
    }

    void texturesAreUploadedLateAndDeletedWithTheirFiles() {
        TImagesItem* layer = AddRedLayer(100, 60);
        TFilesItem* file = layer->FileItem;
        QCOMPARE(file->Texture, 0u);
        form_->Canvas->ReadFrame();
        QVERIFY(file->Texture != 0);
        QCOMPARE(file->TexExtentX, 0.78125);
        QCOMPARE(file->TexExtentY, 0.9375);
        QVERIFY(!file->PendingTexture);
        const uint32_t name = file->Texture;
        form_->Canvas->OGLRenderPanel->makeCurrent();
        QVERIFY(glIsTexture(name));
        form_->Scene.ClearLayersAndFiles();
        form_->Canvas->OGLRenderPanel->makeCurrent();
        QVERIFY(!glIsTexture(name));
    }

    void greyPngGetsATextureAndNoMessage() {
        TScriptedDialogs dialogs;
        form_->Dialogs = &dialogs;
        const QString path = dir_.filePath(QStringLiteral("grey.png"));
        QImage grey(8, 8, QImage::Format_Grayscale8);
        grey.fill(128);
        QVERIFY(grey.save(path, "PNG"));
        TImagesItem* layer = form_->Scene.AddLayer(form_->Scene.AddFile(TFilesItem::Create(path)));
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY(layer->FileItem->Texture != 0);
        QVERIFY2(Near(frame.pixel(4, 4), QColor(128, 128, 128)), qPrintable(Describe(frame.pixel(4, 4))));
        QTest::qWait(50);
        QVERIFY(dialogs.Messages.isEmpty());
        form_->Dialogs = &form_->QtDialogs;
    }

    void pathRunsFromTheLayerThroughEveryPhase() {
        TImagesItem* layer = AddRedLayer(20, 20);
        layer->Left = 50;
        layer->Top = 50;
        layer->OrigoX = 10;
        layer->OrigoY = 10;
        for (const char* x : {"200", "400", "600"})
            layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, x, "300", "1"));
        form_->Document.SelectSingleLayer(layer);
        form_->ToolBar->CommandPreviewSpeedButton->setChecked(true);
        form_->ToolBar->VonalakCB->setChecked(true);
        const QImage frame = form_->Canvas->ReadFrame();
        auto blueAt = [&](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                if (Near(frame.pixel(x, y + dy), QColor(0, 0, 255), 60)) return true;
            return false;
        };
        // From the origin point (60, 60) to the first phase's (210, 310), then along the moves.
        QVERIFY(blueAt(135, 185));
        QVERIFY(blueAt(305, 310));
        QVERIFY(blueAt(505, 310));
        // Handles at every phase's origin point.
        QVERIFY(Near(frame.pixel(409, 311), QColor(0, 0, 255)));
        QVERIFY(Near(frame.pixel(413, 313), QColor(0, 0, 0)));
        QCOMPARE(layer->Left, 50.0);
    }

    void commonOriginHandleIsWhiteOrRedWhenGrabbed() {
        TImagesItem* layer = AddRedLayer();
        // The layer's origin lies left of its picture, at (512, 384).
        layer->Left = 612;
        layer->Top = 374;
        layer->OrigoX = -100;
        layer->OrigoY = 10;
        const QImage none = form_->Canvas->ReadFrame();
        QVERIFY(Near(none.pixel(512, 384), Grey)); // nothing selected: no handle
        // Selecting the layer moves the common origin to the layer's origin.
        form_->State.ToolPoint(-1).X = 200;
        form_->State.ToolPoint(-1).Y = 200;
        form_->Document.SelectSingleLayer(layer);
        QCOMPARE(form_->State.ToolPoint(-1).X, 512.0);
        QCOMPARE(form_->State.ToolPoint(-1).Y, 384.0);
        QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(512, 384), Qt::white), qPrintable(Describe(frame.pixel(512, 384))));
        QVERIFY(Near(frame.pixel(515, 384), QColor(0, 0, 0))); // black rim
        QVERIFY(Near(frame.pixel(518, 384), Grey));
        form_->State.GrabbedPoint = -1;
        frame = form_->Canvas->ReadFrame();
        QVERIFY(Near(frame.pixel(512, 384), Red));
    }

    void transposeToolDrawsItsPointAndTheLineFromTheOrigin() {
        form_->State.ToolMode = TToolMode::Transpose;
        form_->State.ToolCount = 1;
        form_->State.ToolPoint(1) = {100, 600, 0x00FF00, 0, nullptr};
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY(Near(frame.pixel(100, 600), QColor(0, 255, 0)));
        QVERIFY(Near(frame.pixel(103, 600), QColor(0, 0, 0)));
        // The line from the common origin (512, 384) passes through the midpoint.
        const QRgb mid = frame.pixel(306, 492);
        QVERIFY2(qGreen(mid) > 200 && qRed(mid) < 100, qPrintable(Describe(mid)));
        // A point coloured 0x01010101 is not drawn.
        form_->State.ToolPoint(1).Color = 0x01010101;
        QVERIFY(Near(frame.pixel(97, 603), QColor(0, 0, 0)));
        QVERIFY(Near(form_->Canvas->ReadFrame().pixel(97, 603), Grey));
    }

    void curveToolDrawsGhostsAndWritesNothing() {
        TImagesItem* layer = AddRedLayer(32, 32);
        form_->Document.SelectSingleLayer(layer);
        form_->ToolBar->CommandPreviewSpeedButton->setChecked(true);
        TEditorState& s = form_->State;
        s.ToolPoint(-1) = {0, 0, 0x0000FF, 0,
                           nullptr}; // the layer's origin point: ghosts go exactly to the path
        s.ToolMode = TToolMode::Curve;
        s.ToolCount = 5;
        s.ToolPoint(1) = {900, 700, 0xFF0000, 1, nullptr};
        s.ToolPoint(2) = {900, 100, 0xFF0000, 0, nullptr};
        s.ToolPoint(3) = {300, 700, 0xFF0000, 0, nullptr};
        s.ToolPoint(4) = {300, 100, 0xFF0000, 0, nullptr};
        s.ToolPoint(5) = {700, 100, 0x01010101, 0.5, nullptr};
        s.AutoDuration = QStringLiteral("1"); // the keyframe editor's duration field
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY(Near(frame.pixel(298, 101), QColor(0, 0, 255)));        // shape point handle
        QVERIFY(Near(frame.pixel(700, 100), QColor(0, 0, 255)));        // path point, blue
        QVERIFY2(Near(frame.pixel(716, 116), QColor(238, 111, 111), 6), // half-transparent ghost
                 qPrintable(Describe(frame.pixel(716, 116))));
        // Drawing the path is only drawing: the layer and its track stay as they were.
        QCOMPARE(layer->Left, 0.0);
        QCOMPARE(layer->Base.Track[0].Count(), 0);
    }

    void phasesDrawOneCopyPerMove() {
        TImagesItem* layer = AddRedLayer(20, 20);
        for (const char* x : {"200", "400", "600"})
            layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, x, "300", "1"));
        form_->Document.SelectSingleLayer(layer);
        form_->ToolBar->CommandPreviewSpeedButton->setChecked(true);
        form_->ToolBar->TrackBar2->setValue(10); // opaque phases
        const QImage frame = form_->Canvas->ReadFrame();
        // The current phase in the layer's own colours, later phases through a green tint.
        QVERIFY(Near(frame.pixel(10, 10), Red));
        for (int x : {210, 410, 610}) {
            const QRgb c = frame.pixel(x, 310);
            QVERIFY2(Near(c, QColor(128, 0, 0)), qPrintable(QString::number(x) + Describe(c)));
        }
        QVERIFY(Near(frame.pixel(310, 310), Grey));
        // The layer itself stays where it was.
        QCOMPARE(layer->Left, 0.0);
        QCOMPARE(layer->Top, 0.0);
    }
};

VELKON_UI_TEST_MAIN(CanvasTest)
#include "canvas.moc"
