#pragma once

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// Checks the 32 fields in the program's order, shows its messages, rewrites the fields it
// corrects and leaves the values the method receives: fi, c and g (degrees, kPa, kN/m3) and,
// in the main window's data, w, Lx, Ly, df and the five load arrays. A failed check does not
// stop the calculation: it leaves five empty states on a 1 x 1 m base.
void validar(common::FieldTexts& fields, common::MessageSink& messages, double& fi, double& c,
             double& g, WindowData& data);

// The method input from what validar left (angles to radians with 3.14159).
MethodInput prepareMethodInput(double fi, double c, double g, const WindowData& data);

}  // namespace fendrolas
