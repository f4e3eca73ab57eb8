#include "ui/LibraryReader.h"

#include <QMetaObject>

#include <chrono>
#include <filesystem>

namespace vantrel {

namespace {

constexpr int kWorkers = 2;
// Small batches, so the first rows show soon and a stop is heard soon.
constexpr std::size_t kBatchSize = 64;

}  // namespace

LibraryReader::LibraryReader(const CatalogRef& catalog, Handlers handlers, QObject* parent)
    : QObject(parent), catalog_(catalog), handlers_(std::move(handlers)) {}

LibraryReader::~LibraryReader() { Stop(); }

void LibraryReader::Stop() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    stop_ = false;
    ++generation_;
    busy_ = false;
}

void LibraryReader::Start(const QString& folder, const QHash<QString, LibraryStamp>& known) {
    Stop();
    busy_ = true;
    worker_ = std::thread(&LibraryReader::Run, this, folder.toStdString(), known, generation_);
}

void LibraryReader::Post(int generation, std::function<void()> report) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, report = std::move(report)] {
            if (generation == generation_) report();
        },
        Qt::QueuedConnection);
}

void LibraryReader::Run(const std::string& folder, const QHash<QString, LibraryStamp>& known,
                        int generation) {
    std::vector<ListedFile> files;
    std::string error;
    if (!ListDesignFiles(folder, false, files, error)) {
        Post(generation, [this, problem = QString::fromStdString(error)] {
            busy_ = false;
            handlers_.failed(problem);
        });
        return;
    }
    std::vector<std::string> present;
    std::vector<ListedFile> toRead;
    std::vector<LibraryStamp> stamps;
    for (ListedFile& file : files) {
        present.push_back(file.path);
        const LibraryStamp stamp = StampOf(file.path);
        const auto it = known.constFind(QString::fromStdString(file.path));
        // A file that could not be looked at is read again each time, so its row says why now.
        if (it != known.constEnd() && stamp && *it == stamp) continue;
        toRead.push_back(std::move(file));
        stamps.push_back(stamp);
    }
    const int count = static_cast<int>(toRead.size());
    Post(generation, [this, present = std::move(present), count] { handlers_.listed(present, count); });
    std::size_t offset = 0;
    ReadDesignRows(catalog_, toRead, kWorkers, kBatchSize, [&](std::vector<DesignRow>& rows) {
        std::vector<LibraryStamp> batchStamps(
            stamps.begin() + static_cast<std::ptrdiff_t>(offset),
            stamps.begin() + static_cast<std::ptrdiff_t>(offset + rows.size()));
        offset += rows.size();
        Post(generation, [this, rows = std::move(rows), batchStamps = std::move(batchStamps)]() mutable {
            handlers_.rows(rows, batchStamps);
        });
        return !stop_;
    });
    if (stop_) return;
    Post(generation, [this] {
        busy_ = false;
        handlers_.done();
    });
}

}  // namespace vantrel
