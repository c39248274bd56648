// The engine's speed on a dog master of 100,000 records with its three tags:
// open and index, partial-key finds, posts. Run by hand (see the README):
//   build-bench/bench/ringvale_bench
#include "DogMaster.h"

#include "dbf/Table.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace
{

std::string syllables(std::mt19937& random, int count)
{
    static const char* parts[] = {"ka", "ro", "mi", "den", "tor", "lu", "sha", "bel", "fin", "ga"};
    std::string word;
    for (int i = 0; i < count; ++i)
        word += parts[random() % 10];
    return word;
}

const std::filesystem::path& dogMaster()
{
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("bench-dogs-" + std::to_string(getpid()) + ".dbf");
        writeDogMaster(path);
        return path;
    }();
    return file;
}

// Resident set figures from /proc, in KiB. Writing 5 to clear_refs resets the
// peak, so the peak of one open can be told apart from the data generation.
long procStatusKiB(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    }
    return 0;
}

void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void OpenAndIndexDogMaster(benchmark::State& state)
{
    const auto& file = dogMaster();
    resetPeakResident();
    const long before = procStatusKiB("VmRSS");
    for (auto _ : state) {
        auto table = dbf::Table::open(file);
        table->setTags(kDogTags);
        table->setOrder("REGNUM");
        benchmark::DoNotOptimize(table->recno());
    }
    state.counters["file_MiB"] = double(std::filesystem::file_size(file)) / (1 << 20);
    state.counters["keys_MiB"] = double(kDogs) * (12 + 50 + 55) / (1 << 20);
    state.counters["peak_rss_growth_MiB"] = double(procStatusKiB("VmHWM") - before) / 1024;
}
BENCHMARK(OpenAndIndexDogMaster)->Unit(benchmark::kMillisecond);

void PartialKeyFinds(benchmark::State& state)
{
    auto table = dbf::Table::open(dogMaster());
    table->setTags(kDogTags);
    table->setOrder("OWNERNAME");
    std::mt19937 random(7);
    std::vector<std::string> keys;
    for (int i = 0; i < 10000; ++i)
        keys.push_back([&] {
            std::string k = syllables(random, 2);
            for (auto& c : k)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return k;
        }());
    for (auto _ : state) {
        int found = 0;
        for (const auto& key : keys)
            found += table->find(key);
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * keys.size());
}
BENCHMARK(PartialKeyFinds)->Unit(benchmark::kMillisecond);

void Posts(benchmark::State& state)
{
    auto table = dbf::Table::open(dogMaster());
    table->setTags(kDogTags);
    table->setOrder("REGNUM");
    std::mt19937 random(9);
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            table->go(1 + random() % kDogs);
            table->edit();
            table->setText("last", syllables(random, 3));
            table->post();
        }
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(Posts)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
