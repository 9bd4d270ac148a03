#pragma once
#include <functional>

class QWidget;

// Runs `then` once, right after `window` is first painted and its pixels have
// reached the screen: for work the first sight of the window need not wait for.
// Watches started later on the same window run first.
void after_first_paint(QWidget& window, std::function<void()> then);

// For the start-up benchmark: when CUERDALOKKK_FIRST_PAINT names a file, the
// moment `window` is first painted (wall clock, microseconds since the epoch)
// is appended to it; when CUERDALOKKK_EXIT_AFTER_FIRST_PAINT is set too, the
// process ends right there, so an instruction count covers start-up alone.
// Without the variables nothing is watched.
void note_first_paint_when_asked(QWidget& window);
