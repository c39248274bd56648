#pragma once

#include <QString>

#include <optional>
#include <utility>

// What logic that can fail as part of its job gives back: the value, or the
// message, ready to show, that says why there is none (a refused save, an
// output that could not be written). Failures of the environment are not
// results: the engine and the file layers throw dbf::Error for those.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : value_(std::move(value)) {}
    static Result failure(QString message) { return Result(std::nullopt, std::move(message)); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    // Empty when ok().
    const QString& message() const { return message_; }

private:
    Result(std::nullopt_t, QString message) : message_(std::move(message)) {}

    std::optional<T> value_;
    QString message_;
};

// A result without a value: done, or the message why not.
template <> class [[nodiscard]] Result<void>
{
public:
    static Result success() { return Result(QString(), true); }
    static Result failure(QString message) { return Result(std::move(message), false); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const QString& message() const { return message_; }

private:
    Result(QString message, bool ok) : message_(std::move(message)), ok_(ok) {}

    QString message_;
    bool ok_;
};

using Done = Result<void>;
