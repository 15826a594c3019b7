#pragma once

#include "host/Host.h"

#include <optional>

namespace kirune {

// Linux reports the NT family, so every platform-dependent step takes the NT numbers.
inline constexpr int kPlatformNT = 2;
inline int GetOSPlatform() { return kPlatformNT; }

// The temporary work folder from TEMP, TMP, Temp or Tmp (the first that is set), the text
// after a first "=" when it holds one, followed by "/"; empty when none is set.
QString GetTempFolder(Host& host);

struct ChosenPlayFile {
    QString name;    // base name (up to the first ".") + ".vxl"
    QString folder;  // ends in "/"
};

// Splits the path the open-file dialog returned; nullopt when the file name holds no ".".
std::optional<ChosenPlayFile> SplitChosenPath(const QString& path);

}  // namespace kirune
