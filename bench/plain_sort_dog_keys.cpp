// The yardstick for opening the dog master: plain C++ without the engine and
// without threads reads the file, computes the keys of its three tags for
// every record (upper(reg), upper(last + first), upper(dog)) and sorts each
// by key and record number.
#include "PlainDbf.h"

#include <algorithm>
#include <cstdio>
#include <utility>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.dbf\n", argv[0]);
        return 2;
    }
    const PlainDbf dbf(argv[1]);
    const PlainField& reg = dbf.field("reg");
    const PlainField& last = dbf.field("last");
    const PlainField& first = dbf.field("first");
    const PlainField& dog = dbf.field("dog");
    using Keys = std::vector<std::pair<std::string, std::uint32_t>>;
    Keys byReg, byOwner, byDog;
    for (std::uint32_t i = 0; i < dbf.count; ++i) {
        byReg.emplace_back(dbf.upper(i, reg), i + 1);
        byOwner.emplace_back(dbf.upper(i, last) + dbf.upper(i, first), i + 1);
        byDog.emplace_back(dbf.upper(i, dog), i + 1);
    }
    for (Keys* keys : {&byReg, &byOwner, &byDog})
        std::sort(keys->begin(), keys->end());
    std::printf("%zu records, first in REGNUM order: %u\n", byReg.size(),
                byReg.empty() ? 0 : byReg.front().second);
    return 0;
}
