// The main window's event handling: repaints, commands and the end of the program.
#pragma once

#include "platform/window.h"

namespace corvane {

// Handles one event; false when the program should end (Close, or the window was closed).
bool MainWindowProc(const platform::WindowEvent& event);

}  // namespace corvane
