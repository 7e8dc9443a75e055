#include "message_box.h"

#include "push_button.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

void showMessage(QMessageBox::Icon icon, const QString &objectName, const QString &message,
                 QWidget *parent)
{
    QMessageBox box(icon, u"Prismark"_s, message, QMessageBox::Ok, parent);
    box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Windows' visual styles paint the button's face from their theme (light), while its caption
    // takes the system's button-text colour, which a dark scheme makes white: the program's own
    // button face reads on any scheme.
    useHighlightFace(box.button(QMessageBox::Ok));
    box.exec();
}

} // namespace

void ShowErrorReport(const QString &message, QWidget *parent)
{
    showMessage(QMessageBox::Critical, u"ErrorReport"_s, message, parent);
}

void ShowNotice(const QString &message, QWidget *parent)
{
    showMessage(QMessageBox::Information, u"Notice"_s, message, parent);
}
