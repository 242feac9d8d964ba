#pragma once
// "基本設定": the interface language (follow the system, Japanese, English)
// and the display scale, kept between runs and taking effect at the next
// start, and the readable palette of the maps.
#include <QDialog>

class QCheckBox;
class QComboBox;
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
  QComboBox* scale_;
  QCheckBox* readable_;
};

// Opens the dialog modally over `parent`.
void showSettings(QWidget* parent);

}  // namespace ronri
