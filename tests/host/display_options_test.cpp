#include <gtest/gtest.h>

#include "host/options.h"
#include "platform/display_settings.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::TempDir;

TEST(DisplayOptions, IniGivesDefaultsTheCommandLineOverridesAndTheWindowSizeIsKept) {
    TempDir dir;
    const auto ini = dir.Write("orvane.ini",
                               "Path=/games/x\r\nScaling=Sharp\r\nrenderer = software\r\n"
                               "Audio_Buffer=512\r\nWindowWidth=1300\r\nWindowHeight=975\r\n");
    DisplaySettings read = ReadDisplaySettings(ini);
    EXPECT_EQ(read.scaling, FrameScaling::Sharp);
    EXPECT_EQ(read.renderer, RendererChoice::Software);
    EXPECT_EQ(read.audioBufferFrames, 512);
    EXPECT_EQ(read.windowWidth, 1300);
    EXPECT_EQ(read.windowHeight, 975);

    LaunchOptions options;
    std::string error;
    ASSERT_TRUE(ParseLaunchOptions({"--scaling", "smooth", "--audio-buffer", "8192"}, options,
                                   error))
        << error;
    const DisplaySettings used = WithDisplayOptions(options, read, ini);
    EXPECT_EQ(used.scaling, FrameScaling::Smooth);
    EXPECT_EQ(used.renderer, RendererChoice::Software);
    EXPECT_EQ(used.audioBufferFrames, 8192);
    EXPECT_EQ(used.settingsFile, ini);

    // A new size replaces the old lines in place; the rest of the file stays.
    ASSERT_TRUE(WriteWindowSize(ini, 1600, 1200, error)) << error;
    EXPECT_EQ(testing::ReadWholeFile(ini),
              "Path=/games/x\nScaling=Sharp\nrenderer = software\nAudio_Buffer=512\n"
              "WindowWidth=1600\nWindowHeight=1200\n");
    read.windowWidth = 1600;
    read.windowHeight = 1200;
    EXPECT_EQ(ReadDisplaySettings(ini), read);

    // Values that make no sense leave the defaults, in the file and on the command line.
    dir.Write("bad.ini", "Scaling=blurry\nRenderer=vulkan\nAudio_Buffer=12\nWindowWidth=-5\n"
                         "WindowHeight=99999999\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ReadDisplaySettings(dir / "bad.ini"), DisplaySettings{});
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    for (const char* key : {"scaling", "renderer", "audio_buffer", "windowwidth", "windowheight"}) {
        EXPECT_NE(warnings.find(key), std::string::npos) << key;
    }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--scaling", "blurry"}, {"--renderer", "vulkan"}, {"--audio-buffer", "63"},
             {"--audio-buffer", "4k"}, {"--renderer"}}) {
        LaunchOptions rejected;
        EXPECT_FALSE(ParseLaunchOptions(args, rejected, error)) << args[0];
        EXPECT_NE(error.find(args[0]), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace orvane
