#include "generator/generator.h"

#include "model/commanddesc.h"
#include "model/scene.h"
#include "model/snd.h"
#include "project/projectfile.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <png.h>
#include <vector>

namespace velkon::bench {

namespace {

QString FileName(int i) { return QStringLiteral("kep%1.png").arg(i + 1, 3, 10, QLatin1Char('0')); }

bool WriteSolidPng(const QString& path, int size, uint32_t rgba) {
    FILE* fp = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!fp)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(fp);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>(size) * 4);
    for (int x = 0; x < size; ++x)
        for (int c = 0; c < 4; ++c)
            row[x * 4 + c] = static_cast<uint8_t>(rgba >> (8 * c));
    for (int y = 0; y < size; ++y)
        png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(fp);
    return true;
}

// Numbers as the editor writes them into parameters: "," as decimal separator.
QString Decimal(TGenRandom& rnd, int lo, int hi) {
    const int whole = rnd.Between(lo, hi);
    const int tenth = rnd.Below(10);
    return tenth ? QStringLiteral("%1,%2").arg(whole).arg(tenth) : QString::number(whole);
}

std::unique_ptr<TCommandItem> MakeCommand(TGenRandom& rnd, const TScene& scene, int layerIndex) {
    auto cmd = std::make_unique<TCommandItem>();
    cmd->SetCommand(rnd.Between(1, CommandCount));
    const QString other = scene.Layers.Name(rnd.Below(layerIndex + 1));
    switch (cmd->Command()) {
    case cmdMoveTo:
    case cmdRelativeMoveTo:
        cmd->SetParam(1, rnd.Below(4) == 0 ? QStringLiteral("Left(%1;%2)").arg(other).arg(rnd.Below(50))
                                         : QString::number(rnd.Between(-200, 1200)));
        cmd->SetParam(2, QString::number(rnd.Between(-200, 900)));
        cmd->SetParam(3, Decimal(rnd, 0, 5));
        break;
    case cmdRotate:
    case cmdFadeTo:
        cmd->SetParam(1, QString::number(rnd.Between(0, 360)));
        cmd->SetParam(2, Decimal(rnd, 0, 3));
        cmd->SetParam(3, rnd.Below(3) == 0 ? QStringLiteral("Ease(0;0,5;1)") : QString());
        break;
    case cmdWait:
        cmd->SetParam(1, rnd.Below(3) == 0 ? QStringLiteral("RandomI(1;6)") : Decimal(rnd, 0, 4));
        break;
    case cmdStartOther:
    case cmdStopOther:
        cmd->SetParam(1, other);
        cmd->SetParam(2, QString::number(rnd.Between(0, 3)));
        break;
    case cmdPlaySfx:
    case cmdStopSfx:
        cmd->SetParam(1, QStringLiteral("hang%1.wav").arg(rnd.Below(4)));
        break;
    case cmdKeyFrame:
        cmd->SetParam(1, QStringLiteral("x=%1y=%2w=%3h=%4a=%5f=%6")
                           .arg(rnd.Below(1024))
                           .arg(rnd.Below(768))
                           .arg(rnd.Between(8, 256))
                           .arg(rnd.Between(8, 256))
                           .arg(rnd.Below(360))
                           .arg(rnd.Below(256)));
        cmd->SetParam(2, Decimal(rnd, 0, 2));
        break;
    default:
        cmd->SetParam(1, QString::number(rnd.Below(100)));
        break;
    }
    cmd->SetOX(rnd.Between(0, 1024));
    cmd->SetOY(rnd.Between(0, 768));
    return cmd;
}

} // namespace

void GenerateScene(TScene& scene, const TGenOptions& options, const QString& dir) {
    TGenRandom rnd(options.Seed);
    scene.Resolution = rnd.Below(6);
    scene.BackgroundColor = static_cast<uint32_t>(rnd.Next() & 0xFFFFFF);
    scene.SelectColor = static_cast<uint32_t>(rnd.Next() & 0xFFFFFF);
    scene.Lock = rnd.Below(2) == 0;

    for (int i = 0; i < options.Files; ++i) {
        const QString path = dir.isEmpty() ? FileName(i) : QDir(dir).filePath(FileName(i));
        std::unique_ptr<TFilesItem> item;
        if (!dir.isEmpty() && QFile::exists(path)) {
            item = TFilesItem::Create(path);
        } else {
            item = std::make_unique<TFilesItem>();
            item->Name = FileName(i);
            item->Path = path;
            item->Image = std::make_unique<TPicture>();
        }
        scene.AddFile(std::move(item));
    }
    for (int g = 0; g < options.Groups; ++g)
        scene.Groups << QStringLiteral("Csoport %1").arg(g + 1);

    const int perLayer = options.Layers > 0 ? options.Commands / options.Layers : 0;
    const int extra = options.Layers > 0 ? options.Commands % options.Layers : 0;
    for (int n = 0; n < options.Layers; ++n) {
        TFilesItem* file = options.Files > 0 ? scene.Files.At(rnd.Below(options.Files)) : nullptr;
        // Names are unique by construction, so the editor's name search is not needed.
        const QString name = QStringLiteral("Réteg%1").arg(n + 1);
        auto owned = std::make_unique<TImagesItem>(file);
        owned->Name = name;
        TImagesItem* layer = scene.Layers.Add(name, std::move(owned));
        layer->Top = rnd.Between(-100, 800);
        layer->Left = rnd.Between(-100, 1100);
        layer->Width = options.PictureSize * rnd.Between(1, 8);
        layer->Height = options.PictureSize * rnd.Between(1, 8);
        layer->Alpha = rnd.Between(0, 255);
        layer->Angle = rnd.Between(0, 359);
        layer->OrigoX = layer->Width / 2;
        layer->OrigoY = layer->Height / 2;
        layer->TouchWidth = static_cast<int>(layer->Width);
        layer->TouchHeight = static_cast<int>(layer->Height);
        layer->Parent = n > 0 && rnd.Below(5) == 0 ? scene.Layers.Name(rnd.Below(n)) : QString();
        layer->Visible = rnd.Below(10) != 0;
        layer->PlayAnim = rnd.Between(0, 3);
        layer->Group = options.Groups > 0 ? rnd.Between(0, options.Groups) : 0;
        layer->ItemColor = static_cast<uint32_t>(rnd.Next() & 0xFFFFFF);
        const int count = perLayer + (n < extra ? 1 : 0);
        for (int c = 0; c < count; ++c) {
            // Most work happens in the base animation; touch tracks get the rest.
            const int track = rnd.Below(10) < 6 ? rnd.Between(1, 3) : rnd.Between(4, 12);
            auto cmd = MakeCommand(rnd, scene, n);
            cmd->Owner = layer;
            layer->TrackByNumber(track).Add(std::move(cmd));
        }
    }
    for (int l = 0; l < options.Lines; ++l) {
        const int v = rnd.Between(1, 1000);
        scene.SetLineValue(QStringLiteral("%1%2").arg(l % 2 ? 'F' : 'V').arg(v), QString::number(v));
    }
}

QString WriteGeneratedProject(const QString& dir, const TGenOptions& options) {
    QDir().mkpath(dir);
    if (options.WritePictures) {
        TGenRandom colours(options.Seed ^ 0xC0FFEEull);
        for (int i = 0; i < options.Files; ++i)
            WriteSolidPng(QDir(dir).filePath(FileName(i)), options.PictureSize,
                          static_cast<uint32_t>(colours.Next()) | 0xFF000000u);
    }
    TScene scene;
    GenerateScene(scene, options, options.WritePictures ? dir : QString());
    const QString path = QDir(dir).filePath(QStringLiteral("bench.VKP"));
    WriteProject(scene, path);
    return path;
}

} // namespace velkon::bench
