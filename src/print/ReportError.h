#pragma once

#include <QString>

#include <stdexcept>

// A report that cannot be laid out or written: the text names what is wrong
// (the unknown field, the file that cannot be written) for the error box.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
