// Evaluating equation texts clock by clock.
#include "sequential/simulate.h"

#include <map>
#include <optional>

namespace ronri::seq {
namespace {

// A sum of products: each term a list of (variable, plain) literals; an
// empty term is 1, an empty sum 0.
using Literal = std::pair<std::string, bool>;
using Sum = std::vector<std::vector<Literal>>;

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(' ');
  const size_t b = s.find_last_not_of(' ');
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i)
    if (i == s.size() || s[i] == sep) {
      parts.push_back(trimmed(s.substr(start, i - start)));
      start = i + 1;
    }
  return parts;
}

std::optional<Sum> parseSum(const std::string& text) {
  if (text == "0") return Sum{};
  if (text == "1") return Sum{{}};
  Sum sum;
  for (const std::string& term : split(text, '+')) {
    std::vector<Literal> literals;
    for (std::string factor : split(term, '*')) {
      bool plain = true;
      while (!factor.empty() && factor.front() == '~') {
        plain = !plain;
        factor = trimmed(factor.substr(1));
      }
      if (factor.empty()) return std::nullopt;
      literals.emplace_back(factor, plain);
    }
    sum.push_back(std::move(literals));
  }
  return sum;
}

// The equations by the names left of their "="; false (and why) when one
// cannot be read.
bool readEquations(const std::vector<std::string>& equations, std::map<std::string, Sum>& sums,
                   std::string& problem) {
  for (const std::string& eq : equations) {
    const size_t eqSign = eq.find('=');
    const std::optional<Sum> sum =
        eqSign == std::string::npos ? std::nullopt : parseSum(trimmed(eq.substr(eqSign + 1)));
    if (!sum) {
      problem = "cannot read: " + eq;
      return false;
    }
    sums[trimmed(eq.substr(0, eqSign))] = *sum;
  }
  return true;
}

// A flip-flop's next state from its inputs (J and K, S and R: in[0], in[1]);
// S = R = 1 is marked forbidden and keeps the state.
bool nextState(FlipFlop type, bool now, const bool in[2], bool& forbidden) {
  switch (type) {
    case FlipFlop::D:
      return in[0];
    case FlipFlop::T:
      return now != in[0];
    case FlipFlop::JK:
      return (in[0] && !now) || (!in[1] && now);
    case FlipFlop::SR:
      if (in[0] && in[1]) {
        forbidden = true;
        return now;
      }
      return in[0] || (!in[1] && now);
  }
  return now;
}

}  // namespace

Simulation simulate(const std::vector<std::string>& equations, const CircuitShape& shape,
                    uint32_t start, const std::vector<int>& inputSequence) {
  Simulation sim;
  std::map<std::string, Sum> sums;
  if (!readEquations(equations, sums, sim.problem)) return sim;
  std::vector<std::string> inputNames;
  for (int i = 1; i <= shape.inputs; ++i)
    inputNames.push_back(shape.inputs == 1 ? "X" : "X" + std::to_string(i));

  // Values of the names for a state and input; nullopt for an unknown name.
  const auto evaluate = [&](const std::string& name, uint32_t q, int x,
                            bool withInputs) -> std::optional<bool> {
    const auto it = sums.find(name);
    if (it == sums.end()) return std::nullopt;
    std::map<std::string, bool> value;
    for (int b = 0; b < shape.bits; ++b) value["Q" + std::to_string(b)] = q >> b & 1;
    for (int i = 0; withInputs && i < shape.inputs; ++i)
      value[inputNames[i]] = x >> (shape.inputs - 1 - i) & 1;
    bool any = false;
    for (const auto& term : it->second) {
      bool all = true;
      for (const auto& [var, plain] : term) {
        const auto v = value.find(var);
        if (v == value.end()) return std::nullopt;
        all = all && v->second == plain;
      }
      any = any || all;
    }
    return any;
  };

  const std::vector<std::string> ffInputs = flipFlopInputNames(shape.type);
  uint32_t q = start;
  for (int x : inputSequence) {
    Cycle c{q, x, "", 0, false};
    for (int o = 1; o <= shape.outputs; ++o) {
      const std::string name = shape.outputs == 1 ? "Z" : "Z" + std::to_string(o);
      const auto v = evaluate(name, q, x, !shape.moore);
      if (!v) {
        sim.problem = "no usable equation for " + name;
        return sim;
      }
      c.outputs += *v ? '1' : '0';
    }
    for (int b = 0; b < shape.bits; ++b) {
      bool in[2] = {false, false};
      for (size_t i = 0; i < ffInputs.size(); ++i) {
        const std::string name = ffInputs[i] + std::to_string(b);
        const auto v = evaluate(name, q, x, true);
        if (!v) {
          sim.problem = "no usable equation for " + name;
          return sim;
        }
        in[i] = *v;
      }
      c.next |= uint32_t(nextState(shape.type, q >> b & 1, in, c.forbidden)) << b;
    }
    sim.cycles.push_back(c);
    q = c.next;
  }
  return sim;
}

}  // namespace ronri::seq
