#pragma once
// Splits a fuzzer's bytes into small numbers and texts. Works the same with
// libFuzzer and with the plain replay program.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ronri::fuzz {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // A number in lo..hi taken from one byte (lo when the input is used up).
  int number(int lo, int hi) {
    if (pos_ >= size_) return lo;
    return lo + data_[pos_++] % (hi - lo + 1);
  }
  // Text up to the next 0 byte (or to the end), at most `limit` bytes.
  std::string text(size_t limit) {
    std::string out;
    while (pos_ < size_ && data_[pos_] != 0 && out.size() < limit) out += char(data_[pos_++]);
    if (pos_ < size_ && data_[pos_] == 0) ++pos_;
    return out;
  }
  // Whatever is left, at most `limit` bytes.
  std::string rest(size_t limit) {
    const size_t n = std::min(size_ - pos_, limit);
    std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return out;
  }
  bool empty() const { return pos_ >= size_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Aborts with a message, so both libFuzzer and the replay program report it.
[[noreturn]] void fail(const char* what, std::string_view detail = {});

#define RONRI_FUZZ_CHECK(cond, detail)               \
  do {                                               \
    if (!(cond)) ::ronri::fuzz::fail(#cond, detail); \
  } while (0)

}  // namespace ronri::fuzz
