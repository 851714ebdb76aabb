#pragma once
// The run-time error a call raises, and its number.

#include "core/platform/RuntimeError.h"

#include <optional>

// Nothing when call raises none.
template <typename Call> std::optional<RuntimeError> errorRaisedBy(Call&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

// 0 when call raises none.
template <typename Call> int errorOf(Call&& call)
{
    const std::optional<RuntimeError> error = errorRaisedBy(call);
    return error ? error->number() : 0;
}
