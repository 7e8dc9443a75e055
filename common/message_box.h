#pragma once

#include <QString>

class QWidget;

// The program's messages: modal, with a single OK button (but for a question), and a text that the
// user can select with the mouse and copy (a click into it, Ctrl+A, Ctrl+C). Each returns when the
// user has dismissed the message.

// An error report naming the failure.
void ShowErrorReport(const QString &message, QWidget *parent = nullptr);

// A plain notice, not an error.
void ShowNotice(const QString &message, QWidget *parent = nullptr);

// A question with Yes and No buttons, where No is the default and Esc answers No too; true for
// Yes.
bool AskYesOrNo(const QString &message, QWidget *parent = nullptr);
