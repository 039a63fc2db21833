#include "render/framewriter.h"

#include "model/velkonerror.h"
#include "project/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <png.h>
#include <webp/encode.h>
#include <webp/mux.h>

namespace velkon {

QString PngFrameName(int k) {
    return QStringLiteral("frame_%1.png").arg(k, 5, 10, QLatin1Char('0'));
}

QByteArray EncodePng(const uint8_t* rgba, int width, int height) {
    if (!rgba || width <= 0 || height <= 0) return {};
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    // Frames are many and big: a quicker, slightly larger compression.
    image.flags = PNG_IMAGE_FLAG_FAST;
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba, width * 4, nullptr)) {
        png_image_free(&image);
        return {};
    }
    bytes.truncate(static_cast<qsizetype>(size));
    return bytes;
}

struct TWebpAnimation::TData {
    int Width = 0, Height = 0;
    WebPAnimEncoder* Encoder = nullptr;
    WebPConfig Config{};
    WebPPicture Picture{};
    bool PictureReady = false;
};

TWebpAnimation::TWebpAnimation(int width, int height, int quality) : d_(std::make_unique<TData>()) {
    d_->Width = width;
    d_->Height = height;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) return;
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&d_->Config)) return;
    if (quality < 0) {
        // Lossless; the quality is the effort here: a middle one keeps long renders quick.
        d_->Config.lossless = 1;
        d_->Config.quality = 50;
        d_->Config.method = 2;
    } else {
        d_->Config.lossless = 0;
        d_->Config.quality = static_cast<float>(std::min(quality, 100));
        d_->Config.method = 4;
    }
    if (!WebPValidateConfig(&d_->Config)) return;
    d_->Encoder = WebPAnimEncoderNew(width, height, &options);
    if (!WebPPictureInit(&d_->Picture)) return;
    d_->Picture.use_argb = 1;
    d_->Picture.width = width;
    d_->Picture.height = height;
    d_->PictureReady = true;
}

TWebpAnimation::~TWebpAnimation() {
    if (d_->Encoder) WebPAnimEncoderDelete(d_->Encoder);
    if (d_->PictureReady) WebPPictureFree(&d_->Picture);
}

bool TWebpAnimation::Add(const uint8_t* rgba, int timeMs, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!d_->Encoder || !d_->PictureReady)
        return fail(QCoreApplication::translate("TFrameSink", "WebP animáció nem lehet %1x%2 képpontos").arg(d_->Width).arg(d_->Height));
    if (!WebPPictureImportRGBA(&d_->Picture, rgba, d_->Width * 4))
        return fail(QCoreApplication::translate("TFrameSink", "nincs elég memória egy WebP képkockához"));
    if (!WebPAnimEncoderAdd(d_->Encoder, &d_->Picture, timeMs, &d_->Config))
        return fail(QCoreApplication::translate("TFrameSink", "a WebP kódolása nem sikerült: %1")
                        .arg(QString::fromUtf8(WebPAnimEncoderGetError(d_->Encoder))));
    return true;
}

QByteArray TWebpAnimation::Assemble(int endMs, QString* error) {
    if (!d_->Encoder) {
        if (error) *error = QCoreApplication::translate("TFrameSink", "nincs kiírandó WebP animáció");
        return {};
    }
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAdd(d_->Encoder, nullptr, endMs, nullptr) ||
        !WebPAnimEncoderAssemble(d_->Encoder, &data)) {
        if (error)
            *error = QCoreApplication::translate("TFrameSink", "a WebP kódolása nem sikerült: %1")
                         .arg(QString::fromUtf8(WebPAnimEncoderGetError(d_->Encoder)));
        WebPDataClear(&data);
        return {};
    }
    QByteArray bytes(reinterpret_cast<const char*>(data.bytes), static_cast<qsizetype>(data.size));
    WebPDataClear(&data);
    return bytes;
}

namespace {

// The time a frame starts at, in whole ms.
int FrameTime(int k, int fps) {
    return static_cast<int>(std::nearbyint(k * 1000.0 / std::max(fps, 1)));
}

// What both kinds of sink share: the folder, the files written so far and
// their removal on Cancel.
class TSinkBase : public TFrameSink {
public:
    explicit TSinkBase(const TFrameSinkOptions& options) : options_(options) {}
    ~TSinkBase() override {
        if (!finished_) TSinkBase::Cancel();
    }
    void Cancel() override {
        for (const QString& path : written_)
            QFile::remove(path);
        written_.clear();
        // Only folders this run made, deepest first, and only while empty.
        for (auto it = madeDirs_.rbegin(); it != madeDirs_.rend(); ++it)
            QDir().rmdir(*it);
        madeDirs_.clear();
        finished_ = false;
    }
    QStringList Paths() const override { return written_; }

protected:
    // Checks the frame and, on the first one, makes the output folder.
    bool Begin(const uint8_t* rgba, int width, int height, QString* error) {
        auto fail = [&](const QString& why) {
            if (error) *error = why;
            return false;
        };
        if (finished_) return fail(QCoreApplication::translate("TFrameSink", "a képkockák már lezárultak"));
        if (!rgba || width <= 0 || height <= 0) return fail(QCoreApplication::translate("TFrameSink", "üres képkocka"));
        if (count_ > 0 && (width != width_ || height != height_))
            return fail(QCoreApplication::translate("TFrameSink", "a(z) %1. képkocka %2x%3 méretű, az első %4x%5 volt")
                            .arg(count_)
                            .arg(width)
                            .arg(height)
                            .arg(width_)
                            .arg(height_));
        if (count_ == 0) {
            width_ = width;
            height_ = height;
            if (!MakeOutDir(error)) return false;
        }
        return true;
    }
    // Writes a whole file (temporary and rename) and remembers it for Cancel.
    bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
        try {
            SafeWriteFile(path, bytes);
        } catch (const EVelkonError& e) {
            if (error) *error = e.Message();
            return false;
        }
        written_ << path;
        return true;
    }
    QString Path(const QString& name) const { return QDir(options_.OutDir).filePath(name); }

    TFrameSinkOptions options_;
    int count_ = 0, width_ = 0, height_ = 0;
    bool finished_ = false;

private:
    bool MakeOutDir(QString* error) {
        const QString dir = QDir::cleanPath(QDir(options_.OutDir).absolutePath());
        QStringList missing;
        for (QString at = dir; !QFileInfo::exists(at) && !QFileInfo(at).isSymLink();) {
            missing.prepend(at);
            const QString up = QFileInfo(at).absolutePath();
            if (up == at) break;
            at = up;
        }
        for (const QString& d : missing) {
            if (!QDir().mkdir(d)) {
                if (error) *error = QCoreApplication::translate("TFrameSink", "a(z) \"%1\" mappa nem hozható létre").arg(d);
                return false;
            }
            madeDirs_ << d;
        }
        const QFileInfo info(dir);
        if (!info.isDir()) {
            if (error) *error = QCoreApplication::translate("TFrameSink", "a(z) \"%1\" nem mappa").arg(dir);
            return false;
        }
        if (!info.isWritable()) {
            if (error) *error = QCoreApplication::translate("TFrameSink", "a(z) \"%1\" mappába nem lehet írni").arg(dir);
            return false;
        }
        return true;
    }

    QStringList written_, madeDirs_;
};

class TPngSink : public TSinkBase {
public:
    using TSinkBase::TSinkBase;
    bool Add(const uint8_t* rgba, int width, int height, QString* error) override {
        if (!Begin(rgba, width, height, error)) return false;
        const QByteArray bytes = EncodePng(rgba, width, height);
        if (bytes.isEmpty()) {
            if (error) *error = QCoreApplication::translate("TFrameSink", "a(z) %1. képkocka PNG-kódolása nem sikerült").arg(count_);
            return false;
        }
        if (!WriteFile(Path(PngFrameName(count_)), bytes, error)) return false;
        ++count_;
        return true;
    }
    bool Finish(QString* error) override {
        if (count_ == 0) {
            if (error) *error = QCoreApplication::translate("TFrameSink", "nincs kiírandó képkocka");
            return false;
        }
        finished_ = true;
        return true;
    }
};

class TWebpSink : public TSinkBase {
public:
    using TSinkBase::TSinkBase;
    bool Add(const uint8_t* rgba, int width, int height, QString* error) override {
        if (!Begin(rgba, width, height, error)) return false;
        if (!animation_) {
            if (width > TWebpAnimation::MaxSide || height > TWebpAnimation::MaxSide) {
                if (error)
                    *error = QCoreApplication::translate("TFrameSink", "WebP animáció nem lehet %1x%2 képpontos").arg(width).arg(height);
                return false;
            }
            // The target is checked now, not after the last frame was encoded.
            try {
                CheckWriteTarget(Target());
            } catch (const EVelkonError& e) {
                if (error) *error = e.Message();
                return false;
            }
            animation_ = std::make_unique<TWebpAnimation>(width, height, options_.Quality);
        }
        if (!animation_->Add(rgba, FrameTime(count_, options_.Fps), error)) return false;
        ++count_;
        return true;
    }
    bool Finish(QString* error) override {
        if (count_ == 0 || !animation_) {
            if (error) *error = QCoreApplication::translate("TFrameSink", "nincs kiírandó képkocka");
            return false;
        }
        const QByteArray bytes = animation_->Assemble(FrameTime(count_, options_.Fps), error);
        animation_.reset();
        if (bytes.isEmpty() || !WriteFile(Target(), bytes, error)) return false;
        finished_ = true;
        return true;
    }

private:
    QString Target() const {
        const QString name = options_.Name.isEmpty() ? QStringLiteral("render") : options_.Name;
        return Path(name + QStringLiteral(".webp"));
    }
    std::unique_ptr<TWebpAnimation> animation_;
};

} // namespace

TFrameSink::~TFrameSink() = default;

std::unique_ptr<TFrameSink> TFrameSink::Create(const TFrameSinkOptions& options) {
    if (options.Format == TFrameFormat::Webp) return std::make_unique<TWebpSink>(options);
    return std::make_unique<TPngSink>(options);
}

} // namespace velkon
