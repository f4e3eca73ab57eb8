#pragma once

#include "files/DesignList.h"
#include "model/Context.h"
#include "ui/DesignLibraryModel.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace vantrel {

// Reads a folder's design files off the window's thread. Each job lists the folder, reports the files
// present, then reads those whose stamp differs from what the window holds and hands the rows over
// in batches. Every report arrives on the window's thread, in order; a job started anew or stopped
// reports nothing more.
class LibraryReader : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // The folder's design files now, and how many of them are read anew.
        std::function<void(const std::vector<std::string>& present, int toRead)> listed;
        std::function<void(std::vector<DesignRow>& rows, const std::vector<LibraryStamp>& stamps)> rows;
        std::function<void()> done;
        std::function<void(const QString& problem)> failed;  // the folder itself cannot be read
    };

    LibraryReader(const CatalogRef& catalog, Handlers handlers, QObject* parent = nullptr);
    ~LibraryReader() override;

    void Start(const QString& folder, const QHash<QString, LibraryStamp>& known);
    void Stop();
    bool Busy() const { return busy_; }

private:
    void Run(const std::string& folder, const QHash<QString, LibraryStamp>& known, int generation);
    // Runs `report` on the window's thread unless another job has started since.
    void Post(int generation, std::function<void()> report);

    CatalogRef catalog_;
    Handlers handlers_;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    int generation_ = 0;
    bool busy_ = false;
};

}  // namespace vantrel
