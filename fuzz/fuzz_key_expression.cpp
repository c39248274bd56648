// Compiles the first line of the input as a key expression against a fixed
// field list holding every field the tables' tags use, and builds its key
// from the rest of the input as the record. A bad expression must end in a
// dbf::Error; a good one must write exactly keyLength() bytes.
#include "dbf/Error.h"
#include "dbf/KeyExpression.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace
{

const dbf::FieldList& fields()
{
    static const dbf::FieldList list = [] {
        using dbf::FieldType;
        dbf::FieldList f = {
            {"last", FieldType::Character, 25},      {"first", FieldType::Character, 25},
            {"state", FieldType::Character, 20},     {"city", FieldType::Character, 30},
            {"zip", FieldType::Character, 10},       {"email", FieldType::Character, 60},
            {"owner_id", FieldType::Character, 5},   {"judgenum", FieldType::Character, 5},
            {"reg", FieldType::Character, 12},       {"dog", FieldType::Character, 55},
            {"breed", FieldType::Character, 50},     {"breed_name", FieldType::Character, 50},
            {"arm", FieldType::Character, 5},        {"srtkey", FieldType::Character, 3},
            {"ob_jmpht", FieldType::Character, 2},   {"rallyjmpht", FieldType::Character, 2},
            {"show_num", FieldType::Numeric, 5},     {"show_date", FieldType::Date, 8},
            {"classname", FieldType::Character, 55}, {"section", FieldType::Character, 9},
            {"db_key", FieldType::Character, 6},     {"catgroup", FieldType::Character, 3},
            {"bracecode", FieldType::Character, 1},  {"teamcode", FieldType::Character, 1},
            {"armband", FieldType::Character, 5},    {"pairscode", FieldType::Character, 1},
            {"rtmcode", FieldType::Character, 1},    {"rctmcode", FieldType::Character, 1},
            {"trial", FieldType::Character, 1},      {"trialnum", FieldType::Character, 1},
            {"srt_score", FieldType::Numeric, 6, 2}, {"srt_tie", FieldType::Numeric, 1},
            {"srt_time", FieldType::Numeric, 7, 2},  {"dbkey", FieldType::Character, 6},
            {"jmpht", FieldType::Character, 2},      {"sortkey", FieldType::Character, 3},
            {"combined", FieldType::Character, 6},   {"mixed", FieldType::Logical, 1},
            {"notes", FieldType::Character, 254},    {"wide", FieldType::Numeric, 20, 4},
        };
        dbf::layoutFields(f);
        return f;
    }();
    return list;
}

constexpr char kGuard = '\x5A';
constexpr int kGuardBytes = 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view text = input.substr(0, newline);
    const std::string_view rest =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    const dbf::FieldDef& last = fields().back();
    std::string record(static_cast<std::size_t>(last.offset + last.width), ' ');
    std::copy_n(rest.begin(), std::min(rest.size(), record.size()), record.begin());

    try {
        const dbf::KeyExpression expression(text, fields());
        const int length = expression.keyLength();
        if (length < 1 || length > 100)
            std::abort();
        std::string key(static_cast<std::size_t>(length + kGuardBytes), kGuard);
        for (const std::uint32_t recno : {1u, 99999u, 100000u, 0xFFFFFFFFu}) {
            expression.evaluate(record.data(), recno, key.data());
            if (std::any_of(key.begin() + length, key.end(), [](char c) { return c != kGuard; }))
                std::abort();
            if (expression.evaluate(record.data(), recno) != key.substr(0, length))
                std::abort();
        }
    } catch (const dbf::Error&) {
    }
    return 0;
}
