#pragma once
// An animated WebP file, lossless and looping forever, encoded by libwebp's WebPAnimEncoder.

#include "core/export/AnimationEncoder.h"

#include <memory>

struct WebPAnimEncoder;

class WebPAnimation final : public AnimationEncoder {
public:
    // The largest width or height a WebP picture has.
    static constexpr int MaxSide = 16383;

    // Error 7 when the encoder cannot be had.
    WebPAnimation(QSize size, int framesPerSecond);
    ~WebPAnimation() override;
    WebPAnimation(const WebPAnimation&) = delete;
    WebPAnimation& operator=(const WebPAnimation&) = delete;

    QByteArray finish() override;

private:
    // Error 75 with libwebp's reason when a frame cannot be encoded.
    void encode(const QImage& frame) override;

    struct EncoderDeleter {
        void operator()(WebPAnimEncoder* encoder) const;
    };

    int m_framesPerSecond;
    int m_frames = 0;
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> m_encoder;
};
