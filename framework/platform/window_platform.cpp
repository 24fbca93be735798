#include "framework/platform/window_platform.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <deque>

#include "framework/basic.h"
#include "framework/platform/fonts.h"
#include "framework/platform/headless_platform.h"
#include "framework/platform/palette.h"

namespace lesson {

namespace {

// Round the canvas: a neutral grey, so that the white page stands out.
constexpr double kMarginGrey = 0.82;

// The key code of a special key, or 0 for keys that come as text (or not at all).
char32_t specialKey(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return key::kEnter;
    case SDLK_BACKSPACE:
      return key::kBackspace;
    case SDLK_TAB:
      return key::kTab;
    case SDLK_ESCAPE:
      return key::kEsc;
    case SDLK_DELETE:
      return key::kClear;
    case SDLK_RIGHT:
      return key::kRight;
    case SDLK_LEFT:
      return key::kLeft;
    case SDLK_UP:
      return key::kUp;
    case SDLK_DOWN:
      return key::kDown;
    default:
      return 0;
  }
}

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
  double scale = 1, offsetX = 0, offsetY = 0;
  std::size_t rendered = 0;      // canvas ops already on the surface
  std::size_t prunedSeen = 0;    // canvas.pruned() when they were rendered
  std::size_t replacedSeen = 0;  // canvas.replaced() when they were rendered
  bool stale = true;             // the surface must be rendered again from scratch
  bool unshown = true;           // the window does not show the surface yet

  ~Impl() {
    dropSurface();
    if (window) SDL_DestroyWindow(window);
    SDL_Quit();
  }

  void dropSurface() {
    if (surface) cairo_surface_destroy(surface);
    surface = nullptr;
    target = nullptr;
    stale = true;
  }

  void handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        closed = true;
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
        for (char32_t c : fromUtf8(e.text.text)) {
          if (c >= 0x20 && c != 0x7F && c != 0xFFFD) keys.push_back(halfWidthKey(c));
        }
        break;
      default:
        break;
    }
  }

  void pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle(e);
  }

  void exitIfClosed() const {
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
    scale = std::min(width / double(kCanvasWidth), height / double(kCanvasHeight));
    offsetX = (width - kCanvasWidth * scale) / 2;
    offsetY = (height - kCanvasHeight * scale) / 2;
    stale = true;
    return true;
  }

  // Brings the window up to date with the canvas: new operations are drawn
  // onto the kept picture; after a resize, or when the canvas dropped
  // operations, the picture is rendered again from scratch.
  void present() {
    if (!ensureSurface()) return;
    if (canvas.pruned() != prunedSeen) stale = true;
    bool drawn = false;
    // The last operation was replaced after it was rendered (the blinking
    // cursor dot): its place is rendered again from the whole list, so the
    // antialiased edge of what it covered leaves no ring.
    bool redrawLast = !stale && canvas.replaced() != replacedSeen &&
                      rendered == canvas.ops().size() && rendered > 0;
    if (stale || redrawLast || rendered < canvas.ops().size()) {
      if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
      cairo_t* cr = cairo_create(surface);
      if (redrawLast) {
        const DrawOp& last = canvas.ops().back();
        double pad = static_cast<double>(last.radius) + last.width + 2;
        cairo_translate(cr, offsetX, offsetY);
        cairo_scale(cr, scale, scale);
        cairo_rectangle(cr, last.x1 - pad, last.y1 - pad, 2 * pad, 2 * pad);
        if (last.kind == DrawOp::Kind::Fill) {
          cairo_new_path(cr);
          cairo_rectangle(cr, std::min(last.x1, last.x2) - 2, std::min(last.y1, last.y2) - 2,
                          std::abs(last.x2 - last.x1) + 4, std::abs(last.y2 - last.y1) + 4);
        }
        cairo_clip(cr);
        Rgb page = paletteRgb(15);
        cairo_set_source_rgb(cr, page.r / 255.0, page.g / 255.0, page.b / 255.0);
        cairo_paint(cr);
        rendered = 0;
        cairo_identity_matrix(cr);
      }
      if (stale) {
        cairo_set_source_rgb(cr, kMarginGrey, kMarginGrey, kMarginGrey);
        cairo_paint(cr);
      }
      cairo_translate(cr, offsetX, offsetY);
      cairo_scale(cr, scale, scale);
      if (stale) {
        Rgb page = paletteRgb(15);
        cairo_set_source_rgb(cr, page.r / 255.0, page.g / 255.0, page.b / 255.0);
        cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
        cairo_fill(cr);
        rendered = 0;
      }
      canvas.render(cr, rendered);
      cairo_destroy(cr);
      cairo_surface_flush(surface);
      if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
      rendered = canvas.ops().size();
      prunedSeen = canvas.pruned();
      replacedSeen = canvas.replaced();
      stale = false;
      drawn = true;
    }
    if (drawn || unshown) {
      if (!direct) copyToTarget();
      SDL_UpdateWindowSurface(window);
      unshown = false;
    }
  }

  void copyToTarget() {
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(surface), width, height, 32,
        cairo_image_surface_get_stride(surface), SDL_PIXELFORMAT_RGB888);
    if (!picture) return;
    SDL_BlitSurface(picture, nullptr, target, nullptr);
    SDL_FreeSurface(picture);
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
  if (!std::getenv("WAYLAND_DISPLAY")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (!named || SDL_Init(SDL_INIT_VIDEO) != 0 || showsNothing(SDL_GetCurrentVideoDriver())) {
    SDL_Quit();
    error =
        "no display available: this program needs a graphical desktop (" + noDisplayReason() + ")";
    return nullptr;
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
  SDL_StartTextInput();
  impl.present();
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
