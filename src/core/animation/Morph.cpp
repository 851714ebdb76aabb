#include "core/animation/Morph.h"

#include "core/animation/InBetween.h"
#include "core/platform/RuntimeError.h"

#include <algorithm>

Morph::Morph(std::vector<GeneticCode> codes, Drawing::Flags flags)
    : m_codes(std::move(codes))
    , m_flags(flags)
{
    if (m_codes.size() < 2)
        throw RuntimeError(RuntimeError::InvalidArgument, RuntimeError::standardText(RuntimeError::InvalidArgument),
            QStringLiteral("(a morph of %1 picture; two or more are needed)").arg(m_codes.size()));
}

GeneticCode Morph::codeAt(FramePosition position) const
{
    const auto step = static_cast<std::size_t>(std::clamp(position.step, 0, pictures() - 2));
    return InBetween::code(m_codes[step], m_codes[step + 1], position.t);
}

QRectF Morph::frameOf(const FrameTiming& timing, Drawing::Frame frame) const
{
    if (frame == Drawing::Frame::Window)
        return Drawing::WindowFrame;
    QRectF whole;
    for (int i = 0; i < timing.frameCount(); ++i)
        whole = whole.united(Drawing::frameOf(codeAt(timing.position(i)), m_flags, frame));
    return whole;
}
