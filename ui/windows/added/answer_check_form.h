#pragma once
#include <QPointer>
#include <QString>
#include <random>
#include <string>
#include <vector>

#include "ui/framework/window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ronri {

// "答え合わせ": a problem (an expression, or m(…)+d(…) with its count) and a
// student's answer; "判定" says whether the answer is equal and minimal, and
// "問題を作る" makes a random problem to practise on.
class AnswerCheckForm : public Window {
  Q_OBJECT
 public:
  explicit AnswerCheckForm(App& app);

 protected:
  void build(QMainWindow* w) override;

 private:
  void judge();        // "判定"
  void showMinimal();  // "最小解を表示"
  void makeProblem();  // "問題を作る"
  // The problem's rows ('0', '1', 'X'), or "" after saying what is wrong with it.
  std::string problemValues();
  void resetVerdict();
  // Outlines the differing rows on an open Karnaugh map of the same function;
  // false when there is none.
  bool markOnMap(const std::string& values, const std::vector<int>& rows);

  QPointer<QLineEdit> problem_;
  QPointer<QSpinBox> count_;
  QPointer<QLineEdit> answer_;
  QPointer<QLabel> verdict_;
  QPointer<QLabel> minimal_;
  QPointer<QSpinBox> exerciseCount_;
  QPointer<QCheckBox> withDontCares_;
  std::mt19937 random_{std::random_device{}()};
};

}  // namespace ronri
