// KISS2 reading and writing.
#include "sequential/kiss2.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>
#include <vector>

namespace ronri::seq {
namespace {

bool blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && blank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !blank(line[i])) ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

bool number(std::string_view text, int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool onlyBits(std::string_view text) {
  return text.find_first_not_of("01-") == std::string_view::npos;
}

// Merges `b` into `a` bit by bit; false when a specified bit would change.
bool mergeBits(std::string& a, std::string_view b) {
  for (size_t i = 0; i < a.size(); ++i) {
    if (b[i] == '-') continue;
    if (a[i] != '-' && a[i] != b[i]) return false;
    a[i] = b[i];
  }
  return true;
}

class Reader {
 public:
  explicit Reader(MachineKind kind) : kind_(kind) {}

  Kiss2Result read(std::string_view text) {
    int lineNo = 0;
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(pos, end - pos);
      pos = end + 1;
      ++lineNo;
      if (const size_t hash = line.find('#'); hash != std::string_view::npos)
        line = line.substr(0, hash);
      const auto f = fields(line);
      if (f.empty()) continue;
      if (f[0] == ".e" || f[0] == ".end") break;
      const Kiss2Error e = f[0].front() == '.' ? header(f, lineNo) : tableLine(f);
      if (e != Kiss2Error::None) return {{}, e, lineNo};
    }
    return finish(lineNo + 1);
  }

 private:
  Kiss2Error header(const std::vector<std::string_view>& f, int lineNo) {
    static const std::map<std::string_view, int> kinds{
        {".i", 0}, {".o", 1}, {".s", 2}, {".p", 3}, {".r", 4}};
    const auto it = kinds.find(f[0]);
    if (it == kinds.end()) return Kiss2Error::UnknownDirective;
    const int which = it->second;
    if (f.size() != 2) return which == 4 ? Kiss2Error::FieldCount : Kiss2Error::BadNumber;
    if (headerLine_[which] != 0) return Kiss2Error::RepeatedHeader;
    headerLine_[which] = lineNo;
    if (which == 4) {
      resetName_ = std::string(f[1]);
      return Kiss2Error::None;
    }
    int value = 0;
    if (!number(f[1], value)) return Kiss2Error::BadNumber;
    if (which == 0 && value > kMaxInputs) return Kiss2Error::TooManyInputs;
    if (which == 1 && value > kMaxOutputs) return Kiss2Error::TooManyOutputs;
    if (which == 2 && value > kMaxStates) return Kiss2Error::TooManyStates;
    headerValue_[which] = value;
    return Kiss2Error::None;
  }

  // A state's index in order of first mention, with room for its entries.
  int stateIndex(std::string_view name) {
    const auto it = index_.find(std::string(name));
    if (it != index_.end()) return it->second;
    const int s = static_cast<int>(names_.size());
    index_.emplace(std::string(name), s);
    names_.emplace_back(name);
    const std::string unknown(static_cast<size_t>(headerValue_[1]), '-');
    rows_.emplace_back(size_t(1) << headerValue_[0], Transition{kUnspecified, unknown});
    stateOutputs_.push_back(unknown);
    return s;
  }

  Kiss2Error tableLine(const std::vector<std::string_view>& f) {
    if (headerLine_[0] == 0 || headerLine_[1] == 0) return Kiss2Error::MissingHeader;
    const int ni = headerValue_[0], no = headerValue_[1];
    const size_t expected = 2 + (ni > 0) + (no > 0);
    if (f.size() != expected) return Kiss2Error::FieldCount;
    size_t k = 0;
    const std::string_view inputs = ni > 0 ? f[k++] : std::string_view();
    const std::string_view present = f[k], nextName = f[k + 1];
    const std::string_view outputs = no > 0 ? f[k + 2] : std::string_view();
    if (static_cast<int>(inputs.size()) != ni || !onlyBits(inputs))
      return Kiss2Error::BadInputField;
    if (static_cast<int>(outputs.size()) != no || !onlyBits(outputs))
      return Kiss2Error::BadOutputField;
    if (present == "*" || present == "-" || present.front() == '.' || nextName.front() == '.')
      return Kiss2Error::BadStateName;
    const int s = stateIndex(present);
    const int next = nextName == "*" || nextName == "-" ? kUnspecified : stateIndex(nextName);
    if (static_cast<int>(names_.size()) > kMaxStates) return Kiss2Error::TooManyStates;
    if (std::find(presentSequence_.begin(), presentSequence_.end(), s) == presentSequence_.end())
      presentSequence_.push_back(s);
    ++lineCount_;
    if (kind_ == MachineKind::Moore && !mergeBits(stateOutputs_[s], outputs))
      return Kiss2Error::MooreOutputsDiffer;
    for (int x = 0; x < (1 << ni); ++x) {
      if (!covers(inputs, x)) continue;
      Transition& t = rows_[s][x];
      if (next != kUnspecified && t.next != kUnspecified && t.next != next)
        return Kiss2Error::Conflict;
      if (next != kUnspecified) t.next = next;
      if (kind_ == MachineKind::Mealy && !mergeBits(t.outputs, outputs))
        return Kiss2Error::Conflict;
    }
    return Kiss2Error::None;
  }

  Kiss2Result finish(int afterLast) {
    if (lineCount_ == 0) return {{}, Kiss2Error::NoStates, afterLast};
    const int states = static_cast<int>(names_.size());
    if (headerLine_[2] != 0 && headerValue_[2] != states)
      return {{}, Kiss2Error::StateCountMismatch, headerLine_[2]};
    if (headerLine_[3] != 0 && headerValue_[3] != lineCount_)
      return {{}, Kiss2Error::LineCountMismatch, headerLine_[3]};
    // Present states in order of appearance, then those only ever named as next
    // state: the writer puts every state in the present field in table order.
    std::vector<int> number(static_cast<size_t>(states), -1);
    int counted = 0;
    for (int s : presentSequence_) number[s] = counted++;
    for (int s = 0; s < states; ++s)
      if (number[s] < 0) number[s] = counted++;
    Machine m = emptyMachine(kind_, states, headerValue_[0], headerValue_[1]);
    if (headerLine_[4] != 0) {
      const auto it = index_.find(resetName_);
      if (it == index_.end()) return {{}, Kiss2Error::UnknownResetState, headerLine_[4]};
      m.reset = number[it->second];
    }
    for (int s = 0; s < states; ++s) {
      const int to = number[s];
      m.names[to] = names_[s];
      for (int x = 0; x < m.combinations(); ++x) {
        Transition t = rows_[s][x];
        if (t.next != kUnspecified) t.next = number[t.next];
        if (kind_ == MachineKind::Moore) t.outputs.clear();
        m.table[to][x] = t;
      }
      if (kind_ == MachineKind::Moore) m.stateOutputs[to] = stateOutputs_[s];
    }
    return {std::move(m), Kiss2Error::None, 0};
  }

  static bool covers(std::string_view cube, int x) {
    const int n = static_cast<int>(cube.size());
    for (int i = 0; i < n; ++i) {
      const char want = (x >> (n - 1 - i) & 1) ? '1' : '0';
      if (cube[i] != '-' && cube[i] != want) return false;
    }
    return true;
  }

  MachineKind kind_;
  int headerLine_[5] = {0, 0, 0, 0, 0};
  int headerValue_[5] = {0, 0, 0, 0, 0};
  std::string resetName_;
  std::vector<std::string> names_;  // in order of first mention
  std::map<std::string, int> index_;
  std::vector<std::vector<Transition>> rows_;  // [first-mention index][input combination]
  std::vector<std::string> stateOutputs_;      // Moore: [first-mention index]
  std::vector<int> presentSequence_;           // states in order of first present field
  int lineCount_ = 0;
};

}  // namespace

Kiss2Result readKiss2(std::string_view text, MachineKind kind) {
  return Reader(kind).read(text);
}

std::string writeKiss2(const Machine& m) {
  if (machineProblem(m) != MachineProblem::None) return "";
  std::ostringstream out;
  out << ".i " << m.inputs << "\n.o " << m.outputs << "\n.s " << m.states() << "\n.p "
      << m.states() * m.combinations() << "\n.r " << m.names[m.reset] << "\n";
  for (int s = 0; s < m.states(); ++s)
    for (int x = 0; x < m.combinations(); ++x) {
      const int next = m.table[s][x].next;
      if (m.inputs > 0) out << inputBits(x, m.inputs) << ' ';
      out << m.names[s] << ' ' << (next == kUnspecified ? "*" : m.names[next]);
      if (m.outputs > 0) out << ' ' << outputsAt(m, s, x);
      out << '\n';
    }
  out << ".e\n";
  return out.str();
}

}  // namespace ronri::seq
