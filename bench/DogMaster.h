#pragma once

#include "dbf/Field.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// The dog master the benchmarks measure: the fields and tags of the real
// table, filled with made-up dogs from a fixed seed, so every run and every
// program reads the same file.

extern const dbf::FieldList kDogFields;
extern const std::vector<dbf::TagDef> kDogTags;
constexpr std::uint32_t kDogs = 100000;

// Writes a dog master of `count` records to `path`, replacing any file there.
void writeDogMaster(const std::filesystem::path& path, std::uint32_t count = kDogs);
