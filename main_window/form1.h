#pragma once

#include "common/part_row.h"

#include <QWidget>

class ColourLabel;
class QPushButton;
class QTimer;

// The main window: ten part rows, "create name", "bye", the legend and the one-shot timer
// that refreshes the preview once a name has been composed.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    const PartRows &partRows() const { return m_rows; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void takeTheBackColour();
    void createRowLabels();
    void createRows();
    void nameRowsForScreenReaders();
    void createButtons();
    void chainTabOrder();

    // The handlers, named after their control and event.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();

    PartRows m_rows{};
    std::array<ColourLabel *, PartCount> m_textCaptions{};
    std::array<ColourLabel *, PartCount> m_colourCaptions{};
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QTimer *Timer1 = nullptr;
};
