// The window's outline: one polygon and four ellipses, as a per-pixel mask.
#pragma once

namespace corvane {

// True when window pixel (x, y) belongs to the shape; false outside 0..399 x 0..299.
bool insideWindowShape(int x, int y);

}  // namespace corvane
