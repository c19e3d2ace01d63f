// The module's memcmp, linked in place of the C library's. WebAssembly's C library compares one
// byte at a time, which made the bitmap reader's test for rows of one colour cost several times
// the rest of its work. This one compares 32 bytes at a time, without an early exit inside a
// block so that the compiler can use vector instructions, and the bytes of the first block
// that differs decide the sign as the standard asks: the first unequal byte, as unsigned char.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

std::uint64_t Word(const unsigned char* at) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  return word;
}

}  // namespace

extern "C" int memcmp(const void* left_bytes, const void* right_bytes, std::size_t size) {
  const auto* const left = static_cast<const unsigned char*>(left_bytes);
  const auto* const right = static_cast<const unsigned char*>(right_bytes);
  constexpr std::size_t kBlock = 32;
  std::size_t at = 0;
  for (; at + kBlock <= size; at += kBlock) {
    std::uint64_t differs = 0;
    for (std::size_t word = 0; word < kBlock; word += sizeof(std::uint64_t)) {
      differs |= Word(left + at + word) ^ Word(right + at + word);
    }
    if (differs != 0) break;
  }
  for (; at < size; ++at) {
    if (left[at] != right[at]) return left[at] - right[at];
  }
  return 0;
}
