// One shape for everything that can fail on data or on the system: a value, or a problem
// whose kind the caller can switch on and whose message a user can read.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tarmaxion {

// The message is UTF-8 where it carries a system's reason, Windows-1252 (Text) where the
// window's own words tell it.
template <typename Kind, typename Message = std::string>
struct Problem {
  Kind kind;
  Message message;
};

template <typename Value, typename Error>
class [[nodiscard]] Result {
 public:
  Result(Value value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool HasValue() const { return state_.index() == 0; }
  explicit operator bool() const { return HasValue(); }

  const Value& operator*() const { return std::get<0>(state_); }
  Value& operator*() { return std::get<0>(state_); }
  const Value* operator->() const { return &std::get<0>(state_); }
  Value* operator->() { return &std::get<0>(state_); }
  const Error& Failure() const { return std::get<1>(state_); }

 private:
  std::variant<Value, Error> state_;
};

// A result that carries no value: done, or the problem.
struct Done {};
template <typename Error>
using Outcome = Result<Done, Error>;

}  // namespace tarmaxion
