#pragma once
// Errors as values: readers and writers return a Result that carries either
// the value or a structured error (which file, what is wrong). Windows turn
// the error into a message box, the command line into stderr and status 2.

#include <filesystem>
#include <string>
#include <utility>
#include <variant>

namespace tarnic {

struct Error {
    std::filesystem::path file; // may be empty when no file is involved
    std::string what;           // plain English, one sentence, no trailing full stop

    // "FILE: what" or just "what" when there is no file.
    [[nodiscard]] std::string message() const {
        return file.empty() ? what : file.string() + ": " + what;
    }
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : m_v(std::move(value)) {}   // NOLINT(google-explicit-constructor)
    Result(Error error) : m_v(std::move(error)) {} // NOLINT(google-explicit-constructor)

    [[nodiscard]] bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] T& value() & { return std::get<0>(m_v); }
    [[nodiscard]] const T& value() const& { return std::get<0>(m_v); }
    [[nodiscard]] T&& value() && { return std::get<0>(std::move(m_v)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    [[nodiscard]] const Error& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, Error> m_v;
};

// Result of an operation that yields nothing but may fail.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Error error) : m_error(std::move(error)), m_failed(true) {} // NOLINT
    [[nodiscard]] bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const Error& error() const { return m_error; }

private:
    Error m_error;
    bool m_failed = false;
};

} // namespace tarnic
