// MainWindow: the borderless, shaped 400 × 300 window at (100, 100).
#pragma once

namespace corvane {

inline constexpr int kMainWindowX = 100;
inline constexpr int kMainWindowY = 100;

// Creates the window hidden, gives it its icon and outline, then shows it. False when no window
// can be made (no display); platform::windowSystemError() says why.
bool openMainWindow();

}  // namespace corvane
