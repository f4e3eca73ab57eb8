// Stand-ins for the file commands and the auxiliary windows' menu entries until they exist.

// Core headers come before Qt's: Design.h has a field named like Qt's `slots` keyword.
#include "model/Design.h"

#include <QCloseEvent>
#include <QLineEdit>

#include "ui/MainForm.h"

namespace vantrel {

void MainForm::MNew_Click() {}
void MainForm::MOpen_Click() {}
void MainForm::MSave_Click() {}
void MainForm::MSaveAs_Click() {}
void MainForm::MExport_Click() {}
void MainForm::MQuit_Click() {}
bool MainForm::Form_QueryUnload() { return true; }
void MainForm::closeEvent(QCloseEvent* e) { e->accept(); }
void MainForm::TextMechName_Change() { ctx_.design.MechName = TextMechName->text().toStdString(); }
void MainForm::TextModel_Change() { ctx_.design.Model = TextModel->text().toStdString(); }
void MainForm::FirstStartRegistration() {}
bool MainForm::CommandLineOpen(const QStringList&) { return false; }
void MainForm::ShellDef(const QString&) {}
void MainForm::MHistory_Click() {}
void MainForm::MPreferences_Click() {}
void MainForm::MAbout_Click() {}

}  // namespace vantrel
