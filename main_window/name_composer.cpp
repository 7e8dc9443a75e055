#include "name_composer.h"

#include "common/line_field.h"
#include "palette/palette.h"
#include "result_window/form2.h"
#include "result_window/result_window_instance.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

QString NameString(const PartRows &rows)
{
    QString name;
    for (const PartRow &row : rows) {
        if (const PaletteEntry *entry = FindPaletteEntry(row.colour->currentText()))
            name += entry->Code;
        name += row.text->text();
    }
    return name;
}

void ComposeName(const PartRows &rows, QTimer &previewTimer)
{
    previewTimer.start();
    Form2 *window = GetResultWindow();
    // Where the player looks next and types next: restored where it was minimised, in front,
    // with the keyboard.
    window->showNormal();
    window->raise();
    window->activateWindow();
    // The field takes the finished name in one step: setting a long text lays it out anew,
    // so building it up piece by piece in the field would cost that many layouts.
    window->resultField()->setText(NameString(rows));
}
