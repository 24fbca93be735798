// Kept apart from the window code: the Xlib headers define many short macros.
#include "framework/platform/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace lesson {

namespace {

XErrorHandler previousHandler = nullptr;

int handleError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void ignoreEventsSentToClosedWindows() {
  if (previousHandler) return;
  previousHandler = XSetErrorHandler(handleError);
}

}  // namespace lesson
