#pragma once
// What a call that can fail hands back: its value, or one line saying why
// there is none, written for a person (the app prints it before exiting,
// the login switch reports it). The one error form of the platform layers
// and the login item.

#include <optional>
#include <QString>
#include <type_traits>
#include <utility>

namespace torvel {

template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : value_(std::move(value)) {}
    // A result of a convertible type: a derived layer as its interface.
    template <class U,
              class = std::enable_if_t<!std::is_same_v<U, T> && std::is_constructible_v<T, U&&>>>
    Result(Result<U>&& other)
        : error_(other.error()) {
        if (other) {
            value_.emplace(std::move(other.value()));
        }
    }
    static Result failure(const QString& why) {
        Result result;
        result.error_ = why;
        return result;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only on success.
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    // Empty on success.
    const QString& error() const { return error_; }

private:
    Result() = default;
    std::optional<T> value_;
    QString error_;
};

template <> class [[nodiscard]] Result<void> {
public:
    static Result success() { return {}; }
    static Result failure(const QString& why) {
        Result result;
        result.failed_ = true;
        result.error_ = why;
        return result;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    Result() = default;
    bool failed_ = false;
    QString error_;
};

} // namespace torvel
