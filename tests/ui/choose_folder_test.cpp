#include "ui/choose_folder.h"

#include <QDir>
#include <QFileDialog>
#include <gtest/gtest.h>

#include "support/temp_home.h"
#include "ui/qt_text.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

TEST(ChooseFolder, CancelGivesAnEmptyText) {
    const test::TempHome home(false);
    test::ModalDriver driver;
    driver.On("ChooseFolder", [](QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->reject(); });
    EXPECT_EQ(ChooseFolder(nullptr, QStringLiteral("title"), PathToQString(home.Path())), QString());
    EXPECT_EQ(driver.Seen(), QStringList{"ChooseFolder"});
}

TEST(ChooseFolder, StartsAtTheGivenFolderAndReturnsTheChosenOne) {
    const test::TempHome home(false);
    std::filesystem::create_directories(home / "images");
    const QString start = PathToQString(home.Path());
    QString shownDirectory;
    test::ModalDriver driver;
    driver.On("ChooseFolder", [&](QWidget& widget) {
        auto& dialog = *qobject_cast<QFileDialog*>(&widget);
        shownDirectory = dialog.directory().absolutePath();
        dialog.setDirectory(start + QStringLiteral("/images"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_EQ(ChooseFolder(nullptr, QStringLiteral("title"), start), start + QStringLiteral("/images"));
    EXPECT_EQ(shownDirectory, start);
}

}  // namespace
}  // namespace veltora
