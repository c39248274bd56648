// Writes the benchmark dog master to the given file, making its folder.
//   bench_make_dog_master DATA/userdata/dogmaster2.dbf
#include "DogMaster.h"

#include "dbf/Error.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.dbf\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path file = argv[1];
        if (file.has_parent_path())
            std::filesystem::create_directories(file.parent_path());
        writeDogMaster(file);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
