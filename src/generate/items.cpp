#include "generate/items.h"

#include "generate/output_file.h"
#include "generate/paths.h"

namespace kyvo {

namespace {

struct ItemLine {
    const char* name;
    const char* fields; // nullptr: the name stands alone
    int slot;           // -1: no cog file name follows the fields
};

// Lines 2 to 65; line 1 is empty, since every line end comes before its line.
const ItemLine kItemLines[] = {
    {"none", "0 0 0 0x004", -1},
    {"fists", "1 0 1 0x024 cog=", 49},
    {"bryar_pistol", "2 0 1 0x0a4 cog=", 46},
    {"stormtrooper_rifle", "3 0 1 0x0a4 cog=", 54},
    {"thermal_detonator", "4 0 30 0x0a4 cog=", 55},
    {"tusken_prod", "5 0 1 0x0a4 cog=", 48},
    {"repeater", "6 0 1 0x0a4 cog=", 51},
    {"rail_detonator", "7 0 1 0x0a4 cog=", 50},
    {"sequencer_charge", "8 0 30 0x0a4 cog=", 53},
    {"concussion_rifle", "9 0 1 0x0a4 cog=", 47},
    {"lightsaber", "10 0 1 0x0a4 cog=", 52},
    {"energy", "11 0 500 0x080", -1},
    {"power", "12 0 500 0x080", -1},
    {"forcemana", "14 0 0 0x000", -1},
    {"railcharges", "15 0 30 0x080", -1},
    {"jedi_rank", "20 0 8.0 0x000", -1},
    {"f_jump", "21 0 4.0 0x108", -1},
    {"f_speed", "22 0 4.0 0x108", -1},
    {"f_seeing", "23 0 4.0 0x108", -1},
    {"f_pull", "24 0 4.0 0x108", -1},
    {"f_healing", "25 0 4.0 0x108", -1},
    {"f_persuasion", "26 0 4.0 0x108", -1},
    {"f_blinding", "27 0 4.0 0x108", -1},
    {"f_absorb", "28 0 4.0 0x118", -1},
    {"f_protection", "29 0 4.0 0x118", -1},
    {"f_throw", "30 0 4.0 0x108", -1},
    {"f_grip", "31 0 4.0 0x108", -1},
    {"f_lightning", "32 0 4.0 0x108", -1},
    {"f_destruction", "33 0 4.0 0x108", -1},
    {"f_deadlysight", "34 0 4.0 0x108", -1},
    {"bactatank", "40 0 5 0x102 cog=", 0},
    {"keyred", "46 0 1 0x042 cog=item_keyred.cog", -1},
    {"keyblue", "47 0 1 0x042 cog=item_keyblue.cog", -1},
    {"keyyellow", "48 0 1 0x042 cog=item_keyyellow.cog", -1},
    {"keygreen", "51 0 1 0x042 cog=item_keygreen.cog", -1},
    {"shields", "60 0 200 0x030 cog=", 1},
    {"force_armor", "61 0 200 0x000", -1},
    {"supershields", "62 0 1 0x010", -1},
    {"powerboost", "63 1 2 0x000", -1},
    {"revive", "66 0 1 0x000", -1},
    {"teamcolor", "80 0 2 0x040", -1},
    {"redflag", "81 0 1 0x048", -1},
    {"goldflag", "82 0 1 0x048", -1},
    {"redkey", "83 0 1 0x042 cog=ctf_itemkeyred.cog", -1},
    {"goldkey", "84 0 1 0x042 cog=ctf_itemkeygold.cog", -1},
    {"stringOffset", "99 0 99999 0x000", -1},
    {"goal00", "100 0 1000 0x040", -1},
    {"goal01", "101 0 1000 0x040", -1},
    {"goal02", "102 0 1000 0x040", -1},
    {"goal03", "103 0 1000 0x040", -1},
    {"goal04", "104 0 1000 0x040", -1},
    {"goal05", "105 0 1000 0x040", -1},
    {"goal06", "106 0 1000 0x040", -1},
    {"goal07", "107 0 1000 0x040", -1},
    {"goal08", "108 0 1000 0x040", -1},
    {"goal09", "109 0 1000 0x040", -1},
    {"goal10", "110 0 1000 0x040", -1},
    {"goal11", "111 0 1000 0x040", -1},
    {"goal12", "112 0 1000 0x040", -1},
    {"goal13", "113 0 1000 0x040", -1},
    {"goal14", "114 0 1000 0x040", -1},
    {"goal15", "115 0 1000 0x040", -1},
    {"hotkeyOffset", "150 0 99999 0x000", -1},
    {"end", nullptr, -1},
};

} // namespace

bool ItemsDat(ofstream& items, apvector<char[30]>& rand_values) {
    if (!OpenInScratchFolder(items, "items.dat"))
        return false;
    for (const ItemLine& line : kItemLines) {
        items << endl << line.name;
        if (line.fields)
            items << " " << line.fields;
        if (line.slot >= 0)
            items << rand_values[line.slot];
    }
    return CloseOutput(items, "items.dat");
}

} // namespace kyvo
