#pragma once

#include "model/Context.h"
#include "model/UndoHistory.h"

#include <optional>
#include <utility>

namespace vantrel {

// One design being edited: what the rules read (over the catalog every document shares), the records
// it was last opened, saved or made new with, and its undo history. "Changed" is a comparison with
// those records; nothing stores it. Each window holds one document; nothing here knows of windows.
class Document {
public:
    Document() = default;
    explicit Document(CatalogRef catalog) : ctx(std::move(catalog)) {}

    Context ctx;
    UndoHistory history;

    // The design as it stands is the one on disk (Save, Save As).
    void MarkSaved() { baseline_ = ctx.design; }
    // The design as it stands is a new start (start-up, New, Open): no steps, unchanged.
    void StartFresh() {
        history.Clear();
        MarkSaved();
    }
    // As StartFresh, for a design restored from a recovery copy: it counts as changed unless its
    // records equal `onDisk`, what its file holds (none: no file, or one that cannot be read).
    void StartFrom(std::optional<Design> onDisk) {
        history.Clear();
        baseline_ = std::move(onDisk);
    }
    // The records differ from the last start or save.
    bool Changed() const { return !baseline_ || !SameRecords(ctx.design, *baseline_); }
    bool Saved() const { return !Changed(); }

private:
    std::optional<Design> baseline_ = Design{};
};

}  // namespace vantrel
