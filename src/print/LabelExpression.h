#pragma once

#include <QString>

#include <memory>

class SourceRow;

// A label item's expression over the fields of the record being printed, in
// the xBase form the layouts are written in: field names, quoted literals
// ('...' or "..."), "+" to join texts, and the functions trim() and rtrim()
// (trailing blanks), ltrim() (leading blanks), alltrim(), upper() and lower().
class LabelExpression
{
public:
    // Throws dbf::Error naming the expression and the fault: a
    // layout is written in the program, so a bad one is a fault to find at once.
    explicit LabelExpression(const QString& text);
    ~LabelExpression();
    LabelExpression(const LabelExpression&);
    LabelExpression& operator=(const LabelExpression&);

    const QString& text() const { return text_; }
    QString evaluate(const SourceRow& record) const;

    struct Node;

private:
    QString text_;
    std::shared_ptr<const Node> root_;
};
