#pragma once

#include "model/Catalog.h"
#include "model/Context.h"

#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace vantrel {

class DesignLibraryFilter;
class DesignLibraryModel;
class Dialogs;
class LibraryReader;
class Platform;
class SettingsStore;

// "Design Library": the design files of one folder as a table, read off the window's thread and
// following the folder's changes. Not modal; it opens and compares designs through the main window.
class DesignLibraryForm : public QWidget {
    Q_OBJECT
public:
    struct Commands {
        std::function<void(const QString& path)> open;             // with the unsaved-changes question
        std::function<void(const QString& path)> openInNewWindow;  // none: the entry is not offered
        std::function<void(const QStringList& paths)> compare;     // two or three designs
        std::function<void(const QStringList& paths)> sheets;      // record sheets of one or more designs
    };

    DesignLibraryForm(const CatalogRef& catalog, SettingsStore& settings, Dialogs& dialogs,
                      Platform& platform, Commands commands, QWidget* parent = nullptr);
    ~DesignLibraryForm() override;

    // Shows the folder last used, or `fallback` when there is none or it is gone.
    void Form_Load(const QString& fallback);
    // Lists `folder` afresh and remembers it.
    void SetFolder(const QString& folder);
    const QString& Folder() const { return folder_; }
    bool Reading() const;
    // The files of the selected rows, in the table's order.
    QStringList SelectedFiles() const;

protected:
    void changeEvent(QEvent* e) override;  // back to the front: looks for changed files
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;  // Ctrl+C on the table copies the rows

private:
    friend void NameControls(DesignLibraryForm& form);
    QLabel* LabFolder = nullptr;
    QLineEdit* TextFolder = nullptr;
    QPushButton* ComFolder = nullptr;
    QLabel* LabFind = nullptr;
    QLineEdit* TextFind = nullptr;
    QComboBox* ComboChassis = nullptr;
    QComboBox* ComboClass = nullptr;
    QComboBox* ComboTech = nullptr;
    QCheckBox* ChkErrors = nullptr;
    QTableView* GridDesigns = nullptr;
    QProgressBar* ProgressRead = nullptr;
    QLabel* LabCount = nullptr;
    QPushButton* ComOpen = nullptr;
    QPushButton* ComCompare = nullptr;
    QPushButton* ComClose = nullptr;
    QAction* ActOpen = nullptr;
    QAction* ActOpenNew = nullptr;  // "Open in &New Window"
    QAction* ActCompare = nullptr;
    QAction* ActShowInFolder = nullptr;
    QAction* ActCopy = nullptr;
    QAction* ActSheets = nullptr;

    void ComFolder_Click();
    // The file of the current row; empty when there is none.
    QString CurrentFile() const;
    void OpenCurrent();
    void CompareSelected();
    void ShowInFolder();
    void CopySelected();
    void Rescan();
    void UpdateActions();
    void UpdateCount();
    void ShowContextMenu(const QPoint& at);
    void BuildFilters();
    void RestoreColumns();
    void SaveColumns();

    SettingsStore& settings_;
    Dialogs& dialogs_;
    Platform& platform_;
    Commands commands_;
    DesignLibraryModel* model_;
    DesignLibraryFilter* filter_;
    LibraryReader* reader_;
    QFileSystemWatcher watcher_;
    QTimer rescanTimer_;
    QString folder_;
    QString problem_;
    int toRead_ = 0;
    int read_ = 0;
};

}  // namespace vantrel
