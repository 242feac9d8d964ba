#include "ui/windows/settings_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/framework/translation.h"

namespace ronri {

SettingsDialog::SettingsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SettingsDialog"));
  setWindowTitle(tr("基本設定"));
  auto* layout = new QVBoxLayout(this);

  auto* frame = new QGroupBox(tr("表示する言語"), this);
  frame->setObjectName(QStringLiteral("LanguageFrame"));
  auto* options = new QVBoxLayout(frame);
  system_ = new QRadioButton(tr("システムに合わせる"), frame);
  system_->setObjectName(QStringLiteral("LanguageSystem"));
  japanese_ = new QRadioButton(tr("日本語"), frame);
  japanese_->setObjectName(QStringLiteral("LanguageJapanese"));
  // A language's own name, the same in every interface language.
  english_ = new QRadioButton(QStringLiteral("English"), frame);
  english_->setObjectName(QStringLiteral("LanguageEnglish"));
  options->addWidget(system_);
  options->addWidget(japanese_);
  options->addWidget(english_);
  layout->addWidget(frame);

  const Language saved = savedLanguage();
  (saved == Language::Japanese  ? japanese_
   : saved == Language::English ? english_
                                : system_)
      ->setChecked(true);

  auto* note = new QLabel(tr("言語の変更は、次に起動したときから有効になります。"), this);
  note->setObjectName(QStringLiteral("LanguageNote"));
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("SettingsButtons"));
  connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);
  layout->addWidget(buttons);
}

void SettingsDialog::accept() {
  saveLanguage(japanese_->isChecked()  ? Language::Japanese
               : english_->isChecked() ? Language::English
                                       : Language::System);
  QDialog::accept();
}

void showSettings(QWidget* parent) {
  SettingsDialog dialog(parent);
  dialog.exec();
}

}  // namespace ronri
