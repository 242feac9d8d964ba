#include "support/external_tools.h"

#include <cstdio>
#include <cstdlib>

namespace ronri::test {

std::string run(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    for (size_t got; (got = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, got);
    pclose(p);
  }
  return out;
}

bool have(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string quoted(const std::filesystem::path& p) {
  return "'" + p.string() + "'";
}

}  // namespace ronri::test
