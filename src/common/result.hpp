#pragma once
// Result: what an operation that may be refused gives back, the one shape a
// refusal takes everywhere in ugraph.
//
// A Refusal is one lower-case clause that completes the sentence its caller
// tells ("data-input 3 cannot be loaded: <reason>", "cannot write file F
// (<reason>)"), and a kind for the callers that word some refusals in their
// own way (data of another kind, or which part of a save refused).
// Result<T> holds either the value or the refusal; Result<> is "done".
#include <string>
#include <utility>
#include <variant>

namespace ugraph {

struct Refusal {
    enum class Kind {
        reason,      // the reason says it all
        not_marked,  // a data-input of another kind than a Ugraph
        link,        // a symbolic link the link rule does not follow
        file,        // the file itself refused
        folder,      // its folder refused a new file
        backup,      // the previous content could not be kept
        busy,        // another program kept the file in use too long
        label_zero,  // a list's label 0 where labels count from 1: read from 0, it would fit
    };
    Kind kind = Kind::reason;
    std::string reason;
};

struct Done {};

template <typename T = Done>
class Result {
public:
    Result() requires std::is_default_constructible_v<T> : state_(T{}) {}
    Result(T value) : state_(std::move(value)) {}            // NOLINT(google-explicit-constructor)
    Result(Refusal refusal) : state_(std::move(refusal)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const Refusal& refusal() const { return std::get<Refusal>(state_); }
    const std::string& reason() const { return refusal().reason; }

private:
    std::variant<T, Refusal> state_;
};

inline Refusal refused(std::string reason, Refusal::Kind kind = Refusal::Kind::reason) {
    return Refusal{kind, std::move(reason)};
}

}  // namespace ugraph
