#pragma once

#include "common/ui/programidentity.h"

namespace marvecos {

// Title, version and credits shown by the splash.
common::ProgramIdentity marvecosIdentity();

}  // namespace marvecos
