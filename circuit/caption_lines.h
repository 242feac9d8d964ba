#pragma once
// The caption under a circuit (an expression such as "f=a*b+~c*d") in lines
// no wider than its room: broken after "+" where a line is full, and after
// the other operators only where one product alone is wider than a line
// (breaks outside parentheses before those inside). A caption longer than
// its most lines keeps its beginning and its end, with "…" between them.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

std::vector<std::string> captionLines(std::string_view text, double room,
                                      const std::function<double(std::string_view)>& width,
                                      size_t mostLines = 4);

}  // namespace ronri
