#pragma once

#include "common/fields.h"

namespace drovines {

// A plain wall: dry sand behind a vertical back face, no water, no surcharge.
inline common::MemoryFields sampleWall() {
    common::MemoryFields f;
    f.setText("gam", "18");
    f.setText("fi", "30");
    f.setText("co", "0");
    f.setText("beta", "0");
    f.setText("w", "0");
    f.setText("hn", "0");
    f.setText("b1", "2");
    f.setText("H", "4");
    f.setText("alfa", "0");
    f.setText("alfa2", "0");
    f.setText("delta", "0");
    f.setText("df", "1");
    f.setText("delta2", "0");
    f.setText("gm", "22");
    f.setText("q", "0");
    return f;
}

}  // namespace drovines
