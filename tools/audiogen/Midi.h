#pragma once

#include <filesystem>

namespace audiogen {

// Both pieces; throws std::runtime_error if a bar of a score does not add up.
void WriteTheme(const std::filesystem::path& path);
void WritePlayPiece(const std::filesystem::path& path);

}  // namespace audiogen
