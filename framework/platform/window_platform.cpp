#include "framework/platform/window_platform.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <deque>

#include "framework/platform/canvas_picture.h"
#include "framework/platform/fonts.h"
#include "framework/platform/window_keys.h"
#include "framework/platform/x11_errors.h"

namespace lesson {

namespace {

// SDL falls back to video drivers that show nothing when there is no display.
bool showsNothing(const char* driver) {
  if (!driver) return true;
  std::string name = driver;
  return name == "offscreen" || name == "dummy" || name == "evdev";
}

std::string noDisplayReason() {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (display && *display) return std::string("cannot open display ") + display;
  if (wayland && *wayland) return std::string("cannot connect to Wayland display ") + wayland;
  return "DISPLAY is not set";
}

}  // namespace

struct WindowPlatform::Impl {
  SDL_Window* window = nullptr;
  Canvas canvas;
  std::deque<char32_t> keys;
  bool closed = false;

  // What is shown: a cairo surface of the window's size, with the canvas
  // scaled uniformly to fit and centred.
  cairo_surface_t* surface = nullptr;
  SDL_Surface* target = nullptr;  // the window surface the picture goes to
  bool direct = false;            // surface draws straight into target's pixels
  int width = 0, height = 0;
  CanvasPicture picture;
  bool unshown = true;  // the window does not show the surface yet

  ~Impl() {
    dropSurface();
    if (window) {
      releaseDestroyedWindow();
      SDL_DestroyWindow(window);
    }
    SDL_Quit();
  }

  void dropSurface() {
    if (surface) cairo_surface_destroy(surface);
    surface = nullptr;
    target = nullptr;
    picture.detach();
  }

  void handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        closed = true;
        break;
      case SDL_SYSWMEVENT:
        // Another program destroying the window ends the lesson as closing it does.
        noteWindowSystemEvent(e.syswm.msg);
        if (watchedWindowDestroyed()) closed = true;
        break;
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_CLOSE:
            closed = true;
            break;
          case SDL_WINDOWEVENT_SIZE_CHANGED:
          case SDL_WINDOWEVENT_RESIZED:
            // The window surface is about to be replaced: forget its pixels.
            dropSurface();
            break;
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SHOWN:
          case SDL_WINDOWEVENT_RESTORED:
          case SDL_WINDOWEVENT_MAXIMIZED:
            unshown = true;
            break;
          default:
            break;
        }
        break;
      case SDL_KEYDOWN:
        // Printable keys arrive as SDL_TEXTINPUT; only the special keys count here.
        if (char32_t k = specialKey(e.key.keysym.sym)) keys.push_back(k);
        break;
      case SDL_TEXTINPUT:
        for (char32_t k : textKeys(e.text.text)) keys.push_back(k);
        break;
      default:
        break;
    }
  }

  void pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle(e);
  }

  void exitIfClosed() {
    // A request on a window destroyed from outside fails; the error is noted.
    if (watchedWindowDestroyed()) closed = true;
    if (closed) throw ProgramExit{0};
  }

  // Makes a cairo surface for the window's current surface; false when there is none.
  bool ensureSurface() {
    SDL_Surface* windowSurface = SDL_GetWindowSurface(window);
    if (!windowSurface) return false;
    if (surface && windowSurface == target && windowSurface->w == width &&
        windowSurface->h == height) {
      return true;
    }
    dropSurface();
    target = windowSurface;
    width = windowSurface->w;
    height = windowSurface->h;
    Uint32 format = windowSurface->format->format;
    direct = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
    if (direct) {
      surface =
          cairo_image_surface_create_for_data(static_cast<unsigned char*>(target->pixels),
                                              CAIRO_FORMAT_RGB24, width, height, target->pitch);
    } else {
      surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    }
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
      dropSurface();
      return false;
    }
    picture.attach(surface);
    return true;
  }

  // Brings the window up to date with the canvas: the picture takes what
  // changed, and only the pixels that changed are sent to the window (all of
  // them when the window has just been shown, exposed or resized).
  void present() {
    if (!ensureSurface()) return;
    if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
    PixelRect changed = picture.update(canvas);
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    if (unshown) changed = {0, 0, width, height};
    if (changed.empty()) return;
    SDL_Rect area{changed.x, changed.y, changed.w, changed.h};
    if (!direct) copyToTarget(area);
    SDL_UpdateWindowSurfaceRects(window, &area, 1);
    unshown = false;
  }

  void copyToTarget(SDL_Rect area) {
    SDL_Surface* pixels = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(surface), width, height, 32,
        cairo_image_surface_get_stride(surface), SDL_PIXELFORMAT_RGB888);
    if (!pixels) return;
    SDL_Rect to = area;
    SDL_BlitSurface(pixels, &area, target, &to);
    SDL_FreeSurface(pixels);
  }

  // Handles the window's events for up to ms milliseconds; returns early when
  // a key arrives or the window is closed if untilKey is set.
  void waitEvents(Uint32 ms, bool untilKey) {
    Uint32 start = SDL_GetTicks();
    for (;;) {
      Uint32 spent = SDL_GetTicks() - start;
      if (spent >= ms) break;
      SDL_Event e;
      if (SDL_WaitEventTimeout(&e, static_cast<int>(ms - spent))) {
        handle(e);
        pump();
      }
      if (closed) break;
      if (untilKey && !keys.empty()) break;
      // A resize or expose while waiting is redrawn at once.
      present();
    }
  }
};

WindowPlatform::WindowPlatform() : impl_(std::make_unique<Impl>()) {}
WindowPlatform::~WindowPlatform() = default;

std::unique_ptr<WindowPlatform> WindowPlatform::open(std::string& error) {
  // A lesson window is an ordinary desktop window: it lets the screen saver
  // run and stays under the desktop's compositor.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // With neither an X nor a Wayland display named there is nothing to probe
  // (probing would only print the libraries' own complaints first).
  bool named = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  // X11 unless only a Wayland display is named: on a Wayland desktop with
  // XWayland too, SDL2 would otherwise choose Wayland where the compositor
  // draws window borders, and SDL2 shows a Wayland window surface only through GL.
  if (std::getenv("DISPLAY") || !std::getenv("WAYLAND_DISPLAY")) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  }
  // Before SDL_Init: SDL keeps the handler in force then and passes errors on to it.
  ignoreEventsSentToClosedWindows();
  if (!named || SDL_Init(SDL_INIT_VIDEO) != 0 || showsNothing(SDL_GetCurrentVideoDriver())) {
    SDL_Quit();
    error =
        "no display available: this program needs a graphical desktop (" + noDisplayReason() + ")";
    return nullptr;
  }
  // The picture is drawn by cairo straight into the window surface's pixels,
  // which the X11 driver shows through shared memory. Left to choose, SDL would
  // put a GL texture behind that surface and load the whole GL stack (a
  // software GL driver where there is no GPU) only to copy pixels. SDL2's
  // Wayland driver has no such path of its own, so there SDL's choice stands.
  if (std::string(SDL_GetCurrentVideoDriver()) == "x11") {
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
  }
  std::unique_ptr<WindowPlatform> platform(new WindowPlatform);
  Impl& impl = *platform->impl_;
  if (!checkLessonFonts(error)) return nullptr;

  // Without a window manager, maximizing does nothing: the window is made as
  // large as the desktop's usable area from the start.
  SDL_Rect bounds{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kCanvasWidth, kCanvasHeight};
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
    bounds = usable;
  }
  impl.window = SDL_CreateWindow("", bounds.x, bounds.y, bounds.w, bounds.h,
                                 SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!impl.window) {
    error = std::string("cannot open a window: ") + SDL_GetError();
    return nullptr;
  }
  // Smaller, a window pixel would stand for more of the canvas than the
  // display list's bounds on what each drawing paints allow for.
  SDL_SetWindowMinimumSize(impl.window, static_cast<int>(kCanvasWidth * kLeastScale),
                           static_cast<int>(kCanvasHeight * kLeastScale));
  watchWindow(impl.window);
  // The first picture goes to the window at the program's first wait or
  // pause, when the menu is drawn: one push of the window's pixels, not two.
  SDL_StartTextInput();
  return platform;
}

void WindowPlatform::setTitle(const std::string& title) {
  SDL_SetWindowTitle(impl_->window, title.c_str());
}

void WindowPlatform::maximize() {
  SDL_MaximizeWindow(impl_->window);
}

void WindowPlatform::draw(const DrawOp& op) {
  impl_->canvas.add(op);
}

std::optional<char32_t> WindowPlatform::pollKey() {
  impl_->pump();
  impl_->exitIfClosed();
  if (impl_->keys.empty()) return std::nullopt;
  char32_t k = impl_->keys.front();
  impl_->keys.pop_front();
  return k;
}

void WindowPlatform::idle(IdleKind) {
  impl_->pump();
  impl_->exitIfClosed();
  impl_->present();
  if (impl_->keys.empty()) impl_->waitEvents(500, true);
  impl_->exitIfClosed();
}

void WindowPlatform::pause(int n) {
  impl_->pump();
  impl_->exitIfClosed();
  impl_->present();
  if (n > 0) impl_->waitEvents(static_cast<Uint32>(n) * 2, false);
  impl_->exitIfClosed();
}

std::string WindowPlatform::clockText() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

}  // namespace lesson
