#include "bundle_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

const std::string kTerm(39, '@');

// Random decoded bundles with every feature the layout allows.
class BundleMaker {
public:
    explicit BundleMaker(unsigned seed) : myRandom(seed) {}

    std::string Bundle() {
        std::string text;
        for (int k = 0; k < 57; k++)
            text += Section(k % 16);
        int strings = Pick(0, 4);
        for (int i = 0; i < strings; i++)
            text += Pick(0, 3) == 0 ? kTerm + " \n" : Line() + "\n";
        text += kTerm;
        if (Pick(0, 2) != 0)
            text += "\n";
        if (Pick(0, 2) == 0)
            text += "trailer never read\n" + kTerm + "\n";
        return text;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(myRandom); }

    // Any byte but LF, so a line of it is one line.
    char LineChar() {
        const char special[] = {'\r', '\t', '$', '@', ' ', '\x0b', '\x0c', '\xe9', '\xff', '\x01', '\x1a', '\0'};
        if (Pick(0, 4) == 0)
            return special[Pick(0, sizeof special - 1)];
        return static_cast<char>(Pick('!', '~'));
    }

    std::string Line() {
        std::string line;
        int length = Pick(0, 30);
        for (int i = 0; i < length; i++)
            line += LineChar();
        return line == "code" ? "code " : line;
    }

    // A word that is neither "$" nor the terminator, nor one of them
    // followed by a NUL, which compares equal to it.
    std::string Word() {
        std::string word;
        int length = Pick(1, 8);
        for (int i = 0; i < length; i++) {
            char ch = LineChar();
            word += (ch == ' ' || ch == '\0' || (ch >= '\t' && ch <= '\r')) ? 'w' : ch;
        }
        return (word == "$" || word == kTerm) ? word + "x" : word;
    }

    std::string Section(int messages) {
        std::string text;
        int headers = Pick(0, 4);
        for (int i = 0; i < headers; i++)
            text += Line() + "\n";
        text += "code\n";
        for (int m = 0; m < messages; m++) {
            if (Pick(0, 3) == 0)
                text += Word() + " " + Word() + "\n";
            text += "$";
            const char* gaps[] = {" ", "", "\n\n  \n ", "  "};
            int gap = Pick(0, 3);
            text += gaps[gap];
            // Straight after the "$" only white space keeps it a word of its own.
            char first = gap == 1 ? "\t\r\v\f"[Pick(0, 3)] : LineChar();
            text += (first == ' ' || first == '\0') ? '\t' : first;
            text += Line() + "\n";
        }
        text += kTerm;
        const char* rests[] = {"\n", " rest\n", "\t\n", "\r\n", " $ \n"};
        text += rests[Pick(0, 4)];
        return text;
    }

    std::mt19937 myRandom;
};

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
        ASSERT_TRUE(kyvo::UnpackBundle(folder / "info.txt", folder / "dir", error)) << error;
        ASSERT_TRUE(kyvo::PackBundle(folder / "dir", folder / "again.txt", error)) << error;
        EXPECT_EQ(text, Decoded(folder / "again.txt", folder / "temp.dat")) << "seed " << seed;
        EXPECT_FALSE(FileExists(folder / "again.txt.tmp"));
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
    ASSERT_TRUE(kyvo::UnpackBundle(folder / "info.txt", folder / "dir", error)) << error;
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
    EXPECT_FALSE(kyvo::UnpackBundle(folder / "info.txt", folder / "dir", error));
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
    EXPECT_FALSE(kyvo::PackBundle(dir, folder / "info.txt", error));
    EXPECT_EQ(in("kyle.cog") + ", line 3: text after the terminator line belongs to no section; move it into "
              "the section", error);
    WriteBytes(in("kyle.cog"), "code\n" + kTerm + "\n");
    EXPECT_FALSE(kyvo::PackBundle(dir, folder / "info.txt", error));
    EXPECT_EQ(in("pow_bacta.cog") + ": cog section 4 (pow_bacta), line 4: the bundle ends before the "
              "section's terminator.", error);
    fs::remove(in("jkstrings.uni"));
    WriteBytes(in("pow_bacta.cog"), "code\n" + kTerm + "\n");
    EXPECT_FALSE(kyvo::PackBundle(dir, folder / "info.txt", error));
    EXPECT_EQ(in("jkstrings.uni") + ": cannot be read", error);
    EXPECT_FALSE(FileExists(folder / "info.txt"));
}
