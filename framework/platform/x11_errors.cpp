// Kept apart from the window code: the Xlib headers define many short macros.
#include "framework/platform/x11_errors.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace lesson {

namespace {

XErrorHandler previousHandler = nullptr;
Display* watchedDisplay = nullptr;
Window watched = 0;
bool destroyed = false;

int handleError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  if (watched != 0 && error->resourceid == watched &&
      (error->error_code == BadWindow || error->error_code == BadDrawable)) {
    destroyed = true;
    return 0;
  }
  return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void ignoreEventsSentToClosedWindows() {
  if (previousHandler) return;
  previousHandler = XSetErrorHandler(handleError);
}

void watchWindow(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  watchedDisplay = info.info.x11.display;
  watched = info.info.x11.window;
  destroyed = false;
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void noteWindowSystemEvent(const SDL_SysWMmsg* message) {
  if (!message || message->subsystem != SDL_SYSWM_X11 || watched == 0) return;
  const XEvent& event = message->msg.x11.event;
  if (event.type == DestroyNotify && event.xdestroywindow.window == watched) destroyed = true;
}

bool watchedWindowDestroyed() {
  return destroyed;
}

void releaseDestroyedWindow() {
  if (!destroyed || !watchedDisplay) return;
  XEvent unmap{};
  unmap.xunmap.type = UnmapNotify;
  unmap.xunmap.display = watchedDisplay;
  unmap.xunmap.event = watched;
  unmap.xunmap.window = watched;
  XPutBackEvent(watchedDisplay, &unmap);
}

}  // namespace lesson
