#include "support/textstream.h"

#include <gtest/gtest.h>

#include <string>

#include "support/apstring.h"
#include "test_folder.h"

using kyvo::ifstream;
using kyvo::ofstream;

namespace {

// Every character that get delivers, up to the end of the file.
std::string ReadAll(const std::string& path) {
    ifstream in(path.c_str());
    std::string text;
    char ch;
    while (in.get(ch))
        text += ch;
    EXPECT_TRUE(in.eof());
    return text;
}

} // namespace

TEST(TextStream, ThreeLinesAreEightBytesAndReadBack) {
    TestFolder folder;
    std::string path = folder / "three.txt";
    {
        ofstream out(path.c_str());
        ASSERT_TRUE(out.is_open());
        out << "a" << kyvo::endl << kyvo::endl << 'b' << kyvo::endl;
        EXPECT_TRUE(out.good());
    }
    EXPECT_EQ(std::string("a\r\n\r\nb\r\n"), ReadBytes(path));

    ifstream in(path.c_str());
    kyvo::apstring line;
    const char* lines[] = {"a", "", "b"};
    for (const char* expected : lines) {
        EXPECT_TRUE(getline(in, line));
        EXPECT_STREQ(expected, line.c_str());
    }
    EXPECT_TRUE(in.good());
    EXPECT_FALSE(getline(in, line));
    EXPECT_STREQ("", line.c_str());
    EXPECT_TRUE(in.eof());
    EXPECT_TRUE(in.fail());
}

struct Translation {
    const char* name;
    std::string disk;
    std::string read;
};

void PrintTo(const Translation& t, std::ostream* os) { *os << t.name; }

class TextStreamReading : public ::testing::TestWithParam<Translation> {};

TEST_P(TextStreamReading, DeliversTheCharactersOfTheDiskBytes) {
    TestFolder folder;
    WriteBytes(folder / "in.txt", GetParam().disk);
    EXPECT_EQ(GetParam().read, ReadAll(folder / "in.txt"));

    // The same bytes in memory read the same.
    ifstream memory;
    memory.OpenMemory(GetParam().disk);
    ASSERT_TRUE(memory.is_open());
    std::string text;
    char ch;
    while (memory.get(ch))
        text += ch;
    EXPECT_EQ(GetParam().read, text);
    EXPECT_TRUE(memory.eof());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextStreamReading,
    ::testing::Values(Translation{"Empty", "", ""},
                      Translation{"CrLfIsOneLf", "a\r\nb", "a\nb"},
                      Translation{"LoneCrPassesThrough", "a\r\r\n", "a\r\n"},
                      Translation{"CrAtTheEnd", "a\r", "a\r"},
                      Translation{"LfAlone", "\n\n", "\n\n"},
                      Translation{"CtrlZIsOrdinary", std::string("a\x1a" "b\0c", 5), std::string("a\x1a" "b\0c", 5)},
                      Translation{"HighBytes", "\xff\x80\xfe", "\xff\x80\xfe"}),
    [](const ::testing::TestParamInfo<Translation>& info) { return std::string(info.param.name); });

TEST(TextStream, CrLfSplitAcrossARefillIsStillJoined) {
    TestFolder folder;
    std::string disk(kyvo::kTextBufferSize - 1, 'x');
    disk += "\r\ny\r";
    WriteBytes(folder / "split.txt", disk);
    std::string expected(kyvo::kTextBufferSize - 1, 'x');
    expected += "\ny\r";
    EXPECT_EQ(expected, ReadAll(folder / "split.txt"));
}

TEST(TextStream, WritingTranslatesOnlyLf) {
    TestFolder folder;
    std::string path = folder / "out.txt";
    std::string text = "a\rb\r\n\x1a\n";
    text += std::string(kyvo::kTextBufferSize, '\n'); // many refills of the buffer
    {
        ofstream out(path.c_str());
        out.write(text.data(), text.size());
    }
    std::string disk = "a\rb\r\r\n\x1a\r\n";
    for (size_t i = 0; i < kyvo::kTextBufferSize; i++)
        disk += "\r\n";
    EXPECT_EQ(disk, ReadBytes(path));
    EXPECT_EQ(text, ReadAll(path)); // what is written reads back as it was
}

TEST(TextStream, MemoryTakesTheBytesAFileWould) {
    TestFolder folder;
    std::string text = "a\rb\r\n\x1a\n" + std::string(kyvo::kTextBufferSize + 3, 'z') + "\n";
    std::string memory = "left over";
    ofstream out;
    out.UseMemory(&memory);
    EXPECT_TRUE(out.in_memory());
    EXPECT_FALSE(out.is_open());
    out.open((folder / "never-made.txt").c_str());
    ASSERT_TRUE(out.is_open());
    out << "x" << kyvo::endl << -12;
    out.write(text.data(), text.size());
    out.close();
    EXPECT_TRUE(out.good());
    EXPECT_FALSE(out.is_open());
    {
        ofstream file((folder / "same.txt").c_str());
        file << "x" << kyvo::endl << -12;
        file.write(text.data(), text.size());
    }
    EXPECT_EQ(ReadBytes(folder / "same.txt"), memory);
    EXPECT_FALSE(FileExists(folder / "never-made.txt"));
}

// The readers take whole runs of characters where they can; a line or word
// that crosses a refill, or holds CRs, comes out the same as one read a
// character at a time, and so do the line numbers.
TEST(TextStream, LinesAndWordsAcrossRefillsAreWhole) {
    TestFolder folder;
    std::string longLine(kyvo::kTextBufferSize - 3, 'l');
    std::string disk = longLine + "\r\r\nw\rx\r\n  " + std::string(kyvo::kTextBufferSize, 'w') + " \r";
    WriteBytes(folder / "in.txt", disk);
    ifstream file((folder / "in.txt").c_str());
    ifstream memory;
    memory.OpenMemory(disk);
    for (ifstream* in : {&file, &memory}) {
        kyvo::apstring line, word;
        ASSERT_TRUE(getline(*in, line));
        EXPECT_EQ(longLine + "\r", std::string(line.c_str()));
        EXPECT_EQ(2, in->line());
        ASSERT_TRUE(getline(*in, line));
        EXPECT_STREQ("w\rx", line.c_str());
        ASSERT_TRUE(*in >> word);
        EXPECT_EQ(std::string(kyvo::kTextBufferSize, 'w'), std::string(word.c_str()));
        char ch = 0;
        EXPECT_TRUE(in->get(ch)); // the space after the word stays to be read
        EXPECT_EQ(' ', ch);
        EXPECT_FALSE(*in >> word); // only white space is left
        EXPECT_STREQ("", word.c_str());
        EXPECT_TRUE(in->eof());
        EXPECT_EQ(3, in->line());
    }
}

TEST(TextStream, IntegersAreWrittenInPlainDecimal) {
    TestFolder folder;
    std::string path = folder / "n.txt";
    {
        ofstream out(path.c_str());
        out << -12 << ' ' << 0 << ' ' << 2147483647 << ' ' << (-2147483647 - 1) << ' ' << 22117;
    }
    EXPECT_EQ("-12 0 2147483647 -2147483648 22117", ReadBytes(path));
}

TEST(TextStream, OpeningTruncatesAnExistingFile) {
    TestFolder folder;
    std::string path = folder / "old.txt";
    WriteBytes(path, "a much longer earlier content");
    {
        ofstream out(path.c_str());
        out << "new";
    }
    EXPECT_EQ("new", ReadBytes(path));
}

TEST(TextStream, GetAtTheEndKeepsTheLastCharacter) {
    TestFolder folder;
    WriteBytes(folder / "in.txt", "q");
    ifstream in((folder / "in.txt").c_str());
    char ch = 0;
    EXPECT_TRUE(in.get(ch));
    EXPECT_FALSE(in.get(ch));
    EXPECT_EQ('q', ch);
    EXPECT_TRUE(in.eof());
}

TEST(TextStream, PutbackMakesTheCharacterTheNextOne) {
    TestFolder folder;
    WriteBytes(folder / "in.txt", "ab");
    ifstream in((folder / "in.txt").c_str());
    char ch = 0;
    in.get(ch);
    in.putback(ch);
    std::string text;
    while (in.get(ch))
        text += ch;
    EXPECT_EQ("ab", text);
    in.putback('z'); // on a failed stream it only fails
    EXPECT_FALSE(in.get(ch));
}

TEST(TextStream, FormattedCharacterSkipsWhiteSpace) {
    TestFolder folder;
    WriteBytes(folder / "in.txt", " \t\r\n\x0b\x0cx");
    ifstream in((folder / "in.txt").c_str());
    char ch = 0;
    EXPECT_TRUE(in >> ch);
    EXPECT_EQ('x', ch);
    EXPECT_FALSE(in >> ch);
    EXPECT_TRUE(in.eof());
}

TEST(TextStream, FailedOpenIsFailedNeverAtEndOfFile) {
    TestFolder folder;
    const std::string missing[] = {folder / "missing.txt", folder / "no folder/x.txt", folder.path()};
    for (const std::string& path : missing) {
        ifstream in(path.c_str());
        EXPECT_FALSE(in.is_open()) << path;
        EXPECT_TRUE(in.fail());
        EXPECT_FALSE(in.eof());
        char ch = 'k';
        for (int i = 0; i < 3; i++)
            EXPECT_FALSE(in.get(ch));
        EXPECT_EQ('k', ch);
        EXPECT_FALSE(in.eof());
    }
}

TEST(TextStream, WritesToAStreamThatDidNotOpenAreDropped) {
    TestFolder folder;
    std::string path = folder / "no folder/x.txt";
    ofstream out(path.c_str());
    EXPECT_FALSE(out.is_open());
    EXPECT_TRUE(out.fail());
    EXPECT_FALSE(out.eof());
    out << "text" << kyvo::endl;
    out.close();
    EXPECT_TRUE(out.fail());
    EXPECT_FALSE(FileExists(path));
}

TEST(TextStream, CloseOnAClosedStreamOnlyFails) {
    TestFolder folder;
    ofstream out((folder / "x.txt").c_str());
    out << "x";
    out.close();
    EXPECT_TRUE(out.good());
    EXPECT_FALSE(out.is_open());
    out.close();
    EXPECT_TRUE(out.fail());
    EXPECT_EQ("x", ReadBytes(folder / "x.txt"));
}
