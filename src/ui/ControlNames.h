#pragma once

namespace vantrel {

class MainForm;
class ChassisPage;
class ArmorPage;
class EquipmentPage;
class SlotPage;
class OptionsForm;
class HistoryForm;
class AboutForm;
class SplashForm;
class HelpForm;
class DesignCheckForm;
class BreakdownForm;
class FindEquipmentForm;
class SuggestForm;
class SheetOptionsDialog;
class DesignLibraryForm;
class CompareForm;

// Gives the controls of a window their established names as object names (an indexed control
// "Name_i"), an accessible name that a screen reader speaks (the caption beside the control, not its
// value), and a tab order that follows the reading order of each page. Runs once, when the window
// has been built; names a control already carries are kept. The main window also gets Ctrl+PgDown and
// Ctrl+PgUp, which turn to the next and the previous page, and Shift+F10 for the focused control's
// context menu.
void NameControls(MainForm& form);
// The pages the main window built after itself, and the tab order through every page.
void NameLaterPages(MainForm& form);
void NameControls(ChassisPage& page);
void NameControls(ArmorPage& page);
void NameControls(EquipmentPage& page);
void NameControls(SlotPage& page);
void NameControls(OptionsForm& form);
void NameControls(HistoryForm& form);
void NameControls(AboutForm& form);
void NameControls(SplashForm& form);
void NameControls(HelpForm& form);
void NameControls(DesignCheckForm& form);
void NameControls(BreakdownForm& form);
void NameControls(FindEquipmentForm& form);
void NameControls(SuggestForm& form);
void NameControls(SheetOptionsDialog& dialog);
void NameControls(DesignLibraryForm& form);
void NameControls(CompareForm& form);

}  // namespace vantrel
