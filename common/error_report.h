#pragma once

#include <QString>

class QWidget;

// The program's error report: a modal message naming the failure, with a single OK button.
// Returns when the user has dismissed it.
void ShowErrorReport(const QString &message, QWidget *parent = nullptr);
