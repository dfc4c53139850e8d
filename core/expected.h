#pragma once

#include <initializer_list>
#include <optional>
#include <utility>
#include <variant>

// What every step that can fail returns, from the system calls up: a value, or what kept the
// program from getting it. The system calls hold the system's error code (std::error_code), the
// layers above a Failure (core/failure.h), which tells the player which file and why.
namespace quarvel {

struct Failure;

template <typename T, typename E = Failure> class Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(E failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    [[nodiscard]] bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    [[nodiscard]] E& failure() { return std::get<1>(state_); }
    [[nodiscard]] const E& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

// Done, or what went wrong. A default-made one is done.
template <typename E> class Expected<void, E> {
public:
    Expected() = default;
    Expected(E failure) : failure_(std::move(failure)) {}

    [[nodiscard]] bool ok() const { return !failure_.has_value(); }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] E& failure() { return *failure_; }
    [[nodiscard]] const E& failure() const { return *failure_; }

private:
    std::optional<E> failure_;
};

// Runs the `steps` of `work` one after the other, up to the first that fails.
template <typename Work, typename E>
Expected<void, E> inTurn(Work& work, std::initializer_list<Expected<void, E> (Work::*)()> steps) {
    for (const auto step : steps) {
        if (Expected<void, E> done = (work.*step)(); !done) {
            return done;
        }
    }
    return {};
}

// What kept a step from being done, or nothing when it was: for results that say so in a field.
template <typename E> std::optional<E> failureOf(const Expected<void, E>& done) {
    return done ? std::nullopt : std::optional<E>(done.failure());
}

} // namespace quarvel
