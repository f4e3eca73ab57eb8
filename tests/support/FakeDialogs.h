#pragma once

#include "ui/Dialogs.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace vantrel::test {

// Records every message and file request; answers from queues (Ok / Cancel / empty when a queue is empty).
// The record sheet's questions: the options are answered from `sheetAnswers` (cancelled when empty);
// a print is cancelled unless `printTo` names a file, which then receives the page as a PDF, or
// `onPrint` answers it.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString text, title;
        Icon icon;
        Buttons buttons;
    };
    std::vector<Shown> messages;
    std::vector<FileRequest> files;
    std::deque<Answer> answers;
    std::deque<QString> fileNames;
    std::deque<QStringList> fileLists;  // answers of the dialog for several files

    struct SheetQuestion {
        SheetOptions shown;
        int techTroopers;
    };
    std::vector<SheetQuestion> sheetQuestions;
    std::deque<SheetOptions> sheetAnswers;
    std::vector<QPageSize::PageSizeId> prints;  // the paper each print dialog came up with
    QString printTo;
    std::function<bool(QPrinter&, const std::function<void(QPrinter&)>&)> onPrint;

    Answer Message(QWidget*, const QString& text, const QString& title, Icon icon, Buttons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (answers.empty()) return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString File(QWidget*, const FileRequest& request) override {
        files.push_back(request);
        if (fileNames.empty()) return {};
        const QString f = fileNames.front();
        fileNames.pop_front();
        return f;
    }
    QStringList Files(QWidget*, const FileRequest& request) override {
        files.push_back(request);
        if (fileLists.empty()) return {};
        const QStringList f = fileLists.front();
        fileLists.pop_front();
        return f;
    }
    bool AskSheetOptions(QWidget*, SheetOptions& options, int techTroopers) override {
        sheetQuestions.push_back({options, techTroopers});
        if (sheetAnswers.empty()) return false;
        options = sheetAnswers.front();
        sheetAnswers.pop_front();
        return true;
    }
    // The squad question of a unit export: the default offered, then the answer (none = cancel).
    std::vector<int> troopersQuestions;
    std::deque<int> troopersAnswers;
    bool AskTroopers(QWidget*, int& troopers, int) override {
        troopersQuestions.push_back(troopers);
        if (troopersAnswers.empty()) return false;
        troopers = troopersAnswers.front();
        troopersAnswers.pop_front();
        return true;
    }
    bool Print(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
        prints.push_back(printer.pageLayout().pageSize().id());
        if (onPrint) return onPrint(printer, paint);
        if (printTo.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        paint(printer);
        return true;
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages) out << m.text;
        return out;
    }
};

}  // namespace vantrel::test
