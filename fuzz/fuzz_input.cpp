#include "fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ronri::fuzz {

void fail(const char* what, std::string_view detail) {
  // Bytes that do not print are escaped, so the input can be read off.
  std::string shown;
  for (unsigned char c : detail.substr(0, 2000)) {
    if (c >= 0x20 && c < 0x7f) {
      shown += char(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      shown += buf;
    }
  }
  std::fprintf(stderr, "check failed: %s\n  on: %s\n", what, shown.c_str());
  std::abort();
}

}  // namespace ronri::fuzz
