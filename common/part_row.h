#pragma once

#include <array>

class QComboBox;
class QLineEdit;

// One part of the name on the main window: its text field and its colour list. The controls
// hold the state; whoever needs a row reads them when it runs.
struct PartRow
{
    QLineEdit *text;
    QComboBox *colour;
};

inline constexpr int PartCount = 10;
using PartRows = std::array<PartRow, PartCount>;
