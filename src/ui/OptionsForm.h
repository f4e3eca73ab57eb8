#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantrel {

class SettingsStore;

// "Vantrel Preferences": whether the splash screen shows at the next start, and which look the biped
// figure of the slot page has (applied at once).
class OptionsForm : public QWidget {
    Q_OBJECT
public:
    // `setBipedLine` moves the biped figure's line on the main window (0 happy, else sad).
    OptionsForm(SettingsStore& settings, std::function<void(int biped)> setBipedLine,
                QWidget* parent = nullptr);

    // Runs each time the window is opened: the controls take the stored settings.
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    friend void NameControls(OptionsForm& form);
    QLabel* Label1 = nullptr;
    QCheckBox* SplashChk = nullptr;
    QRadioButton* Biped[2] = {};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QWidget* picOptions = nullptr;
    QGroupBox* fraSample2 = nullptr;  // left-over pages of the window; no function, not shown
    QGroupBox* fraSample3 = nullptr;
    QGroupBox* fraSample4 = nullptr;

    SettingsStore& settings_;
    std::function<void(int)> setBipedLine_;
};

}  // namespace vantrel
