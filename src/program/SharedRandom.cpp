#include "program/SharedRandom.h"

namespace {

ClockRandomSource& clockSource()
{
    static ClockRandomSource source;
    return source;
}

RandomSource* standIn = nullptr;

} // namespace

namespace Rnd {

RandomSource& shared()
{
    return standIn ? *standIn : clockSource();
}

ScopedSource::ScopedSource(RandomSource& replacement)
    : m_previous(standIn)
{
    standIn = &replacement;
}

ScopedSource::~ScopedSource()
{
    standIn = m_previous;
}

} // namespace Rnd
