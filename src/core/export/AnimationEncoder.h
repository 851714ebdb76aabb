#pragma once
// Encodes an animation frame by frame into the bytes of one file that loops forever.

#include <QByteArray>
#include <QImage>

class AnimationEncoder {
public:
    virtual ~AnimationEncoder() = default;

    // The next frame, of the size the animation was begun with, shown for one frame of the frame rate.
    virtual void add(const QImage& frame) = 0;
    // The whole file; nothing may be added after it.
    virtual QByteArray finish() = 0;
};
