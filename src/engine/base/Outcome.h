#pragma once

#include <QString>

#include <optional>
#include <utility>

/// What a caller may act on when an operation failed, beyond telling the operator.
enum class FailureKind {
    Other,
    Missing,     // the file is not there
    NotDatabase, // the file is there but not a database of this program's kind
};

/// Why an operation failed: the operator's message, in Romanian, and its kind.
struct Failure {
    Failure(QString text, FailureKind of = FailureKind::Other)
        : message(std::move(text)), kind(of) {}

    QString message;
    FailureKind kind;
};

/// What an engine operation that can fail gives back: its value, or the message saying why
/// there is none.
template <typename T> class [[nodiscard]] Outcome {
public:
    Outcome(T value) : m_value(std::move(value)) {}
    Outcome(Failure failure) : m_error(std::move(failure.message)), m_kind(failure.kind) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& operator*() const& { return *m_value; }
    T& operator*() & { return *m_value; }
    T&& operator*() && { return std::move(*m_value); }
    const T* operator->() const { return &*m_value; }
    T* operator->() { return &*m_value; }
    /// The value, or `fallback` when it failed.
    T valueOr(T fallback) const& { return m_value.value_or(std::move(fallback)); }
    /// The message when it failed; empty otherwise.
    const QString& error() const { return m_error; }
    /// What kind of failure it was; Other when it did not fail.
    FailureKind failureKind() const { return m_kind; }

private:
    std::optional<T> m_value;
    QString m_error;
    FailureKind m_kind = FailureKind::Other;
};

/// The outcome of an operation that gives nothing back but may fail.
template <> class [[nodiscard]] Outcome<void> {
public:
    Outcome() = default;
    Outcome(Failure failure)
        : m_failed(true), m_error(std::move(failure.message)), m_kind(failure.kind) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error; }
    /// What kind of failure it was; Other when it did not fail.
    FailureKind failureKind() const { return m_kind; }

private:
    bool m_failed = false;
    QString m_error;
    FailureKind m_kind = FailureKind::Other;
};
