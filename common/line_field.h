#pragma once

#include <QLineEdit>

// A single-line text field that never holds a line break: a CR, an LF or the pair CR LF that is
// typed, pasted, dropped or set becomes one blank, and the rest of the text is kept. It sets no
// length limit of its own (QLineEdit cuts text at 32767 characters by default).
class LineField : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineField(QWidget *parent = nullptr);
};
