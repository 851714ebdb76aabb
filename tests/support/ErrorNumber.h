#pragma once
// The number of the run-time error a call raises.

#include "core/platform/RuntimeError.h"

// 0 when call raises none.
template <typename Call> int errorOf(Call&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}
