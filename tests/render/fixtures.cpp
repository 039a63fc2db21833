#include "fixtures.h"

#include "edit/editorstate.h"
#include "edit/resolutions.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "project/projectfile.h"
#include "render/renderjob.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <png.h>

namespace velkon::test {

QString WriteFixtureProject(const QString& dir, const QString& name, const std::vector<TFixtureLayer>& layers) {
    WritePng(QDir(dir).filePath("quad.png"), 40, 20, 6, 8, [](int x, int y, int c) -> uint8_t {
        static const uint8_t colours[4][4] = {{220, 30, 30, 255}, {30, 200, 30, 255}, {30, 30, 220, 255}, {230, 220, 20, 255}};
        return colours[(y >= 10 ? 2 : 0) + (x >= 20 ? 1 : 0)][c];
    });
    WritePng(QDir(dir).filePath("glass.png"), 40, 20, 6, 8,
             [](int, int, int c) -> uint8_t { return c == 3 ? 128 : 255; });
    QString text = "[Project]\nResolution=0\nBackgroundColor=F0C8A0\nSelectColor=AAAAAA\nLock=1\n"
                   "[Files]\nName1=quad.png\nName2=glass.png\n[Groups]\n-------\n";
    int n = 0;
    for (const TFixtureLayer& l : layers) {
        ++n;
        text += QStringLiteral("[Image%1]\nName=%2\nFileName=%3\nTop=%4\nLeft=%5\nWidth=%6\nHeight=%7\nAlpha=%8\n"
                               "Angle=%9\nOrigoX=%10\nOrigoY=%11\nTouchTop=0\nTouchLeft=0\nTouchWidth=40\n"
                               "TouchHeight=20\nParent=%12\nVisible=1\nPlayAnim=1\nGroup=0\nItemColor=FFFFFF\n")
                    .arg(n)
                    .arg(l.Name, l.File)
                    .arg(l.Top)
                    .arg(l.Left)
                    .arg(l.Width)
                    .arg(l.Height)
                    .arg(l.Alpha)
                    .arg(l.Angle)
                    .arg(l.OrigoX)
                    .arg(l.OrigoY)
                    .arg(l.Parent);
        int index[13] = {};
        for (const QString& command : l.Commands) {
            const QStringList p = command.split(':');
            const int track = p.value(0).toInt();
            text += QStringLiteral("[Image%1_Command%2_%3]\nCommand=%4\nsParam1=%5\nsParam2=%6\nsParam3=%7\nOX=0\nOY=0\n")
                        .arg(n)
                        .arg(track)
                        .arg(++index[track])
                        .arg(p.value(1), p.value(2), p.value(3), p.value(4));
        }
    }
    text += "[Lines]\n";
    text.replace("\n", "\r\n");
    const QString path = QDir(dir).filePath(name + ".VKP");
    WriteFile(path, text.toLatin1());
    return path;
}

bool RenderAt(const QString& project, int32_t time, const QList<QPair<QString, int32_t>>& touches, TFrame& frame,
              QString* error) {
    TScene scene;
    TErrorLog log;
    ReadProject(scene, project, log);
    TEditorState state(scene);
    ApplyResolution(state, scene.Resolution);
    TRenderJobOptions o;
    o.From = o.To = time;
    o.Touches = touches;
    TRenderJob job(state, o);
    const bool ok = job.Run(
        [&](const uint8_t* rgba, int w, int h, QString*) {
            frame.Width = w;
            frame.Height = h;
            frame.Rgba.assign(rgba, rgba + static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
            return true;
        },
        error);
    return ok && job.Frames == 1;
}

bool ReadPngFrame(const QString& path, TFrame& frame) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const QByteArray name = QFile::encodeName(path);
    if (!png_image_begin_read_from_file(&image, name.constData())) return false;
    image.format = PNG_FORMAT_RGBA;
    frame.Rgba.assign(PNG_IMAGE_SIZE(image), 0);
    frame.Width = static_cast<int>(image.width);
    frame.Height = static_cast<int>(image.height);
    return png_image_finish_read(&image, nullptr, frame.Rgba.data(), 0, nullptr) != 0;
}

bool WritePngFrame(const QString& path, const TFrame& frame) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(frame.Width);
    image.height = static_cast<png_uint_32>(frame.Height);
    image.format = PNG_FORMAT_RGBA;
    const QByteArray name = QFile::encodeName(path);
    return png_image_write_to_file(&image, name.constData(), 0, frame.Rgba.data(), frame.Width * 4, nullptr) != 0;
}

bool FramesAgree(const TFrame& actual, const TFrame& expected, int tolerance, int outliers, QString* why) {
    if (actual.Width != expected.Width || actual.Height != expected.Height) {
        *why = QStringLiteral("size %1x%2, expected %3x%4")
                   .arg(actual.Width)
                   .arg(actual.Height)
                   .arg(expected.Width)
                   .arg(expected.Height);
        return false;
    }
    int over = 0, worst = 0, worstX = 0, worstY = 0;
    for (int y = 0; y < actual.Height; ++y)
        for (int x = 0; x < actual.Width; ++x) {
            const size_t i = static_cast<size_t>((y * actual.Width + x) * 4);
            int d = 0;
            for (int c = 0; c < 4; ++c) d = std::max(d, std::abs(int(actual.Rgba[i + c]) - int(expected.Rgba[i + c])));
            if (d > tolerance) ++over;
            if (d > worst) {
                worst = d;
                worstX = x;
                worstY = y;
            }
        }
    if (over <= outliers) return true;
    const size_t i = static_cast<size_t>((worstY * actual.Width + worstX) * 4);
    auto rgba = [&](const TFrame& f) {
        return QStringLiteral("(%1,%2,%3,%4)").arg(f.Rgba[i]).arg(f.Rgba[i + 1]).arg(f.Rgba[i + 2]).arg(f.Rgba[i + 3]);
    };
    *why = QStringLiteral("%1 pixels differ by more than %2 (at most %3 may); the most at (%4, %5): %6, expected %7")
               .arg(over)
               .arg(tolerance)
               .arg(outliers)
               .arg(worstX)
               .arg(worstY)
               .arg(rgba(actual), rgba(expected));
    return false;
}

} // namespace velkon::test
