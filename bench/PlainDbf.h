#pragma once

// The few lines a plain C++ program needs to read a dBASE III file without the
// engine: the yardstick programs use it, so they measure what straightforward
// code costs, not the engine.

#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

struct PlainField {
    std::string name;
    char type;
    int width;
    int offset;
};

struct PlainDbf {
    std::vector<char> bytes;
    std::uint32_t count = 0;
    int headerLength = 0;
    int recordLength = 0;
    std::vector<PlainField> fields;

    explicit PlainDbf(const char* path)
    {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        if (!in)
            throw std::runtime_error(std::string("cannot open ") + path);
        bytes.resize(static_cast<std::size_t>(in.tellg()));
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        const auto* u = reinterpret_cast<const unsigned char*>(bytes.data());
        count = u[4] | u[5] << 8 | u[6] << 16 | std::uint32_t(u[7]) << 24;
        headerLength = u[8] | u[9] << 8;
        recordLength = u[10] | u[11] << 8;
        int offset = 1;
        for (int pos = 32; bytes[pos] != 0x0D; pos += 32) {
            const char* d = bytes.data() + pos;
            fields.push_back({std::string(d, strnlen(d, 11)), d[11], u[pos + 16], offset});
            offset += u[pos + 16];
        }
    }

    const char* record(std::uint32_t i) const
    {
        return bytes.data() + headerLength + std::size_t(i) * recordLength;
    }
    const PlainField& field(const std::string& name) const
    {
        for (const auto& f : fields)
            if (f.name == name)
                return f;
        throw std::runtime_error("no field " + name);
    }
    // The field's bytes, upper-cased as upper() does for ASCII.
    std::string upper(std::uint32_t i, const PlainField& f) const
    {
        std::string s(record(i) + f.offset, f.width);
        for (char& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    }
};
