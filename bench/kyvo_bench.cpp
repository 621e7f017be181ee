// Throughput of the generator: the core alone and a whole kyvo generate, on
// the sample bundle and on one with a 50 MB strings section, beside a plain
// copy of the same bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "generate/bundle.h"
#include "generate/generation.h"
#include "generate/names.h"
#include "generate_run.h"

namespace fs = std::filesystem;

namespace {

std::string sample; // the sample info.txt, read once

// A folder holding the bundle of the given kind as info.txt.
std::string Prepare(bool large) {
    fs::path folder = fs::temp_directory_path() / (large ? "kyvo-bench-large" : "kyvo-bench-sample");
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (!large) {
        std::ofstream(folder / "info.txt", std::ios::binary) << sample;
    } else {
        // The sample's cogs, then 50 MB of string lines.
        kyvo::DecodeBundle((folder.string() + "/../kyvo-bench-sample/info.txt").c_str(), (folder / "t").c_str());
        std::string text;
        {
            kyvo::ifstream in((folder / "t").c_str());
            char ch;
            while (in.get(ch))
                text += ch;
        }
        std::size_t strings = text.rfind('\n', text.size() - 41);
        text.resize(strings + 1);
        std::string line = "TMK_FILLER          0 \"A line of the large strings section for the benchmark.\"\n";
        while (text.size() < 50u * 1000 * 1000)
            text += line;
        text += std::string(39, '@') + "\n";
        kyvo::EncodeBundle((folder / "info.txt").c_str(), text);
        fs::remove(folder / "t");
    }
    return folder.string();
}

void Core(benchmark::State& state) {
    fs::path folder = Prepare(state.range(0) != 0);
    fs::current_path(folder);
    fs::create_directory("generated cogs");
    kyvo::DecodeBundle("info.txt", kyvo::kTempName);
    for (auto _ : state) {
        kyvo::apvector<char[30]> slots(kyvo::kCogCount);
        if (!kyvo::GenerateFiles(297, slots, nullptr))
            state.SkipWithError("generation failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(kyvo::kTempName)));
}

void WholeRun(benchmark::State& state) {
    fs::path folder = Prepare(state.range(0) != 0);
    fs::current_path(folder);
    for (auto _ : state) {
        std::string container, error;
        if (!kyvo::GenerateContainer("abc", "info.txt", container, error))
            state.SkipWithError(error.c_str());
        fs::remove(container);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size("info.txt")));
}

// The floor: reading and writing the same bytes once, with no translation.
void PlainCopy(benchmark::State& state) {
    fs::path folder = Prepare(state.range(0) != 0);
    fs::current_path(folder);
    for (auto _ : state)
        fs::copy_file("info.txt", "copy.txt", fs::copy_options::overwrite_existing);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size("info.txt")));
}

} // namespace

BENCHMARK(Core)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);
BENCHMARK(WholeRun)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);
BENCHMARK(PlainCopy)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    std::ifstream in(KYVO_SAMPLE_INFO, std::ios::binary);
    sample.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    Prepare(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
