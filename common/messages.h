#pragma once

#include <string>
#include <vector>

namespace common {

enum class MessageIcon { None, Information, Critical, Warning };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    bool operator==(const Message&) const = default;
};

// Where a calculation core reports a modal message box (one OK button). The window shows a real
// box; batch mode prints "TITLE: TEXT" to stderr; tests record the boxes in order.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

class RecordingMessages : public MessageSink {
public:
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::vector<Message> shown;
};

// Prints each box as "TITLE: TEXT" on stderr; an untitled box carries the program title.
class StderrMessages : public MessageSink {
public:
    explicit StderrMessages(std::string programTitle);
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;

private:
    std::string programTitle_;
};

}  // namespace common
