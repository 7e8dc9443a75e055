#include "form2.h"

#include "common/colour_label.h"
#include "common/fonts.h"
#include "common/line_field.h"
#include "common/line_widget.h"
#include "common/message_box.h"
#include "common/picture_box.h"
#include "common/push_button.h"
#include "common/window_placement.h"
#include "form2_layout.h"
#include "game_check.h"
#include "lost_characters_notice.h"
#include "name_file/clock.h"
#include "name_file/name_file.h"

#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace Form2Layout;

namespace {

// The preview draws its glyphs without smoothing: a smoothed edge of a label in front would let
// the same glyph of the labels behind it show through, in their colours.
QFont previewFont()
{
    QFont font = Fonts::lucidaConsole(12, QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The game check reads at more than 9:1 on the background picture; the hint's red would not.
constexpr ColourValue GameCheckColour = rgbValue(255, 204, 102);

} // namespace

Form2::Form2(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_clock(&systemClock())
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Soldier of Fortune Double Helix - Prismark"_s);
    setFixedSize(toPixels(ClientArea));
    // Tool windows do not keep the program running by default; this one does while it is open.
    setAttribute(Qt::WA_QuitOnClose, true);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    centreOnScreen(this);

    // Children are created back to front: each one is stacked in front of those before it.
    addPicture(this, u"Image2"_s, BackgroundPictureColour, BackgroundPicture);

    const QFont captionFont = Fonts::lucidaConsole(9.75);
    const QFont hintFont = Fonts::lucidaConsole(8.25);
    addColourLabel(this, u"Label1"_s, u"this is your name:"_s, captionFont, NameCaption);
    addLine(this, u"Line1"_s, Separator);
    addColourLabel(this, u"Label2"_s, u"dont forget the   seta name \"\""_s, hintFont, Hint)
        ->setForeColour(0x000000FF);
    const QFont layerFont = previewFont();
    for (int layer = PreviewLayers; layer >= 1; --layer)
        m_preview[layer - 1] = addColourLabel(this, u"X%1"_s.arg(layer), {}, layerFont, Preview);
    m_preview[0]->setAccessibleName(u"name preview"_s);
    // Right after the preview, so that a screen reader comes to it next.
    m_gameCheck = addColourLabel(this, u"Label4"_s, {}, hintFont, GameCheckLine);
    m_gameCheck->setForeColour(GameCheckColour);
    addColourLabel(this, u"Label3"_s, u"your name looks like:"_s, captionFont, LooksLikeCaption);

    Text1 = new LineField(this);
    Text1->setObjectName(u"Text1"_s);
    Text1->setFont(captionFont);
    Text1->setGeometry(toPixels(ResultField));
    Text1->setAccessibleName(u"name string"_s);
    connect(Text1, &QLineEdit::textChanged, this, &Form2::showGameCheck);
    showGameCheck(Text1->text());

    path = new LineField(this);
    path->setObjectName(u"path"_s);
    path->setText(u"C:\\prismark.cfg"_s);
    path->setGeometry(toPixels(PathField));
    path->setAccessibleName(u"name file path"_s);

    Command1 = addPushButton(this, u"Command1"_s, u"copy into file:"_s, CopyButton);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    setTabOrder(Text1, path);
    setTabOrder(path, Command1);
    Text1->setFocus();
}

void Form2::Command1_Click()
{
    const QString filePath = path->text();
    const NameFileResult result = WriteNameFile(filePath, Text1->text(), *m_clock);
    if (!result.written)
        ShowErrorReport(u"The name file could not be written.\n\nPath: %1\nReason: %2"_s.arg(
                            filePath, result.failure),
                        this);
    else if (!result.lost.isEmpty())
        ShowNotice(LostCharactersNotice(result.lost), this);
}

void Form2::showGameCheck(const QString &field)
{
    const GameCheck check = CheckNameForTheGame(field);
    m_gameCheck->setText(check.line); // also its name for screen readers
    m_gameCheck->setToolTip(check.details);
    m_gameCheck->setAccessibleDescription(check.details);
}
