#pragma once

#include "RuntimeError.h"

#include <optional>
#include <utility>

// The error the body raised, or none.
template <typename F>
std::optional<RuntimeError> RaisedError(F&& body)
{
    try {
        std::forward<F>(body)();
    } catch (const RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}
