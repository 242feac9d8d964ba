// The table of laws.
#include "core/teaching/laws.h"

namespace ronri {

const std::vector<LawInfo>& allLaws() {
  static const std::vector<LawInfo> laws = {
      {Law::Commutative, "交換則", "commutative law", {"a+b=b+a", "a*b=b*a"}},
      {Law::Associative, "結合則", "associative law", {"(a+b)+c=a+(b+c)", "(a*b)*c=a*(b*c)"}},
      {Law::Distributive, "分配則", "distributive law", {"a*(b+c)=a*b+a*c", "a+b*c=(a+b)*(a+c)"}},
      {Law::Idempotent, "冪等則", "idempotent law", {"a+a=a", "a*a=a"}},
      {Law::Complement, "補元則", "complement law", {"a+~a=1", "a*~a=0"}},
      {Law::Identity, "恒等則", "identity law", {"a+0=a", "a*1=a"}},
      {Law::Null, "零元則", "null law", {"a+1=1", "a*0=0"}},
      {Law::DoubleNegation, "二重否定", "double negation", {"~~a=a"}},
      {Law::Absorption, "吸収則", "absorption law", {"a+a*b=a", "a*(a+b)=a"}},
      {Law::DeMorgan,
       "ド・モルガンの定理",
       "De Morgan's theorem",
       {"~(a*b)=~a+~b", "~(a+b)=~a*~b"}},
      {Law::Combining, "併合", "combining", {"a*b+a*~b=a", "(a+b)*(a+~b)=a"}},
      {Law::Consensus,
       "合意の定理",
       "consensus theorem",
       {"a*b+~a*c+b*c=a*b+~a*c", "(a+b)*(~a+c)*(b+c)=(a+b)*(~a+c)"}},
      {Law::XorDefinition, "@ の定義", "definition of @", {"a@b=a*~b+~a*b"}},
      {Law::XnorDefinition, "% の定義", "definition of %", {"a%b=a*b+~a*~b"}},
      {Law::NandDefinition, "$ の定義", "definition of $", {"a$b=~(a*b)"}},
      {Law::NorDefinition, "| の定義", "definition of |", {"a|b=~(a+b)"}},
  };
  return laws;
}

const LawInfo& lawInfo(Law law) {
  return allLaws()[static_cast<std::size_t>(law)];
}

}  // namespace ronri
