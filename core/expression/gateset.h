#pragma once
// Rewriting a function into restricted gate sets: NAND with NOT, NOR with NOT,
// NAND only, NOR only.
//
// The forms with NOT are built from the reverse Polish text of the source by
// De Morgan templates; the operands come out in reverse order (right operand
// first), double negations are folded and negated letters are written "~x".
// The NAND-only and NOR-only forms are built from a form with NOT by writing
// each NOT x as (x op x), and lose their outermost parentheses.
//
// Every operator of the expression language is rewritten, not only AND and
// OR, so a hand-edited source still gives an equivalent text. The constants
// 0 and 1 are operands. Texts are built as a shared tree and written out once,
// so any nesting depth works and time stays linear in the output.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ronri {

enum class RewriteStatus {
  Ok,
  Empty,      // nothing to rewrite; the text is ""
  Malformed,  // not a well-formed expression; the text is ""
  TooLong,    // the result would exceed the length limit; the text is ""
};

struct Rewritten {
  std::string text;
  RewriteStatus status = RewriteStatus::Ok;
};

// NOT x as (x op x) doubles x, so nested negations grow the NAND-only and
// NOR-only texts exponentially; beyond this length nothing is built.
constexpr std::size_t kMaxRewriteLength = 200000;

// Reverse Polish text of an infix source that keeps the constants 0 and 1 as
// operands; nullopt when the text holds characters that are not part of the
// expression language or its parentheses do not balance.
std::optional<std::string> gateSetRpn(std::string_view infix);

// The form with NOT of a reverse Polish text: NAND ($) with NOT when `nand`,
// else NOR (|) with NOT.
Rewritten rewriteWithNot(std::string_view rpn, bool nand,
                         std::size_t maxLength = kMaxRewriteLength);
// The NAND-only (`nand`) or NOR-only form of an infix text, normally a form
// with NOT.
Rewritten rewriteOnly(std::string_view withNot, bool nand,
                      std::size_t maxLength = kMaxRewriteLength);

// The plain texts ("" when the status is not Ok).
std::string toNandNot(std::string_view rpn);
std::string toNorNot(std::string_view rpn);
std::string toNandOnly(std::string_view withNot);
std::string toNorOnly(std::string_view withNot);

// Drops each "~~" pair, left to right ("~~~a" becomes "~a").
std::string foldDoubleNegations(std::string_view text);

}  // namespace ronri
