#include "bundle_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/bundle_text.h"
#include "outputs.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

// Pack and unpack as the commands run them: keeping what they wrote when
// they succeed, taking it back when they fail.
bool Unpack(const std::string& file, const std::string& folder, std::string& error) {
    kyvo::Outputs outputs(false);
    std::size_t written = 0;
    bool unpacked = kyvo::UnpackBundle(file, folder, outputs, written, error);
    if (unpacked)
        outputs.Keep();
    return unpacked;
}

bool Pack(const std::string& folder, const std::string& file, std::string& error) {
    kyvo::Outputs outputs(false);
    std::size_t written = 0;
    bool packed = kyvo::PackBundle(folder, file, outputs, written, error);
    if (packed)
        outputs.Keep();
    return packed;
}

std::string Decoded(const std::string& encoded, const std::string& temp) {
    EXPECT_TRUE(kyvo::DecodeBundle(encoded.c_str(), temp.c_str())) << kyvo::GenerateError();
    kyvo::ifstream in(temp.c_str());
    std::string text;
    char ch;
    while (in.get(ch))
        text += ch;
    return text;
}

} // namespace

TEST(BundleFolder, UnpackThenPackRoundTripsRandomBundles) {
    TestFolder folder;
    for (unsigned seed = 1; seed <= 40; seed++) {
        std::string text = BundleMaker(seed).Bundle();
        ASSERT_TRUE(kyvo::EncodeBundle((folder / "info.txt").c_str(), text));
        std::string error;
        ASSERT_TRUE(kyvo::CheckBundleFile(folder / "info.txt", error)) << "seed " << seed << ": " << error;
        ASSERT_TRUE(Unpack(folder / "info.txt", folder / "dir", error)) << error;
        ASSERT_TRUE(Pack(folder / "dir", folder / "again.txt", error)) << error;
        EXPECT_EQ(text, Decoded(folder / "again.txt", folder / "temp.dat")) << "seed " << seed;
        fs::remove(folder / "again.txt");
        fs::remove_all(folder / "dir");
    }
}

TEST(BundleFolder, UnpackedCogFilesAreWholeSections) {
    TestFolder folder;
    std::string text;
    for (int k = 0; k < 57; k++)
        text += "h" + std::to_string(k) + "\ncode\n$ m\n" + kTerm + (k == 3 ? " after\n" : "\n");
    text += "s1\n" + kTerm + "\ntrailer";
    ASSERT_TRUE(kyvo::EncodeBundle((folder / "info.txt").c_str(), text));
    std::string error;
    ASSERT_TRUE(Unpack(folder / "info.txt", folder / "dir", error)) << error;
    EXPECT_EQ("h0\r\ncode\r\n$ m\r\n" + kTerm + "\r\n", ReadBytes(folder / "dir/item_bacta.cog"));
    EXPECT_EQ("h3\r\ncode\r\n$ m\r\n" + kTerm + " after\r\n", ReadBytes(folder / "dir/pow_backpack.cog"));
    EXPECT_EQ("h56\r\ncode\r\n$ m\r\n" + kTerm + "\r\n", ReadBytes(folder / "dir/gen_move.cog"));
    EXPECT_EQ("s1\r\n" + kTerm + "\r\ntrailer", ReadBytes(folder / "dir/jkstrings.uni"));
}

struct BrokenBundle {
    const char* name;
    std::string section20; // replaces the text of cog section 20
    std::string problem;
};

void PrintTo(const BrokenBundle& c, std::ostream* os) { *os << c.name; }

class CheckRejects : public ::testing::TestWithParam<BrokenBundle> {};

// Sections 0 to 19 take three lines each, so section 20 starts on line 61.
TEST_P(CheckRejects, TheFirstProblemWithSectionCogAndLine) {
    TestFolder folder;
    std::string text;
    for (int k = 0; k < 20; k++)
        text += "code\n$ m\n" + kTerm + "\n";
    text += GetParam().section20;
    std::string error;
    ASSERT_TRUE(kyvo::EncodeBundle((folder / "info.txt").c_str(), text));
    EXPECT_FALSE(kyvo::CheckBundleFile(folder / "info.txt", error));
    EXPECT_EQ(folder / "info.txt" + ": " + GetParam().problem, error);
    EXPECT_FALSE(Unpack(folder / "info.txt", folder / "dir", error));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CheckRejects,
    ::testing::Values(
        BrokenBundle{"NoCodeLine", "flags\n", "cog section 20 (pow_keyblue), line 62: the bundle ends before the section's \"code\" line."},
        BrokenBundle{"NoTerminator", "code\n$ a\nwords\n", "cog section 20 (pow_keyblue), line 64: the bundle ends before the section's terminator."},
        BrokenBundle{"EndsAfterDollar", "code\n$ m\n$\n\n", "cog section 20 (pow_keyblue), line 63: the bundle ends right after a \"$\"."},
        BrokenBundle{"SixteenMessages", "code\n$ 1\n$ 2\n$ 3\n$ 4\n$ 5\n$ 6\n$ 7\n$ 8\n$ 9\n$ 10\n$ 11\n$ 12\n$ 13\n$ 14\n$ 15\n$ 16\n" + kTerm,
                     "cog section 20 (pow_keyblue), line 77: a 16th message block; a section holds at most 15."}),
    [](const ::testing::TestParamInfo<BrokenBundle>& info) { return std::string(info.param.name); });

TEST(CheckRejects, StringsWithoutTheirTerminator) {
    TestFolder folder;
    std::string text;
    for (int k = 0; k < 57; k++)
        text += "code\n" + kTerm + "\n";
    text += "a\n" + kTerm + " \n";
    std::string error;
    ASSERT_TRUE(kyvo::EncodeBundle((folder / "info.txt").c_str(), text));
    EXPECT_FALSE(kyvo::CheckBundleFile(folder / "info.txt", error));
    EXPECT_EQ(folder / "info.txt" + ": the strings section, line 117: the bundle ends before the strings terminator line.",
              error);
}

TEST(PackBundle, ReportsTheFileAndLineOfABrokenTemplate) {
    TestFolder folder;
    const std::string dir = folder / "dir";
    auto in = [&](const std::string& name) { return (fs::path(dir) / name).string(); };
    fs::create_directory(dir);
    for (int k = 0; k < 57; k++)
        WriteBytes(in(kyvo::CogFileName(k)), "code\n$ m\n" + kTerm + "\n");
    WriteBytes(in("jkstrings.uni"), "a\n" + kTerm + "\n");
    WriteBytes(in("pow_bacta.cog"), "flags\ncode\n$ m\n");
    WriteBytes(in("kyle.cog"), "code\n" + kTerm + "\nstray\n");
    std::string error;
    EXPECT_FALSE(Pack(dir, folder / "info.txt", error));
    EXPECT_EQ(in("kyle.cog") + ", line 3: text after the terminator line belongs to no section; move it into "
              "the section", error);
    WriteBytes(in("kyle.cog"), "code\n" + kTerm + "\n");
    EXPECT_FALSE(Pack(dir, folder / "info.txt", error));
    EXPECT_EQ(in("pow_bacta.cog") + ": cog section 4 (pow_bacta), line 4: the bundle ends before the "
              "section's terminator.", error);
    fs::remove(in("jkstrings.uni"));
    WriteBytes(in("pow_bacta.cog"), "code\n" + kTerm + "\n");
    EXPECT_FALSE(Pack(dir, folder / "info.txt", error));
    EXPECT_EQ(0u, error.find(in("jkstrings.uni") + ": cannot be read (")) << error;
    EXPECT_FALSE(FileExists(folder / "info.txt"));
}
