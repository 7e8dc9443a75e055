#pragma once

class QString;
class QWidget;

// Tells Windows' screen readers `text` at once, as a UI Automation notification of `window` that
// an action completed: a line that changes beside the focus is not read out otherwise, and Qt
// raises no such notification. Where the system has none to raise (before Windows 10, or under
// an older Wine), nothing happens.
void notifyScreenReaders(QWidget *window, const QString &text);
