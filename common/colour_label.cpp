#include "colour_label.h"

#include "twips.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The leading part of `text` that reaches the right edge. A caption may be far longer than the
// label shows; laying out only this part keeps painting cheap, whatever the caption's length. A
// caption of one chunk or less is drawn whole, without measuring it first.
QStringView visiblePart(QStringView text, const QFontMetrics &metrics, int width)
{
    constexpr qsizetype Chunk = 256;
    if (text.size() <= Chunk)
        return text;
    qsizetype length = 0;
    while (length < text.size()) {
        length = std::min(text.size(), length + Chunk);
        if (length < text.size() && text[length].isLowSurrogate())
            ++length;
        if (metrics.horizontalAdvance(text.first(length).toString()) > width)
            break;
    }
    return text.first(length);
}

class HiddenLabel : public QAccessibleWidget
{
public:
    explicit HiddenLabel(QWidget *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface *hiddenLabels(const QString &, QObject *object)
{
    auto *label = qobject_cast<ColourLabel *>(object);
    return label && label->hiddenFromScreenReaders() ? new HiddenLabel(label) : nullptr;
}

} // namespace

ColourLabel::ColourLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
}

void ColourLabel::setForeColour(ColourValue value)
{
    if (m_foreColour == value)
        return;
    m_foreColour = value;
    update();
}

void ColourLabel::paintEvent(QPaintEvent *)
{
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(toQColor(m_foreColour));
    // One line from the top-left corner; the painter clips it at the label's edges.
    const QFontMetrics metrics = fontMetrics();
    painter.drawText(QPoint(0, metrics.ascent()), visiblePart(text(), metrics, width()).toString());
}

void ColourLabel::hideFromScreenReaders()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(hiddenLabels);
        return true;
    }();
    m_hiddenFromScreenReaders = true;
}

void ColourLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ColourLabel *addColourLabel(QWidget *form, const QString &name, const QString &caption,
                            const QFont &font, const TwipRect &where)
{
    auto *label = new ColourLabel(form);
    label->setObjectName(name);
    label->setFont(font);
    label->setText(caption);
    label->setGeometry(toPixels(where));
    return label;
}
