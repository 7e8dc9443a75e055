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
#include "game_colour_line.h"
#include "game_name/console_line.h"
#include "lost_characters_notice.h"
#include "name_file/ansi_encoding.h"
#include "name_file/clock.h"
#include "name_file/name_file.h"
#include "name_file/name_file_path.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

#ifdef Q_OS_WIN
#include "common/screen_reader_notice.h"
#endif

using namespace Qt::StringLiterals;
using namespace Form2Layout;

namespace {

// The preview draws its glyphs without smoothing: a smoothed edge of a label in front would let
// the same glyph of the labels behind it show through, in their colours. The game's colours are
// drawn so too, each glyph wholly in its colour.
QFont crispFont(qreal points, QFont::Weight weight = QFont::Normal)
{
    QFont font = Fonts::lucidaConsole(points, weight);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The game check reads at more than 9:1 on the background picture; the hint's red would not.
constexpr ColourValue GameCheckColour = rgbValue(255, 204, 102);

// What the player types in the game's console to run the name file `path`. The console's exec
// adds ".cfg" to a name without a suffix, and reads words as the console does: a name with
// blanks, or with letters beyond ASCII, goes in quotes.
QString execCommand(const QString &path)
{
    const QFileInfo file(path);
    const QString name = file.suffix().compare(u"cfg"_s, Qt::CaseInsensitive) == 0
                             ? file.completeBaseName()
                             : file.fileName();
    const bool plain = std::all_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() > u' ' && c.unicode() < 0x80 && c != u';';
    });
    return u"exec "_s + (plain ? name : u'"' + name + u'"');
}

// What writing the name file at `path` did, and what the player does next.
QString written(const QString &path, const std::optional<GameFolder::Found> &game)
{
    if (QFileInfo(path).suffix().isEmpty())
        return u"written, but exec needs a name that ends in .cfg"_s;
    if (game && GameFolder::gameReads(*game, path))
        return u"written: in the game's console, type: %1"_s.arg(execCommand(path));
    return u"written: copy it to base\\mp, then type: %1"_s.arg(execCommand(path));
}

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
    ColourLabel *hint =
        addColourLabel(this, u"Label2"_s, u"dont forget the   seta name \"\""_s, hintFont, Hint);
    hint->setForeColour(0x000000FF);
    const QFont layerFont = crispFont(12, QFont::Bold);
    for (int layer = PreviewLayers; layer >= 1; --layer)
        m_preview[layer - 1] = addColourLabel(this, u"X%1"_s.arg(layer), {}, layerFont, Preview);
    // One element for screen readers: the front label, which tells the name and its colours.
    m_preview[0]->setAccessibleName(u"name preview"_s);
    for (int layer = 2; layer <= PreviewLayers; ++layer)
        m_preview[layer - 1]->hideFromScreenReaders();
    // Right after the preview, so that a screen reader comes to it next.
    m_gameCheck = addColourLabel(this, u"Label4"_s, {}, hintFont, GameCheckLine);
    m_gameCheck->setForeColour(GameCheckColour);
    m_gameColours = new GameColourLine(this);
    m_gameColours->setObjectName(u"Label5"_s);
    m_gameColours->setFont(crispFont(8.25));
    m_gameColours->setGeometry(toPixels(GameColoursLine));
    m_gameColours->setForeColour(GameCheckColour);
    addColourLabel(this, u"Label3"_s, u"your name looks like:"_s, captionFont, LooksLikeCaption);

    Text1 = new LineField(this);
    Text1->setObjectName(u"Text1"_s);
    Text1->setFont(captionFont);
    Text1->setGeometry(toPixels(ResultField));
    Text1->setAccessibleName(u"name string"_s);
    connect(Text1, &QLineEdit::textChanged, this, &Form2::showGameCheck);
    showGameCheck(Text1->text());

    m_game = GameFolder::findGame(GameFolder::thisMachine());
    const NameFilePlace place = ChooseNameFilePlace(LastNameFile(), m_game);
    path = new LineField(this);
    path->setObjectName(u"path"_s);
    path->setText(place.path);
    path->setToolTip(place.origin); // until the path changes
    path->setGeometry(toPixels(PathField));
    path->setAccessibleName(u"name file path"_s);
    addFileChooser();
    letTheHintWrap(hint);

    Command1 = addPushButton(this, u"Command1"_s, u"copy into file:"_s, CopyButton);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    // Last, so that a screen reader comes to it after the button.
    m_status = addColourLabel(this, u"Label6"_s, {}, hintFont, StatusLine);
    m_status->setForeColour(GameCheckColour);
    // It tells of the name and the path as they were: a change to either clears it.
    const auto clearStatus = [this] {
        m_status->clear();
        m_status->setToolTip({});
    };
    connect(Text1, &QLineEdit::textChanged, m_status, clearStatus);
    connect(path, &QLineEdit::textChanged, m_status, clearStatus);
    connect(path, &QLineEdit::textChanged, path, [this] { path->setToolTip({}); });

    setTabOrder(Text1, path);
    setTabOrder(path, Command1);
    Text1->setFocus();
}

void Form2::Command1_Click()
{
    const QString filePath = path->text();
    const QString file = PathAsGiven(filePath);
    if (ReplacesOtherThanANameFile(filePath) &&
        !AskYesOrNo(u"%1\n\nis not a Prismark name file: it may be the game's own configuration "
                    u"or another program's file. Replace it with the name file?"_s.arg(file),
                    this))
        return;
    const NameFileResult result = WriteNameFile(filePath, Text1->text(), *m_clock);
    if (!result.written) {
        ShowErrorReport(u"The name file could not be written.\n\nPath: %1\nReason: %2"_s.arg(
                            filePath, result.failure),
                        this);
        return;
    }
    KeepLastNameFile(file);
    tell(written(file, m_game));
    if (!result.lost.isEmpty())
        ShowNotice(LostCharactersNotice(result.lost), this);
}

void Form2::showGameCheck(const QString &field)
{
    const GameCheck check = CheckNameForTheGame(field);
    m_gameCheck->setText(check.line); // also its name for screen readers
    m_gameCheck->setToolTip(check.details);
    m_gameCheck->setAccessibleDescription(check.details);
    m_gameColours->showRuns(check.shown);
}

// A folder button at the path field's right end, and F4 in the field, open the save dialog.
void Form2::addFileChooser()
{
    const QString key = QKeySequence(Qt::Key_F4).toString(QKeySequence::NativeText);
    QAction *choose =
        path->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    connect(choose, &QAction::triggered, this, &Form2::chooseNameFile);
    new QShortcut(Qt::Key_F4, path, this, &Form2::chooseNameFile, Qt::WidgetShortcut);
    const QList<QObject *> shownBy = choose->associatedObjects();
    for (QObject *object : shownBy) {
        if (auto *button = qobject_cast<QToolButton *>(object)) {
            button->setObjectName(u"ChooseFile"_s);
            button->setAccessibleName(u"choose the name file (%1)"_s.arg(key));
            button->setToolTip(
                u"Choose the name file in a dialog (%1 in the path field)"_s.arg(key));
        }
    }
}

// A click on the hint, or its key anywhere in the window, does what the hint asks.
void Form2::letTheHintWrap(ColourLabel *hint)
{
    const QKeySequence key(Qt::ALT | Qt::Key_S);
    const QString wraps =
        u"Click, or press %1, to wrap the name string into seta name \"…\", the game's command "
        u"that sets the name."_s.arg(key.toString(QKeySequence::NativeText));
    hint->setCursor(Qt::PointingHandCursor);
    hint->setToolTip(wraps);
    // Screen readers on Windows read a label by its name alone.
    hint->setAccessibleName(hint->text() +
                            u" (%1 wraps the name)"_s.arg(key.toString(QKeySequence::NativeText)));
    hint->setAccessibleDescription(wraps);
    connect(hint, &ColourLabel::clicked, this, &Form2::wrapIntoSetaName);
    new QShortcut(key, this, this, &Form2::wrapIntoSetaName);
}

// One edit of the field, which Ctrl+Z takes back: setText() would clear the field's undo history.
// A command already, an empty field or a double quote, which would end the quotes, stay as they
// are; the game check says why.
void Form2::wrapIntoSetaName()
{
    const QString field = Text1->text();
    if (!GameName::canBeWrapped(toAnsi(field).bytes))
        return;
    Text1->selectAll();
    Text1->insert(u"seta name \""_s + field + u'"');
    tell(u"wrapped into seta name \"…\": Ctrl+Z takes it back"_s);
}

// Writing asks before it replaces a file that is no name file, and a name file is replaced
// without a question: the dialog does not ask as well. The game's exec looks for ".cfg", which a
// name without a suffix gets.
void Form2::chooseNameFile()
{
    const QString typed = PathAsGiven(path->text());
    const QString start =
        QDir(FolderToChooseIn(typed, m_game)).filePath(QFileInfo(typed).fileName());
    QString chosen = QFileDialog::getSaveFileName(this, u"Name file"_s, start,
                                                  u"Name files (*.cfg);;All files (*)"_s, nullptr,
                                                  QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += u".cfg"_s;
    path->setText(QDir::toNativeSeparators(chosen));
}

// The status line's text is its name for screen readers, and its tool tip where it is too long
// to show whole; it is told to them as soon as it changes.
void Form2::tell(const QString &status)
{
    m_status->setText(status);
    m_status->setToolTip(status);
#ifdef Q_OS_WIN
    notifyScreenReaders(this, status);
#endif
}
