#include "ui/windows/helpers/step_verdict_text.h"

#include <QCoreApplication>
#include <QStringList>

#include "ui/windows/helpers/law_names.h"

namespace ronri {
namespace {

QString wrongRuleText(WrongRule rule) {
  switch (rule) {
    case WrongRule::NegationKeepsProduct:
      return QCoreApplication::translate(
          "ronri::StepVerdict",
          "よくある誤りです: ~(a*b) を ~a*~b としています。ド・モルガンの定理では "
          "~(a*b)=~a+~b です。");
    case WrongRule::NegationKeepsSum:
      return QCoreApplication::translate(
          "ronri::StepVerdict",
          "よくある誤りです: ~(a+b) を ~a+~b としています。ド・モルガンの定理では "
          "~(a+b)=~a*~b です。");
    case WrongRule::DroppedLetter:
      return QCoreApplication::translate(
          "ronri::StepVerdict",
          "よくある誤りです: a+~a*b を b としています。正しくは a+~a*b=a+b です。");
    case WrongRule::HalfDistributed:
      return QCoreApplication::translate(
          "ronri::StepVerdict",
          "よくある誤りです: a*(b+c) を a*b+c としています。分配則では a*(b+c)=a*b+a*c です。");
    case WrongRule::WrongSideFactored:
      return QCoreApplication::translate(
          "ronri::StepVerdict",
          "よくある誤りです: a+b*c を (a+b)*c としています。分配則では "
          "a+b*c=(a+b)*(a+c) です。");
    case WrongRule::None:
      break;
  }
  return {};
}

QString parts(const std::string& line, const std::vector<Span>& spans) {
  QStringList out;
  for (const Span& s : spans)
    if (s.begin >= 0 && s.length > 0 && std::size_t(s.begin + s.length) <= line.size())
      out << QString::fromStdString(line.substr(std::size_t(s.begin), std::size_t(s.length)));
  return out.join(QStringLiteral(", "));
}

}  // namespace

QString stepVerdictText(const StepVerdict& v, Law law) {
  if (!v.readable)
    return QCoreApplication::translate(
        "ronri::StepVerdict", "式が読めません。a～j、0、1 と ~ ( ) + * @ % $ | で書いて下さい。");
  QStringList out;
  if (!v.equal)
    out << QCoreApplication::translate("ronri::StepVerdict",
                                       "×　等しくありません（真理値表が違います）。");
  else if (v.lawApplies)
    out << QCoreApplication::translate("ronri::StepVerdict",
                                       "○　正しい変形です。%1 を 1 回使っています。")
               .arg(lawName(law));
  else
    out << QCoreApplication::translate(
               "ronri::StepVerdict",
               "△　式は等しいのですが、%1 を 1 回使っただけではこの形になりません。")
               .arg(lawName(law));
  if (v.wrongRule != WrongRule::None) out << wrongRuleText(v.wrongRule);
  const QString from = parts(v.before, v.source), to = parts(v.after, v.rewritten);
  if (!from.isEmpty() && !to.isEmpty() && from != to)
    out << QCoreApplication::translate("ronri::StepVerdict", "変わった部分: %1 → %2").arg(from, to);
  if (v.minimum)
    out << QCoreApplication::translate("ronri::StepVerdict", "この式は最小の積和形です。");
  return out.join(QLatin1Char('\n'));
}

}  // namespace ronri
