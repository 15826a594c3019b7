#pragma once

#include <QString>

#include <optional>

namespace kirune {

// A value, or why there is none: the one way the game's readers and loaders report failure.
template <typename T, typename Error = QString>
struct Result {
    T value{};
    std::optional<Error> error;
    explicit operator bool() const { return !error; }
};

}  // namespace kirune
