#pragma once
// Expression files: plain text, one quoted record per CR LF line. The first
// record is the number of entries minus 1, each further record one stored
// entry ("a+b 1"). Reading is tolerant of files edited by hand or damaged:
// it never fails outright on a file whose first line is a count, and keeps
// every entry it could read.
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

// The whole file for a list of entries, byte for byte.
std::string expressionFileText(const std::vector<std::string>& entries);

// The name a list is saved under: every ".txt" is removed from the file name
// and ".txt" appended. Only the last path component is touched, so a folder
// whose name contains ".txt" is kept as it is. '/' separates components.
std::string savedFileName(std::string_view chosen);

struct ExpressionFileContents {
  // False when the text is not an expression file at all (empty, or a first
  // line that is not a whole number); nothing is read then.
  bool readable = false;
  // The count line as written: the number of entries minus 1.
  long long announced = -1;
  // The entries read, quotes removed, in file order.
  std::vector<std::string> entries;
  // False when the file ended before the announced number of entries.
  bool complete = true;
  // The entries (0-based) whose don't-care part "d(...)" was damaged: each is
  // kept with what could be read of it, the rest dropped.
  std::vector<size_t> damagedDontCares;
};

// Reads an expression file. Lines may end in CR LF, LF or CR; every '"' is
// removed wherever it stands; a leading UTF-8 byte-order mark is ignored.
// Lines after the announced entries are ignored. A count below -1 reads no
// entry; a count beyond the end of the file reads up to the end. An entry with
// don't-care rows is written back in its clean form ("a 0 d(1)"); every other
// entry is kept as it stands.
ExpressionFileContents readExpressionFile(std::string_view text);

}  // namespace ronri
