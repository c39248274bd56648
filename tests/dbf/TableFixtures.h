#pragma once

#include "dbf/Table.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Small helpers shared by the engine tests.

inline dbf::FieldList allTypesFields()
{
    using dbf::FieldType;
    return {{"name", FieldType::Character, 20},
            {"score", FieldType::Numeric, 6, 2},
            {"count", FieldType::Numeric, 3},
            {"born", FieldType::Date, 8},
            {"active", FieldType::Logical, 1}};
}

inline std::vector<char> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline dbf::Date ymd(int y, unsigned m, unsigned d)
{
    return dbf::Date{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
}

// Appends and posts one record whose character fields are given by name.
inline void addRecord(dbf::Table& t, const std::vector<std::pair<std::string, std::string>>& values)
{
    t.append();
    for (const auto& [field, value] : values)
        t.setText(field, value);
    t.post();
}

// Record numbers in the current order, first to last.
inline std::vector<std::uint32_t> walk(dbf::Table& t)
{
    std::vector<std::uint32_t> order;
    for (t.first(); !t.eof(); t.next())
        order.push_back(t.recno());
    return order;
}
