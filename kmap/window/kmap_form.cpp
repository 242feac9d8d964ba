#include "kmap/window/kmap_form.h"

#include <QWidget>

namespace ronri {

KmapForm::KmapForm(App& app, int variables)
    : Window(app, QStringLiteral("Form%1").arg(variables == 6 ? 7 : variables), QStringLiteral("カルノー図")), variables_(variables) {}

void KmapForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
