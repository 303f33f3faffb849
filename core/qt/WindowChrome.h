#pragma once
// Look and motion shared by the windows.
#include <QImage>
#include <QRegion>
#include <QRgb>
#include <string>

class QWidget;

namespace velomira {

class THoverImage;
class TImage;

// Loads State().ButtonDir + normal into the shown and the normal picture, + hover into
// the hover picture and + down into the pressed picture. Missing pictures stay empty.
void LoadButtonPictures(THoverImage* image, const std::string& normal,
                        const std::string& hover, const std::string& down);

// Swaps toPanel into the main window in place of fromPanel (the main window is
// fromPanel's window, the frame its parent widget). Plays the main sound, closes the
// window as a shrinking trapezoid (window masks; 25 px down and 50 px lower per step),
// exchanges the panels, opens it again in 50 px steps moving up 25 px each, then gives
// the window back its remembered top and height with the mask cleared, makes toPanel
// fill it, sets State().PanelSwapDone and stops the sound. fromPanel ends up hidden
// inside the main window (reparented there: a guide window that swaps its own panel
// back must delete that panel itself when it closes). Blocks for the animation.
void SwapMainPanel(QWidget* fromPanel, QWidget* toPanel);
// The window shape of closing step (1, 2, ...) at the given height: one-pixel rows
// 0 .. height - 50 forming a trapezoid whose top edge is inset 5 x step on each side.
QRegion SwapClosingShape(int width, int height, int step);

// The colour of the tint table: index 1 = (13, 13, 89); other indices leave the
// picture untinted.
bool TintColor(int colorIndex, QRgb& color);
// new = (tint * 70 + old * 30) / 100 per channel, integer division; 24-bit result.
QImage TintImage(const QImage& source, int colorIndex);
// Fills target with the screen area (left, top, width x height), tinted, so a pop-up
// looks like dark glass over what lies behind it. Where the screen cannot be captured
// (no screen, offscreen, Wayland) the same mix is laid over a flat black fill.
void TintScreenArea(int colorIndex, int width, int height, TImage* target, int top, int left);
// The capture (or the black fill) before tinting; exposed for tests.
QImage CaptureScreenArea(int left, int top, int width, int height);

// The object name of the control under the global screen point (core text), or empty.
std::string ControlNameAt(int x, int y);

}  // namespace velomira
