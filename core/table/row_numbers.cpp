#include "core/table/row_numbers.h"

#include <algorithm>
#include <cctype>
#include <random>

namespace ronri {

namespace {

constexpr std::string_view kSigma = "\xCE\xA3";          // Σ
constexpr std::string_view kWideComma = "\xE3\x80\x81";  // 、
constexpr std::string_view kFullComma = "\xEF\xBC\x8C";  // ，

bool startsWith(std::string_view s, std::string_view head) {
  return s.substr(0, head.size()) == head;
}

// Digits only, and small enough to compare with a row count.
std::optional<int> number(std::string_view s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

// Without blanks at either end.
std::string_view stripped(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<RowNumberError> parseRowList(std::string_view text, char prefix, int variables,
                                           std::vector<int>& rows) {
  std::string_view body = stripped(text);
  if (startsWith(body, kSigma)) body.remove_prefix(kSigma.size());
  if (!body.empty() && std::tolower(static_cast<unsigned char>(body.front())) == prefix)
    body = stripped(body.substr(1));
  if (!body.empty() && body.front() == '(') {
    if (body.back() != ')') return RowNumberError{RowNumberError::Unreadable, std::string(body), 0};
    body = body.substr(1, body.size() - 2);
  }
  // Every separator becomes ",".
  std::string items;
  for (size_t i = 0; i < body.size();) {
    if (startsWith(body.substr(i), kWideComma) || startsWith(body.substr(i), kFullComma)) {
      items += ',';
      i += 3;
    } else {
      items += body[i] == ' ' || body[i] == '\t' ? ',' : body[i];
      ++i;
    }
  }
  const int rowCount = 1 << variables;
  size_t start = 0;
  while (start <= items.size()) {
    size_t end = items.find(',', start);
    if (end == std::string::npos) end = items.size();
    const std::string piece = items.substr(start, end - start);
    start = end + 1;
    if (piece.empty()) continue;
    const size_t dash = piece.find('-', 1);
    const auto low = number(dash == std::string::npos ? piece : piece.substr(0, dash));
    const auto high = dash == std::string::npos ? low : number(piece.substr(dash + 1));
    if (!low || !high) return RowNumberError{RowNumberError::Unreadable, piece, 0};
    if (*high < *low) return RowNumberError{RowNumberError::Reversed, piece, 0};
    for (int v : {*low, *high})
      if (v >= rowCount) return RowNumberError{RowNumberError::OutOfRange, piece, v};
    for (int v = *low; v <= *high; ++v) rows.push_back(v);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return std::nullopt;
}

RowNumbers parseRowNumbers(std::string_view ones, std::string_view dontCares, int variables) {
  RowNumbers f;
  f.variables = variables;
  f.error = parseRowList(ones, 'm', variables, f.ones);
  if (!f.error) f.error = parseRowList(dontCares, 'd', variables, f.dontCares);
  if (f.error) return f;
  for (int v : f.dontCares)
    if (std::binary_search(f.ones.begin(), f.ones.end(), v)) {
      f.error = RowNumberError{RowNumberError::InBoth, std::to_string(v), v};
      break;
    }
  return f;
}

RowNumbers parseRowFunction(std::string_view text, int variables) {
  const std::string_view s = stripped(text);
  size_t d = s.find_first_of("dD");
  if (d == std::string::npos) return parseRowNumbers(s, "", variables);
  // "Σd" and "+d" belong to the don't-care part.
  std::string_view ones = stripped(s.substr(0, d));
  if (ones.size() >= kSigma.size() && ones.substr(ones.size() - kSigma.size()) == kSigma)
    ones = stripped(ones.substr(0, ones.size() - kSigma.size()));
  if (!ones.empty() && ones.back() == '+') ones.remove_suffix(1);
  return parseRowNumbers(ones, s.substr(d), variables);
}

bool looksLikeRowNumbers(std::string_view text) {
  const std::string_view s = stripped(text);
  if (s.empty()) return false;
  const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s.front())));
  return c == 'm' || c == 'd' || std::isdigit(static_cast<unsigned char>(c)) ||
         startsWith(s, kSigma);
}

std::string rowNumbersText(const std::vector<int>& ones, const std::vector<int>& dontCares) {
  const auto list = [](const std::vector<int>& rows) {
    std::string out;
    for (int r : rows) out += (out.empty() ? "" : ",") + std::to_string(r);
    return out;
  };
  std::string out = "m(" + list(ones) + ")";
  if (!dontCares.empty()) out += "+d(" + list(dontCares) + ")";
  return out;
}

std::string functionValues(const RowNumbers& f) {
  std::string values(size_t{1} << f.variables, '0');
  for (int r : f.ones) values[size_t(r)] = '1';
  for (int r : f.dontCares) values[size_t(r)] = 'X';
  return values;
}

}  // namespace ronri

namespace ronri {

RowNumbers randomFunction(int variables, bool withDontCares, std::uint32_t seed) {
  std::mt19937 random(seed);
  const int rows = 1 << variables;
  for (;;) {
    RowNumbers f;
    f.variables = variables;
    // Roughly four ones in ten, and one row in seven free when asked for.
    for (int r = 0; r < rows; ++r) {
      const unsigned draw = random() % 70;
      if (draw < 28)
        f.ones.push_back(r);
      else if (withDontCares && draw >= 60)
        f.dontCares.push_back(r);
    }
    if (!f.ones.empty() && f.ones.size() + f.dontCares.size() < size_t(rows)) return f;
  }
}

}  // namespace ronri
