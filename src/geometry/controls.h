#pragma once

#include "forms/window.h"

namespace geometry {
// The picture geometry block of the main window: resolution, aspect ratio, slider, pixel count,
// frame rate, bits per pixel and bitrate.
void declareControls(forms::Window& form1);
}  // namespace geometry
