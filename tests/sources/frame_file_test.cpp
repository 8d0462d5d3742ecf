#include "sources/frame_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/profile.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

TEST(FrameFile, NamesFollowRunCountAndSheet) {
    EXPECT_EQ(SavedImageStem(7, 3, 12), "07030012");
    EXPECT_EQ(SavedImageStem(123, 4, 5), "23040005");
    EXPECT_EQ(RunTag(123), "23");
    EXPECT_EQ(SavedImageStem(0, 0, 10000), "00000000");
}

TEST(FrameFile, RunNumberAdvancesAtEachStartAndWraps) {
    test::TempHome home(false);
    const fs::path reg = home / "sys" / "reg.cho";
    fs::create_directories(reg.parent_path());
    EXPECT_EQ(AdvanceRunNumber(reg), 1);
    EXPECT_EQ(AdvanceRunNumber(reg), 2);
    WriteProfile("USER", "RunNumber", "99", reg);
    EXPECT_EQ(AdvanceRunNumber(reg), 0);
    WriteProfile("USER", "RunNumber", "garbage", reg);
    EXPECT_EQ(AdvanceRunNumber(reg), 1);
}

// Writers that succeed or fail as told and note which were called.
struct FakeWriters {
    bool systemWorks = true;
    bool ownWorks = true;
    bool bitmapWorks = true;
    std::string calls;

    FrameWriters Make() {
        auto jpeg = [this](char name, const bool& works) {
            return [this, name, &works](const Raster&, const fs::path&, int quality) {
                EXPECT_EQ(quality, 75);
                calls += name;
                if (!works) throw std::runtime_error("fails");
            };
        };
        return {jpeg('s', systemWorks), jpeg('o', ownWorks), [this](const Raster&, const fs::path&, std::string* error) {
                    calls += 'b';
                    if (!bitmapWorks && error) *error = "disk full";
                    return bitmapWorks;
                }};
    }
};

TEST(FrameSaver, FallsBackAndRemembersTheSystemEncoderFailure) {
    struct Case {
        bool system, own, bitmap;
        const char* calls;
        const char* written;  // "" = nothing
    };
    const Case cases[] = {
        {true, true, true, "s", "07030012.jpg"},
        {false, true, true, "so", "07030012.jpg"},
        {false, false, true, "sob", "07030012.BMP"},
        {false, false, false, "sob", ""},
    };
    for (const Case& c : cases) {
        FakeWriters fake{c.system, c.own, c.bitmap, ""};
        FrameSaver saver(fake.Make());
        std::string error;
        const auto written = saver.Save(Raster(4, 4), fs::path("/tmp/BMP/07030012.jpg"), &error);
        EXPECT_EQ(fake.calls, c.calls);
        EXPECT_EQ(written ? written->filename().string() : "", c.written);
        if (!written) {
            EXPECT_EQ(error, "disk full");
        }
        EXPECT_EQ(saver.SystemEncoderFailed(), !c.system);
    }
}

TEST(FrameSaver, DoesNotRetryTheSystemEncoderInTheSameRun) {
    FakeWriters fake{false, true, true, ""};
    FrameSaver saver(fake.Make());
    saver.Save(Raster(4, 4), "a.jpg");
    fake.systemWorks = true;
    saver.Save(Raster(4, 4), "b.jpg");
    EXPECT_EQ(fake.calls, "soo");
}

TEST(FrameSaver, RealWritersSaveAJpegFrame) {
    test::TempHome home(false);
    FrameSaver saver;
    const auto written = saver.Save(Raster(64, 48, 0x00336699), home / "23040005.jpg");
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, home / "23040005.jpg");
    EXPECT_TRUE(fs::exists(*written));
    EXPECT_FALSE(saver.SystemEncoderFailed());
}

}  // namespace
}  // namespace veltora
