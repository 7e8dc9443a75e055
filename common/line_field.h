#pragma once

#include <QLineEdit>

// A single-line text field that never holds a line break: a CR, an LF or the pair CR LF that is
// typed, pasted, dropped or set becomes one blank, and the rest of the text is kept.
class LineField : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineField(QWidget *parent = nullptr);
};
