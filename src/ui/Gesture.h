#pragma once

#include <QObject>
#include <QString>

namespace vantrel {

// How a gesture joins its neighbours into one step of the user's. A keystroke in a box or a move of
// a slider's handle continues a step that the next gesture of the same name goes on with; the
// release of a slider ends such a step; any other gesture is a step of its own.
enum class GestureKind { Whole, Continues, Ends };

// Knows when one gesture of the user begins and ends. A handler opens a GestureScope at its top;
// the cascades it runs open scopes of their own, and only the outermost one counts. Undo steps
// and anything else that must follow whole gestures connect to the two signals.
class GestureTracker : public QObject {
    Q_OBJECT
public:
    explicit GestureTracker(QObject* parent = nullptr) : QObject(parent) {}

    bool Active() const { return depth_ > 0; }
    int Depth() const { return depth_; }
    // The name of the gesture under way (the outermost scope's), empty between gestures.
    const QString& Current() const { return name_; }
    // The kind of the gesture under way, or of the one whose end is being announced.
    GestureKind Kind() const { return kind_; }
    // Gestures begun since the tracker was made.
    int Count() const { return count_; }

signals:
    void gestureStarted(const QString& name);
    void gestureEnded(const QString& name);

private:
    friend class GestureScope;
    void Open(const char* name, GestureKind kind);
    void Close();

    int depth_ = 0;
    int count_ = 0;
    QString name_;
    GestureKind kind_ = GestureKind::Whole;
};

// One step of a gesture, named for the person: "Weight Class", "Drop on Body", "Add".
class GestureScope {
public:
    GestureScope(GestureTracker& tracker, const char* name, GestureKind kind = GestureKind::Whole)
        : tracker_(tracker) {
        tracker_.Open(name, kind);
    }
    ~GestureScope() { tracker_.Close(); }
    GestureScope(const GestureScope&) = delete;
    GestureScope& operator=(const GestureScope&) = delete;

private:
    GestureTracker& tracker_;
};

}  // namespace vantrel
