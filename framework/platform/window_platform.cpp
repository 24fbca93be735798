#include "framework/platform/window_platform.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <deque>

#include "framework/platform/fonts.h"
#include "framework/platform/palette.h"
#include "framework/platform/window_keys.h"
#include "framework/platform/x11_errors.h"

namespace lesson {

namespace {

// Round the canvas: a neutral grey, so that the white page stands out.
constexpr double kMarginGrey = 0.82;

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

  // The device pixels that cover a rectangle of the logical canvas, within the surface.
  SDL_Rect deviceRect(double x, double y, double w, double h) const {
    int left = std::max(0, static_cast<int>(std::floor(offsetX + x * scale)));
    int top = std::max(0, static_cast<int>(std::floor(offsetY + y * scale)));
    int right = std::min(width, static_cast<int>(std::ceil(offsetX + (x + w) * scale)));
    int bottom = std::min(height, static_cast<int>(std::ceil(offsetY + (y + h) * scale)));
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
  }

  // Where the last operation can have painted, in device pixels, with a margin
  // for antialiased edges.
  SDL_Rect lastOpArea() const {
    const DrawOp& last = canvas.ops().back();
    if (last.kind == DrawOp::Kind::Fill) {
      return deviceRect(std::min(last.x1, last.x2) - 2, std::min(last.y1, last.y2) - 2,
                        std::abs(last.x2 - last.x1) + 4, std::abs(last.y2 - last.y1) + 4);
    }
    double pad = static_cast<double>(last.radius) + last.width + 2;
    return deviceRect(last.x1 - pad, last.y1 - pad, 2 * pad, 2 * pad);
  }

  // Brings the window up to date with the canvas: new operations are drawn
  // onto the kept picture; after a resize, or when the canvas dropped
  // operations, the picture is rendered again from scratch. Only the pixels
  // that changed are sent to the window when one replaced operation (the
  // blinking cursor dot) is all that is new.
  void present() {
    if (!ensureSurface()) return;
    if (canvas.pruned() != prunedSeen) stale = true;
    // The last operation was replaced after it was rendered: its place is
    // rendered again from the whole list, so the antialiased edge of what it
    // covered leaves no ring.
    bool redrawLast = !stale && canvas.replaced() != replacedSeen &&
                      rendered == canvas.ops().size() && rendered > 0;
    bool grown = rendered < canvas.ops().size();
    SDL_Rect whole{0, 0, width, height};
    SDL_Rect changed = whole;
    if (stale || redrawLast || grown) {
      if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
      cairo_t* cr = cairo_create(surface);
      if (stale) {
        cairo_set_source_rgb(cr, kMarginGrey, kMarginGrey, kMarginGrey);
        cairo_paint(cr);
      } else if (redrawLast) {
        changed = lastOpArea();
        // Whole device pixels, so that the page painted under the clip and
        // the operations rendered again meet the pixels round it exactly.
        cairo_rectangle(cr, changed.x, changed.y, changed.w, changed.h);
        cairo_clip(cr);
      }
      cairo_translate(cr, offsetX, offsetY);
      cairo_scale(cr, scale, scale);
      if (stale || redrawLast) {
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
    } else if (!unshown) {
      return;
    }
    if (unshown) changed = whole;
    if (changed.w <= 0 || changed.h <= 0) return;
    if (!direct) copyToTarget(changed);
    SDL_UpdateWindowSurfaceRects(window, &changed, 1);
    unshown = false;
  }

  void copyToTarget(SDL_Rect area) {
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(surface), width, height, 32,
        cairo_image_surface_get_stride(surface), SDL_PIXELFORMAT_RGB888);
    if (!picture) return;
    SDL_Rect to = area;
    SDL_BlitSurface(picture, &area, target, &to);
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
