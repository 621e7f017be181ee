#include "generate/items.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "generate/names.h"
#include "test_folder.h"

namespace {

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0, end;
    while ((end = bytes.find("\r\n", start)) != std::string::npos) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(bytes.substr(start));
    return lines;
}

// The name slots as the cog writer leaves them, for seed value unique.
void CogFileNames(kyvo::apvector<char[30]>& slots, int unique) {
    kyvo::apvector<int> values(57), randcopy(57);
    kyvo::RandomNames(values, slots, unique, randcopy);
    for (int k = 0; k < 57; k++)
        std::strcat(slots[k], ".cog");
}

} // namespace

TEST(ItemsDat, RemainderZero) {
    TestFolder folder;
    InFolder here(folder.path());
    std::filesystem::create_directory("generated cogs");
    WriteBytes("generated cogs/items.dat", std::string(5000, 'x')); // replaced, not extended
    kyvo::apvector<char[30]> slots(57);
    CogFileNames(slots, 10);
    kyvo::ofstream items;
    ASSERT_TRUE(kyvo::ItemsDat(items, slots));
    EXPECT_FALSE(items.is_open());

    std::string bytes = ReadBytes("generated cogs/items.dat");
    EXPECT_EQ(1901u, bytes.size());
    std::vector<std::string> lines = SplitCrLf(bytes);
    ASSERT_EQ(65u, lines.size());
    EXPECT_EQ("", lines[0]);
    EXPECT_EQ("none 0 0 0 0x004", lines[1]);
    EXPECT_EQ("fists 1 0 1 0x024 cog=22117.cog", lines[2]);
    EXPECT_EQ("bryar_pistol 2 0 1 0x0a4 cog=0.cog", lines[3]);
    EXPECT_EQ("stormtrooper_rifle 3 0 1 0x0a4 cog=12122.cog", lines[4]);
    EXPECT_EQ("thermal_detonator 4 0 30 0x0a4 cog=8410.cog", lines[5]);
    EXPECT_EQ("tusken_prod 5 0 1 0x0a4 cog=9988.cog", lines[6]);
    EXPECT_EQ("repeater 6 0 1 0x0a4 cog=16927.cog", lines[7]);
    EXPECT_EQ("rail_detonator 7 0 1 0x0a4 cog=3498.cog", lines[8]);
    EXPECT_EQ("sequencer_charge 8 0 30 0x0a4 cog=19741.cog", lines[9]);
    EXPECT_EQ("concussion_rifle 9 0 1 0x0a4 cog=21468.cog", lines[10]);
    EXPECT_EQ("lightsaber 10 0 1 0x0a4 cog=16045.cog", lines[11]);
    EXPECT_EQ("jedi_rank 20 0 8.0 0x000", lines[16]);
    EXPECT_EQ("bactatank 40 0 5 0x102 cog=item_bacta.cog", lines[31]);
    EXPECT_EQ("keygreen 51 0 1 0x042 cog=item_keygreen.cog", lines[35]);
    EXPECT_EQ("shields 60 0 200 0x030 cog=item_shields.cog", lines[36]);
    EXPECT_EQ("goldkey 84 0 1 0x042 cog=ctf_itemkeygold.cog", lines[45]);
    EXPECT_EQ("goal15 115 0 1000 0x040", lines[62]);
    EXPECT_EQ("hotkeyOffset 150 0 99999 0x000", lines[63]);
    EXPECT_EQ("end", lines[64]);
    EXPECT_EQ(std::string::npos, bytes.find("12261")); // gen_move is not an item
}

TEST(ItemsDat, SameRemainderSameFile) {
    TestFolder folder;
    InFolder here(folder.path());
    std::filesystem::create_directory("generated cogs");
    std::string files[2];
    const int seeds[2] = {297, 7};
    for (int i = 0; i < 2; i++) {
        kyvo::apvector<char[30]> slots(57);
        CogFileNames(slots, seeds[i]);
        kyvo::ofstream items;
        ASSERT_TRUE(kyvo::ItemsDat(items, slots));
        files[i] = ReadBytes("generated cogs/items.dat");
    }
    EXPECT_EQ(files[0], files[1]);
    EXPECT_NE(std::string::npos, files[0].find("cog=22674.cog"));
}

TEST(ItemsDat, AMissingScratchFolderIsAnError) {
    TestFolder folder;
    InFolder here(folder.path());
    kyvo::apvector<char[30]> slots(57);
    CogFileNames(slots, 0);
    kyvo::ofstream items;
    EXPECT_FALSE(kyvo::ItemsDat(items, slots));
}
