// Stand-ins for the auxiliary windows' menu entries until those windows exist.

// Core headers come before Qt's: Design.h has a field named like Qt's `slots` keyword.
#include "model/Design.h"

#include "ui/MainForm.h"

namespace vantrel {

void MainForm::MHistory_Click() {}
void MainForm::MPreferences_Click() {}
void MainForm::MAbout_Click() {}

}  // namespace vantrel
