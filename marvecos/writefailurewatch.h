#pragma once

#include <string>

#include "common/messages.h"

namespace marvecos {

// Passes every box on and remembers whether a file could not be written: in this program
// that is what the critical icon reports.
class WriteFailureWatch : public common::MessageSink {
public:
    explicit WriteFailureWatch(common::MessageSink& inner) : inner_(inner) {}
    void show(const std::string& text, const std::string& title,
              common::MessageIcon icon) override {
        failedWrite = failedWrite || icon == common::MessageIcon::Critical;
        inner_.show(text, title, icon);
    }
    bool failedWrite = false;

private:
    common::MessageSink& inner_;
};

}  // namespace marvecos
