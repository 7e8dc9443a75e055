#include "picture_box.h"

#include "twips.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

QPixmap readPicture(const QString &pictureFile)
{
    QImageReader reader(pictureFile, QFileInfo(pictureFile).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The picture and, on a dense screen, its "@2x" file, as QIcon(pictureFile) would hold them.
PictureBox::PictureBox(const QString &pictureFile, QWidget *parent) : QWidget(parent)
{
    const QPixmap picture = readPicture(pictureFile);
    m_naturalSize = picture.size();
    m_picture.addPixmap(picture);
    if (qGuiApp->devicePixelRatio() > 1) {
        QString sharp = pictureFile;
        sharp.insert(sharp.lastIndexOf(u'.'), u"@2x"_s);
        if (QFile::exists(sharp))
            m_picture.addPixmap(readPicture(sharp));
    }
    // Not opaque: at a fractional scale the box's last screen pixel may be only partly its own,
    // and what lies behind it must paint that pixel.
}

PictureBox::PictureBox(ColourValue fill, QWidget *parent) : QWidget(parent), m_fill(fill)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(event->rect(), toQColor(m_fill));
    else
        painter.drawPixmap(rect(), m_picture.pixmap(m_naturalSize, devicePixelRatioF()));
}

namespace {

PictureBox *place(PictureBox *picture, const QString &name, const TwipRect &where)
{
    picture->setObjectName(name);
    picture->setGeometry(toPixels(where));
    return picture;
}

} // namespace

PictureBox *addPicture(QWidget *form, const QString &name, const QString &pictureFile,
                       const TwipRect &where)
{
    return place(new PictureBox(pictureFile, form), name, where);
}

PictureBox *addPicture(QWidget *form, const QString &name, ColourValue fill, const TwipRect &where)
{
    return place(new PictureBox(fill, form), name, where);
}
