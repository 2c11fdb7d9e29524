#include "shell/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "test_support.h"

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingElse) {
    TempDir dir;
    const std::string path = dir.path + "scores.dat";
    WriteText(path, "a much longer old content");
    ASSERT_TRUE(WriteFileAtomically(path, "new", 3));
    EXPECT_EQ(ReadText(path), "new");
    ASSERT_TRUE(WriteFileAtomically(path, "", 0));
    EXPECT_EQ(ReadText(path), "");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path)) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(AtomicFile, NewFileGetsTheUsualPermissions) {
    TempDir dir;
    const mode_t old = umask(022);
    ASSERT_TRUE(WriteFileAtomically(dir.path + "level1.dat", "x", 1));
    umask(old);
    struct stat info{};
    ASSERT_EQ(stat((dir.path + "level1.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(AtomicFile, MissingFolderFails) {
    TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.path + "no/such.dat", "x", 1));
}
