// The engine's speed on a dog master of 100,000 records with its three tags:
// open and index, partial-key finds, posts. Run by hand:
//   cmake -B build-bench -DRINGVALE_BUILD_BENCH=ON && cmake --build build-bench --target ringvale_bench
//   build-bench/bench/ringvale_bench
#include "dbf/Table.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace {

using dbf::FieldType;

const dbf::FieldList kDogFields = {
    {"reg", FieldType::Character, 12},        {"dog", FieldType::Character, 55},
    {"breed", FieldType::Character, 50},      {"sex", FieldType::Character, 6},
    {"first", FieldType::Character, 25},      {"last", FieldType::Character, 25},
    {"owner2", FieldType::Character, 50},     {"breeder", FieldType::Character, 60},
    {"sire", FieldType::Character, 60},       {"dam", FieldType::Character, 60},
    {"bdate", FieldType::Date, 8},            {"callname", FieldType::Character, 20},
    {"ht_card", FieldType::Character, 4},     {"owner_id", FieldType::Character, 5},
    {"titles_pre", FieldType::Character, 12}, {"titles_end", FieldType::Character, 20},
    {"modified", FieldType::Date, 8},         {"reg_ctry", FieldType::Character, 10},
    {"ob_jmpht", FieldType::Character, 2},    {"rallyjmpht", FieldType::Character, 2},
    {"ag_jmpht", FieldType::Character, 2},    {"isc_jmpht", FieldType::Character, 2}};

const std::vector<dbf::TagDef> kDogTags = {{"REGNUM", "upper(reg)"},
                                           {"OWNERNAME", "upper(last + first)"},
                                           {"DOGNAME", "upper(dog)"}};

constexpr std::uint32_t kDogs = 100000;

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
        std::filesystem::remove(path);
        dbf::Table::create(path, kDogFields);
        auto table = dbf::Table::open(path);
        std::mt19937 random(42);
        for (std::uint32_t i = 0; i < kDogs; ++i) {
            table->blankBuffer();
            table->setText("reg", "DN" + std::to_string(10000000 + random() % 89999999));
            table->setText("dog", "Ch " + syllables(random, 4) + " " + syllables(random, 3));
            table->setText("breed", "Border Collie");
            table->setText("first", syllables(random, 2));
            table->setText("last", syllables(random, 3));
            table->setText("sire", syllables(random, 5));
            table->setText("dam", syllables(random, 5));
            table->setText("owner_id", std::to_string(10000 + i % 80000));
            table->appendRecord();
        }
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
