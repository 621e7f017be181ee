#include "generate_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/codepage.h"
#include "generate/bundle.h"
#include "generate/generation.h"
#include "generate/names.h"
#include "generate/paths.h"
#include "support/platform.h"
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
    ASSERT_TRUE(kyvo::GenerateContainer("abc", here.current(), "", container, error)) << error;
    EXPECT_EQ((fs::path(here.current()) / "Tmk_Kyvo_abc.gob").string(), container);
    EXPECT_EQ((std::set<std::string>{"info.txt", "Tmk_Kyvo_abc.gob"}), Listing("."));

    kyvo::GobArchive archive;
    ASSERT_TRUE(kyvo::ReadGob(container, archive, error)) << error;
    ASSERT_EQ(59u, archive.entries.size());

    // The same files, written to disk by the window's file-backed path.
    TestFolder other;
    InFolder there(other.path());
    fs::create_directory("generated cogs");
    ASSERT_TRUE(kyvo::DecodeBundle(KYVO_SAMPLE_INFO, "temp.dat"));
    kyvo::RunFiles files;
    files.all.open("temp.dat");
    kyvo::apvector<char[30]>& slots = files.rand_values;
    ASSERT_TRUE(kyvo::GenerateFiles(297, files, nullptr));
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
    EXPECT_FALSE(kyvo::GenerateContainer(c.password, here.current(), "", container, error));
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
    ASSERT_TRUE(kyvo::GenerateContainer(k30, here.current(), "", container, error)) << error;
    EXPECT_TRUE(FileExists("Tmk_Kyvo_" + k30 + ".gob"));
}

TEST_F(GenerateRun, ABrokenBundleLeavesNothingBehind) {
    std::string text = ReadBytes("info.txt");
    WriteBytes("info.txt", text.substr(0, text.size() / 2));
    EXPECT_FALSE(kyvo::GenerateContainer("abc", here.current(), "", container, error));
    EXPECT_EQ(0u, error.find("The template bundle is broken: cog section ")) << error;
    EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing("."));
}

// The command line writes the container and nothing else: a user's files of
// the names the window's run uses are never read, changed or removed.
TEST_F(GenerateRun, TheUsersFilesAreLeftAlone) {
    WriteBytes("temp.dat", "the user's notes");
    fs::create_directory("generated cogs");
    WriteBytes("generated cogs/kyle.cog", "the user's own cog");
    WriteBytes("generated cogs/items.dat", "the user's items");
    ASSERT_TRUE(kyvo::GenerateContainer("abc", here.current(), "", container, error)) << error;
    EXPECT_EQ((std::set<std::string>{"info.txt", "temp.dat", "generated cogs", "Tmk_Kyvo_abc.gob"}), Listing("."));
    EXPECT_EQ("the user's notes", ReadBytes("temp.dat"));
    EXPECT_EQ("the user's own cog", ReadBytes("generated cogs/kyle.cog"));
    EXPECT_EQ("the user's items", ReadBytes("generated cogs/items.dat"));
    EXPECT_EQ((std::set<std::string>{"kyle.cog", "items.dat"}), Listing("generated cogs"));
}

// Another folder and another bundle, with the current directory unchanged.
TEST_F(GenerateRun, WorksInTheFolderItIsGivenWithoutMovingThere) {
    TestFolder elsewhere;
    ASSERT_TRUE(kyvo::GenerateContainer("abc", elsewhere.path(), here.current() + "/info.txt", container, error))
        << error;
    EXPECT_EQ(elsewhere / "Tmk_Kyvo_abc.gob", container);
    EXPECT_EQ((std::set<std::string>{"Tmk_Kyvo_abc.gob"}), Listing(elsewhere.path()));
    EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing("."));
}

TEST_F(GenerateRun, AContainerThatCannotBeWrittenLeavesNothingBehind) {
    std::string gone = (fs::path(here.current()) / "gone").string();
    EXPECT_FALSE(kyvo::GenerateContainer("abc", gone, "info.txt", container, error));
    EXPECT_EQ(0u, error.find((fs::path(gone) / "Tmk_Kyvo_abc.gob").string() + ": cannot be created (")) << error;
    EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing("."));
}

// A container that appears between the refusals and the save is kept.
TEST_F(GenerateRun, AContainerMadeMeanwhileIsNeverReplaced) {
    kyvo::GobArchive archive;
    archive.entries.push_back({"cog\\x.cog", "mine"});
    ASSERT_EQ(kyvo::SaveResult::Exists, kyvo::SaveGob("info.txt", archive, kyvo::SaveMode::KeepExisting, error));
    EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing("."));
    EXPECT_NE("GOB ", ReadBytes("info.txt").substr(0, 4));
}

TEST_F(GenerateRun, VerifyAcceptsTheContainerAndNamesTheFirstDifference) {
    ASSERT_TRUE(kyvo::GenerateContainer("abc", here.current(), "", container, error)) << error;
    kyvo::GobArchive made, expected;
    ASSERT_TRUE(kyvo::ReadGob(container, made, error)) << error;
    ASSERT_TRUE(kyvo::GenerateEntries("abc", "info.txt", expected, error)) << error;
    EXPECT_EQ("", kyvo::FirstDifference(expected, made));

    kyvo::GobArchive changed;
    ASSERT_TRUE(kyvo::ReadGob(container, changed, error));
    changed.entries[3].data[10] ^= 1;
    EXPECT_EQ("entry cog\\pow_backpack.cog differs from byte 10 on (" +
                  std::to_string(changed.entries[3].data.size()) + " bytes, " +
                  std::to_string(changed.entries[3].data.size()) + " expected)",
              kyvo::FirstDifference(expected, changed));
    changed = made;
    std::swap(changed.entries[57], changed.entries[58]);
    EXPECT_EQ("entry 58 is ui\\jkstrings.uni where misc\\items.dat belongs", kyvo::FirstDifference(expected, changed));
    changed = made;
    changed.entries.pop_back();
    EXPECT_EQ("entry ui\\jkstrings.uni is missing", kyvo::FirstDifference(expected, changed));
    changed = made;
    changed.entries.push_back({"cog\\extra.cog", "x"});
    EXPECT_EQ("entry cog\\extra.cog is extra", kyvo::FirstDifference(expected, changed));
}

// On POSIX the container is named in UTF-8 while the seed value uses the
// password's Windows-1252 bytes, as the Windows tool on a Western system does.
TEST_F(GenerateRun, ContainerNamesAreUtf8OnPosix) {
    ASSERT_TRUE(kyvo::GenerateContainer("caf\xE9", here.current(), "", container, error)) << error;
    bool posix = kyvo::HostPathRule() == kyvo::PathRule::Posix;
    std::string name = posix ? "Tmk_Kyvo_caf\xC3\xA9.gob" : "Tmk_Kyvo_caf\xE9.gob";
    // Joined by hand: std::filesystem takes no narrow non-ASCII name as the
    // host's code page would.
    EXPECT_EQ(here.current() + (posix ? "/" : "\\") + name, container);
    EXPECT_TRUE(kyvo::PathExists(container.c_str()));
    // The name already there refuses the same password.
    EXPECT_FALSE(kyvo::GenerateContainer("caf\xE9", here.current(), "", container, error));
    EXPECT_EQ("Kyvo with current password already exists!", error);
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

TEST(Codepage, Windows1252BecomesUtf8) {
    EXPECT_EQ("", kyvo::Windows1252ToUtf8(""));
    EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC\xC5\xB8", kyvo::Windows1252ToUtf8("caf\xE9 \x80\x9F"));
    std::string all, back, error;
    for (int byte = 1; byte < 256; byte++)
        if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
            all += static_cast<char>(byte);
    ASSERT_TRUE(kyvo::Utf8ToWindows1252(kyvo::Windows1252ToUtf8(all), back, error)) << error;
    EXPECT_EQ(all, back);
}
