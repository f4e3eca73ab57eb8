#pragma once

#include "ui/Dialogs.h"

#include <QStringList>

#include <deque>

namespace vantrel::test {

// Records every message and file request; answers from queues (Ok / Cancel / empty when a queue is empty).
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
    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages) out << m.text;
        return out;
    }
};

}  // namespace vantrel::test
