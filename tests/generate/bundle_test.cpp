#include "generate/bundle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "bundle_text.h"
#include "generate/generate_error.h"
#include "test_folder.h"

using kyvo::apstring;

// ---- decoding ----------------------------------------------------------------

struct Decoding {
    const char* name;
    std::string info;
    std::string temp;
};

void PrintTo(const Decoding& c, std::ostream* os) { *os << c.name; }

class DecodeBundleCases : public ::testing::TestWithParam<Decoding> {};

TEST_P(DecodeBundleCases, DropsTheFirstCharacterAndSubtractsTwo) {
    TestFolder folder;
    InFolder here(folder.path());
    WriteBytes("info.txt", GetParam().info);
    ASSERT_TRUE(kyvo::DecodeBundle("info.txt", "temp.dat")) << kyvo::GenerateError();
    EXPECT_EQ(GetParam().temp, ReadBytes("temp.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DecodeBundleCases,
    ::testing::Values(Decoding{"Empty", "", ""}, Decoding{"OneByte", "\x41", ""},
                      Decoding{"TwoBytes", "\x41\x43", "\x41"},
                      Decoding{"WrapsBelowZero", std::string("x\x00\x01", 3), "\xFE\xFF"},
                      Decoding{"CrLfIsOneCharacter", "x\r\n", "\x08"},
                      Decoding{"LeadingCrLfIsDroppedWhole", "\r\n\x43", "\x41"},
                      Decoding{"FormFeedBecomesALineEnd", "xeqfg\x0c", "code\r\n"},
                      Decoding{"CtrlZIsOrdinary", "x\x1c\x1c", "\x1a\x1a"}),
    [](const ::testing::TestParamInfo<Decoding>& info) { return std::string(info.param.name); });

TEST(DecodeBundle, EncodeIsItsInverseForEveryCharacter) {
    TestFolder folder;
    InFolder here(folder.path());
    std::string text;
    for (int i = 0; i < 256; i++)
        text += static_cast<char>(i);
    text += "\r\n\n\r\r\x0b\x0b\n\x08\x08";
    ASSERT_TRUE(kyvo::EncodeBundle("info.txt", text));
    ASSERT_TRUE(kyvo::DecodeBundle("info.txt", "temp.dat"));
    kyvo::ifstream in("temp.dat");
    std::string back;
    char ch;
    while (in.get(ch))
        back += ch;
    EXPECT_EQ(text, back);
}

TEST(DecodeBundle, AnUnreadableBundleIsAnError) {
    TestFolder folder;
    InFolder here(folder.path());
    std::filesystem::create_directory("info.txt");
    EXPECT_FALSE(kyvo::DecodeBundle("info.txt", "temp.dat"));
    EXPECT_STREQ("info.txt was found but cannot be read. Check that it is a file you may read.",
                 kyvo::GenerateError());
}

// ---- reading sections ----------------------------------------------------------

class SectionReading : public ::testing::Test {
protected:
    void Open(const std::string& text) {
        WriteText(folder / "temp.dat", text);
        all.open((folder / "temp.dat").c_str());
        ASSERT_TRUE(all.is_open());
    }
    TestFolder folder;
    kyvo::ifstream all;
    kyvo::CogSection section;
    std::string problem;
};

TEST_F(SectionReading, WorkedExample) {
    Open("flags=0x240\ncode\n$ startup: x=1;\n$\n\n   activated: x=2; Return;\nstray words\n" + kTerm +
         "\nmessage startup\nend\ncode\n" + kTerm + " rest");
    ASSERT_TRUE(kyvo::ReadCogSection(all, 0, section, problem));
    ASSERT_EQ(2u, section.header.size());
    EXPECT_STREQ("flags=0x240", section.header[0].c_str());
    EXPECT_STREQ("code", section.header[1].c_str());
    ASSERT_EQ(2, section.counter);
    EXPECT_STREQ("startup: x=1;", section.Messages[0].c_str());
    EXPECT_STREQ("activated: x=2; Return;", section.Messages[1].c_str());

    kyvo::CogSection second;
    ASSERT_TRUE(kyvo::ReadCogSection(all, 1, second, problem));
    ASSERT_EQ(4u, second.header.size());
    EXPECT_STREQ("", second.header[0].c_str()); // the rest of the terminator line
    EXPECT_STREQ("message startup", second.header[1].c_str());
    EXPECT_EQ(0, second.counter);
    apstring rest;
    getline(all, rest);
    EXPECT_STREQ(" rest", rest.c_str());
}

TEST_F(SectionReading, MessageTextRules) {
    Open("code \nc\rcode\ncode\n$\n   \n  activated: x;\n$\tTab  \n$activated: ignored\n$ $ " + kTerm +
         " inside\n$ \r\n" + kTerm);
    ASSERT_TRUE(kyvo::ReadCogSection(all, 3, section, problem));
    ASSERT_EQ(3u, section.header.size()); // only a bare "code" ends the header
    EXPECT_STREQ("c\rcode", section.header[1].c_str());
    ASSERT_EQ(4, section.counter);
    EXPECT_STREQ("activated: x;", section.Messages[0].c_str());
    EXPECT_STREQ("\tTab  ", section.Messages[1].c_str());
    EXPECT_STREQ("$ @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@ inside", section.Messages[2].c_str());
    EXPECT_STREQ("\r", section.Messages[3].c_str());
}

struct Broken {
    const char* name;
    std::string text;
    std::string error;
};

void PrintTo(const Broken& c, std::ostream* os) { *os << c.name; }

class BrokenSections : public SectionReading, public ::testing::WithParamInterface<Broken> {};

TEST_P(BrokenSections, StopAtOnceWithTheSectionTheLineAndWhatIsMissing) {
    Open(GetParam().text);
    EXPECT_FALSE(kyvo::ReadCogSection(all, 12, section, problem));
    EXPECT_EQ("cog section 12 (pow_dconcrifle), " + GetParam().error, problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenSections,
    ::testing::Values(
        Broken{"Empty", "", "line 1: the bundle ends before the section's \"code\" line."},
        Broken{"NoCode", "flags\ncode \n", "line 3: the bundle ends before the section's \"code\" line."},
        Broken{"CodeAtTheEnd", "flags\ncode", "line 2: the bundle ends before the section's terminator."},
        Broken{"NoTerminator", "code\n$ a\n$ b\nwords", "line 4: the bundle ends before the section's terminator."},
        Broken{"ShortTerminator", "code\n" + std::string(38, '@') + "\n",
               "line 3: the bundle ends before the section's terminator."},
        Broken{"DollarAtTheEnd", "code\n$", "line 2: the bundle ends right after a \"$\"."},
        Broken{"DollarThenBlankLines", "code\n$ \n  \n\n ", "line 2: the bundle ends right after a \"$\"."},
        Broken{"SixteenMessages",
               "code\n$ 1\n$ 2\n$ 3\n$ 4\n$ 5\n$ 6\n$ 7\n$ 8\n$ 9\n$ 10\n$ 11\n$ 12\n$ 13\n$ 14\n$ 15\n$ 16\n" + kTerm,
               "line 17: a 16th message block; a section holds at most 15."}),
    [](const ::testing::TestParamInfo<Broken>& info) { return std::string(info.param.name); });

TEST_F(SectionReading, FifteenMessagesFit) {
    std::string text = "code\n";
    for (int m = 0; m < 15; m++)
        text += "$ m" + std::to_string(m) + "\n";
    Open(text + kTerm);
    ASSERT_TRUE(kyvo::ReadCogSection(all, 0, section, problem));
    EXPECT_EQ(15, section.counter);
    EXPECT_STREQ("m14", section.Messages[14].c_str());
}

// ---- the strings section ---------------------------------------------------------

struct Strings {
    const char* name;
    std::string text; // from right after the last cog terminator
    std::string file;
};

void PrintTo(const Strings& c, std::ostream* os) { *os << c.name; }

class StringsSection : public SectionReading, public ::testing::WithParamInterface<Strings> {};

TEST_P(StringsSection, CopiesEveryLineBeforeTheTerminatorLine) {
    Open(GetParam().text);
    kyvo::ofstream out((folder / "jkstrings.uni").c_str());
    ASSERT_TRUE(kyvo::CopyStringsSection(all, out, problem)) << problem;
    out.close();
    EXPECT_EQ(GetParam().file, ReadBytes(folder / "jkstrings.uni"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringsSection,
    ::testing::Values(Strings{"TwoLines", "\nA 1\nB 2\n" + kTerm + "\nnever read", "\r\nA 1\r\nB 2\r\n"},
                      Strings{"OnlyTheTerminator", "\n" + kTerm + "\n", "\r\n"},
                      Strings{"RestOfTheCogTerminatorLine", " rest\n" + kTerm, " rest\r\n"},
                      Strings{"TerminatorWithSpacesIsAString", "\n" + kTerm + " \n " + kTerm + "\n" + kTerm,
                              "\r\n" + kTerm + " \r\n " + kTerm + "\r\n"}),
    [](const ::testing::TestParamInfo<Strings>& info) { return std::string(info.param.name); });

TEST_F(SectionReading, StringsWithoutTheirTerminatorAreBroken) {
    Open("\nA 1\nB 2\n");
    kyvo::ofstream out;
    EXPECT_FALSE(kyvo::CopyStringsSection(all, out, problem));
    EXPECT_EQ("the strings section, line 4: the bundle ends before the strings terminator line.", problem);
}
