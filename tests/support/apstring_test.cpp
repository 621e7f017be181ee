#include "support/apstring.h"

#include <gtest/gtest.h>

#include <string>

#include "support/textstream.h"
#include "test_folder.h"

using kyvo::apstring;

TEST(ApString, StartsEmptyWithCapacityOne) {
    apstring s;
    EXPECT_EQ(0, s.length());
    EXPECT_EQ(1, s.capacity());
    EXPECT_STREQ("", s.c_str());
}

TEST(ApString, CopiesGetAnExactFit) {
    apstring s("abc");
    EXPECT_EQ(3, s.length());
    EXPECT_EQ(4, s.capacity());
    s += 'd'; // doubling: capacity 10
    apstring copy(s);
    EXPECT_STREQ("abcd", copy.c_str());
    EXPECT_EQ(5, copy.capacity());
}

TEST(ApString, OneCharacterAppendsDoubleTheBuffer) {
    apstring s;
    const int expected[] = {4, 4, 4, 10, 10, 10, 10, 10, 10, 22};
    for (int i = 0; i < 10; i++) {
        s += static_cast<char>('a' + i);
        EXPECT_EQ(i + 1, s.length());
        EXPECT_EQ(expected[i], s.capacity()) << "after character " << i + 1;
    }
    EXPECT_STREQ("abcdefghij", s.c_str());
}

TEST(ApString, LongerAppendsGetAnExactFit) {
    apstring s("ab");
    s += apstring("cdef");
    EXPECT_EQ(7, s.capacity());
    s += apstring("");
    EXPECT_EQ(7, s.capacity());
    EXPECT_STREQ("abcdef", s.c_str());
}

TEST(ApString, AssignmentKeepsTheBufferWhileTheTextFits) {
    apstring s;
    for (char ch : std::string("abcd"))
        s += ch;
    ASSERT_EQ(10, s.capacity());
    s = "xy";
    EXPECT_EQ(10, s.capacity());
    EXPECT_EQ(2, s.length());
    s = "twenty characters!!!";
    EXPECT_EQ(21, s.capacity());
    EXPECT_STREQ("twenty characters!!!", s.c_str());
    s = 'q';
    EXPECT_EQ(21, s.capacity());
    EXPECT_STREQ("q", s.c_str());
    apstring empty;
    empty = 'z';
    EXPECT_EQ(2, empty.capacity());
    s = s;
    EXPECT_STREQ("q", s.c_str());
}

TEST(ApString, AppendingAStringToItselfDoublesIt) {
    apstring s("echo");
    s += s;
    EXPECT_STREQ("echoecho", s.c_str());
    EXPECT_EQ(8, s.length());
}

TEST(ApString, ComparisonIsExactAndCaseSensitive) {
    EXPECT_TRUE(apstring("code") == apstring("code"));
    EXPECT_TRUE(apstring("code") != apstring("code "));
    EXPECT_TRUE(apstring("code") != apstring("Code"));
    EXPECT_FALSE(apstring("") != apstring(""));
}

TEST(ApString, TextEndsAtItsFirstNulForComparisonAndOutput) {
    apstring s("ab");
    s += '\0';
    s += 'c';
    EXPECT_EQ(4, s.length());
    EXPECT_TRUE(s == apstring("ab"));
    TestFolder folder;
    {
        kyvo::ofstream out((folder / "out.txt").c_str());
        out << s;
    }
    EXPECT_EQ("ab", ReadBytes(folder / "out.txt"));
}

#ifndef _WIN32
// On Windows the failure is a message box, which a test cannot dismiss.
TEST(ApStringDeathTest, NullTextIsABrokenPrecondition) {
    const char* none = nullptr;
    EXPECT_EXIT(apstring s(none), ::testing::ExitedWithCode(1), "Assertion Failure");
}
#endif

// ---- the word and line readers --------------------------------------------

class ApStringReader : public ::testing::Test {
protected:
    // Opens a file holding bytes for reading.
    void Open(const std::string& bytes) {
        WriteBytes(folder / "in.txt", bytes);
        in.open((folder / "in.txt").c_str());
        ASSERT_TRUE(in.is_open());
    }
    TestFolder folder;
    kyvo::ifstream in;
    apstring s;
};

TEST_F(ApStringReader, WordLeavesTheWhiteSpaceAfterIt) {
    Open("  code\n$");
    EXPECT_TRUE(in >> s);
    EXPECT_STREQ("code", s.c_str());
    char next = 0;
    EXPECT_TRUE(in.get(next));
    EXPECT_EQ('\n', next);
    in.putback(next);
    EXPECT_FALSE(in >> s);
    EXPECT_STREQ("$", s.c_str());
    EXPECT_TRUE(in.eof());
    EXPECT_FALSE(in >> s);
    EXPECT_STREQ("", s.c_str());
}

TEST_F(ApStringReader, WordsAreSplitOnExactlyTheSixSpaceBytes) {
    Open("a\tb\x0b" "c\x0c" "d\re \xA0" "f\x85g\x1a" "h");
    const char* words[] = {"a", "b", "c", "d", "e", "\xA0" "f\x85g\x1ah"};
    for (const char* word : words) {
        in >> s;
        EXPECT_STREQ(word, s.c_str());
    }
    EXPECT_TRUE(in.eof());
}

TEST_F(ApStringReader, WordAtEndOfFileWhileSkippingIsEmpty) {
    Open(" \r\n\t ");
    EXPECT_FALSE(in >> s);
    EXPECT_STREQ("", s.c_str());
    EXPECT_TRUE(in.eof());
}

TEST_F(ApStringReader, LinesThenEndOfFile) {
    Open("a\n\nb");
    EXPECT_TRUE(getline(in, s));
    EXPECT_STREQ("a", s.c_str());
    EXPECT_TRUE(getline(in, s));
    EXPECT_STREQ("", s.c_str());
    EXPECT_TRUE(in.good());
    EXPECT_FALSE(getline(in, s));
    EXPECT_STREQ("b", s.c_str());
    EXPECT_TRUE(in.eof());
    for (int i = 0; i < 3; i++) {
        EXPECT_FALSE(getline(in, s));
        EXPECT_STREQ("", s.c_str());
    }
}

TEST_F(ApStringReader, LineKeepsALoneCarriageReturnAndANul) {
    Open(std::string("x\ry\0z\r\n", 7));
    EXPECT_TRUE(getline(in, s));
    EXPECT_EQ(5, s.length());
    EXPECT_STREQ("x\ry", s.c_str());
}

TEST(ApStringReaderOnFailedStream, GivesEmptyText) {
    kyvo::ifstream in("no such file here.txt");
    apstring s("kept?");
    EXPECT_FALSE(getline(in, s));
    EXPECT_STREQ("", s.c_str());
    s = "kept?";
    EXPECT_FALSE(in >> s);
    EXPECT_STREQ("", s.c_str());
    EXPECT_FALSE(in.eof());
}
