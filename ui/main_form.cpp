#include "ui/main_form.h"

#include <QWidget>

#include "ui/app.h"

namespace ronri {

MainForm::MainForm(App& app) : Window(app, QStringLiteral("Form1"), QStringLiteral("main")) {}

void MainForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

// Closing the main window ends the program: every other window goes first.
void MainForm::unloading() { app().unloadOthers(); }

}  // namespace ronri
