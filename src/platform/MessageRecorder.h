#pragma once

#include "MessageBox.h"

#include <QList>
#include <QStringList>
#include <optional>

// Test support: while it lives, every message is recorded instead of shown
// and answered at once. The answer is the preset one if set, otherwise the
// affirmative button (Ok, or Yes for a yes/no question). The handler found
// at construction is put back on destruction.
class MessageRecorder {
public:
    explicit MessageRecorder(std::optional<MessageBox::Answer> answer = std::nullopt)
        : m_previous(MessageBox::handler()), m_answer(answer)
    {
        MessageBox::setHandler([this](const MessageBox::Message &message) {
            m_messages.append(message);
            if (m_answer)
                return *m_answer;
            return message.buttons == MessageBox::Buttons::YesNo ? MessageBox::Answer::Yes
                                                                 : MessageBox::Answer::Ok;
        });
    }
    ~MessageRecorder() { MessageBox::setHandler(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void setAnswer(std::optional<MessageBox::Answer> answer) { m_answer = answer; }
    const QList<MessageBox::Message> &messages() const { return m_messages; }
    int count() const { return int(m_messages.size()); }
    // The texts only, in order: handy in comparisons.
    QStringList texts() const
    {
        QStringList list;
        for (const auto &m : m_messages)
            list.append(m.text);
        return list;
    }
    void clear() { m_messages.clear(); }

private:
    MessageBox::Handler m_previous;
    std::optional<MessageBox::Answer> m_answer;
    QList<MessageBox::Message> m_messages;
};
