// Xlib's handling of protocol errors, for the window's X11 connection.
#pragma once

namespace lesson {

// Installs, before SDL opens its X11 connections, an error handler that
// ignores one error: an event sent to a window that no longer exists. SDL2
// wakes its own event wait by sending an event to the window over a second
// connection; one still on its way when the window is destroyed at the end
// fails, and Xlib's default handler would end the program with status 1.
// Every other error goes on to the handler that was in force before.
void ignoreEventsSentToClosedWindows();

}  // namespace lesson
