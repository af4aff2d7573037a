#pragma once

#include "common/ui/programidentity.h"

namespace drovines {

// Title, version and credits shown by the splash and About windows.
common::ProgramIdentity drovinesIdentity();

}  // namespace drovines
