#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace audiogen {

constexpr int kRate = 22050;
using Signal = std::vector<double>;

// Every effect and voice, each with its file name (without folder).
std::vector<std::pair<std::string, Signal>> MakeEffects();

bool WriteWav(const std::filesystem::path& path, const Signal& signal);

}  // namespace audiogen
