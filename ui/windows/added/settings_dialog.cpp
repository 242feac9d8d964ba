#include "ui/windows/added/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/framework/display_settings.h"
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

  auto* look = new QGroupBox(tr("表示"), this);
  look->setObjectName(QStringLiteral("LookFrame"));
  auto* lookLayout = new QFormLayout(look);
  scale_ = new QComboBox(look);
  scale_->setObjectName(QStringLiteral("DisplayScale"));
  for (int percent : kDisplayScales) scale_->addItem(QStringLiteral("%1 %").arg(percent), percent);
  scale_->setCurrentIndex(std::max(0, scale_->findData(savedDisplayScale())));
  lookLayout->addRow(tr("表示の大きさ"), scale_);
  readable_ = new QCheckBox(tr("見やすい配色"), look);
  readable_->setObjectName(QStringLiteral("ReadablePalette"));
  readable_->setToolTip(
      tr("カルノー図の囲みを、背景の上でも色覚の違いがあっても見分けやすい色の太い線で描きます。"));
  readable_->setChecked(readablePalette());
  lookLayout->addRow(readable_);
  layout->addWidget(look);
  auto* scaleNote =
      new QLabel(tr("表示の大きさの変更は、次に起動したときから有効になります。"), this);
  scaleNote->setObjectName(QStringLiteral("ScaleNote"));
  scaleNote->setWordWrap(true);
  layout->addWidget(scaleNote);

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
  saveDisplayScale(scale_->currentData().toInt());
  saveReadablePalette(readable_->isChecked());
  QDialog::accept();
}

void showSettings(QWidget* parent) {
  SettingsDialog dialog(parent);
  dialog.exec();
}

}  // namespace ronri
