#include "print/LabelExpression.h"

#include "print/RecordSource.h"

#include "dbf/Error.h"

#include <QStringList>

#include <vector>

struct LabelExpression::Node {
    enum class Kind { Literal, Field, Function, Join };
    Kind kind = Kind::Literal;
    QString text; // literal text, field name or function name (lower case)
    std::vector<Node> operands;
};

namespace
{

using Node = LabelExpression::Node;

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == '_';
}

class Parser
{
public:
    explicit Parser(const QString& text) : text_(text) {}

    Node parse()
    {
        Node root = join();
        skipBlanks();
        if (pos_ < text_.size())
            fail("unexpected \"" + QString(text_[pos_]) + "\"");
        return root;
    }

private:
    Node join()
    {
        Node first = operand();
        skipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != '+')
            return first;
        Node joined{Node::Kind::Join, {}, {std::move(first)}};
        while (pos_ < text_.size() && text_[pos_] == '+') {
            ++pos_;
            joined.operands.push_back(operand());
            skipBlanks();
        }
        return joined;
    }

    Node operand()
    {
        skipBlanks();
        if (pos_ >= text_.size())
            fail("a field, text or function is missing at the end");
        const QChar c = text_[pos_];
        if (c == '\'' || c == '"') {
            const qsizetype close = text_.indexOf(c, pos_ + 1);
            if (close < 0)
                fail("a quoted text is not closed");
            Node literal{Node::Kind::Literal, text_.mid(pos_ + 1, close - pos_ - 1), {}};
            pos_ = close + 1;
            return literal;
        }
        if (!isNameChar(c))
            fail("unexpected \"" + QString(c) + "\"");
        const qsizetype start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        const QString name = text_.mid(start, pos_ - start).toLower();
        skipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != '(')
            return {Node::Kind::Field, name, {}};
        static const QStringList functions{"trim", "rtrim", "ltrim", "alltrim", "upper", "lower"};
        if (!functions.contains(name))
            fail("unknown function " + name + "()");
        ++pos_;
        Node call{Node::Kind::Function, name, {join()}};
        skipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != ')')
            fail("\")\" is missing after " + name + "(");
        ++pos_;
        return call;
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    [[noreturn]] void fail(const QString& why) const
    {
        throw dbf::Error(QString("label expression \"%1\": %2").arg(text_, why).toStdString());
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

QString dropTrailingBlanks(const QString& s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == ' ')
        --end;
    return s.left(end);
}

QString dropLeadingBlanks(const QString& s)
{
    qsizetype start = 0;
    while (start < s.size() && s[start] == ' ')
        ++start;
    return s.mid(start);
}

QString evaluateNode(const Node& node, const SourceRow& record)
{
    switch (node.kind) {
    case Node::Kind::Literal:
        return node.text;
    case Node::Kind::Field:
        return record.text(node.text);
    case Node::Kind::Join: {
        QString joined;
        for (const Node& operand : node.operands)
            joined += evaluateNode(operand, record);
        return joined;
    }
    case Node::Kind::Function:
        break;
    }
    const QString argument = evaluateNode(node.operands.front(), record);
    // xBase trim() drops trailing blanks only, the padding of a stored field.
    if (node.text == "trim" || node.text == "rtrim")
        return dropTrailingBlanks(argument);
    if (node.text == "ltrim")
        return dropLeadingBlanks(argument);
    if (node.text == "alltrim")
        return dropLeadingBlanks(dropTrailingBlanks(argument));
    if (node.text == "upper")
        return argument.toUpper();
    return argument.toLower();
}

} // namespace

LabelExpression::LabelExpression(const QString& text)
    : text_(text), root_(std::make_shared<const Node>(Parser(text).parse()))
{
}

LabelExpression::~LabelExpression() = default;
LabelExpression::LabelExpression(const LabelExpression&) = default;
LabelExpression& LabelExpression::operator=(const LabelExpression&) = default;

QString LabelExpression::evaluate(const SourceRow& record) const
{
    return evaluateNode(*root_, record);
}
