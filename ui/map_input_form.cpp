#include "ui/map_input_form.h"

#include <QWidget>

namespace ronri {

MapInputForm::MapInputForm(App& app, int variables)
    : Window(app, QStringLiteral("Form%1").arg(variables + 10), QStringLiteral("カルノー図入力")), variables_(variables) {}

void MapInputForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
