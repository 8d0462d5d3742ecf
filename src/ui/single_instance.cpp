#include "ui/single_instance.h"

#include <QCryptographicHash>
#include <QDir>

#include "ui/qt_text.h"

namespace veltora {

QString SingleInstanceLockPath(const std::filesystem::path& programFolder) {
    std::error_code ignored;
    std::filesystem::path folder = std::filesystem::weakly_canonical(programFolder, ignored);
    if (folder.empty()) folder = programFolder;
    const QByteArray key = QCryptographicHash::hash(PathToQString(folder).toUtf8(),
                                                    QCryptographicHash::Sha1).toHex().left(16);
    // XDG_RUNTIME_DIR is private to the user; without it the temp folder serves.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString base = !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
    return base + QStringLiteral("/veltora-") + QString::fromLatin1(key) + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const std::filesystem::path& programFolder)
    : lock_(SingleInstanceLockPath(programFolder)) {
    lock_.setStaleLockTime(0);  // only a lock whose owner is gone counts as stale
}

bool SingleInstance::Acquire() { return lock_.tryLock(0); }

}  // namespace veltora
