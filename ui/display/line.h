// One-pixel lines drawn like a pen moving to a point: the start pixel is drawn, the end pixel is not.
#pragma once

#include "ui/display/back_buffer.h"

namespace corvane {

// Draws the line from (x0, y0) towards (x1, y1), omitting (x1, y1), clipped to the image. Along the
// longer axis every step lights one pixel; the other coordinate is the ideal line's, rounded to the
// nearest pixel with halves going to the smaller coordinate, so a line lights the same pixels in either
// direction. Any int coordinates are safe; beyond +-2^28 they are clamped.
void drawLine(BackBuffer& image, int x0, int y0, int x1, int y1, Rgb colour);

}  // namespace corvane
