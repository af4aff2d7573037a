#pragma once

#include "common/ui/programidentity.h"

namespace fendrolas {

// Title, version and credits shown by the splash and About windows.
common::ProgramIdentity fendrolasIdentity();

}  // namespace fendrolas
