#pragma once

#include <QPlainTextEdit>
#include <QWidget>

#include <string>

class QPushButton;

namespace vantrel {

struct Context;
class GestureTracker;

// A multi-line box that never holds a double quote nor a character outside the design file's code
// page: typed, pasted, dropped or composed ones are all taken out again.
class NoQuoteTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NoQuoteTextEdit(QWidget* parent = nullptr);

private:
    void RemoveQuotes();
    bool removing_ = false;
};

// "History - " + name: edits the design's free-text history notes. A change of the notes alone does
// not mark the design changed.
class HistoryForm : public QWidget {
    Q_OBJECT
public:
    // A change of the notes is a gesture of `gestures` when one is given.
    explicit HistoryForm(Context& ctx, QWidget* parent = nullptr, GestureTracker* gestures = nullptr);

    // Runs each time the window is opened: caption and notes of the current design.
    void Form_Load();
    void ComChange_Click();
    void ComCancel_Click();
    // Open, with notes that differ from the design's.
    bool NotesPending() const;
    // The notes as the box holds them, in the design's form.
    std::string Notes() const;

signals:
    // The notes in the box changed, typed or shown: what the recovery copy keeps may differ now.
    void notesEdited();

private:
    friend void NameControls(HistoryForm& form);
    NoQuoteTextEdit* TextHistory = nullptr;
    QPushButton* ComChange = nullptr;
    QPushButton* ComCancel = nullptr;

    Context& ctx_;
    GestureTracker* gestures_;
};

}  // namespace vantrel
