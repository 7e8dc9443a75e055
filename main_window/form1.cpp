#include "form1.h"

#include "common/colour_label.h"
#include "common/fonts.h"
#include "common/line_field.h"
#include "common/picture_box.h"
#include "common/push_button.h"
#include "decoration.h"
#include "form1_layout.h"
#include "name_composer.h"
#include "palette/palette.h"
#include "program.h"
#include "result_window/preview_refresh.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace Form1Layout;

namespace {

QFont rowFont()
{
    return Fonts::lucidaConsole(8.25);
}

const QStringList &listLabels()
{
    static const QStringList labels = [] {
        QStringList result;
        for (const PaletteEntry &entry : Palette)
            result.append(entry.ListLabel);
        return result;
    }();
    return labels;
}

// The sizes a window icon is shown in. The larger ones, for launchers, are installed with the
// program instead: decoding them here would slow every start.
QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64})
        icon.addPixmap(readPicture(u":/prismark/icon_%1.png"_s.arg(side)));
    return icon;
}

QString partToolTip(int row)
{
    switch (row) {
    case 0:
        return u"example: XYZ (for clan name)"_s;
    case 1:
        return u"example: YourNameHere (for your name)"_s;
    case 2:
        return u"leave blank if you don't need the rest of the fields"_s;
    default:
        return {};
    }
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Soldier of Fortune 2 Double Helix - Prismark"_s);
    setWindowIcon(programIcon());
    resize(toPixels(ClientArea));
    // The rows' face is the window's own, which its rows, captions and credits take as they are
    // made; the buttons keep the interface face.
    setFont(rowFont());
    takeTheBackColour();
    setAutoFillBackground(true);

    // Children are created back to front: each one is stacked in front of those before it.
    Decoration::addBackPictures(this);
    createRowLabels();
    Decoration::addLegend(this);
    Decoration::addFrontDecoration(this);
    createRows();
    nameRowsForScreenReaders();
    createButtons();
    chainTabOrder();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(1);
    // One tick per start: a refresh that fails must not fail again under its own error report.
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    Form_Load();

    // Typing straight away replaces the prompt, as after tabbing into the list.
    m_rows[0].colour->setFocus(Qt::TabFocusReason);
    m_rows[0].colour->lineEdit()->selectAll();
}

void Form1::createRowLabels()
{
    for (int row = 0; row < PartCount; ++row)
        m_textCaptions[row] = addColourLabel(this, u"Label%1"_s.arg(row + 1),
                                             u"part%1"_s.arg(row + 1), rowFont(), partCaption(row));
    for (int row = 0; row < PartCount; ++row)
        m_colourCaptions[row] = addColourLabel(this, u"Label%1"_s.arg(row + 11), u"color"_s,
                                               rowFont(), colourCaption(row));
}

// Screen readers name a control by its accessible name (Windows) or by the label it is
// labelled by (Linux, which names an editable list by its text); the captions alone ("part1",
// "color") would not tell the rows apart.
void Form1::nameRowsForScreenReaders()
{
    for (int row = 0; row < PartCount; ++row) {
        const auto name = [row](const QString &what) {
            return u"part %1 %2"_s.arg(row + 1).arg(what);
        };
        m_textCaptions[row]->setBuddy(m_rows[row].text);
        m_textCaptions[row]->setAccessibleName(name(u"text"_s));
        m_rows[row].text->setAccessibleName(name(u"text"_s));
        m_colourCaptions[row]->setBuddy(m_rows[row].colour);
        m_colourCaptions[row]->setAccessibleName(name(u"colour"_s));
        m_rows[row].colour->setAccessibleName(name(u"colour"_s));
        // The focus lands in the list's own field, which Windows names by itself.
        m_rows[row].colour->lineEdit()->setAccessibleName(name(u"colour"_s));
    }
}

void Form1::createRows()
{
    for (int row = 0; row < PartCount; ++row) {
        auto *list = new QComboBox(this);
        list->setObjectName(u"Combo%1"_s.arg(row + 1));
        list->setEditable(true);
        // The list's text is exactly what the user picked or typed: no completion (a Qt built
        // without it has none to switch off), and no typed text added to the list on Enter.
#if QT_CONFIG(completer)
        list->setCompleter(nullptr);
#endif
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setEditText(ColourPrompt);
        list->setGeometry(toPixels(colourList(row)));
        m_rows[row].colour = list;
    }
    for (int row = 0; row < PartCount; ++row) {
        auto *field = new LineField(this);
        field->setObjectName(u"Text%1"_s.arg(row + 1));
        field->setToolTip(partToolTip(row));
        field->setGeometry(toPixels(partText(row)));
        m_rows[row].text = field;
    }
}

void Form1::createButtons()
{
    Command1 = addPushButton(this, u"Command1"_s, u"create name"_s, CreateNameButton);
    Command2 = addPushButton(this, u"Command2"_s, u"bye"_s, ByeButton);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::chainTabOrder()
{
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const PartRow &row : m_rows)
        chain(row.colour);
    for (const PartRow &row : m_rows)
        chain(row.text);
    chain(Command1);
    chain(Command2);
}

void Form1::Form_Load()
{
    for (const PartRow &row : m_rows) {
        row.colour->addItems(listLabels());
        // Appending to an empty list selects its first entry; the prompt stays instead.
        row.colour->setCurrentIndex(-1);
        row.colour->setEditText(ColourPrompt);
    }
}

void Form1::Command1_Click()
{
    ComposeName(m_rows, *Timer1);
}

void Form1::Command2_Click()
{
    Timer1->stop();
    EndProgram();
}

// The white back colour is the main window's class's, not the window's own: a window's own colours
// become a separate copy in each of its controls, and then Fusion draws each colour list anew
// instead of once for all ten. A change of the system's colours drops the class's colours; the
// window then takes them again.
void Form1::takeTheBackColour()
{
    QPalette white = QGuiApplication::palette();
    white.setColor(QPalette::Window, toQColor(White));
    if (QApplication::palette(this) != white)
        QApplication::setPalette(white, metaObject()->className());
}

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        takeTheBackColour();
    return QWidget::event(event);
}

// A refresh still pending is dropped with the window, also where closing the window handles
// timer events before the window is gone (Windows).
void Form1::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    QWidget::closeEvent(event);
}

void Form1::Timer1_Timer()
{
    RefreshPreview(m_rows, *Timer1);
}
