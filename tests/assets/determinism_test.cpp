// The generator writes the same bytes on every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "test_support.h"

TEST(Generator, SecondRunWritesTheSameBytes) {
    if (ZAPBRIK_ASSETS_COPIED) GTEST_SKIP() << "this build copied its files from another build, which checks the generator";
    TempDir dir;
    std::string command = std::string(ZAPBRIK_MKASSETS) + " " + dir.path + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int compared = 0;
    for (const char* folder : {"Data", "Sound"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path + folder)) {
            if (!entry.is_regular_file()) continue;
            std::string name = entry.path().string().substr(dir.path.size() + std::string(folder).size() + 1);
            std::string built = std::string(ZAPBRIK_BUILD_DIR) + "/" + folder + "/" + name;
            ASSERT_TRUE(std::filesystem::exists(built)) << built;
            EXPECT_TRUE(ReadFile(entry.path().string()) == ReadFile(built)) << name << " differs between runs";
            compared++;
        }
    EXPECT_GE(compared, 19 + 3 * 8);  // at least every picture and font, and each language's pictures with words
    int icons = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path + "icons")) {
        if (!entry.is_regular_file()) continue;
        std::string name = entry.path().string().substr(dir.path.size());
        EXPECT_TRUE(ReadFile(entry.path().string()) == ReadFile(std::string(ZAPBRIK_BUILD_DIR) + "/" + name))
            << name << " differs between runs";
        icons++;
    }
    EXPECT_EQ(icons, 6);  // five sizes and the scalable icon
}
