// A design file dropped on the window from the file manager. Equipment dragged within the window is
// text and never reaches here: the slot labels take it, and the window refuses text.

#include "sheet/QtText.h"
#include "ui/FileCommands.h"
#include "ui/MainForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>

namespace vantrel {

namespace {

// The local path of the one .vnt file the drag carries; empty for anything else.
QString DroppedDesign(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    // From the URL's bytes: toLocalFile() turns a name that is not valid UTF-8 into another name.
    const QUrl& url = urls.front();
    QString path =
        FileNameFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    if (QFileInfo(path).suffix().compare(QLatin1String("vnt"), Qt::CaseInsensitive) != 0) return {};
    return path;
}

template <typename Event>
void OfferCopy(Event* e) {
    if (DroppedDesign(e->mimeData()).isEmpty()) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::CopyAction);
    e->accept();
}

}  // namespace

void MainForm::dragEnterEvent(QDragEnterEvent* e) { OfferCopy(e); }

void MainForm::dragMoveEvent(QDragMoveEvent* e) { OfferCopy(e); }

void MainForm::dropEvent(QDropEvent* e) {
    const QString path = DroppedDesign(e->mimeData());
    if (path.isEmpty()) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::CopyAction);
    e->accept();
    // After the drag has ended: the file manager waits for the drop to finish, and the open may ask
    // the unsaved-changes question or show a refusal.
    QMetaObject::invokeMethod(
        files_, [files = files_, path] { files->OpenDropped(path); }, Qt::QueuedConnection);
}

}  // namespace vantrel
