#pragma once

#include "FileDialog.h"

#include <QList>

// Test support: while it lives, every file dialog is recorded instead of
// shown and answered at once with the preset path (empty: cancelled). The
// handler found at construction is put back on destruction.
class FileDialogAnswerer {
public:
    explicit FileDialogAnswerer(QString answer = {})
        : m_previous(FileDialog::handler()), m_answer(std::move(answer))
    {
        FileDialog::setHandler([this](const FileDialog::Request &request) {
            m_requests.append(request);
            return m_answer;
        });
    }
    ~FileDialogAnswerer() { FileDialog::setHandler(m_previous); }
    FileDialogAnswerer(const FileDialogAnswerer &) = delete;
    FileDialogAnswerer &operator=(const FileDialogAnswerer &) = delete;

    void setAnswer(QString answer) { m_answer = std::move(answer); }
    const QList<FileDialog::Request> &requests() const { return m_requests; }

private:
    FileDialog::Handler m_previous;
    QString m_answer;
    QList<FileDialog::Request> m_requests;
};
