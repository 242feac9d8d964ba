#include "core/table/expression_file.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "core/table/function.h"

namespace ronri {

namespace {

const std::string_view kExtension = ".txt";

// A record never holds a quote or a line break: either would change how the
// file is read back.
std::string record(std::string_view text) {
  std::string out = "\"";
  for (char c : text)
    if (c != '"' && c != '\r' && c != '\n') out += c;
  out += "\"\r\n";
  return out;
}

std::string withoutQuotes(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  for (char c : line)
    if (c != '"') out += c;
  return out;
}

// A whole decimal number with optional blanks and sign; false otherwise.
// Values beyond the range of long long are clamped (a huge count then simply
// reads up to the end of the file).
bool parseCount(std::string_view s, long long& value) {
  size_t i = 0;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (i < s.size() && blank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  size_t digits = 0;
  long long v = 0;
  constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 1;
  for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i, ++digits)
    v = v > kMax ? kMax : v * 10 + (s[i] - '0');
  while (i < s.size() && blank(s[i])) ++i;
  if (digits == 0 || i != s.size()) return false;
  value = negative ? -v : v;
  return true;
}

// Splits off the next line; false at the end of the text.
bool nextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    line = text;
    text = {};
    return true;
  }
  line = text.substr(0, end);
  size_t skip = (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
  text.remove_prefix(end + skip);
  return true;
}

}  // namespace

std::string expressionFileText(const std::vector<std::string>& entries) {
  std::string out = record(std::to_string(static_cast<long long>(entries.size()) - 1));
  for (const std::string& e : entries) out += record(e);
  return out;
}

std::string savedFileName(std::string_view chosen) {
  size_t slash = chosen.rfind('/');
  size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::string out(chosen.substr(0, nameStart));
  std::string_view name = chosen.substr(nameStart);
  for (size_t i = 0; i < name.size();) {
    if (name.substr(i, kExtension.size()) == kExtension) {
      i += kExtension.size();
    } else {
      out += name[i++];
    }
  }
  out += kExtension;
  return out;
}

ExpressionFileContents readExpressionFile(std::string_view text) {
  ExpressionFileContents result;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::string_view line;
  if (!nextLine(text, line) || !parseCount(withoutQuotes(line), result.announced)) {
    result.announced = -1;
    return result;
  }
  result.readable = true;
  for (long long i = 0; i <= result.announced; ++i) {
    if (!nextLine(text, line)) {
      result.complete = false;
      break;
    }
    result.entries.push_back(withoutQuotes(line));
    if (hasDontCarePart(result.entries.back())) {
      const ReadEntry read = readEntry(result.entries.back());
      result.entries.back() = entryText(*read.function);
      if (read.damaged) result.damagedDontCares.push_back(result.entries.size() - 1);
    }
  }
  return result;
}

}  // namespace ronri
