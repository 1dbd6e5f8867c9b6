// The painters of the embedded pictures, one per picture, each returning its finished canvas.
#pragma once

#include "canvas.h"

Canvas PaintStudioLogo();      // 3840 x 2160, opaque
Canvas PaintTitle();           // 3840 x 2160, opaque
Canvas PaintExplosionSheet();  // 416 x 416, 8 x 8 frames of 52 x 52, opaque
Canvas PaintFlag();            // 72 x 72, opaque
Canvas PaintMine();            // 72 x 72, opaque
Canvas PaintIcon();            // 128 x 128, with transparent corners
