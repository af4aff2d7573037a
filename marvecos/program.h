#pragma once

// What every part of the slope program shares: its title, how a file that could not be written
// is reported, and the exit codes of its batch mode.

#include <string>

#include "common/messages.h"

namespace marvecos {

inline constexpr const char* kProgramTitle = "Marvecos";

// Exit codes of the batch mode.
constexpr int kBatchComputed = 0;
constexpr int kBatchUsage = 2;
constexpr int kBatchNoResult = 3;
constexpr int kBatchFileNotWritten = 4;

// Writes through the safe writer and reports a file that could not be written (title
// "Marvecos", critical icon); true when it was written.
bool writeReported(const std::string& path, const std::string& content,
                   common::MessageSink& messages);

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
