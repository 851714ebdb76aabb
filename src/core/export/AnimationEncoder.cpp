#include "core/export/AnimationEncoder.h"

#include "core/platform/RuntimeError.h"

AnimationEncoder::AnimationEncoder(QSize size)
    : m_size(size)
{
}

QSize AnimationEncoder::size() const
{
    return m_size;
}

void AnimationEncoder::add(const QImage& frame)
{
    if (frame.size() != m_size)
        throw RuntimeError(RuntimeError::InvalidArgument, RuntimeError::standardText(RuntimeError::InvalidArgument),
            QStringLiteral("(a frame of %1 x %2 pixels in an animation of %3 x %4)")
                .arg(frame.width())
                .arg(frame.height())
                .arg(m_size.width())
                .arg(m_size.height()));
    encode(frame);
}
