#include "error_report.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

void ShowErrorReport(const QString &message, QWidget *parent)
{
    QMessageBox box(QMessageBox::Critical, u"Prismark"_s, message, QMessageBox::Ok, parent);
    box.setObjectName(u"ErrorReport"_s);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
