#include "ui/single_instance.h"

#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include "support/temp_home.h"
#include "ui/qt_text.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

// Starts the real program on `home`; it ends by itself after `quitAfterMs`.
void StartProgram(QProcess& process, const test::TempHome& home, int quitAfterMs) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("VELTORA_QUIT_AFTER_MS"), QString::number(quitAfterMs));
    process.setProcessEnvironment(environment);
    process.start(PathToQString(test::AssembledHome() / "veltora"),
                  {QStringLiteral("--home"), PathToQString(home.Path())});
}

qint64 LockOwner(const test::TempHome& home) {
    qint64 pid = 0;
    QString host;
    QString application;
    QLockFile lock(SingleInstanceLockPath(home.Path()));
    return lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}

TEST(SingleInstance, SecondProgramForTheSameFolderEndsSilently) {
    const test::TempHome home(false);
    test::WriteLanguageFile(home / "Language.txt", {{"info", {{"Language", "Chinese"}}}});
    QProcess first;
    StartProgram(first, home, 60000);
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(test::WaitUntil([&] { return LockOwner(home) == first.processId(); }, 20000));

    QProcess second;
    StartProgram(second, home, 60000);
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    EXPECT_TRUE(first.waitForFinished(20000));
}

TEST(SingleInstance, ProgramEndsByItselfWhenAskedToQuit) {
    const test::TempHome home(false);
    QProcess program;
    StartProgram(program, home, 200);
    EXPECT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(LockOwner(home), 0);
}

TEST(SingleInstance, FoldersDoNotShareALock) {
    const test::TempHome one(false);
    const test::TempHome other(false);
    SingleInstance first(one.Path());
    SingleInstance second(other.Path());
    SingleInstance again(one.Path());
    EXPECT_TRUE(first.Acquire());
    EXPECT_TRUE(second.Acquire());
    EXPECT_FALSE(again.Acquire());
}

}  // namespace
}  // namespace veltora
