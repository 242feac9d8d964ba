#include "ui/windows/helpers/law_names.h"

#include <QCoreApplication>

namespace ronri {

QString lawName(Law law) {
  // The same Japanese names as the core's table, here through the translation.
  static const char* const kNames[] = {
      QT_TRANSLATE_NOOP("ronri::LawNames", "交換則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "結合則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "分配則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "冪等則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "補元則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "恒等則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "零元則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "二重否定"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "吸収則"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "ド・モルガンの定理"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "併合"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "合意の定理"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "@ の定義"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "% の定義"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "$ の定義"),
      QT_TRANSLATE_NOOP("ronri::LawNames", "| の定義"),
  };
  const auto k = static_cast<size_t>(law);
  return k < std::size(kNames) ? QCoreApplication::translate("ronri::LawNames", kNames[k])
                               : QString();
}

QString lawLabel(const DerivationLine& line) {
  if (!line.law) return {};
  const QString name = lawName(*line.law);
  if (line.grouped <= 0) return name;
  switch (*line.law) {
    case Law::Distributive:
      return QCoreApplication::translate("ronri::LawNames", "分配則で展開: %1 項")
          .arg(groupedCount(line));
    case Law::Idempotent:
      return QCoreApplication::translate("ronri::LawNames", "冪等則で項を複製: %1 項")
          .arg(line.grouped);
    case Law::Combining:
      return QCoreApplication::translate("ronri::LawNames", "併合: %1 回").arg(line.grouped);
    default:
      return QCoreApplication::translate("ronri::LawNames", "%1（まとめて %2 回）")
          .arg(name)
          .arg(line.grouped);
  }
}

}  // namespace ronri
