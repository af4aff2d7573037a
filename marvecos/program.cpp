#include "marvecos/program.h"

#include "common/safefile.h"

namespace marvecos {

bool writeReported(const std::string& path, const std::string& content,
                   common::MessageSink& messages) {
    if (common::writeFileSafely(path, content)) {
        return true;
    }
    messages.show("No se pudo escribir el archivo " + path + ".", kProgramTitle,
                  common::MessageIcon::Critical);
    return false;
}

}  // namespace marvecos
