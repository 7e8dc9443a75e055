#pragma once

class QWidget;

// Places a top-level window so that its whole frame, title bar included, is centred on the
// available area of the primary screen. Where the frame is known only once a window manager has
// framed the shown window (X11), the window is centred again as soon as it is.
void centreOnScreen(QWidget *window);
