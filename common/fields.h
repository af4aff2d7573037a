#pragma once

#include <map>
#include <string>

namespace common {

// The entry fields of a window, by objectName ("Text6", "Text1_0", ...). The cores read and
// rewrite field texts through this; the window maps it onto its QLineEdits.
class FieldTexts {
public:
    virtual ~FieldTexts() = default;
    virtual std::string text(const std::string& name) const = 0;
    virtual void setText(const std::string& name, const std::string& text) = 0;
};

// Fields held in memory: batch mode and tests. A field never set is empty.
class MemoryFields : public FieldTexts {
public:
    std::string text(const std::string& name) const override;
    void setText(const std::string& name, const std::string& text) override;

private:
    std::map<std::string, std::string> texts_;
};

}  // namespace common
