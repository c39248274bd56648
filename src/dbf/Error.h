#pragma once

#include <stdexcept>
#include <string>

namespace dbf
{

// The program's one error family. Every failure of the engine and of the file
// layers above it (a folder that cannot be made, a file that is locked or
// damaged) is raised as a dbf::Error whose text names the file (where there is
// one) and the fault, ready to be shown to the user as it stands.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Raised when a text holds a character that code page 437 cannot store: the
// caller learns which field and which character, so nothing is changed silently.
class EncodingError : public Error
{
public:
    EncodingError(std::string field, std::string character)
        : Error("Field " + field + " cannot hold the character \"" + character +
                "\" (not in code page 437)"),
          field_(std::move(field)), character_(std::move(character))
    {
    }
    const std::string& field() const { return field_; }
    const std::string& character() const { return character_; }

private:
    std::string field_;
    std::string character_;
};

// Raised when a table is already opened by this or another process.
class InUseError : public Error
{
public:
    using Error::Error;
};

} // namespace dbf
