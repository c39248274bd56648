#include "KeyExpression.h"

#include "Codepage437.h"
#include "Error.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace dbf
{

namespace
{

constexpr int kMaxExpression = 220;
constexpr int kMaxKey = 100;
// substr() and val() read their text through a buffer on the stack, so no
// character value inside an expression may be longer than this.
constexpr int kMaxValue = 1024;
constexpr int kDefaultStrLength = 10;

enum class ValueType { Character, Numeric, Date, Logical };

} // namespace

struct KeyExpression::Node {
    enum class Kind {
        Field,        // raw bytes of a field (C fields, D fields, N fields as a whole key)
        Literal,      // quoted text
        Upper,        // operands[0] upper-cased
        Substr,       // operands[0] from start, length bytes, blank padded
        Concat,       // operands one after another
        Str,          // operands[0] as number text, length bytes, decimals
        LogicalField, // "T" or "F"
        Number,       // numeric literal
        NumericField, // an N field read as a number
        Recno,        // the record number
        Val,          // operands[0] read as a number
        Add,          // operands[0] + operands[1]
    };

    Kind kind = Kind::Literal;
    ValueType type = ValueType::Character;
    int length = 0; // bytes written by a character value
    int offset = 0; // of a field in the record
    int start = 0;  // of substr, 0-based
    int decimals = 0;
    double number = 0;
    std::string text;
    std::vector<std::unique_ptr<Node>> operands;
};

namespace
{

using Node = KeyExpression::Node;
using Kind = Node::Kind;

// cp437::upper lives in another translation unit; a table keeps the per-byte
// call out of the loop that builds every key of a table at open.
const std::array<char, 256>& upperTable()
{
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[c] = static_cast<char>(cp437::upper(static_cast<unsigned char>(c)));
        return t;
    }();
    return table;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a number as val() does: leading blanks, an optional sign, digits and
// an optional decimal part; whatever follows ends the number, and text with
// no digits at all ("??", blanks) reads as 0.
double readNumber(const char* text, int length)
{
    const char* p = text;
    const char* end = text + length;
    while (p < end && *p == ' ')
        ++p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    const char* digits = p;
    std::uint64_t mantissa = 0;
    int significant = 0;
    int fraction = 0;
    while (p < end && isDigit(*p)) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
        if (mantissa != 0)
            ++significant;
        ++p;
    }
    const bool wholePart = significant > 0;
    if (p < end && *p == '.') {
        ++p;
        while (p < end && isDigit(*p)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
            if (mantissa != 0)
                ++significant;
            ++fraction;
            ++p;
        }
    }
    double value = 0;
    // Up to 15 significant digits and 22 decimals both factors are exact, so
    // one division gives the correctly rounded value.
    if (significant <= 15 && fraction <= 22) {
        static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        value = static_cast<double>(mantissa) / powers[fraction];
    } else {
        // Too large a number reads as infinite (str() then gives asterisks),
        // too small a one as 0.
        if (std::from_chars(digits, p, value).ec == std::errc::result_out_of_range)
            value = wholePart ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

// Writes x as str(x, length, decimals) does: rounded half away from zero,
// right-aligned and blank-padded; a number that does not fit gives asterisks.
void writeNumber(double x, int length, int decimals, char* out)
{
    // Integer part, point and decimals of anything that could fit in a key.
    char text[2 * kMaxKey + 4];
    int n = 0;
    const bool fits = std::isfinite(x) && std::fabs(x) < 1e100;
    if (fits && x == std::trunc(x) && std::fabs(x) < 1e15) {
        auto whole = static_cast<std::int64_t>(std::fabs(x));
        char digits[20];
        int d = 0;
        do {
            digits[d++] = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole != 0);
        if (x < 0)
            text[n++] = '-';
        while (d > 0)
            text[n++] = digits[--d];
        if (decimals > 0) {
            text[n++] = '.';
            for (int i = 0; i < decimals; ++i)
                text[n++] = '0';
        }
    } else if (fits) {
        // Fifteen significant digits recover the decimal a value was read
        // from (2.675, not 2.67499999...), so a half rounds away from zero as
        // it reads, and the noise of binary sums (0.1 + 0.2) disappears.
        char e[32];
        std::snprintf(e, sizeof e, "%.14e", std::fabs(x));
        char mantissa[16];
        mantissa[0] = e[0];
        std::memcpy(mantissa + 1, e + 2, 14);
        const int exponent = std::atoi(e + 17);
        // Digits of the result: those before the point and the decimals.
        const int integerDigits = exponent + 1;
        const int kept = integerDigits + decimals;
        char result[2 * kMaxKey + 4];
        int r = 0;
        for (int i = 0; i < kept; ++i)
            result[r++] = i < 15 ? mantissa[i] : '0';
        if (kept >= 0 && kept < 15 && mantissa[kept] >= '5') {
            int i = r - 1;
            while (i >= 0 && result[i] == '9')
                result[i--] = '0';
            if (i >= 0) {
                ++result[i];
            } else {
                std::memmove(result + 1, result, static_cast<std::size_t>(r));
                result[0] = '1';
                ++r;
            }
        }
        // Left-pad with zeros so that there is at least one integer digit.
        const int integerCount = std::max(r - decimals, 1);
        const int padding = integerCount + decimals - r;
        bool zero = true;
        for (int i = 0; i < r; ++i)
            zero = zero && result[i] == '0';
        if (x < 0 && !zero)
            text[n++] = '-';
        int taken = 0;
        for (int i = 0; i < integerCount; ++i)
            text[n++] = i < padding ? '0' : result[taken++];
        if (decimals > 0) {
            text[n++] = '.';
            for (int i = 0; i < decimals; ++i)
                text[n++] = integerCount + i < padding ? '0' : result[taken++];
        }
    }
    if (!fits || n > length) {
        std::memset(out, '*', static_cast<std::size_t>(length));
        return;
    }
    std::memset(out, ' ', static_cast<std::size_t>(length - n));
    std::memcpy(out + (length - n), text, static_cast<std::size_t>(n));
}

void write(const Node& node, const char* record, std::uint32_t recno, char* out);

double number(const Node& node, const char* record, std::uint32_t recno)
{
    switch (node.kind) {
    case Kind::Number:
        return node.number;
    case Kind::NumericField:
        return readNumber(record + node.offset, node.length);
    case Kind::Recno:
        return recno;
    case Kind::Add:
        return number(*node.operands[0], record, recno) + number(*node.operands[1], record, recno);
    case Kind::Val: {
        const Node& source = *node.operands[0];
        if (source.kind == Kind::Field)
            return readNumber(record + source.offset, source.length);
        char text[kMaxValue];
        write(source, record, recno, text);
        return readNumber(text, source.length);
    }
    default:
        return 0;
    }
}

void write(const Node& node, const char* record, std::uint32_t recno, char* out)
{
    switch (node.kind) {
    case Kind::Field:
        std::memcpy(out, record + node.offset, static_cast<std::size_t>(node.length));
        break;
    case Kind::Literal:
        std::memcpy(out, node.text.data(), static_cast<std::size_t>(node.length));
        break;
    case Kind::Upper: {
        write(*node.operands[0], record, recno, out);
        const auto& upper = upperTable();
        for (int i = 0; i < node.length; ++i)
            out[i] = upper[static_cast<unsigned char>(out[i])];
        break;
    }
    case Kind::Substr: {
        const Node& source = *node.operands[0];
        char buffer[kMaxValue];
        const char* text = record + source.offset;
        if (source.kind != Kind::Field) {
            write(source, record, recno, buffer);
            text = buffer;
        }
        const int available = std::clamp(source.length - node.start, 0, node.length);
        if (available > 0)
            std::memcpy(out, text + node.start, static_cast<std::size_t>(available));
        std::memset(out + available, ' ', static_cast<std::size_t>(node.length - available));
        break;
    }
    case Kind::Concat:
        for (const auto& part : node.operands) {
            write(*part, record, recno, out);
            out += part->length;
        }
        break;
    case Kind::Str:
        writeNumber(number(*node.operands[0], record, recno), node.length, node.decimals, out);
        break;
    case Kind::LogicalField: {
        const char c = record[node.offset];
        *out = c == 'T' || c == 't' || c == 'Y' || c == 'y' ? 'T' : 'F';
        break;
    }
    default:
        break;
    }
}

const char* typeName(ValueType type)
{
    switch (type) {
    case ValueType::Character:
        return "a character value";
    case ValueType::Numeric:
        return "a number";
    case ValueType::Date:
        return "a date";
    case ValueType::Logical:
        return "a logical value";
    }
    return "";
}

// Recursive descent over
//   sum  := term { "+" term }
//   term := "(" sum ")" | literal | number | name [ "(" [ sum { "," sum } ] ")" ]
class Parser
{
public:
    Parser(std::string_view text, const FieldList& fields) : text_(text), fields_(fields) {}

    std::unique_ptr<Node> parseKey()
    {
        if (text_.size() > kMaxExpression)
            fail("longer than " + std::to_string(kMaxExpression) + " characters");
        skipBlanks();
        if (atEnd())
            fail("no expression");
        auto node = parseSum();
        skipBlanks();
        if (!atEnd())
            unexpected();
        return asKey(std::move(node));
    }

    [[noreturn]] void fail(const std::string& fault) const
    {
        throw Error("Key expression \"" + std::string(text_) + "\": " + fault);
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    void skipBlanks()
    {
        while (!atEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }

    [[noreturn]] void unexpected() const
    {
        if (atEnd())
            fail("unexpected end");
        fail("unexpected \"" + std::string(1, text_[pos_]) + "\" at position " +
             std::to_string(pos_ + 1));
    }

    void expect(char c)
    {
        skipBlanks();
        if (peek() != c)
            unexpected();
        ++pos_;
    }

    // A whole key has a fixed length: numbers become str(x) of the default
    // length, except a bare N field, whose stored text already is one.
    std::unique_ptr<Node> asKey(std::unique_ptr<Node> node)
    {
        if (node->kind == Kind::NumericField) {
            node->kind = Kind::Field;
        } else if (node->type == ValueType::Numeric) {
            node = makeStr(std::move(node), kDefaultStrLength, 0);
        } else if (node->type == ValueType::Logical) {
            node->length = 1;
        }
        node->type = ValueType::Character;
        if (node->length > kMaxKey)
            fail("key of " + std::to_string(node->length) + " bytes is longer than the " +
                 std::to_string(kMaxKey) + " allowed");
        if (node->length == 0)
            fail("key of 0 bytes");
        return node;
    }

    std::unique_ptr<Node> parseSum()
    {
        auto left = parseTerm();
        for (;;) {
            skipBlanks();
            if (peek() != '+')
                return left;
            ++pos_;
            left = add(std::move(left), parseTerm());
        }
    }

    std::unique_ptr<Node> add(std::unique_ptr<Node> left, std::unique_ptr<Node> right)
    {
        if (left->type == ValueType::Numeric && right->type == ValueType::Numeric) {
            auto sum = std::make_unique<Node>();
            sum->kind = Kind::Add;
            sum->type = ValueType::Numeric;
            sum->operands.push_back(std::move(left));
            sum->operands.push_back(std::move(right));
            return sum;
        }
        if (left->type != ValueType::Character || right->type != ValueType::Character)
            fail(std::string("+ cannot join ") + typeName(left->type) + " and " +
                 typeName(right->type));
        checkLength(static_cast<long long>(left->length) + right->length);
        if (left->kind != Kind::Concat) {
            auto concat = std::make_unique<Node>();
            concat->kind = Kind::Concat;
            concat->length = left->length;
            concat->operands.push_back(std::move(left));
            left = std::move(concat);
        }
        left->length += right->length;
        left->operands.push_back(std::move(right));
        return left;
    }

    void checkLength(long long length) const
    {
        if (length > kMaxValue)
            fail("a character value longer than " + std::to_string(kMaxValue) + " bytes");
    }

    std::unique_ptr<Node> parseTerm()
    {
        skipBlanks();
        const char c = peek();
        if (c == '(') {
            ++pos_;
            auto inner = parseSum();
            expect(')');
            return inner;
        }
        if (c == '\'' || c == '"')
            return parseLiteral(c);
        if (isDigit(c) || c == '.')
            return parseNumber();
        if (isNameStart(c)) {
            const std::string_view name = parseName();
            skipBlanks();
            if (peek() == '(') {
                ++pos_;
                return parseCall(name);
            }
            return fieldNode(name);
        }
        unexpected();
    }

    static bool isNameStart(char c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    }

    std::string_view parseName()
    {
        const std::size_t begin = pos_;
        while (!atEnd() && (isNameStart(text_[pos_]) || isDigit(text_[pos_])))
            ++pos_;
        return text_.substr(begin, pos_ - begin);
    }

    std::unique_ptr<Node> parseLiteral(char quote)
    {
        const std::size_t begin = ++pos_;
        const std::size_t close = text_.find(quote, begin);
        if (close == std::string_view::npos)
            fail("text starting at position " + std::to_string(begin) + " is not closed");
        pos_ = close + 1;
        auto node = std::make_unique<Node>();
        node->kind = Kind::Literal;
        node->text = std::string(text_.substr(begin, close - begin));
        node->length = static_cast<int>(node->text.size());
        return node;
    }

    std::unique_ptr<Node> parseNumber()
    {
        const std::size_t begin = pos_;
        while (!atEnd() && isDigit(text_[pos_]))
            ++pos_;
        if (peek() == '.') {
            ++pos_;
            while (!atEnd() && isDigit(text_[pos_]))
                ++pos_;
        }
        const std::string_view digits = text_.substr(begin, pos_ - begin);
        auto node = std::make_unique<Node>();
        node->kind = Kind::Number;
        node->type = ValueType::Numeric;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), node->number);
        if (error != std::errc() || end != digits.data() + digits.size())
            fail("no valid number at position " + std::to_string(begin + 1));
        return node;
    }

    std::unique_ptr<Node> fieldNode(std::string_view name)
    {
        const int index = findField(fields_, name);
        if (index < 0)
            fail("unknown field " + std::string(name));
        const FieldDef& field = fields_[static_cast<std::size_t>(index)];
        auto node = std::make_unique<Node>();
        node->offset = field.offset;
        node->length = field.width;
        switch (field.type) {
        case FieldType::Character:
            node->kind = Kind::Field;
            break;
        case FieldType::Date:
            node->kind = Kind::Field;
            node->type = ValueType::Date;
            break;
        case FieldType::Numeric:
            node->kind = Kind::NumericField;
            node->type = ValueType::Numeric;
            break;
        case FieldType::Logical:
            node->kind = Kind::LogicalField;
            node->type = ValueType::Logical;
            break;
        default:
            fail("field " + std::string(name) + " has a type keys cannot use");
        }
        checkLength(node->length);
        return node;
    }

    std::unique_ptr<Node> parseCall(std::string_view name)
    {
        std::string function(name);
        for (char& c : function)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        using Maker = std::unique_ptr<Node> (Parser::*)(const std::string&,
                                                        std::vector<std::unique_ptr<Node>>);
        static const std::pair<const char*, Maker> makers[] = {
            {"upper", &Parser::makeUpper}, {"str", &Parser::makeStrCall},
            {"val", &Parser::makeVal},     {"substr", &Parser::makeSubstr},
            {"dtos", &Parser::makeDtos},   {"recno", &Parser::makeRecno},
        };
        const auto maker = std::find_if(std::begin(makers), std::end(makers),
                                        [&](const auto& m) { return function == m.first; });
        if (maker == std::end(makers))
            fail("unknown function " + std::string(name));
        return (this->*maker->second)(function, parseArguments());
    }

    std::vector<std::unique_ptr<Node>> parseArguments()
    {
        std::vector<std::unique_ptr<Node>> args;
        skipBlanks();
        if (peek() == ')') {
            ++pos_;
            return args;
        }
        for (;;) {
            args.push_back(parseSum());
            skipBlanks();
            if (peek() == ')') {
                ++pos_;
                return args;
            }
            expect(',');
        }
    }

    void checkCount(const std::string& function, const std::vector<std::unique_ptr<Node>>& args,
                    std::size_t least, std::size_t most) const
    {
        if (args.size() >= least && args.size() <= most)
            return;
        if (least == most)
            fail(function + "() takes " + std::to_string(least) + " argument" +
                 (least == 1 ? "" : "s"));
        fail(function + "() takes " + std::to_string(least) + " to " + std::to_string(most) +
             " arguments");
    }

    void checkType(const std::string& function, const Node& arg, ValueType wanted) const
    {
        if (arg.type != wanted)
            fail(function + "() needs " + typeName(wanted) + ", not " + typeName(arg.type));
    }

    // Lengths and positions must be written as numbers: the key length is
    // fixed when the expression is compiled.
    int wholeNumber(const std::string& what, const Node& arg, int least, int most) const
    {
        if (arg.kind != Kind::Number || arg.number != std::trunc(arg.number) ||
            arg.number < least || arg.number > most)
            fail(what + " must be a whole number from " + std::to_string(least) + " to " +
                 std::to_string(most));
        return static_cast<int>(arg.number);
    }

    std::unique_ptr<Node> makeUpper(const std::string& function,
                                    std::vector<std::unique_ptr<Node>> args)
    {
        checkCount(function, args, 1, 1);
        checkType(function, *args[0], ValueType::Character);
        auto node = std::make_unique<Node>();
        node->kind = Kind::Upper;
        node->length = args[0]->length;
        node->operands = std::move(args);
        return node;
    }

    std::unique_ptr<Node> makeStrCall(const std::string& function,
                                      std::vector<std::unique_ptr<Node>> args)
    {
        checkCount(function, args, 1, 3);
        checkType(function, *args[0], ValueType::Numeric);
        const int length =
            args.size() > 1 ? wholeNumber("str() length", *args[1], 1, kMaxKey) : kDefaultStrLength;
        // With decimals the shortest number is "0.0": a point and a digit on
        // each side of it.
        const int decimals =
            args.size() > 2 ? wholeNumber("str() decimals", *args[2], 0, std::max(length - 2, 0))
                            : 0;
        return makeStr(std::move(args[0]), length, decimals);
    }

    static std::unique_ptr<Node> makeStr(std::unique_ptr<Node> value, int length, int decimals)
    {
        auto node = std::make_unique<Node>();
        node->kind = Kind::Str;
        node->length = length;
        node->decimals = decimals;
        node->operands.push_back(std::move(value));
        return node;
    }

    std::unique_ptr<Node> makeVal(const std::string& function,
                                  std::vector<std::unique_ptr<Node>> args)
    {
        checkCount(function, args, 1, 1);
        checkType(function, *args[0], ValueType::Character);
        auto node = std::make_unique<Node>();
        node->kind = Kind::Val;
        node->type = ValueType::Numeric;
        node->operands = std::move(args);
        return node;
    }

    std::unique_ptr<Node> makeSubstr(const std::string& function,
                                     std::vector<std::unique_ptr<Node>> args)
    {
        checkCount(function, args, 2, 3);
        checkType(function, *args[0], ValueType::Character);
        const int start = wholeNumber("substr() start", *args[1], 1, kMaxValue);
        int length = 0;
        if (args.size() > 2) {
            length = wholeNumber("substr() length", *args[2], 0, kMaxValue);
        } else {
            length = args[0]->length - start + 1;
            if (length < 1)
                fail("substr() starts at " + std::to_string(start) + ", after the end of its " +
                     std::to_string(args[0]->length) + " bytes");
        }
        auto node = std::make_unique<Node>();
        node->kind = Kind::Substr;
        node->start = start - 1;
        node->length = length;
        node->operands.push_back(std::move(args[0]));
        return node;
    }

    // A date is stored as YYYYMMDD (blanks when empty), which already is the
    // text dtos() gives.
    std::unique_ptr<Node> makeDtos(const std::string& function,
                                   std::vector<std::unique_ptr<Node>> args)
    {
        checkCount(function, args, 1, 1);
        checkType(function, *args[0], ValueType::Date);
        auto node = std::move(args[0]);
        node->type = ValueType::Character;
        return node;
    }

    std::unique_ptr<Node> makeRecno(const std::string& function,
                                    std::vector<std::unique_ptr<Node>> args)
    {
        checkCount(function, args, 0, 0);
        auto node = std::make_unique<Node>();
        node->kind = Kind::Recno;
        node->type = ValueType::Numeric;
        return node;
    }

    std::string_view text_;
    const FieldList& fields_;
    std::size_t pos_ = 0;
};

} // namespace

namespace
{

void widenToFields(const Node& node, int& first, int& end)
{
    if (node.kind == Kind::Field || node.kind == Kind::NumericField ||
        node.kind == Kind::LogicalField) {
        first = end == 0 ? node.offset : std::min(first, node.offset);
        end = std::max(end, node.offset + node.length);
    }
    for (const auto& operand : node.operands)
        widenToFields(*operand, first, end);
}

} // namespace

KeyExpression::KeyExpression(std::string_view expression, const FieldList& fields)
    : text_(expression)
{
    root_ = Parser(expression, fields).parseKey();
    keyLength_ = root_->length;
    widenToFields(*root_, firstByte_, endByte_);
}

KeyExpression::~KeyExpression() = default;
KeyExpression::KeyExpression(KeyExpression&&) noexcept = default;
KeyExpression& KeyExpression::operator=(KeyExpression&&) noexcept = default;

void KeyExpression::evaluate(const char* record, std::uint32_t recno, char* key) const
{
    write(*root_, record, recno, key);
}

std::string KeyExpression::evaluate(const char* record, std::uint32_t recno) const
{
    std::string key(static_cast<std::size_t>(keyLength_), ' ');
    evaluate(record, recno, key.data());
    return key;
}

} // namespace dbf
