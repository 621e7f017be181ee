#include "generate/paths.h"

#include <gtest/gtest.h>

#include <string>

#include "generate/generate_error.h"
#include "test_folder.h"

using kyvo::PathRule;

struct Join {
    PathRule rule;
    const char* folder;
    const char* name;
    const char* path;
};

void PrintTo(const Join& c, std::ostream* os) { *os << c.folder << " + " << c.name; }

class JoinPathCases : public ::testing::TestWithParam<Join> {};

TEST_P(JoinPathCases, PutsOneSeparatorUnlessTheFolderIsARoot) {
    char out[kyvo::kPathBufferSize];
    ASSERT_TRUE(kyvo::JoinPath(out, sizeof out, GetParam().folder, GetParam().name, GetParam().rule));
    EXPECT_STREQ(GetParam().path, out);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, JoinPathCases,
    ::testing::Values(Join{PathRule::Windows, "D:\\Games\\Tool", "Tmk_Kyvo_abc.gob", "D:\\Games\\Tool\\Tmk_Kyvo_abc.gob"},
                      Join{PathRule::Windows, "E:\\", "generated cogs", "E:\\generated cogs"},
                      Join{PathRule::Windows, "C:\\ab", "x", "C:\\ab\\x"},
                      Join{PathRule::Posix, "/home/kyvo", "generated cogs", "/home/kyvo/generated cogs"},
                      Join{PathRule::Posix, "/", "Tmk_Kyvo_abc.gob", "/Tmk_Kyvo_abc.gob"},
                      Join{PathRule::Posix, "/abc", "x", "/abc/x"}));

TEST(JoinPath, RefusesWhatDoesNotFit) {
    char out[8] = "garbage";
    EXPECT_TRUE(kyvo::JoinPath(out, 8, "/ab", "cd", PathRule::Posix)); // 6 characters and NUL
    EXPECT_STREQ("/ab/cd", out);
    EXPECT_FALSE(kyvo::JoinPath(out, 8, "/ab", "cdef", PathRule::Posix));
    EXPECT_STREQ("", out);
}

TEST(ScratchPaths, FollowTheCurrentDirectory) {
    TestFolder folder;
    InFolder here(folder.path());
    std::string sep(1, kyvo::HostPathRule() == PathRule::Windows ? '\\' : '/');
    std::string current = here.current();
    ASSERT_TRUE(kyvo::ScratchFolderPath());
    EXPECT_EQ(current + sep + "generated cogs" + sep, kyvo::directory);
    ASSERT_TRUE(kyvo::PathInScratchFolder("0.cog"));
    EXPECT_EQ(current + sep + "generated cogs" + sep + "0.cog", kyvo::directory);
    ASSERT_TRUE(kyvo::PathInCurrentDirectory("temp.dat"));
    EXPECT_EQ(current + sep + "temp.dat", kyvo::directory);
}

TEST(ScratchPaths, ANameTooLongForTheBufferIsAnError) {
    std::string name(kyvo::kPathBufferSize, 'n');
    EXPECT_FALSE(kyvo::PathInScratchFolder(name.c_str()));
    EXPECT_NE(std::string::npos, std::string(kyvo::GenerateError()).find("shorter path"));
}
