// What the SDL window and the GTK dialogs of the Linux layer share.
#pragma once

#include "platform/window.h"

struct SDL_Window;

namespace corvane::platform::detail {

SDL_Window* mainSdlWindow();  // null before createMainWindow succeeds
void repaintMainWindow();

// Translates the next pending SDL event; false when none is left.
bool nextSdlEvent(WindowEvent& event);

// While a dialog is open the main window takes no presses and cannot be dragged.
void setDialogOpen(bool open);
bool dialogOpen();

// A quit that arrived while a dialog was open; handed out by pollWindowEvent once it closes.
void deferQuit();
bool quitDeferred();
bool takeDeferredQuit();

// Dispatches what GTK has pending; true if there was anything. Nothing before the first dialog.
bool pumpGtkEvents();

}  // namespace corvane::platform::detail
