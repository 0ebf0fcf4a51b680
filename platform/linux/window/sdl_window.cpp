// The main window on SDL2: a shaped borderless window, its events, dragging and presenting pictures.
#include <SDL.h>
#include <SDL_shape.h>

#include <string>

#include "platform/linux/window/window_internal.h"

namespace corvane::platform {
namespace {

SDL_Window* window = nullptr;
PixelTest draggableTest = nullptr;
void (*repaintCallback)() = nullptr;
bool modal = false;
bool quitRequested = false;
std::string failure;

bool fail(const char* what) {
  failure = std::string(what) + " (" + SDL_GetError() + ")";
  return false;
}

SDL_HitTestResult hitTest(SDL_Window*, const SDL_Point* point, void*) {
  if (!modal && draggableTest != nullptr && draggableTest(point->x, point->y)) {
    return SDL_HITTEST_DRAGGABLE;
  }
  return SDL_HITTEST_NORMAL;
}

// One RGBA surface: opaque where the window is shown, transparent elsewhere.
bool applyShape(const MainWindowSettings& settings) {
  SDL_Surface* mask =
      SDL_CreateRGBSurfaceWithFormat(0, settings.width, settings.height, 32, SDL_PIXELFORMAT_RGBA32);
  if (mask == nullptr) return false;
  for (int y = 0; y < settings.height; ++y) {
    auto* row = static_cast<Uint8*>(mask->pixels) + y * mask->pitch;
    for (int x = 0; x < settings.width; ++x) {
      const Uint8 value = settings.insideShape(x, y) ? 255 : 0;
      row[x * 4 + 0] = value;
      row[x * 4 + 1] = value;
      row[x * 4 + 2] = value;
      row[x * 4 + 3] = value;
    }
  }
  SDL_WindowShapeMode mode{};
  mode.mode = ShapeModeDefault;
  const bool shaped = SDL_SetWindowShape(window, mask, &mode) == 0;
  SDL_FreeSurface(mask);
  return shaped;
}

void applyIcon(const IconImage& icon) {
  if (icon.rgba == nullptr) return;
  // SDL only reads the pixels while setting the icon.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(icon.rgba),
                                                            icon.width, icon.height, 32,
                                                            icon.width * 4, SDL_PIXELFORMAT_RGBA32);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

}  // namespace

bool createMainWindow(const MainWindowSettings& settings) {
  // A surface backed by OpenGL would make SDL recreate the X window and drop its shape.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A sound toy has no business keeping the screen saver away.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_APP_NAME, settings.title);
  // The press that activates the window is a command too; SDL would drop it otherwise.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Shaped windows exist only on X11 (XWayland included); SDL_VIDEODRIVER still overrides this.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    const char* display = SDL_getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
      failure = "no display could be opened (DISPLAY is not set)";
      return false;
    }
    return fail(("no display could be opened at " + std::string(display)).c_str());
  }

  window = SDL_CreateShapedWindow(settings.title, static_cast<unsigned>(settings.x),
                                  static_cast<unsigned>(settings.y),
                                  static_cast<unsigned>(settings.width),
                                  static_cast<unsigned>(settings.height),
                                  SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  if (window == nullptr) return fail("the window could not be created");
  draggableTest = settings.draggable;
  repaintCallback = settings.repaint;

  // The surface must exist before the shape is set; the first shape also moves the window to
  // (x, y), and later shapes would merge with it, so it is set exactly once.
  if (SDL_GetWindowSurface(window) == nullptr) return fail("the window could not be drawn on");
  applyIcon(settings.icon);
  if (!applyShape(settings)) return fail("the window could not be shaped");
  SDL_SetWindowHitTest(window, hitTest, nullptr);
  return true;
}

const char* windowSystemError() { return failure.c_str(); }

void showMainWindow() {
  SDL_ShowWindow(window);
  SDL_RaiseWindow(window);
}

void presentImage(const std::uint8_t* rgb, int width, int height) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr) return;
  const int copyWidth = width < surface->w ? width : surface->w;
  const int copyHeight = height < surface->h ? height : surface->h;
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  SDL_ConvertPixels(copyWidth, copyHeight, SDL_PIXELFORMAT_RGB24, rgb, width * 3,
                    surface->format->format, surface->pixels, surface->pitch);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  SDL_UpdateWindowSurface(window);
}

bool pollWindowEvent(WindowEvent& event) {
  // With no dialog open GTK has little to do; looking every 20 ms instead of every pass of the
  // loop saves a third of the idle load.
  static Uint32 lastGtkPump = 0;
  const Uint32 now = SDL_GetTicks();
  if (now - lastGtkPump >= 20) {
    lastGtkPump = now;
    detail::pumpGtkEvents();
  }
  if (detail::takeDeferredQuit()) {
    event = {WindowEventKind::Quit, 0, 0};
    return true;
  }
  return detail::nextSdlEvent(event);
}

namespace detail {

SDL_Window* mainSdlWindow() { return window; }

void repaintMainWindow() {
  if (repaintCallback != nullptr) repaintCallback();
}

bool nextSdlEvent(WindowEvent& event) {
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl) != 0) {
    switch (sdl.type) {
      case SDL_QUIT:
        event = {WindowEventKind::Quit, 0, 0};
        return true;
      case SDL_MOUSEBUTTONDOWN:
        if (sdl.button.button == SDL_BUTTON_LEFT && sdl.button.windowID == SDL_GetWindowID(window)) {
          event = {WindowEventKind::Press, sdl.button.x, sdl.button.y};
          return true;
        }
        break;
      case SDL_WINDOWEVENT:
        if (sdl.window.event == SDL_WINDOWEVENT_EXPOSED) {
          event = {WindowEventKind::Paint, 0, 0};
          return true;
        }
        if (sdl.window.event == SDL_WINDOWEVENT_CLOSE) {
          event = {WindowEventKind::Quit, 0, 0};
          return true;
        }
        break;
      default:
        break;
    }
  }
  return false;
}

void setDialogOpen(bool open) { modal = open; }
bool dialogOpen() { return modal; }

void deferQuit() { quitRequested = true; }
bool quitDeferred() { return quitRequested; }

bool takeDeferredQuit() {
  if (modal || !quitRequested) return false;
  quitRequested = false;
  return true;
}

}  // namespace detail
}  // namespace corvane::platform
