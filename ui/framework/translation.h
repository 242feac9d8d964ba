#pragma once
// The interface language: Japanese is the source of every text and the
// default; English comes from our translation. Qt's own texts (file dialogs,
// standard buttons, context menus) follow the same language.
#include <QLocale>
#include <QSettings>
#include <QString>
#include <string>

namespace ronri {

enum class Language { System, Japanese, English };

// The user's settings of the program, kept between runs.
QSettings userSettings();

// The user's choice, kept between runs (settings key "language":
// "system", "ja" or "en"; anything else reads as "system").
Language savedLanguage();
void saveLanguage(Language choice);

// Whether `choice` means English: "system" is English only when the system
// locale's language is English; any other locale, C/POSIX included, is Japanese.
bool meansEnglish(Language choice, const QLocale& system = QLocale::system());

// Installs the translations of the saved choice into the application: Qt's
// own (qtbase_ja / qtbase_en) and, for English, the program's. Runs again
// only when the language differs from the one installed.
void installTranslations();
// The language installed: "ja" or "en".
QString activeLanguage();

// A message made by the pure libraries (which know nothing of Qt), in the
// interface language; texts it does not know pass unchanged.
QString coreText(const std::string& text);

}  // namespace ronri
