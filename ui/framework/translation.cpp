#include "ui/framework/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace ronri {

QSettings userSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("RonriLab"),
                   QStringLiteral("RonriLab"));
}

namespace {

constexpr auto kKey = "language";

// Every message the pure libraries return to be shown, so that lupdate
// collects them; coreText() translates them.
[[maybe_unused]] const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("ronri::CoreText", "何か入力してください"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "変数が多いんとちがいます？演算子が少なすぎますって"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "変数が少ないんとちがいます？演算子が多すぎますって"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "（　が多い気がしますよ"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "）　が多い気がしますよ"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "同じ変数が二度選ばれています。BSで選び直してください"),
    // The sequential machines of the examples.
    QT_TRANSLATE_NOOP("ronri::CoreText", "2ビットカウンタ"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "5進カウンタ"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "3ビットグレイコードカウンタ"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "アップダウンカウンタ"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "系列検出 101（ミーリ型）"),
    QT_TRANSLATE_NOOP("ronri::CoreText", "系列検出 101（ムーア型）"),
};

// The translators live for the whole run; an empty language means none yet.
struct Installed {
  QString language;
  QTranslator qt;
  QTranslator program;
};

Installed& installed() {
  static Installed* i = new Installed;  // outlives every QCoreApplication
  return *i;
}

}  // namespace

Language savedLanguage() {
  const QString v = userSettings().value(QLatin1String(kKey)).toString();
  if (v == QLatin1String("ja")) return Language::Japanese;
  if (v == QLatin1String("en")) return Language::English;
  return Language::System;
}

void saveLanguage(Language choice) {
  const char* v = choice == Language::Japanese  ? "ja"
                  : choice == Language::English ? "en"
                                                : "system";
  QSettings s = userSettings();
  s.setValue(QLatin1String(kKey), QLatin1String(v));
  s.sync();
}

bool meansEnglish(Language choice, const QLocale& system) {
  if (choice == Language::System) return system.language() == QLocale::English;
  return choice == Language::English;
}

void installTranslations() {
  const QString language =
      meansEnglish(savedLanguage()) ? QStringLiteral("en") : QStringLiteral("ja");
  Installed& i = installed();
  if (i.language == language) return;
  QCoreApplication::removeTranslator(&i.qt);
  QCoreApplication::removeTranslator(&i.program);
  // Debian's qt6-translations-l10n; without it Qt's texts stay in English.
  if (i.qt.load(QStringLiteral("qtbase_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&i.qt);
  // Japanese is the source text, so only English needs ours (built in).
  if (language == QLatin1String("en") && i.program.load(QStringLiteral(":/i18n/ronrilab_en.qm")))
    QCoreApplication::installTranslator(&i.program);
  i.language = language;
}

QString coreText(const std::string& text) {
  return QCoreApplication::translate("ronri::CoreText", text.c_str());
}

QString activeLanguage() {
  const QString& l = installed().language;
  return l.isEmpty() ? QStringLiteral("ja") : l;
}

}  // namespace ronri
