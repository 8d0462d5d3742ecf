#include "sources/sane_scanner.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_home.h"

namespace veltora {
namespace {

// SANE's "test" backend alone, configured from a private folder. SANE reads the folder's
// name once per process, so all tests share one folder and rewrite its files.
class SaneScannerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new test::TempHome(false);
        setenv("SANE_CONFIG_DIR", folder_->Path().c_str(), 1);
    }
    static void TearDownTestSuite() {
        unsetenv("SANE_CONFIG_DIR");
        delete folder_;
    }
    void SetUp() override {
        test::WriteBytes(config_ / "dll.conf", "test\n");
        test::WriteBytes(config_ / "test.conf",
                         "number_of_devices 2\nmode Gray\ndepth 8\nresolution 25\n"
                         "test-picture \"Solid black\"\n");
    }

    static inline test::TempHome* folder_ = nullptr;
    const test::TempHome& config_ = *folder_;
};

using Outcome = ScanResult::Outcome;

TEST_F(SaneScannerTest, ListsTheDevicesAndKeepsTheChoice) {
    SaneScanner scanner;
    ASSERT_TRUE(scanner.Available());
    const auto devices = scanner.ListDevices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].name, "test:0");
    scanner.Choose("test:1");
    scanner.Choose("");  // a cancelled selection changes nothing
    EXPECT_EQ(scanner.Chosen(), "test:1");
}

TEST_F(SaneScannerTest, AcquiresExactlyOnePage) {
    SaneScanner scanner;
    const ScanResult result = scanner.AcquirePage();
    ASSERT_EQ(result.outcome, Outcome::Page) << result.error;
    EXPECT_EQ(scanner.Chosen(), "test:0");  // the first device without a choice
    EXPECT_GT(result.page.Width(), 50);
    EXPECT_GT(result.page.Height(), 50);
    EXPECT_EQ(result.page.ColourAt(10, 10), 0);  // solid black
}

TEST_F(SaneScannerTest, ColourPagesKeepTheirChannels) {
    SaneScanner scanner;
    ASSERT_TRUE(scanner.SetOption("mode", "Color"));
    ASSERT_TRUE(scanner.SetOption("test-picture", "Solid white"));
    const ScanResult result = scanner.AcquirePage();
    ASSERT_EQ(result.outcome, Outcome::Page) << result.error;
    EXPECT_EQ(result.page.ColourAt(5, 5), 0x00FFFFFF);
}

TEST_F(SaneScannerTest, AnEmptyFeederEndsTheLoop) {
    SaneScanner scanner;
    ASSERT_TRUE(scanner.SetOption("source", "Automatic Document Feeder"));
    int pages = 0;
    ScanResult last;
    while ((last = scanner.AcquirePage()).outcome == Outcome::Page && pages < 50) ++pages;
    EXPECT_EQ(pages, 10);  // the test backend's feeder holds ten sheets
    EXPECT_EQ(last.outcome, Outcome::NoPage);
    EXPECT_TRUE(last.page.Empty());
}

TEST_F(SaneScannerTest, DeviceErrorsAndCancelAreNoPage) {
    for (const char* status : {"SANE_STATUS_JAMMED", "SANE_STATUS_CANCELLED", "SANE_STATUS_IO_ERROR"}) {
        SaneScanner scanner;
        ASSERT_TRUE(scanner.SetOption("read-return-value", status)) << status;
        const ScanResult result = scanner.AcquirePage();
        EXPECT_EQ(result.outcome, Outcome::NoPage) << status;
        EXPECT_TRUE(result.page.Empty());
    }
}

TEST_F(SaneScannerTest, AMissingDeviceIsReportedNotFatal) {
    SaneScanner scanner;
    scanner.Choose("test:7");
    const ScanResult result = scanner.AcquirePage();
    EXPECT_EQ(result.outcome, Outcome::Unavailable);
    EXPECT_NE(result.error.find("test:7"), std::string::npos);
    EXPECT_FALSE(scanner.SetOption("mode", "Color"));
}

TEST_F(SaneScannerTest, NoDevicesAtAllIsReported) {
    test::WriteBytes(config_ / "dll.conf", "\n");
    SaneScanner scanner;
    EXPECT_TRUE(scanner.ListDevices().empty());
    const ScanResult result = scanner.AcquirePage();
    EXPECT_EQ(result.outcome, Outcome::Unavailable);
    EXPECT_FALSE(result.error.empty());
}

}  // namespace
}  // namespace veltora
