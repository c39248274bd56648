#pragma once

#include "Field.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dbf
{

class Table;
using Date = std::chrono::year_month_day;

// A read-only look at one record as it is stored in the file: never the record
// buffer of an edit in progress, and never a move of the table's cursor. A view
// is valid until the table next changes (a write, an append, a pack); take the
// values out of it, do not keep it.
class RecordView
{
public:
    std::uint32_t recno() const { return recno_; }
    bool deleted() const { return data_[0] == '*'; }

    // Text is UTF-8 with trailing blanks removed; raw() keeps them.
    std::string text(std::string_view field) const;
    std::string text(int position) const; // 1-based; 0 reads the deletion flag
    std::string raw(std::string_view field) const;
    double number(std::string_view field) const; // blank reads as 0
    std::optional<Date> date(std::string_view field) const;
    bool logical(std::string_view field) const;
    bool logical(int position) const;

    // The stored bytes of the whole record, deletion flag first.
    std::string_view bytes() const;

private:
    friend class Table;
    RecordView(const Table& table, std::uint32_t recno, const char* data)
        : table_(&table), recno_(recno), data_(data)
    {
    }

    const Table* table_;
    std::uint32_t recno_;
    const char* data_;
};

} // namespace dbf
