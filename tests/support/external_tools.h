#pragma once
// Running the external tools (iverilog, yosys, logisim) that read our files.
#include <filesystem>
#include <string>

namespace ronri::test {

// What `command` prints on its standard output ("" when it cannot start).
std::string run(const std::string& command);
// True when `tool` is on the PATH.
bool have(const std::string& tool);
// `p` in single quotes for the shell.
std::string quoted(const std::filesystem::path& p);

}  // namespace ronri::test
