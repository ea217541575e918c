#pragma once

#include <QString>
#include <concepts>
#include <optional>
#include <utility>
#include <variant>

namespace chaserom {

/// The failure on its way into a Result: `return Failed(QStringLiteral("…"));`.
template <typename E> struct Failed {
    explicit Failed(E what)
        : failure(std::move(what)) {}
    E failure;
};

/// A value, or the typed failure that kept it from being made. The failure is a sentence in
/// Russian for the user unless another type is named (FileError for file operations).
/// Operations that make no value return a Failure instead.
template <typename T, typename E = QString> class [[nodiscard]] Result {
public:
    using value_type = T;

    // Implicit both ways, so that a function returns its value or Failed(...) as it stands.
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value)) {}
    template <typename F>
    requires std::constructible_from<E, F> Result(Failed<F> failed)
        : m_state(std::in_place_index<1>, E(std::move(failed.failure))) {}

    [[nodiscard]] bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] const T& operator*() const& { return std::get<0>(m_state); }
    [[nodiscard]] T& operator*() & { return std::get<0>(m_state); }
    [[nodiscard]] T&& operator*() && { return std::get<0>(std::move(m_state)); }
    [[nodiscard]] const T* operator->() const { return &std::get<0>(m_state); }
    [[nodiscard]] T* operator->() { return &std::get<0>(m_state); }

    [[nodiscard]] const E& failure() const { return std::get<1>(m_state); }

    /// The value, or nothing when it failed: for callers that only say whether it worked.
    [[nodiscard]] std::optional<T> value() const& {
        return ok() ? std::optional<T>(std::get<0>(m_state)) : std::nullopt;
    }

private:
    std::variant<T, E> m_state;
};

/// What an operation that makes no value returns: nothing when it succeeded, else what went
/// wrong (`if (auto failure = write()) report(*failure);`).
template <typename E = QString> using Failure = std::optional<E>;

} // namespace chaserom
