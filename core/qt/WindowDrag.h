#pragma once
// Dragging a borderless window by one of its widgets (usually the background panel).
// A left-button press asks the window system to move the window
// (QWindow::startSystemMove); when it refuses, the window follows the mouse by the
// delta from the press until release. Other buttons do nothing.
class QMouseEvent;
class QWidget;

namespace velomira {

// Makes presses on handle drag handle->window() from now on.
void EnableWindowDrag(QWidget* handle);
// For a handler that already has the press: starts the drag of handle's window;
// true when a drag started (left button only).
bool BeginWindowDrag(QWidget* handle, QMouseEvent* press);

}  // namespace velomira
