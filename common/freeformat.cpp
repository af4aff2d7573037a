#include "common/freeformat.h"

#include "common/fieldvalue.h"
#include "common/safefile.h"

namespace common {

namespace {

bool isSeparator(char ch) {
    return ch == ' ' || ch == '\t' || ch == ',' || ch == '\r' || ch == '\n';
}

}  // namespace

FreeFormatReader::FreeFormatReader(std::string content) : content_(std::move(content)) {}

std::optional<FreeFormatReader> FreeFormatReader::fromFile(const std::string& path) {
    std::string content;
    if (!readWholeFile(path, content)) {
        return std::nullopt;
    }
    return FreeFormatReader(std::move(content));
}

bool FreeFormatReader::readToken(std::string& token) {
    while (pos_ < content_.size() && isSeparator(content_[pos_])) {
        ++pos_;
    }
    if (pos_ >= content_.size()) {
        return false;
    }
    const std::size_t start = pos_;
    while (pos_ < content_.size() && !isSeparator(content_[pos_])) {
        ++pos_;
    }
    token = content_.substr(start, pos_ - start);
    return true;
}

bool FreeFormatReader::readNumber(double& value) {
    std::string token;
    return readToken(token) && parseNumberToken(token, value);
}

bool FreeFormatReader::readNumbers(std::vector<double>& values, std::size_t count) {
    values.clear();
    for (std::size_t i = 0; i < count; ++i) {
        double value = 0;
        if (!readNumber(value)) {
            return false;
        }
        values.push_back(value);
    }
    return true;
}

bool FreeFormatReader::readLine(std::string& line) {
    if (pos_ >= content_.size()) {
        return false;
    }
    std::size_t end = content_.find('\n', pos_);
    if (end == std::string::npos) {
        end = content_.size();
    }
    line = content_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    pos_ = end < content_.size() ? end + 1 : end;
    return true;
}

bool FreeFormatReader::atEnd() const {
    for (std::size_t i = pos_; i < content_.size(); ++i) {
        if (!isSeparator(content_[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace common
