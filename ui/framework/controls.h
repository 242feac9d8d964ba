#pragma once
// Factories for the controls the windows build. A control's object name is its
// name in the window: "Command2" for a single control, "Command1(22)" for
// element 22 of a control array.
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ronri {

// "Command1(22)": the name of element `index` of the control array `name`.
QString indexed(const QString& name, int index);

// A push button that Enter never presses unasked (autoDefault off), placed by
// a layout.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);
// The same button placed at `r` (pixels), optionally in `font`.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect r);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect r,
                        const QFont& font);

// A label placed at `r` in `font`; QLabel's own alignment unless told.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect r,
                  const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// A radio button whose check the window sets itself: not auto-exclusive, so
// options in one parent are not one group and a declined question can leave
// an option as it was.
QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& text, QRect r);

}  // namespace ronri
