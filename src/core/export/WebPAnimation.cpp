#include "core/export/WebPAnimation.h"

#include "core/platform/RuntimeError.h"

#include <cmath>
#include <cstring>
#include <webp/encode.h>
#include <webp/mux.h>

namespace {

// Of libwebp's lossless presets (0 fastest to 9 smallest): beyond 3 the files hardly shrink, below it they grow
// by a sixth.
constexpr int WebPLosslessEffort = 3;

RuntimeError webpFailure(const QString& reason)
{
    return { RuntimeError::PathFileAccess, QStringLiteral("The animation could not be encoded as WebP"),
        QStringLiteral("(%1)").arg(reason) };
}

int webpTimestamp(int frame, int framesPerSecond)
{
    return static_cast<int>(std::lround(frame * 1000.0 / framesPerSecond));
}

// A frame's pixels as libwebp takes them: 0xAARRGGBB, not premultiplied.
class WebPFrame {
public:
    explicit WebPFrame(const QImage& image)
    {
        if (!WebPPictureInit(&m_picture))
            throw webpFailure(QStringLiteral("libwebp's version does not match"));
        const QImage pixels = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                                      : image.convertToFormat(QImage::Format_RGB32);
        m_picture.use_argb = 1;
        m_picture.width = pixels.width();
        m_picture.height = pixels.height();
        if (!WebPPictureAlloc(&m_picture))
            throw RuntimeError(RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory),
                QStringLiteral("(a %1 x %2 pixel WebP frame)").arg(pixels.width()).arg(pixels.height()));
        for (int y = 0; y < pixels.height(); ++y)
            std::memcpy(m_picture.argb + static_cast<std::ptrdiff_t>(y) * m_picture.argb_stride,
                pixels.constScanLine(y), static_cast<std::size_t>(pixels.width()) * sizeof(uint32_t));
    }
    ~WebPFrame() { WebPPictureFree(&m_picture); }
    WebPFrame(const WebPFrame&) = delete;
    WebPFrame& operator=(const WebPFrame&) = delete;

    WebPPicture* get() { return &m_picture; }

private:
    WebPPicture m_picture {};
};

} // namespace

void WebPAnimation::EncoderDeleter::operator()(WebPAnimEncoder* encoder) const
{
    WebPAnimEncoderDelete(encoder);
}

WebPAnimation::WebPAnimation(QSize size, int framesPerSecond)
    : AnimationEncoder(size)
    , m_framesPerSecond(framesPerSecond)
{
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options))
        throw webpFailure(QStringLiteral("libwebp's version does not match"));
    options.anim_params.loop_count = 0;
    options.allow_mixed = 0;
    m_encoder.reset(WebPAnimEncoderNew(size.width(), size.height(), &options));
    if (!m_encoder)
        throw RuntimeError(RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory),
            QStringLiteral("(a %1 x %2 pixel WebP animation)").arg(size.width()).arg(size.height()));
}

WebPAnimation::~WebPAnimation() = default;

void WebPAnimation::encode(const QImage& frame)
{
    WebPConfig config;
    if (!WebPConfigInit(&config) || !WebPConfigLosslessPreset(&config, WebPLosslessEffort))
        throw webpFailure(QStringLiteral("libwebp's version does not match"));
    WebPFrame picture(frame);
    if (!WebPAnimEncoderAdd(m_encoder.get(), picture.get(), webpTimestamp(m_frames, m_framesPerSecond), &config))
        throw webpFailure(QString::fromUtf8(WebPAnimEncoderGetError(m_encoder.get())));
    ++m_frames;
}

QByteArray WebPAnimation::finish()
{
    // The timestamp after the last frame gives its duration.
    if (!WebPAnimEncoderAdd(m_encoder.get(), nullptr, webpTimestamp(m_frames, m_framesPerSecond), nullptr))
        throw webpFailure(QString::fromUtf8(WebPAnimEncoderGetError(m_encoder.get())));
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(m_encoder.get(), &data))
        throw webpFailure(QString::fromUtf8(WebPAnimEncoderGetError(m_encoder.get())));
    QByteArray bytes(reinterpret_cast<const char*>(data.bytes), static_cast<qsizetype>(data.size));
    WebPDataClear(&data);
    return bytes;
}
