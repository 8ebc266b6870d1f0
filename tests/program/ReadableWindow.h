#pragma once

class QWidget;

// Every visible label, button, option, check box, frame caption, number box and
// status panel of the window is at least as large as its text needs in its own
// font (within the style's margins), lies inside what holds it, and draws over
// none of its siblings; a word-wrapped text breaks only between words, and a
// read-only text box shows its whole text without scrolling. A part of the window
// that can scroll shows all of its controls without scrolling, unless the
// window is allowed to scroll there.
enum class Scrolling { None, Allowed };
void ExpectReadable(QWidget* window, Scrolling scrolling = Scrolling::None);
