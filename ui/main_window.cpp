// MainWindow: the borderless, shaped 400 × 300 window at (100, 100).
#include "ui/main_window.h"

#include "platform/window.h"
#include "ui/display/back_buffer.h"
#include "ui/display/icon_image.h"
#include "ui/display/window_shape.h"
#include "ui/draw_display.h"
#include "ui/hit_areas.h"

namespace corvane {

namespace {

// SDL2 takes one icon image; window managers scale it for taskbars and switchers.
constexpr int kWindowIconSize = 128;

}  // namespace

bool openMainWindow() {
  RgbaImage icon;
  platform::MainWindowSettings settings{};
  if (loadIconImage(kWindowIconSize, icon)) {
    settings.icon = {icon.rgba.data(), icon.width, icon.height};
  }
  settings.title = "Corvane";
  settings.x = kMainWindowX;
  settings.y = kMainWindowY;
  settings.width = kWindowWidth;
  settings.height = kWindowHeight;
  settings.insideShape = insideWindowShape;
  settings.draggable = dragsWindow;
  settings.repaint = drawDisplay;
  if (!platform::createMainWindow(settings)) return false;
  platform::showMainWindow();
  return true;
}

}  // namespace corvane
