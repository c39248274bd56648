#include "dbf/Codepage437.h"
#include "dbf/Error.h"
#include "dbf/KeyExpression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <utility>

using namespace dbf;

namespace
{

// Fields of the show entry, class and results tables that the tag
// expressions use, plus one of each remaining type.
FieldList testFields()
{
    FieldList fields = {
        {"last", FieldType::Character, 25},      {"first", FieldType::Character, 25},
        {"dog", FieldType::Character, 55},       {"breed", FieldType::Character, 50},
        {"arm", FieldType::Character, 5},        {"srtkey", FieldType::Character, 3},
        {"ob_jmpht", FieldType::Character, 2},   {"db_key", FieldType::Character, 6},
        {"trial", FieldType::Character, 1},      {"show_num", FieldType::Numeric, 5},
        {"srt_score", FieldType::Numeric, 6, 2}, {"srt_time", FieldType::Numeric, 7, 2},
        {"srt_tie", FieldType::Numeric, 1},      {"show_date", FieldType::Date, 8},
        {"printit", FieldType::Logical, 1},
    };
    layoutFields(fields);
    return fields;
}

// A raw record built the way the table stores it: C fields left-aligned,
// N fields right-aligned, both blank padded; text is given in UTF-8.
class Record
{
public:
    explicit Record(const FieldList& fields) : fields_(fields)
    {
        bytes_.assign(static_cast<std::size_t>(fields.back().offset + fields.back().width), ' ');
    }

    Record& set(std::string_view name, std::string_view utf8)
    {
        const FieldDef& field = fields_[static_cast<std::size_t>(findField(fields_, name))];
        const std::string text = *cp437::fromUtf8(utf8);
        const auto start = static_cast<std::size_t>(
            field.offset + (field.type == FieldType::Numeric ? field.width - text.size() : 0));
        bytes_.replace(start, text.size(), text);
        return *this;
    }

    const char* data() const { return bytes_.data(); }

private:
    const FieldList& fields_;
    std::string bytes_;
};

struct ValueCase {
    const char* expression;
    std::vector<std::pair<const char*, const char*>> values;
    std::uint32_t recno;
    std::string key; // UTF-8
};

void PrintTo(const ValueCase& c, std::ostream* os)
{
    *os << c.expression;
}

class KeyExpressionValues : public testing::TestWithParam<ValueCase>
{
};

TEST_P(KeyExpressionValues, GivesTheKeyOfItsFixedLength)
{
    const auto& c = GetParam();
    const FieldList fields = testFields();
    Record record(fields);
    for (const auto& [name, value] : c.values)
        record.set(name, value);

    const KeyExpression expression(c.expression, fields);
    const std::string expected = *cp437::fromUtf8(c.key);
    EXPECT_EQ(expression.keyLength(), static_cast<int>(expected.size()));
    EXPECT_EQ(expression.evaluate(record.data(), c.recno), expected);

    // Exactly keyLength() bytes are written, nothing beyond them.
    std::string buffer(expected.size() + 8, '#');
    expression.evaluate(record.data(), c.recno, buffer.data());
    EXPECT_EQ(buffer, expected + "########");
}

INSTANTIATE_TEST_SUITE_P(
    KeyExpression, KeyExpressionValues,
    testing::Values(
        ValueCase{"upper(last + first)",
                  {{"last", "Müller"}, {"first", "Zoë"}},
                  1,
                  // ë has no upper-case form in the code page.
                  "MÜLLER                   ZOë                      "},
        ValueCase{"upper(breed)",
                  {{"breed", "Señor ñandú 9x"}},
                  1,
                  "SEÑOR ÑANDú 9X" + std::string(36, ' ')},
        ValueCase{"UPPER(Arm)+Str(RecNo(),5)", {{"arm", "a1"}}, 42, "A1      42"},
        ValueCase{" ( srtkey + arm ) + str ( recno ( ) , 5 ) ",
                  {{"srtkey", "100"}, {"arm", "7"}},
                  3,
                  "1007        3"},
        ValueCase{"str(recno(),5)", {}, 99999, "99999"},
        ValueCase{"str(recno(),5)", {}, 100000, "*****"},
        ValueCase{"recno()", {}, 12, "        12"},
        ValueCase{"str(val(ob_jmpht),2,0)", {{"ob_jmpht", " 8"}}, 1, " 8"},
        ValueCase{"str(val(ob_jmpht),2,0)", {{"ob_jmpht", "??"}}, 1, " 0"},
        ValueCase{"str(val(ob_jmpht),2,0)", {}, 1, " 0"},
        ValueCase{"str(val(ob_jmpht),2,0)", {{"ob_jmpht", "4?"}}, 1, " 4"},
        ValueCase{"str(val(dog),8,2)", {{"dog", "  -3.456 cm"}}, 1, "   -3.46"},
        ValueCase{"str(val(dog),8,2)", {{"dog", "+.5"}}, 1, "    0.50"},
        ValueCase{"str(val(dog),4)", {{"dog", "1e5"}}, 1, "   1"},
        ValueCase{"str(val(dog),4)", {{"dog", "- 5"}}, 1, "   0"},
        ValueCase{"str(val(dog),4)", {{"dog", "99999999999999999999999999"}}, 1, "****"},
        ValueCase{"str(show_num)", {{"show_num", "12"}}, 1, "        12"},
        ValueCase{"str(show_num,2)", {{"show_num", "12345"}}, 1, "**"},
        ValueCase{"str(show_num + 1 + 0.5,7,1)", {{"show_num", "12"}}, 1, "   13.5"},
        ValueCase{"show_num", {{"show_num", "12"}}, 1, "   12"},
        ValueCase{"str(srt_score,6,2)", {{"srt_score", "98.50"}}, 1, " 98.50"},
        // Halves round away from zero, also where the binary value lies just below.
        ValueCase{"str(srt_score,5,1)", {{"srt_score", "2.25"}}, 1, "  2.3"},
        ValueCase{"str(srt_score,5,1)", {{"srt_score", "-2.25"}}, 1, " -2.3"},
        ValueCase{"str(srt_score)", {{"srt_score", "-0.50"}}, 1, "        -1"},
        ValueCase{"str(srt_score,5,1)", {{"srt_score", "-0.04"}}, 1, "  0.0"},
        ValueCase{"str(val(dog),6,2)", {{"dog", "2.675"}}, 1, "  2.68"},
        ValueCase{"str(val(dog),6,2)", {{"dog", "1.005"}}, 1, "  1.01"},
        ValueCase{"str(val(dog),6,1)", {{"dog", "999.95"}}, 1, "1000.0"},
        ValueCase{"str(val(dog),6,2)", {{"dog", "999.995"}}, 1, "******"},
        ValueCase{"str(val(dog),4,2)", {{"dog", "0.005"}}, 1, "0.01"},
        ValueCase{"substr(db_key,1,1)", {{"db_key", "ORNA"}}, 1, "O"},
        ValueCase{"substr(db_key,3)", {{"db_key", "ORNA"}}, 1, "NA  "},
        ValueCase{"substr(db_key,4,5)", {{"db_key", "RNCTM"}}, 1, "TM   "},
        ValueCase{"substr(upper(db_key)+'x',6,3)", {{"db_key", "rncta"}}, 1, " x "},
        ValueCase{"dtos(show_date)", {{"show_date", "20061014"}}, 1, "20061014"},
        ValueCase{"dtos(show_date)", {}, 1, "        "},
        ValueCase{"show_date", {{"show_date", "20061014"}}, 1, "20061014"},
        ValueCase{"printit", {{"printit", "y"}}, 1, "T"},
        ValueCase{"printit", {{"printit", "?"}}, 1, "F"},
        ValueCase{"\"A\"+trial+'\"B'", {{"trial", "2"}}, 1, "A2\"B"},
        ValueCase{"trial+substr(db_key,1,1)+upper(breed)+str(srt_score,6,2) + str(srt_time,7,2) "
                  "+ str(srt_tie)",
                  {{"trial", "1"},
                   {"db_key", "RRNA"},
                   {"breed", "Puli"},
                   {"srt_score", "99.5"},
                   {"srt_time", "61.25"},
                   {"srt_tie", "1"}},
                  1,
                  "1RPULI" + std::string(46, ' ') + " 99.50  61.25         1"}));

struct ErrorCase {
    std::string expression;
    const char* fault;
};

void PrintTo(const ErrorCase& c, std::ostream* os)
{
    *os << c.expression;
}

class KeyExpressionErrors : public testing::TestWithParam<ErrorCase>
{
};

TEST_P(KeyExpressionErrors, NameTheExpressionAndTheFault)
{
    const auto& c = GetParam();
    try {
        KeyExpression(c.expression, testFields());
        FAIL() << "compiled: " << c.expression;
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Key expression \"" + c.expression + "\": " + c.fault);
    }
}

INSTANTIATE_TEST_SUITE_P(
    KeyExpression, KeyExpressionErrors,
    testing::Values(
        ErrorCase{"upper(foo)", "unknown field foo"},
        ErrorCase{"lower(bar)", "unknown function lower"}, ErrorCase{"", "no expression"},
        ErrorCase{"   ", "no expression"}, ErrorCase{"upper(last", "unexpected end"},
        ErrorCase{"upper(last))", "unexpected \")\" at position 12"},
        ErrorCase{"last first", "unexpected \"f\" at position 6"},
        ErrorCase{"last +", "unexpected end"},
        ErrorCase{"last - first", "unexpected \"-\" at position 6"},
        ErrorCase{"str(recno(),5", "unexpected end"},
        ErrorCase{"'abc", "text starting at position 1 is not closed"},
        ErrorCase{"upper(show_num)", "upper() needs a character value, not a number"},
        ErrorCase{"str(last)", "str() needs a number, not a character value"},
        ErrorCase{"val(show_num)", "val() needs a character value, not a number"},
        ErrorCase{"dtos(last)", "dtos() needs a date, not a character value"},
        ErrorCase{"substr(show_date,1,4)", "substr() needs a character value, not a date"},
        ErrorCase{"last + show_num", "+ cannot join a character value and a number"},
        ErrorCase{"show_date + last", "+ cannot join a date and a character value"},
        ErrorCase{"printit + last", "+ cannot join a logical value and a character value"},
        ErrorCase{"upper()", "upper() takes 1 argument"},
        ErrorCase{"recno(1)", "recno() takes 0 arguments"},
        ErrorCase{"str(1,2,0,0)", "str() takes 1 to 3 arguments"},
        ErrorCase{"substr(last)", "substr() takes 2 to 3 arguments"},
        ErrorCase{"str(show_num,0)", "str() length must be a whole number from 1 to 100"},
        ErrorCase{"str(show_num,101)", "str() length must be a whole number from 1 to 100"},
        ErrorCase{"str(show_num,2.5)", "str() length must be a whole number from 1 to 100"},
        ErrorCase{"str(show_num,srt_tie)", "str() length must be a whole number from 1 to 100"},
        ErrorCase{"str(show_num,3,2)", "str() decimals must be a whole number from 0 to 1"},
        ErrorCase{"substr(last,0,2)", "substr() start must be a whole number from 1 to 1024"},
        ErrorCase{"substr(last,26)", "substr() starts at 26, after the end of its 25 bytes"},
        ErrorCase{"substr(last,1,0)", "key of 0 bytes"}, ErrorCase{"''", "key of 0 bytes"},
        ErrorCase{"dog+dog", "key of 110 bytes is longer than the 100 allowed"},
        ErrorCase{"1.2.3", "unexpected \".\" at position 4"},
        ErrorCase{std::string(221, ' '), "longer than 220 characters"}));

TEST(KeyExpression, AcceptsAnExpressionOfTheLongestLength)
{
    const std::string text = std::string(215, ' ') + "trial";
    EXPECT_EQ(KeyExpression(text, testFields()).keyLength(), 1);
}

// Sorts record numbers 1..n by their keys, as an index would.
std::vector<std::uint32_t> orderOf(const KeyExpression& expression,
                                   const std::vector<Record>& records)
{
    std::multimap<std::string, std::uint32_t> index;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto recno = static_cast<std::uint32_t>(i + 1);
        index.emplace(expression.evaluate(records[i].data(), recno), recno);
    }
    std::vector<std::uint32_t> order;
    for (const auto& [key, recno] : index)
        order.push_back(recno);
    return order;
}

TEST(KeyExpressionOrdering, JumpHeightTagSortsBySortKeyThenHeightThenRecord)
{
    const FieldList fields = testFields();
    const KeyExpression tag("srtkey+str(val(ob_jmpht),2,0)+str(recno(),5)", fields);
    EXPECT_EQ(tag.keyLength(), 10);
    const std::vector<std::pair<const char*, const char*>> entries = {
        {"110", "10"}, {"110", " 8"}, {"100", "??"}, {"110", "??"},
        {"110", "8"},  {"100", " 4"}, {"110", "  "}, {"100", "12"},
    };
    std::vector<Record> records;
    for (const auto& [srtkey, height] : entries)
        records.push_back(Record(fields).set("srtkey", srtkey).set("ob_jmpht", height));
    // "??" and blank count as 0; " 8" and "8 " are both 8 and before 10.
    EXPECT_EQ(orderOf(tag, records), (std::vector<std::uint32_t>{3, 6, 8, 4, 7, 2, 5, 1}));
}

TEST(KeyExpressionOrdering, SortKeyTagKeepsRecordOrderAcrossDigitCounts)
{
    const FieldList fields = testFields();
    const KeyExpression tag("srtkey+str(recno(),5)", fields);
    std::vector<Record> records(12, Record(fields));
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].set("srtkey", i % 2 == 0 ? "200" : "100");
    EXPECT_EQ(orderOf(tag, records),
              (std::vector<std::uint32_t>{2, 4, 6, 8, 10, 12, 1, 3, 5, 7, 9, 11}));
}

TEST(KeyExpressionOrdering, NameTagIgnoresCaseOfAccentedNames)
{
    const FieldList fields = testFields();
    const KeyExpression tag("upper(last + first)+str(recno(),5)", fields);
    std::vector<Record> records;
    for (const char* last : {"müller", "Muller", "MÜLLER", "Müller", "Mahler"})
        records.push_back(Record(fields).set("last", last).set("first", "Ann"));
    // The code page puts Ü after every unaccented letter; the three spellings
    // of Müller share one key and stay in record order.
    EXPECT_EQ(orderOf(tag, records), (std::vector<std::uint32_t>{5, 2, 1, 3, 4}));
    EXPECT_EQ(cp437::toUtf8(tag.evaluate(records[0].data(), 1)),
              "MÜLLER                   ANN                          1");
}

TEST(KeyExpression, MovedExpressionKeepsItsTextAndEvaluates)
{
    const FieldList fields = testFields();
    KeyExpression moved("upper(arm)", fields);
    KeyExpression target("trial", fields);
    target = std::move(moved);
    EXPECT_EQ(target.text(), "upper(arm)");
    EXPECT_EQ(target.evaluate(Record(fields).set("arm", "x9").data(), 1), "X9   ");
}

} // namespace
