// The platform's window, events and dialogs, as free functions. One implementation per OS.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace corvane::platform {

// Window pixel (x, y) → true or false; used for the outline and for the drag test.
using PixelTest = bool (*)(int x, int y);

// 8-bit red, green, blue, alpha per pixel, top-down rows.
struct IconImage {
  const std::uint8_t* rgba = nullptr;
  int width = 0;
  int height = 0;
};

struct MainWindowSettings {
  const char* title;
  int x;
  int y;
  int width;
  int height;
  IconImage icon;         // left unset when rgba is null
  PixelTest insideShape;  // which pixels the window shows and takes presses on
  PixelTest draggable;    // a press here moves the window instead of reaching the program
  void (*repaint)();      // answers uncovering while a dialog runs its own loop
};

// Opens the display and creates the borderless main window, hidden, with its icon and outline.
// False when there is no display or the window cannot be made; windowSystemError() says why.
bool createMainWindow(const MainWindowSettings& settings);
const char* windowSystemError();

void showMainWindow();

enum class WindowEventKind { Press, Paint, Quit };  // Paint: uncovered, draw again

struct WindowEvent {
  WindowEventKind kind = WindowEventKind::Paint;
  int x = 0;  // Press: window pixel of the left-button press
  int y = 0;
};

// Takes the next event without waiting; false when none is pending.
bool pollWindowEvent(WindowEvent& event);

// Shows a whole picture: top-down rows of 8-bit red, green, blue, the window's size.
void presentImage(const std::uint8_t* rgb, int width, int height);

struct FileFilter {
  const char* description;  // "Text files (*.txt)"
  const char* pattern;      // "*.txt"
};

struct SaveDialogSettings {
  const char* title;
  std::span<const FileFilter> filters;  // the first is selected
  const char* defaultExtension;         // without the dot; added to a name typed without one
};

// Prepares the save dialog once; every later runSaveDialog uses these settings.
void prepareSaveDialog(const SaveDialogSettings& settings);

// Asks for a file to save to, starting from the last path chosen. Asks before replacing an existing
// file and refuses read-only ones. Modal: while it is open the main window only repaints. Nothing
// when the user cancels.
std::optional<std::filesystem::path> runSaveDialog();

// A modal error box with one OK button; returns once it is dismissed.
void showErrorMessage(const char* caption, const char* text);

// Milliseconds since an arbitrary start (boot on Linux); wraps after 2^32 ms.
std::uint32_t tickCount();
void sleepMilliseconds(std::uint32_t milliseconds);

}  // namespace corvane::platform
