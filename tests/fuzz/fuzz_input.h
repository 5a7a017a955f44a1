#pragma once
// Splits a fuzz input into the values a target needs, in order: fixed-size
// numbers first, then the rest as bytes. Past the end every read gives zero
// or nothing, so any input, however short, is a whole test case.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tabulo::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

  template <typename T>
  T Number() {
    T value{};
    const std::size_t n = std::min(sizeof value, bytes_.size());
    std::memcpy(&value, bytes_.data(), n);
    bytes_ = bytes_.subspan(n);
    return value;
  }

  // A text of up to `maxLength` bytes, its length taken from the input.
  std::string Text(std::size_t maxLength) {
    const std::size_t wanted = Number<std::uint8_t>() % (maxLength + 1);  // read before the size below
    const std::size_t n = std::min(wanted, bytes_.size());
    std::string text(reinterpret_cast<const char*>(bytes_.data()), n);
    bytes_ = bytes_.subspan(n);
    return text;
  }

  std::span<const std::uint8_t> Rest() { return std::exchange(bytes_, {}); }
  std::string_view RestAsText() {
    const auto rest = Rest();
    return {reinterpret_cast<const char*>(rest.data()), rest.size()};
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

// A broken promise: abort, so both libFuzzer and the corpus run report it.
inline void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
  }
}

}  // namespace tabulo::fuzz
