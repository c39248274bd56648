// The yardstick for `ringvale-cli dump Dogs --tag OWNERNAME`: plain C++
// without the engine reads the dog master, sorts it by upper(last + first)
// and record number, and writes the live records as the same CSV to standard
// output. Text is passed through as it is, so it refuses bytes above 127 (the
// benchmark's dogs are ASCII) rather than convert them from code page 437.
#include "PlainDbf.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace
{

void appendCsv(std::string& line, const char* value, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(value[i]) > 127)
            throw std::runtime_error("not ASCII");
    }
    const std::string_view text(value, length);
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        line.append(text);
        return;
    }
    line += '"';
    for (char c : text) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

void appendValue(std::string& line, const char* record, const PlainField& f)
{
    const char* value = record + f.offset;
    std::size_t begin = 0, end = f.width;
    while (end > 0 && value[end - 1] == ' ')
        --end;
    if (f.type == 'L') {
        line += std::string_view("TtYy").find(value[0]) != std::string_view::npos ? 'T' : 'F';
        return;
    }
    if (f.type == 'N') {
        while (begin < end && value[begin] == ' ')
            ++begin;
    }
    appendCsv(line, value + begin, end - begin);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.dbf\n", argv[0]);
        return 2;
    }
    try {
        const PlainDbf dbf(argv[1]);
        const PlainField& last = dbf.field("last");
        const PlainField& first = dbf.field("first");
        std::vector<std::pair<std::string, std::uint32_t>> byOwner;
        for (std::uint32_t i = 0; i < dbf.count; ++i)
            byOwner.emplace_back(dbf.upper(i, last) + dbf.upper(i, first), i);
        std::sort(byOwner.begin(), byOwner.end());

        std::string out;
        for (const auto& f : dbf.fields) {
            if (!out.empty())
                out += ',';
            appendCsv(out, f.name.data(), f.name.size());
        }
        out += "\r\n";
        for (const auto& [key, i] : byOwner) {
            const char* record = dbf.record(i);
            if (record[0] == '*')
                continue;
            for (std::size_t f = 0; f < dbf.fields.size(); ++f) {
                if (f > 0)
                    out += ',';
                appendValue(out, record, dbf.fields[f]);
            }
            out += "\r\n";
            if (out.size() > (1 << 16)) {
                std::fwrite(out.data(), 1, out.size(), stdout);
                out.clear();
            }
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
