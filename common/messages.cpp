#include "common/messages.h"

#include <iostream>

namespace common {

void RecordingMessages::show(const std::string& text, const std::string& title, MessageIcon icon) {
    shown.push_back({text, title, icon});
}

StderrMessages::StderrMessages(std::string programTitle) : programTitle_(std::move(programTitle)) {}

void StderrMessages::show(const std::string& text, const std::string& title, MessageIcon) {
    std::cerr << (title.empty() ? programTitle_ : title) << ": " << text << std::endl;
}

}  // namespace common
