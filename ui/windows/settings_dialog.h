#pragma once
// "基本設定": the interface language (follow the system, Japanese, English),
// kept between runs; it takes effect at the next start.
#include <QDialog>

class QRadioButton;

namespace ronri {

class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SettingsDialog(QWidget* parent = nullptr);

  // Saves the chosen language and closes.
  void accept() override;

 private:
  QRadioButton* system_;
  QRadioButton* japanese_;
  QRadioButton* english_;
};

// Opens the dialog modally over `parent`.
void showSettings(QWidget* parent);

}  // namespace ronri
