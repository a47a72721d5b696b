#pragma once

// Qt ends a program that finds no display with a message about reinstalling it. While the
// application connects to the display, that end is replaced by a Romanian message saying the
// program needs a graphical desktop, and exit status 1.
namespace NoDisplayMessage {
void install();
void remove();
} // namespace NoDisplayMessage
