// Pictures of every PNG colour type show on the canvas; a picture the canvas
// cannot show (a JPEG) is outlined like a broken one, its file named in the
// error log and the status line, and no message box stops the user.

#include "uitest.h"

#include "edit/canvasgeometry.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"

#include <QLabel>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

namespace {
const QColor Magenta(255, 0, 255);

uint32_t Crc32(const QByteArray& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= static_cast<uint8_t>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put32(QByteArray& b, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        b.append(char((v >> shift) & 0xFF));
}

void Chunk(QByteArray& png, const char* type, const QByteArray& data) {
    Put32(png, uint32_t(data.size()));
    const QByteArray body = QByteArray(type) + data;
    png.append(body);
    Put32(png, Crc32(body));
}

// An 8-bit PNG of the given colour type whose every pixel is `pixel` (the
// samples of one pixel as the file stores them). Qt writes no grey-and-alpha
// PNG itself.
QByteArray PlainPng(int width, int height, int colorType, const QByteArray& pixel) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    Put32(header, uint32_t(width));
    Put32(header, uint32_t(height));
    header.append(char(8)).append(char(colorType)).append(char(0)).append(char(0)).append(char(0));
    Chunk(png, "IHDR", header);
    QByteArray raw;
    for (int y = 0; y < height; ++y) {
        raw.append(char(0)); // no filter
        for (int x = 0; x < width; ++x)
            raw.append(pixel);
    }
    Chunk(png, "IDAT", qCompress(raw).mid(4)); // without Qt's length prefix: a zlib stream
    Chunk(png, "IEND", {});
    return png;
}
} // namespace

class PictureFormatsTest : public TMainWindowTest {
    Q_OBJECT

    TImagesItem* AddLayer(const QString& path, double left, double top) {
        TImagesItem* layer = form_->Scene.AddLayer(form_->Scene.AddFile(TFilesItem::Create(path)));
        layer->Left = left;
        layer->Top = top;
        layer->Width = 60;
        layer->Height = 40;
        return layer;
    }

private slots:
    void init() { QVERIFY(StartWindow(RealDialogs)); }
    void cleanup() { StopWindow(); }

    void greyGreyAlphaAndPalettePicturesShowTheirColours_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("grey") << int(QImage::Format_Grayscale8) << QColor(90, 90, 90);
        QTest::newRow("grey 16 bit") << int(QImage::Format_Grayscale16) << QColor(200, 200, 200);
        QTest::newRow("palette") << int(QImage::Format_Indexed8) << QColor(30, 140, 220);
    }
    void greyGreyAlphaAndPalettePicturesShowTheirColours() {
        QFETCH(int, format);
        QFETCH(QColor, colour);
        QImage picture(60, 40, QImage::Format_RGB888);
        picture.fill(colour);
        picture = picture.convertToFormat(QImage::Format(format));
        const QString path = dir_.filePath(QStringLiteral("p.png"));
        QVERIFY(picture.save(path, "PNG"));
        AddLayer(path, 100, 80);
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(130, 100), colour), qPrintable(Describe(frame.pixel(130, 100))));
        QVERIFY(!form_->ErrorLog.Lines().join(QLatin1Char('\n')).contains(QStringLiteral("Invalid")));
    }

    void greyAndAlphaPictureIsBlendedByItsAlpha() {
        // Grey 255 at alpha 128 over the 0.87 grey canvas.
        const QString path = dir_.filePath(QStringLiteral("ga.png"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(PlainPng(60, 40, 4, QByteArray("\xFF\x80", 2)));
        file.close();
        TFilesItem* probe = form_->Scene.AddFile(TFilesItem::Create(path));
        QVERIFY(probe->Image);
        QCOMPARE(probe->Image->PngColorType, 4);
        TImagesItem* layer = form_->Scene.AddLayer(probe);
        layer->Left = 100;
        layer->Top = 80;
        form_->Canvas->OGLRenderPanel->grabFramebuffer();
        const QRgb p = form_->Canvas->ReadFrame().pixel(130, 100);
        QVERIFY2(Near(p, QColor(238, 238, 238), 4), qPrintable(Describe(p)));
    }

    void pictureWithoutATextureIsOutlinedLoggedAndToldInTheStatusLine() {
        QImage photo(60, 40, QImage::Format_RGB888);
        photo.fill(Red);
        const QString path = dir_.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(photo.save(path, "JPEG"));
        const TModalAnswer noBox([](QWidget*) {}, 1500);
        TImagesItem* layer = AddLayer(path, 200, 100);
        QVERIFY(layer->Picture && !layer->Picture->IsEmpty()); // it loads for its size
        const QImage view = form_->Canvas->OGLRenderPanel->grabFramebuffer();
        QTest::qWait(1600);
        QVERIFY2(!noBox.Came(), "no message box");

        const QString line = form_->ErrorLog.Lines().value(0);
        QVERIFY2(line.contains(QStringLiteral("Invalid imageformat!")) && line.contains(path),
                 qPrintable(line));
        QVERIFY2(form_->Status->InfoLabel->text().contains(QStringLiteral("photo.jpg")),
                 qPrintable(form_->Status->InfoLabel->text()));

        // The outline with its diagonals, the canvas showing through: no white box.
        const TEditorState& s = form_->State;
        const int left = TargetToWindowX(s, 200), right = TargetToWindowX(s, 260);
        const int top = TargetToWindowY(s, 100), bottom = TargetToWindowY(s, 140);
        bool edge = false;
        for (int d = -2; d <= 2 && !edge; ++d)
            edge = Near(view.pixel(left + d, (top + bottom) / 2), Magenta, 40);
        QVERIFY2(edge, "left edge");
        const QPoint inside((left + right) / 2, top + (bottom - top) / 5);
        QVERIFY2(Near(view.pixel(inside), Grey), qPrintable(Describe(view.pixel(inside))));
        // A screenshot shows nothing of it.
        const QImage frame = form_->Canvas->ReadFrame();
        QVERIFY2(Near(frame.pixel(230, 120), Grey), qPrintable(Describe(frame.pixel(230, 120))));
    }
};

VELKON_UI_TEST_MAIN(PictureFormatsTest)
#include "pictureformats.moc"
