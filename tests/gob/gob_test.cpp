#include "gob/gob.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_folder.h"

using kyvo::GobArchive;

namespace {

std::string U32(std::uint32_t v) {
    std::string bytes;
    for (int i = 0; i < 4; i++)
        bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    return bytes;
}

std::string Name(const std::string& name) {
    std::string field = name;
    field.resize(128, '\0');
    return field;
}

} // namespace

TEST(Gob, WritesTheDirectoryRightAfterTheHeaderAndTheDataInOrder) {
    GobArchive archive;
    std::string error;
    ASSERT_TRUE(kyvo::AddGobEntry(archive, "cog\\a.cog", "AB", error));
    ASSERT_TRUE(kyvo::AddGobEntry(archive, "ui\\s.uni", "", error));
    ASSERT_TRUE(kyvo::AddGobEntry(archive, "x", "xyz", error));
    std::string bytes;
    ASSERT_TRUE(kyvo::SerializeGob(archive, bytes, error));
    std::uint32_t data = 12 + 4 + 3 * 136;
    EXPECT_EQ("GOB " + U32(0x14) + U32(12) + U32(3) + U32(data) + U32(2) + Name("cog\\a.cog") + U32(data + 2) +
                  U32(0) + Name("ui\\s.uni") + U32(data + 2) + U32(3) + Name("x") + "ABxyz",
              bytes);
    GobArchive back;
    ASSERT_TRUE(kyvo::ParseGob(bytes, back, error)) << error;
    ASSERT_EQ(3u, back.entries.size());
    EXPECT_EQ("cog\\a.cog", back.entries[0].name);
    EXPECT_EQ("AB", back.entries[0].data);
    EXPECT_EQ("", back.entries[1].data);
    EXPECT_EQ("xyz", back.entries[2].data);
}

TEST(Gob, AnEmptyContainerHasAnEmptyDirectory) {
    GobArchive archive;
    std::string bytes, error;
    ASSERT_TRUE(kyvo::SerializeGob(archive, bytes, error));
    EXPECT_EQ("GOB " + U32(0x14) + U32(12) + U32(0), bytes);
    ASSERT_TRUE(kyvo::ParseGob(bytes, archive, error));
    EXPECT_TRUE(archive.entries.empty());
}

TEST(Gob, ReadsAnyDirectoryOffsetAndDataOrder) {
    // Data first, directory at the end, entries pointing backwards.
    std::string bytes = "GOB " + U32(0x14) + U32(12 + 5) + "xyzAB" + U32(2) + U32(15) + U32(2) + Name("b") +
                        U32(12) + U32(3) + Name("a");
    GobArchive archive;
    std::string error;
    ASSERT_TRUE(kyvo::ParseGob(bytes, archive, error)) << error;
    ASSERT_EQ(2u, archive.entries.size());
    EXPECT_EQ("AB", archive.entries[0].data);
    EXPECT_EQ("xyz", archive.entries[1].data);
}

struct BadGob {
    const char* name;
    std::string bytes;
    std::string error;
};

void PrintTo(const BadGob& c, std::ostream* os) { *os << c.name; }

class GobRejects : public ::testing::TestWithParam<BadGob> {};

TEST_P(GobRejects, WithAClearError) {
    GobArchive archive;
    std::string error;
    EXPECT_FALSE(kyvo::ParseGob(GetParam().bytes, archive, error));
    EXPECT_EQ(GetParam().error, error);
    EXPECT_TRUE(archive.entries.empty());
}

const std::string kGoodHeader = "GOB " + U32(0x14);

INSTANTIATE_TEST_SUITE_P(
    Cases, GobRejects,
    ::testing::Values(
        BadGob{"Empty", "", "not a GOB container"},
        BadGob{"ShortHeader", "GOB " + U32(0x14) + "\x0c", "not a GOB container"},
        BadGob{"WrongMagic", "GOD " + U32(0x14) + U32(12) + U32(0), "not a GOB container"},
        BadGob{"WrongVersion", "GOB " + U32(0x15) + U32(12) + U32(0), "a GOB container of an unknown version (21, not 20)"},
        BadGob{"DirectoryOutside", kGoodHeader + U32(13) + U32(0), "damaged: it ends before its list of entries"},
        BadGob{"DirectoryFarOutside", kGoodHeader + U32(0xFFFFFFFF) + U32(0), "damaged: it ends before its list of entries"},
        BadGob{"TooManyEntries", kGoodHeader + U32(12) + U32(1) + U32(0),
               "damaged: it ends before its last entry (it lists 1)"},
        BadGob{"HugeCount", kGoodHeader + U32(12) + U32(0xFFFFFFFF),
               "damaged: it ends before its last entry (it lists 4294967295)"},
        BadGob{"DataOutside", kGoodHeader + U32(12) + U32(1) + U32(152) + U32(1) + Name("a"),
               "damaged: it ends before the end of entry a"},
        BadGob{"DataWraps", kGoodHeader + U32(12) + U32(1) + U32(0xFFFFFFFF) + U32(2) + Name("a") + "x",
               "damaged: it ends before the end of entry a"},
        BadGob{"NameWithoutTerminator", kGoodHeader + U32(12) + U32(1) + U32(0) + U32(0) + std::string(128, 'n'),
               "damaged: the name of entry 1 runs on past its 128 bytes"}),
    [](const ::testing::TestParamInfo<BadGob>& info) { return std::string(info.param.name); });

TEST(Gob, FolderFollowsTheExtensionInAnyCase) {
    EXPECT_EQ("cog\\", kyvo::GobFolderFor("22117.cog"));
    EXPECT_EQ("cog\\", kyvo::GobFolderFor("A.COG"));
    EXPECT_EQ("misc\\", kyvo::GobFolderFor("items.dat"));
    EXPECT_EQ("misc\\", kyvo::GobFolderFor("items.Dat"));
    EXPECT_EQ("ui\\", kyvo::GobFolderFor("jkstrings.uni"));
    EXPECT_EQ("", kyvo::GobFolderFor("readme.txt"));
    EXPECT_EQ("", kyvo::GobFolderFor("cog"));
    EXPECT_EQ("", kyvo::GobFolderFor("a.cogs"));
}

TEST(Gob, RefusesLongAndDuplicateNames) {
    GobArchive archive;
    std::string error;
    EXPECT_TRUE(kyvo::AddGobEntry(archive, std::string(127, 'n'), "", error));
    EXPECT_FALSE(kyvo::AddGobEntry(archive, std::string(128, 'm'), "", error));
    EXPECT_NE(std::string::npos, error.find("1 to 127 bytes"));
    EXPECT_TRUE(kyvo::AddGobEntry(archive, "cog\\a.cog", "1", error));
    EXPECT_FALSE(kyvo::AddGobEntry(archive, "COG\\A.cog", "2", error));
    EXPECT_EQ("two entries are named cog\\a.cog and COG\\A.cog, which a container does not tell apart", error);
    EXPECT_EQ(2u, archive.entries.size());
}

TEST(Gob, AddsFilesUnderTheirFolderAndSavesByRenaming) {
    TestFolder folder;
    WriteBytes(folder / "0.cog", "cog bytes\r\n");
    WriteBytes(folder / "items.dat", "items");
    GobArchive archive;
    std::string error;
    ASSERT_TRUE(kyvo::AddGobFile(archive, folder / "0.cog", error)) << error;
    ASSERT_TRUE(kyvo::AddGobFile(archive, folder / "items.dat", error)) << error;
    EXPECT_FALSE(kyvo::AddGobFile(archive, folder / "missing.uni", error));
    std::string path = folder / "Tmk_Kyvo_x.gob";
    WriteBytes(path, "an older container");
    ASSERT_TRUE(kyvo::WriteGob(path, archive, error)) << error;
    EXPECT_FALSE(FileExists(path + ".saving"));
    GobArchive back;
    ASSERT_TRUE(kyvo::ReadGob(path, back, error)) << error;
    ASSERT_EQ(2u, back.entries.size());
    EXPECT_EQ("cog\\0.cog", back.entries[0].name);
    EXPECT_EQ("cog bytes\r\n", back.entries[0].data);
    EXPECT_EQ("misc\\items.dat", back.entries[1].name);
}

TEST(Gob, KeepingASaveNeverReplacesWhatIsThere) {
    TestFolder folder;
    std::string path = folder / "c.gob";
    WriteBytes(path, "old");
    GobArchive archive;
    archive.entries.push_back({"cog\\a.cog", "new"});
    std::string error;
    EXPECT_EQ(kyvo::SaveResult::Exists, kyvo::SaveGob(path, archive, kyvo::SaveMode::KeepExisting, error));
    EXPECT_EQ("old", ReadBytes(path));
    EXPECT_TRUE(kyvo::WriteGob(path, archive, error)) << error;
    GobArchive back;
    ASSERT_TRUE(kyvo::ReadGob(path, back, error)) << error;
    ASSERT_EQ(1u, back.entries.size());
    EXPECT_EQ("new", back.entries[0].data);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        files += entry.is_regular_file();
    EXPECT_EQ(1, files); // no temporary left beside it
}
