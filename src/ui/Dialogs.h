#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMessageBox;
class QPrinter;
class QWidget;

namespace vantrel {

enum class Paper;      // sheet/RecordSheet.h
enum class SheetKind;  // sheet/PlaySheet.h

// Every message box and file dialog of the windows goes through this interface, so that tests
// answer them and never block.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical };
    enum class Answer { Ok, Yes, No, Cancel, Restore, Discard };
    // RestoreDiscard: "Restore" and "Discard"; a box closed without an answer gives Restore.
    // YesNo: a box closed without an answer gives No.
    enum class Buttons { Ok, YesNoCancel, RestoreDiscard, YesNo };

    struct FileRequest {
        bool save = false;       // save dialog (asks before overwriting) or open dialog
        QString folder;          // initial folder
        QString fileName;        // proposed name (may be a full path)
        QString filter;          // "Vantrel Files (*.vnt)|*.vnt|All Files (*.*)|*.*"
        QString defaultSuffix;   // added to a typed name without extension
        bool directory = false;  // a folder is chosen, not a file
    };

    // What a record sheet is drawn with.
    struct SheetOptions {
        int troopers = 0;  // 1..6, or 0: the squad of the design's technology base
        Paper paper{};     // A4 unless chosen
        SheetKind kind{};  // the design sheet unless chosen

        bool operator==(const SheetOptions&) const = default;
    };

    virtual ~Dialogs() = default;
    virtual Answer Message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                           Buttons buttons) = 0;
    // The chosen path, or an empty text when cancelled.
    virtual QString File(QWidget* parent, const FileRequest& request) = 0;
    // An open dialog that takes several existing files; the chosen paths, or none when cancelled.
    virtual QStringList Files(QWidget* parent, const FileRequest& request) = 0;
    // Asks the squad size and the paper of a record sheet. `options` comes in as last chosen and
    // holds the answer; `techTroopers` is the squad of the design's technology base. False when
    // cancelled.
    virtual bool AskSheetOptions(QWidget* parent, SheetOptions& options, int techTroopers) = 0;
    // Asks the squad size (1..6) of a unit written for another program; `troopers` comes in as the
    // default and holds the answer. False when cancelled.
    virtual bool AskTroopers(QWidget* parent, int& troopers, int techTroopers) {
        (void)parent;
        (void)techTroopers;
        return troopers >= 1;
    }
    // The print dialog with its preview; `paint` draws on the printer as often as the preview needs.
    // True when the user printed, false when cancelled.
    virtual bool Print(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

// The real dialogs of the toolkit.
class QtDialogs : public Dialogs {
public:
    Answer Message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                   Buttons buttons) override;
    QString File(QWidget* parent, const FileRequest& request) override;
    QStringList Files(QWidget* parent, const FileRequest& request) override;
    bool AskSheetOptions(QWidget* parent, SheetOptions& options, int techTroopers) override;
    bool AskTroopers(QWidget* parent, int& troopers, int techTroopers) override;
    bool Print(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};

// Widens a message box so that the window frame can show its whole title: a short message ("Not
// enough room.") made a box whose title read "Va...rel".
void WidenForTitle(QMessageBox& box);

// Turns the "Description (*.a)|*.a|..." filter text into the toolkit's filter list.
QStringList FilterList(const QString& filter);

// The warning of every command that writes a file: "Could not save <path>: <reason>."
QString CouldNotSave(const QString& path, const QString& reason);

}  // namespace vantrel
