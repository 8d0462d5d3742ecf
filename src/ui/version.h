#pragma once
// The program's version as the windows show it.
#include <QString>

namespace veltora {

constexpr int kVersionMajor = VELTORA_VERSION_MAJOR;
constexpr int kVersionMinor = VELTORA_VERSION_MINOR;
constexpr int kVersionRevision = 0;

// "V1.0"
inline QString VersionCaption() {
    return QStringLiteral("V%1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

}  // namespace veltora
