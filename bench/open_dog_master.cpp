// Opens the dog master and builds its three tags, as the program does at
// start-up, then ends: timed whole-process by run_open_and_dump.py.
#include "DogMaster.h"

#include "dbf/Table.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.dbf\n", argv[0]);
        return 2;
    }
    try {
        auto table = dbf::Table::open(argv[1]);
        table->setTags(kDogTags);
        table->setOrder("REGNUM");
        std::printf("%u records, first in REGNUM order: %u\n", table->recordCount(),
                    table->recno());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
