#pragma once

#include "storage/Result.h"

#include <cstdint>

class Tdmod;

// A sample show of invented exhibitors for people trying the program, for
// screenshots, tests and benchmarks: a two-trial show offering the regular
// classes of both sections and several non-regular ones, its entries keyed
// through the entry editor exactly as the entry desk saves them, and a dog
// master filled up with returning dogs of past shows. The same seed gives the
// same show. Every name in it is invented.
namespace SampleShow
{

struct Size {
    int entries = 200;
    int dogs = 1000; // the dog master holds at least this many dogs afterwards
    std::uint32_t seed = 1;
};

struct Made {
    int show = 0;
    int entries = 0;
    std::uint32_t dogs = 0;
    std::uint32_t owners = 0;
};

Result<Made> make(Tdmod& data, const Size& size);

} // namespace SampleShow
