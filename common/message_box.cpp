#include "message_box.h"

#include "push_button.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

int showMessage(QMessageBox::Icon icon, const QString &objectName, const QString &message,
                QWidget *parent, QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox box(icon, u"Prismark"_s, message, buttons, parent);
    box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Windows' visual styles paint the buttons' faces from their theme (light), while their
    // captions take the system's button-text colour, which a dark scheme makes white: the
    // program's own button face reads on any scheme.
    const QList<QAbstractButton *> all = box.buttons();
    for (QAbstractButton *button : all)
        useHighlightFace(button);
    if (buttons & QMessageBox::No) {
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    return box.exec();
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

bool AskYesOrNo(const QString &message, QWidget *parent)
{
    return showMessage(QMessageBox::Question, u"Question"_s, message, parent,
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
