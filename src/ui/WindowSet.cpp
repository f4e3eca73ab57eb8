#include "ui/WindowSet.h"

#include "model/Document.h"
#include "ui/FileCommands.h"
#include "ui/MainForm.h"
#include "ui/RecentFiles.h"
#include "ui/Recovery.h"

#include <QPointer>

#include <algorithm>
#include <utility>

namespace vantrel {

// A window and the document it shows. The window may go first (closed by the user, deleted by the
// toolkit); the document follows it.
struct WindowSet::Entry {
    std::unique_ptr<Document> doc;
    QPointer<MainForm> form;

    ~Entry() { delete form.data(); }
};

WindowSet::WindowSet(CatalogRef catalog, SettingsStore& settings, Dialogs& dialogs, Platform& platform,
                     QObject* parent)
    : QObject(parent),
      catalog_(std::move(catalog)),
      settings_(settings),
      dialogs_(dialogs),
      platform_(platform),
      recent_(new RecentList(settings, this)) {}

WindowSet::~WindowSet() {
    // Windows before the documents they show, newest first; the list no longer follows them.
    for (const auto& e : entries_)
        if (e->form) disconnect(e->form, nullptr, this, nullptr);
    while (!entries_.empty()) entries_.pop_back();
}

MainForm* WindowSet::Create() {
    auto entry = std::make_unique<Entry>();
    entry->doc = std::make_unique<Document>(catalog_);
    auto* form = new MainForm(*entry->doc, settings_, dialogs_, platform_, nullptr, pagesAtStart);
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (!catalogPath.isEmpty()) form->catalogPath_ = catalogPath;
    if (!recoveryFolder.isEmpty()) form->Files().RecoveryCopy().SetFolder(recoveryFolder);
    form->Files().Recent().Share(*recent_);
    entry->form = form;
    Entry* raw = entry.get();
    connect(form, &QObject::destroyed, this, [this, raw] {
        raw->form = nullptr;
        std::erase_if(entries_, [raw](const std::unique_ptr<Entry>& e) { return e.get() == raw; });
    });
    MainForm::WindowCommands commands;
    commands.newWindow = [this] { NewWindow(); };
    commands.openInNewWindow = [this](const QString& path) { OpenInNewWindow(path); };
    commands.quitAll = [this] { QuitAll(); };
    form->SetWindowCommands(std::move(commands));
    entries_.push_back(std::move(entry));
    return form;
}

// A further window stands a little below and right of the one it came from, so both are seen.
void WindowSet::Show(MainForm* form, MainForm* besides) {
    if (besides) {
        form->resize(besides->size());
        form->move(besides->pos() + QPoint(32, 32));
        form->KeepOnScreen();
    }
    form->show();
    form->raise();
    form->activateWindow();
}

MainForm* WindowSet::Start(const QStringList& args) {
    MainForm* first = Create();
    if (!first->Form_Load(args)) {
        delete first;
        return nullptr;
    }
    // The catalog the first window read (splash screen off) is the one every later window shares.
    catalog_ = entries_.front()->doc->ctx.catalog;
    first->show();
    if (!first->RestoredAtStart()) return first;
    // More than one window's work kept from the ended session: each restored design in a window of
    // its own, until the user declines or none is left.
    MainForm* last = first;
    for (;;) {
        MainForm* next = Create();
        next->StartBlank();
        if (!next->RestoreKeptWork()) {
            delete next;
            break;
        }
        Show(next, last);
        last = next;
    }
    return first;
}

std::vector<MainForm*> WindowSet::Windows() const {
    std::vector<MainForm*> out;
    for (const auto& e : entries_)
        if (e->form) out.push_back(e->form.data());
    return out;
}

MainForm* WindowSet::NewWindow() {
    const std::vector<MainForm*> open = Windows();
    MainForm* form = Create();
    form->StartBlank();
    Show(form, open.empty() ? nullptr : open.back());
    return form;
}

MainForm* WindowSet::OpenInNewWindow(const QString& path) {
    const std::vector<MainForm*> open = Windows();
    MainForm* form = Create();
    const Document& doc = *entries_.back()->doc;
    form->StartBlank();
    form->OpenOrImport(path);
    // Still the new design it started with: the file could not be read, and that has been said.
    if (doc.ctx.DesignFile.empty() && !doc.Changed()) {
        delete form;
        return nullptr;
    }
    Show(form, open.empty() ? nullptr : open.back());
    return form;
}

bool WindowSet::QuitAll() {
    for (MainForm* form : Windows())
        if (!form->close()) return false;
    return true;
}

void WindowSet::EndSession() {
    for (MainForm* form : Windows()) form->Files().RecoveryCopy().EndSession();
}

}  // namespace vantrel
