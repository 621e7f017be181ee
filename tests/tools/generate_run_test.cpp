#include "generate_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "codepage.h"
#include "generate/bundle.h"
#include "generate/generation.h"
#include "generate/names.h"
#include "gob/gob.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

class GenerateRun : public ::testing::Test {
protected:
    GenerateRun() : here(folder.path()) { fs::copy_file(KYVO_SAMPLE_INFO, "info.txt"); }
    TestFolder folder;
    InFolder here;
    std::string container, error;
};

TEST_F(GenerateRun, PacksTheFiftyNineFilesInListOrderAndLeavesNothingElse) {
    ASSERT_TRUE(kyvo::GenerateContainer("abc", "info.txt", container, error)) << error;
    EXPECT_EQ((fs::path(here.current()) / "Tmk_Kyvo_abc.gob").string(), container);
    EXPECT_EQ((std::set<std::string>{"info.txt", "Tmk_Kyvo_abc.gob"}), Listing("."));

    kyvo::GobArchive archive;
    ASSERT_TRUE(kyvo::ReadGob(container, archive, error)) << error;
    ASSERT_EQ(59u, archive.entries.size());

    // The same files, written by the core alone.
    TestFolder other;
    InFolder there(other.path());
    fs::create_directory("generated cogs");
    ASSERT_TRUE(kyvo::DecodeBundle(KYVO_SAMPLE_INFO, "temp.dat"));
    kyvo::apvector<char[30]> slots(57);
    ASSERT_TRUE(kyvo::GenerateFiles(297, slots, nullptr));
    for (int k = 0; k < 59; k++) {
        std::string name = k < 57 ? slots[k] : k == 57 ? "items.dat" : "jkstrings.uni";
        std::string folderName = k < 57 ? "cog\\" : k == 57 ? "misc\\" : "ui\\";
        EXPECT_EQ(folderName + name, archive.entries[k].name);
        EXPECT_EQ(ReadBytes("generated cogs/" + name), archive.entries[k].data) << name;
    }
    EXPECT_EQ("cog\\19564.cog", archive.entries[46].name);
}

struct Refusal {
    const char* name;
    std::string password;
    const char* existing; // a container already there, or nullptr
    bool bundle;
    const char* message;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class GenerateRefusals : public GenerateRun, public ::testing::WithParamInterface<Refusal> {};

TEST_P(GenerateRefusals, InTheirOrderWithTheirTexts) {
    const Refusal& c = GetParam();
    if (c.existing)
        WriteBytes(c.existing, "an earlier container");
    if (!c.bundle)
        fs::remove("info.txt");
    std::set<std::string> before = Listing(".");
    EXPECT_FALSE(kyvo::GenerateContainer(c.password, "info.txt", container, error));
    EXPECT_EQ(c.message, error);
    EXPECT_EQ(before, Listing("."));
    if (c.existing) {
        EXPECT_EQ("an earlier container", ReadBytes(c.existing));
    }
}

const std::string k30(30, 'p');

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateRefusals,
    ::testing::Values(
        Refusal{"Exists", "abc", "Tmk_Kyvo_abc.gob", true, "Kyvo with current password already exists!"},
        Refusal{"EmptyButExists", "", "Tmk_Kyvo_.gob", true, "Kyvo with current password already exists!"},
        Refusal{"Empty", "", nullptr, true, "Enter a password."},
        Refusal{"ThirtyOneChars", k30 + "q", nullptr, true, "Password exceeds 30 character limit."},
        Refusal{"ThirtyOneCharsFirstThirtyExist", k30 + "q", "Tmk_Kyvo_pppppppppppppppppppppppppppppp.gob", true,
                "Kyvo with current password already exists!"},
        Refusal{"NoBundle", "abc", nullptr, false, "info.txt not found!"},
        Refusal{"NoBundleBeatsFileName", "a:b", nullptr, false, "info.txt not found!"},
        Refusal{"FileNameCharacter", "a:b", nullptr, true,
                "The password holds a character that a file name cannot hold (\\ / : * ? \" < > | or a control "
                "character). Choose another password."},
        Refusal{"ControlCharacter", "a\tb", nullptr, true,
                "The password holds a character that a file name cannot hold (\\ / : * ? \" < > | or a control "
                "character). Choose another password."}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(GenerateRun, ThirtyCharactersAreAccepted) {
    ASSERT_TRUE(kyvo::GenerateContainer(k30, "info.txt", container, error)) << error;
    EXPECT_TRUE(FileExists("Tmk_Kyvo_" + k30 + ".gob"));
}

TEST_F(GenerateRun, ABrokenBundleLeavesNothingBehind) {
    std::string text = ReadBytes("info.txt");
    WriteBytes("info.txt", text.substr(0, text.size() / 2));
    EXPECT_FALSE(kyvo::GenerateContainer("abc", "info.txt", container, error));
    EXPECT_EQ(0u, error.find("The template bundle is broken: cog section ")) << error;
    EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing("."));
}

TEST_F(GenerateRun, AScratchFolderThatCannotBeMadeLeavesNothingBehind) {
    WriteBytes("generated cogs", "a file in the way");
    EXPECT_FALSE(kyvo::GenerateContainer("abc", "info.txt", container, error));
    EXPECT_EQ(0u, error.find("Cannot create the scratch folder ")) << error;
    EXPECT_EQ((std::set<std::string>{"info.txt", "generated cogs"}), Listing("."));
    EXPECT_EQ("a file in the way", ReadBytes("generated cogs"));
}

TEST_F(GenerateRun, AContainerThatCannotBeWrittenLeavesNothingBehind) {
    fs::create_directory("Tmk_Kyvo_abc.gob.saving");
    EXPECT_FALSE(kyvo::GenerateContainer("abc", "info.txt", container, error));
    EXPECT_NE(std::string::npos, error.find("Tmk_Kyvo_abc.gob: cannot be written")) << error;
    EXPECT_EQ((std::set<std::string>{"info.txt", "Tmk_Kyvo_abc.gob.saving"}), Listing("."));
}

TEST_F(GenerateRun, ALeftoverScratchFolderIsReusedAndRemoved) {
    fs::create_directory("generated cogs");
    WriteBytes("generated cogs/items.dat", "stale");
    ASSERT_TRUE(kyvo::GenerateContainer("abc", "info.txt", container, error)) << error;
    EXPECT_EQ((std::set<std::string>{"info.txt", "Tmk_Kyvo_abc.gob"}), Listing("."));
}

TEST(Codepage, Utf8BecomesWindows1252) {
    std::string bytes, error;
    ASSERT_TRUE(kyvo::Utf8ToWindows1252("caf\xC3\xA9 \xE2\x82\xAC\xC5\xB8", bytes, error));
    EXPECT_EQ("caf\xE9 \x80\x9F", bytes);
    EXPECT_FALSE(kyvo::Utf8ToWindows1252("\xE4\xB8\xAD", bytes, error));
    EXPECT_EQ("the password holds U+4E2D, which a Windows-1252 password cannot hold; choose another password", error);
    EXPECT_FALSE(kyvo::Utf8ToWindows1252("\xC3", bytes, error));
    EXPECT_EQ("the password is not valid UTF-8", error);
    EXPECT_FALSE(kyvo::Utf8ToWindows1252("\xC2\x81", bytes, error)); // 0x81 has no character
}
