// Speed of the generator, measured beside a plain copy of the same bytes:
//  - the core in memory (decoded bundle to the 59 files) on the sample, on a
//    bundle with a 50 MB strings section and on one with about 40 MB of cog
//    sections, and on strings bundles of 1x, 10x and 100x one size;
//  - whole kyvo generate processes against cp processes of the same bundle,
//    with the peak memory of each kyvo process.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "generate/bundle.h"
#include "generate/generation.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

const std::string kTerm(39, '@');

std::string sampleEncoded; // the sample info.txt
std::string sampleDecoded;

// The sample's 57 cog sections, decoded.
std::string SampleCogs() {
    std::size_t strings = sampleDecoded.rfind('\n', sampleDecoded.size() - kTerm.size() - 2);
    return sampleDecoded.substr(0, strings + 1);
}

std::string StringsBundle(std::size_t bytes) {
    std::string text = SampleCogs();
    const std::string line = "TMK_FILLER          0 \"A line of the large strings section for the benchmark.\"\n";
    while (text.size() < bytes)
        text += line;
    return text + kTerm + "\n";
}

std::string CogsBundle(std::size_t bytes) {
    std::string text;
    std::size_t perSection = bytes / 57;
    const std::string header = "# a long header line of a large cog section, copied as it stands\n";
    std::string message(20000, 'x');
    for (int k = 0; k < 57; k++) {
        std::size_t start = text.size();
        while (text.size() - start < perSection - 15 * (message.size() + 3))
            text += header;
        text += "code\n";
        for (int m = 0; m < 15; m++)
            text += "$ " + message + "\n";
        text += kTerm + "\n";
    }
    return text + "MSG \"one\"\n" + kTerm + "\n";
}

struct Bundle {
    const char* name;
    std::string decoded;
    std::string encoded;
    std::string folder;
};

std::vector<Bundle> bundles;

const Bundle& Find(const std::string& name) {
    for (const Bundle& bundle : bundles)
        if (bundle.name == name)
            return bundle;
    std::abort();
}

bool RunCore(const Bundle& bundle) {
    kyvo::RunFiles files;
    files.WriteInMemory();
    files.all.OpenMemory(bundle.decoded);
    bool generated = kyvo::GenerateFiles(297, files, nullptr);
    benchmark::DoNotOptimize(files.memory[58].data());
    return generated;
}

template <class Work>
double MedianSeconds(Work work) {
    std::vector<double> seconds;
    auto begin = std::chrono::steady_clock::now();
    while (seconds.size() < 5 ||
           (seconds.size() < 200 && std::chrono::steady_clock::now() - begin < std::chrono::seconds(1))) {
        auto start = std::chrono::steady_clock::now();
        work();
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

void Core(benchmark::State& state, std::string name) {
    const Bundle& bundle = Find(name);
    for (auto _ : state)
        if (!RunCore(bundle))
            state.SkipWithError("generation failed");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bundle.decoded.size()));
}

void Decode(benchmark::State& state, std::string name) {
    const Bundle& bundle = Find(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(kyvo::DecodeBundleBytes(bundle.encoded).data());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bundle.encoded.size()));
}

// ---- whole processes ----------------------------------------------------------

// Runs the program to its end; the seconds it took.
double Spawn(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    int spawned = posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror(argv[0]);
        std::exit(1);
    }
    int status;
    waitpid(pid, &status, 0);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The peak resident memory of one kyvo process, as /usr/bin/time reports it:
// measured from a process of its own, since a child spawned straight from
// this one would count this one's peak too.
double PeakMegabytes(const std::vector<std::string>& arguments, const std::string& report) {
    std::vector<std::string> timed = {"/usr/bin/time", "-f", "%M", "-o", report};
    timed.insert(timed.end(), arguments.begin(), arguments.end());
    Spawn(timed);
    std::ifstream in(report);
    long kb = 0;
    in >> kb;
    fs::remove(report);
    return kb * 1024 / 1e6;
}

void CompareProcesses(const std::string& kyvo, const char* name, int runs) {
    const Bundle& bundle = Find(name);
    std::string info = bundle.folder + "/info.txt";
    std::string container = bundle.folder + "/Tmk_Kyvo_abc.gob";
    std::vector<double> generate, copy;
    std::vector<std::string> command = {kyvo, "generate", "abc", "--dir", bundle.folder};
    double peak = PeakMegabytes(command, bundle.folder + "/peak.txt");
    fs::remove(container);
    for (int i = 0; i < runs; i++) {
        // Paired and alternating, so both see the same state of the machine.
        generate.push_back(Spawn(command));
        fs::remove(container);
        copy.push_back(Spawn({"cp", info, bundle.folder + "/copy.txt"}));
        fs::remove(bundle.folder + "/copy.txt");
    }
    double mb = fs::file_size(info) / 1e6;
    double g = Median(generate), c = Median(copy);
    std::printf("%-13s %7.2f MB  generate %8.2f ms  cp %7.2f ms  ratio %5.2f  peak memory %6.1f MB "
                "(limit 3 x bundle + 16 MB = %.1f MB)\n",
                name, mb, g * 1e3, c * 1e3, g / c, peak, 3 * mb + 16.8);
}

void Prepare(const char* name, std::string decoded) {
    Bundle bundle{name, std::move(decoded), "", ""};
    bundle.encoded = kyvo::EncodeBundleBytes(bundle.decoded);
    bundle.folder = (fs::temp_directory_path() / (std::string("kyvo-bench-") + name)).string();
    fs::remove_all(bundle.folder);
    fs::create_directories(bundle.folder);
    std::ofstream(bundle.folder + "/info.txt", std::ios::binary) << bundle.encoded;
    bundles.push_back(std::move(bundle));
}

} // namespace

int main(int argc, char** argv) {
    std::ifstream in(KYVO_SAMPLE_INFO, std::ios::binary);
    sampleEncoded.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    sampleDecoded = kyvo::DecodeBundleBytes(sampleEncoded);
    // The same text through the memory streams: what a temp.dat would read as.
    {
        kyvo::ifstream all;
        all.OpenMemory(sampleDecoded);
        std::string text;
        char ch;
        while (all.get(ch))
            text += ch;
        sampleDecoded = text;
    }
    Prepare("sample", sampleDecoded);
    Prepare("strings-0.5MB", StringsBundle(500u * 1000));
    Prepare("strings-5MB", StringsBundle(5u * 1000 * 1000));
    Prepare("strings-50MB", StringsBundle(50u * 1000 * 1000));
    Prepare("cogs-40MB", CogsBundle(40u * 1000 * 1000));

    for (const Bundle& bundle : bundles) {
        benchmark::RegisterBenchmark((std::string("Core/") + bundle.name).c_str(), Core, std::string(bundle.name))
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Decode/strings-50MB", Decode, std::string("strings-50MB"))
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    std::printf("\nThe core in memory against a plain copy of the same bytes (median of runs)\n");
    double perByteSmall = 0;
    for (const Bundle& bundle : bundles) {
        double core = MedianSeconds([&] { RunCore(bundle); });
        std::string copied(bundle.decoded.size(), '\0');
        double copy = MedianSeconds([&] {
            std::memcpy(&copied[0], bundle.decoded.data(), bundle.decoded.size());
            benchmark::DoNotOptimize(copied.data());
        });
        double mb = bundle.decoded.size() / 1e6;
        double perByte = core / bundle.decoded.size();
        if (std::string(bundle.name) == "strings-0.5MB")
            perByteSmall = perByte;
        std::printf("%-13s %7.2f MB  core %8.2f ms = %7.1f MB/s  copy %7.2f ms  ratio %5.1f", bundle.name, mb,
                    core * 1e3, mb / core, copy * 1e3, core / copy);
        if (perByteSmall > 0 && std::string(bundle.name).rfind("strings-", 0) == 0)
            std::printf("  cost per byte %.2f x the 0.5 MB one's", perByte / perByteSmall);
        std::printf("\n");
    }

    // The processes' peak memory counts this one's too: keep it small.
    for (Bundle& bundle : bundles)
        bundle.decoded = bundle.encoded = std::string();
    std::printf("\nWhole processes: median of paired runs, kyvo generate against cp of the same info.txt\n");
    std::string kyvo = (fs::path(argv[0]).parent_path() / "kyvo").string();
    CompareProcesses(kyvo, "sample", 41);
    CompareProcesses(kyvo, "strings-50MB", 9);
    CompareProcesses(kyvo, "cogs-40MB", 9);
    if (!std::getenv("KYVO_BENCH_KEEP"))
        for (const Bundle& bundle : bundles)
            fs::remove_all(bundle.folder);
    return 0;
}
