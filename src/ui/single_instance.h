#pragma once
// At most one running program per program folder. The lock lives in the user's runtime
// folder (the program folder may be read-only) under a name derived from the program
// folder, so separate installations - and tests with their own folders - do not collide.
// A lock left by a crashed instance is taken over.
#include <QLockFile>
#include <QString>
#include <filesystem>

namespace veltora {

QString SingleInstanceLockPath(const std::filesystem::path& programFolder);

class SingleInstance {
public:
    explicit SingleInstance(const std::filesystem::path& programFolder);
    // True when no other instance holds the program folder; the lock is held until this
    // object is destroyed.
    bool Acquire();

private:
    QLockFile lock_;
};

}  // namespace veltora
