#pragma once

#include "Field.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// How the stored bytes of a field read as values: the one place shared by the
// record buffer of a table and by read-only record views.

namespace dbf
{

using Date = std::chrono::year_month_day;

namespace values
{

std::string_view trimRight(std::string_view s);
std::string_view trim(std::string_view s);
std::string_view bytesOf(const char* record, const FieldDef& f);

std::string text(const char* record, const FieldDef& f); // trailing blanks removed
std::string raw(const char* record, const FieldDef& f);
double number(const char* record, const FieldDef& f);
std::optional<Date> date(const char* record, const FieldDef& f);
bool logical(const char* record, const FieldDef& f);

} // namespace values
} // namespace dbf
