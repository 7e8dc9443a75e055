#pragma once

#include "game_folder/game_folder.h"

#include <QWidget>

#include <array>
#include <optional>

class Clock;
class ColourLabel;
class GameColourLine;
class LineField;
class QPushButton;

// The result window: the name string in an editable field, the hint that wraps it into the
// game's seta name command, the layered colour preview, the check of what the game keeps of the
// name and the colours it shows it in, the path and button that write the name file, and a line
// that tells what writing or the wrap did.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    static constexpr int PreviewLayers = 10;

    LineField *resultField() const { return Text1; }
    LineField *pathField() const { return path; }
    // Preview label X`layer`, 1 to 10; X1 lies in front.
    ColourLabel *previewLabel(int layer) const { return m_preview.at(layer - 1); }

    // The clock the name file's time stamp reads; the system clock unless replaced.
    void setClock(const Clock &clock) { m_clock = &clock; }

private:
    void Command1_Click();
    void showGameCheck(const QString &field);
    void addFileChooser();
    void letTheHintWrap(ColourLabel *hint);
    void wrapIntoSetaName();
    void chooseNameFile();
    void tell(const QString &status);

    LineField *Text1 = nullptr;
    LineField *path = nullptr;
    QPushButton *Command1 = nullptr;
    std::array<ColourLabel *, PreviewLayers> m_preview{};
    ColourLabel *m_gameCheck = nullptr;
    GameColourLine *m_gameColours = nullptr;
    ColourLabel *m_status = nullptr;
    std::optional<GameFolder::Found> m_game; // where the game reads the name file, if found
    const Clock *m_clock;
};
