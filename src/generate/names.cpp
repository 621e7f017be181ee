#include "generate/names.h"

#include <cstdio>
#include <cstring>

#include "generate/random.h"
#include "support/apstring.h"

namespace kyvo {

const char* const kCogTable[kCogCount] = {
    "item_bacta",       "item_shields",   "kyle",          "pow_backpack",         "pow_bacta",
    "pow_battery",      "pow_bryar",      "pow_ckey",      "pow_concrifle",        "pow_crossbow",
    "pow_darkside",     "pow_datadisk",   "pow_dconcrifle", "pow_dcrossbow",       "pow_drailgun",
    "pow_drepeater",    "pow_dstrifle",   "pow_energy",    "pow_goggles",          "pow_health",
    "pow_keyblue",      "pow_keygreen",   "pow_keyred",    "pow_keyyellow",        "pow_lightside",
    "pow_mana",         "pow_power",      "pow_powerboost", "pow_railcharges",     "pow_railgun",
    "pow_repeater",     "pow_revive",     "pow_saber",     "pow_sequencer",        "pow_shields",
    "pow_single_sequencer", "pow_single_thermal", "pow_smbkpk", "pow_stbkpk",      "pow_strifle",
    "pow_supershield",  "pow_thermal",    "pow_vest",      "pow_wrench",           "pow_wrenchblue",
    "pow_wrenchyellow", "weap_bryar",     "weap_concrifle", "weap_crossbow",       "weap_fists",
    "weap_raildet",     "weap_repeater",  "weap_saber",    "weap_seqcharge",       "weap_strifle",
    "weap_thermdet",    "gen_move",
};

int SeedValue(const char* password) {
    int sum = 0;
    int count = 0;
    for (const char* p = password; *p; p++) {
        sum += static_cast<signed char>(*p);
        count++;
    }
    return count + sum;
}

void RandomNames(apvector<int>& values, apvector<char[30]>& rand_values, int unique, apvector<int>& randcopy) {
    (void)values;
    (void)randcopy;
    // The remainder keeps the sign of unique, so a negative seed value starts
    // from one of 0xFFFFFFF7 to 0xFFFFFFFF.
    srand(static_cast<unsigned int>(unique % 10));
    apvector<apstring> cognames(kCogCount, "");
    for (int k = 0; k < kCogCount; k++)
        cognames[k] = kCogTable[k];
    for (int k = 0; k < kFirstNumberedSlot; k++)
        std::strcpy(rand_values[k], cognames[k].c_str());
    for (int k = kFirstNumberedSlot; k < kCogCount; k++)
        std::snprintf(rand_values[k], sizeof rand_values[k], "%d", rand());
}

} // namespace kyvo
