#include "generate/cogs.h"

#include <cstring>
#include <string>

#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/output_file.h"
#include "generate/paths.h"
#include "generate/random.h"

namespace kyvo {

namespace {

// Each position takes the first drawn index that is still free; a draw that
// hits a placed one is drawn again, so the number of draws depends on luck.
void Shuffle(apvector<int>& values, apvector<int>& rand_values, int total) {
    for (int k = 0; k < total; k++)
        values[k] = k;
    for (int i = 0; i < total; i++) {
        int fill;
        do {
            fill = rand() % total;
        } while (values[fill] == -1);
        rand_values[i] = fill;
        values[fill] = -1;
    }
}

void WriteCodePart(ofstream& dafile, CogSection& section, apvector<int>& rand_values, int total) {
    for (int i = 0; i < total; i++) {
        dafile << section.Messages[rand_values[i]];
        int last = rand_values[total - 1];
        if (last % (i + 10) < 3)
            dafile << "'0 0 0',tormesk," << last << ";";
        else
            dafile << "SetActorFlagz(tmk,god),'6 6 6',Damage(newb," << last << ");";
    }
    dafile << "end";
}

} // namespace

bool CreateCogs(int id, char* cog, ofstream& dafile, ifstream& all, int unique) {
    (void)unique;
    std::strcat(cog, ".cog");
    if (!OpenInScratchFolder(dafile, cog))
        return false;

    CogSection section;
    std::string problem;
    if (!ReadCogSection(all, id, section, problem)) {
        SetGenerateError("%s%s", kBrokenBundle, problem.c_str());
        return false;
    }
    for (const apstring& line : section.header)
        dafile << line << endl;

    int total = section.counter;
    apvector<int> values(total);
    apvector<int> rand_values(total);
    Shuffle(values, rand_values, total);
    WriteCodePart(dafile, section, rand_values, total);

    return CloseOutput(dafile, cog);
}

} // namespace kyvo
