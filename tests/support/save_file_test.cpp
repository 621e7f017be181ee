#include "support/save_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "test_folder.h"

namespace {

std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

bool Write(std::FILE* file, const std::string& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

} // namespace

TEST(SaveFile, PutsTheBytesInPlaceAndNothingBeside) {
    TestFolder folder;
    std::string path = folder / "out.bin", error;
    EXPECT_EQ(kyvo::SaveResult::Saved,
              kyvo::SaveFile(path, kyvo::SaveMode::KeepExisting, [](std::FILE* f) { return Write(f, "a\nb"); }, error));
    EXPECT_EQ("a\nb", ReadBytes(path));
    EXPECT_EQ((std::set<std::string>{"out.bin"}), Listing(folder.path()));
    EXPECT_EQ(kyvo::SaveResult::Saved,
              kyvo::SaveFile(path, kyvo::SaveMode::Replace, [](std::FILE*) { return true; }, error));
    EXPECT_EQ("", ReadBytes(path));
}

TEST(SaveFile, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    TestFolder folder;
    std::string path = folder / "out.bin", error;
    WriteBytes(path, "old");
    EXPECT_EQ(kyvo::SaveResult::Failed, kyvo::SaveFile(
                                            path, kyvo::SaveMode::Replace,
                                            [](std::FILE* f) { return Write(f, "half") && false; }, error));
    EXPECT_EQ(0u, error.find(path + ": cannot be written (")) << error;
    EXPECT_EQ("old", ReadBytes(path));
    EXPECT_EQ((std::set<std::string>{"out.bin"}), Listing(folder.path()));
}

TEST(SaveFile, KeepingTheExistingFileSaysSo) {
    TestFolder folder;
    std::string path = folder / "out.bin", error;
    WriteBytes(path, "old");
    EXPECT_EQ(kyvo::SaveResult::Exists,
              kyvo::SaveFile(path, kyvo::SaveMode::KeepExisting, [](std::FILE* f) { return Write(f, "new"); }, error));
    EXPECT_EQ("old", ReadBytes(path));
    EXPECT_EQ((std::set<std::string>{"out.bin"}), Listing(folder.path()));
}

TEST(SaveFile, AMissingFolderIsAnError) {
    TestFolder folder;
    std::string path = folder / "gone/out.bin", error;
    EXPECT_EQ(kyvo::SaveResult::Failed,
              kyvo::SaveFile(path, kyvo::SaveMode::Replace, [](std::FILE*) { return true; }, error));
    EXPECT_EQ(0u, error.find(path + ": cannot be created (")) << error;
    EXPECT_TRUE(Listing(folder.path()).empty());
}

TEST(ReadWholeFile, ReadsEveryByteOrSaysWhyNot) {
    TestFolder folder;
    std::string bytes, error;
    WriteBytes(folder / "f", std::string("a\r\n\0\x1a z", 7));
    ASSERT_TRUE(kyvo::ReadWholeFile(folder / "f", bytes, error)) << error;
    EXPECT_EQ(std::string("a\r\n\0\x1a z", 7), bytes);
    WriteBytes(folder / "empty", "");
    ASSERT_TRUE(kyvo::ReadWholeFile(folder / "empty", bytes, error));
    EXPECT_EQ("", bytes);
    EXPECT_FALSE(kyvo::ReadWholeFile(folder / "missing", bytes, error));
    EXPECT_EQ(0u, error.find(folder / "missing" + ": cannot be read (")) << error;
    EXPECT_FALSE(kyvo::ReadWholeFile(folder.path(), bytes, error));
    EXPECT_EQ(folder.path() + ": is a folder, not a file", error);
}
