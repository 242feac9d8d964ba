#include "ui/convert_form.h"

#include <QWidget>

namespace ronri {

ConvertForm::ConvertForm(App& app) : Window(app, QStringLiteral("Form9"), QStringLiteral("式変換")) {}

void ConvertForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
