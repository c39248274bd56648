#pragma once

#include <QString>

#include <string>
#include <string_view>

// A field of RFC 4180 for the command line's CSV outputs: quoted when it
// holds a comma, a quote or a line end, a quote inside doubled.
std::string csvField(std::string_view value);
std::string csvField(const QString& value);
