#pragma once

// Small scenes for the renderer's tests, written as real project files, and
// the frame comparison the golden and CLI tests share.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace velkon::test {

// A layer line of a fixture project.
struct TFixtureLayer {
    TFixtureLayer(QString name, QString file, int left, int top, int width = 40, int height = 20, int alpha = 255)
        : Name(std::move(name)), File(std::move(file)), Left(left), Top(top), Width(width), Height(height),
          Alpha(alpha) {}
    QString Name, File;
    int Left = 0, Top = 0, Width = 40, Height = 20, Alpha = 255, Angle = 0, OrigoX = 0, OrigoY = 0;
    QString Parent;
    // Commands as "track:number:p1:p2:p3" (track 1 plays at start, 4 on touch).
    QStringList Commands;
};

// Writes dir/<name>.VKP (resolution preset 0, 512x384, on a light blue
// background) with the layers, and the pictures they use:
//   quad.png  40x20: red, green / blue, yellow quadrants (shows every turn and flip)
//   glass.png 40x20: white at half alpha
// Returns the project's path.
QString WriteFixtureProject(const QString& dir, const QString& name, const std::vector<TFixtureLayer>& layers);

// A frame: RGBA, top row first.
struct TFrame {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Rgba;
};
// The project's scene at one time of a playback from 0 (touches at their
// times), drawn offscreen as `velkon render` draws it.
bool RenderAt(const QString& project, int32_t time, const QList<QPair<QString, int32_t>>& touches, TFrame& frame,
              QString* error);

bool ReadPngFrame(const QString& path, TFrame& frame);
bool WritePngFrame(const QString& path, const TFrame& frame);

// Whether two frames agree: every channel within tolerance, except at most
// outliers pixels (anti-aliased edges may land a little differently). The
// text says where and by how much they differ most.
bool FramesAgree(const TFrame& actual, const TFrame& expected, int tolerance, int outliers, QString* why);

} // namespace velkon::test
