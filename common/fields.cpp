#include "common/fields.h"

namespace common {

std::string MemoryFields::text(const std::string& name) const {
    auto it = texts_.find(name);
    return it == texts_.end() ? std::string() : it->second;
}

void MemoryFields::setText(const std::string& name, const std::string& text) {
    texts_[name] = text;
}

}  // namespace common
