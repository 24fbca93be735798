// Xlib's handling of protocol errors, and the end of the window, for the
// window's X11 connections.
#pragma once

struct SDL_SysWMmsg;
struct SDL_Window;

namespace lesson {

// Installs, before SDL opens its X11 connections, an error handler that
// ignores two kinds of error: an event sent to a window that no longer exists
// (SDL2 wakes its own event wait by sending an event to the window over a
// second connection; one still on its way when the window is destroyed at the
// end fails), and any request on the watched window once another program has
// destroyed it. Xlib's default handler would end the program with status 1;
// every other error goes on to the handler that was in force before.
void ignoreEventsSentToClosedWindows();

// Watches the window: from now on its destruction by another program, seen
// in a window-system event or in an error on a request that names it, is
// noted. Nothing happens for a window that is not an X11 one.
void watchWindow(SDL_Window* window);

// Takes one window-system event (SDL_SYSWMEVENT).
void noteWindowSystemEvent(const SDL_SysWMmsg* message);

// True once the watched window has been destroyed from outside.
bool watchedWindowDestroyed();

// Before SDL destroys the watched window when it was already destroyed from
// outside: SDL hides a window it thinks is shown and waits for the unmap
// event, which a window that is gone may never send; one is queued for it, so
// the wait ends at once.
void releaseDestroyedWindow();

}  // namespace lesson
