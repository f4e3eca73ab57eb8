#pragma once

#include <QWidget>

class QTextBrowser;

namespace vantrel {

// "Vantrel Help": the short user guide shipped in the program's resources, in a window of its own.
class HelpForm : public QWidget {
    Q_OBJECT
public:
    explicit HelpForm(QWidget* parent = nullptr);

    // Runs each time the window is opened: the guide from its start.
    void Form_Load();

private:
    friend void NameControls(HelpForm& form);
    QTextBrowser* TextGuide = nullptr;
};

}  // namespace vantrel
