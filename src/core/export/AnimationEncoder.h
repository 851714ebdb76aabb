#pragma once
// Encodes an animation frame by frame into the bytes of one file that loops forever.

#include <QByteArray>
#include <QImage>
#include <QSize>

class AnimationEncoder {
public:
    virtual ~AnimationEncoder() = default;

    // The next frame, shown for one frame of the frame rate. Error 5 when it is not of the animation's size.
    void add(const QImage& frame);
    // The whole file; nothing may be added after it.
    virtual QByteArray finish() = 0;

protected:
    explicit AnimationEncoder(QSize size);

    QSize size() const;
    // A frame of the animation's size.
    virtual void encode(const QImage& frame) = 0;

private:
    QSize m_size;
};
