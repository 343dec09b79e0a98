#pragma once
// The one way the program's readers and writers report: nothing when all went
// well, otherwise the message for the player, naming the file and what is
// wrong. They never show it themselves: the code that talks to the player (a
// window, the game through its windows, the command line) does.
//
// A function that returns nothing returns a Problem; one that returns
// something returns a Result<T>: the value, or the Problem that kept it from
// being made (in the manner of std::expected).
#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace brev {

using Problem = std::optional<QString>;

// The message of a failed Result, marked so that a Result<QString> can tell
// it from a value.
// A Failure is also a Problem, so one helper that makes the message serves
// both kinds of function.
struct Failure {
    QString message;
    operator Problem() const { return message; }
};
inline Failure failure(QString message)
{
    return {std::move(message)};
}

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : held_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failed) : held_(std::in_place_index<1>, std::move(failed.message)) {}

    bool ok() const { return held_.index() == 0; }
    explicit operator bool() const { return ok(); }
    // The value; only when ok().
    T& operator*() { return std::get<0>(held_); }
    const T& operator*() const { return std::get<0>(held_); }
    T* operator->() { return &std::get<0>(held_); }
    const T* operator->() const { return &std::get<0>(held_); }
    // The value, or `fallback` when !ok().
    T value_or(T fallback) const { return ok() ? std::get<0>(held_) : std::move(fallback); }
    // The problem; nothing when ok().
    Problem problem() const { return ok() ? Problem() : Problem(std::get<1>(held_)); }

private:
    std::variant<T, QString> held_;
};

} // namespace brev
