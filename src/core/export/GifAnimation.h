#pragma once
// An animated GIF file looping forever, encoded by giflib: each frame with the palette chosen from its colours.

#include "core/export/AnimationEncoder.h"

#include <memory>

struct GifFileType;

class GifAnimation final : public AnimationEncoder {
public:
    // The largest width or height a GIF image has.
    static constexpr int MaxSide = 65535;

    // With transparent set, the pixels a frame leaves less than half covered are transparent.
    GifAnimation(QSize size, int framesPerSecond, bool transparent);
    ~GifAnimation() override;
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;

    QByteArray finish() override;

private:
    // Error 75 with giflib's reason when a frame cannot be encoded.
    void encode(const QImage& frame) override;

    struct GifCloser {
        void operator()(GifFileType* gif) const;
    };

    // What giflib writes lands here.
    QByteArray m_bytes;
    int m_framesPerSecond;
    bool m_transparent;
    int m_frames = 0;
    std::unique_ptr<GifFileType, GifCloser> m_gif;
};
