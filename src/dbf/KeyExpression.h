#pragma once

#include "Field.h"

#include <memory>
#include <string>
#include <string_view>

namespace dbf
{

// A compiled xBase key expression: upper(), str(n[,len[,dec]]), val(),
// substr(c,start[,len]), dtos(), recno(), "+" on character values (and on
// numbers), field names of every type, and quoted literals. Every key has a
// fixed length, known when the expression is compiled, as in dBASE indexes.
class KeyExpression
{
public:
    // Throws dbf::Error naming the expression and the fault.
    KeyExpression(std::string_view expression, const FieldList& fields);
    ~KeyExpression();
    KeyExpression(KeyExpression&&) noexcept;
    KeyExpression& operator=(KeyExpression&&) noexcept;

    const std::string& text() const { return text_; }
    int keyLength() const { return keyLength_; }
    // The part of a record the fields of the expression lie in: from its first
    // byte up to, not including, its end (both 0 when it reads no field).
    int firstByte() const { return firstByte_; }
    int endByte() const { return endByte_; }

    // Writes the key (code page 437 bytes, exactly keyLength() of them) of a
    // raw record (deletion flag at byte 0) with the 1-based record number.
    void evaluate(const char* record, std::uint32_t recno, char* key) const;
    std::string evaluate(const char* record, std::uint32_t recno) const;

    struct Node;

private:
    std::string text_;
    int keyLength_ = 0;
    int firstByte_ = 0;
    int endByte_ = 0;
    std::unique_ptr<Node> root_;
};

} // namespace dbf
