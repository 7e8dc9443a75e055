#include "preview_refresh.h"

#include "common/colour_label.h"
#include "form2.h"
#include "palette/palette.h"
#include "result_window_instance.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

// "red" for "01 red".
QString colourWord(const PaletteEntry &entry)
{
    return QString(entry.ListLabel).section(u' ', 1);
}

} // namespace

void RefreshPreview(const PartRows &rows, QTimer &previewTimer)
{
    Form2 *window = GetResultWindow();

    QString caption;
    for (int k = 1; k <= PartCount; ++k) {
        caption += rows[k - 1].text->text();
        window->previewLabel(k)->setText(caption);
    }

    QStringList parts; // what a screen reader says of the preview
    for (int k = 1; k <= PartCount; ++k) {
        const QString listText = rows[k - 1].colour->currentText();
        ColourLabel *label = window->previewLabel(k);
        bool named = true;
        if (const PaletteEntry *entry = FindPaletteEntry(listText)) {
            label->setForeColour(entry->PreviewColour);
            label->setColourWord(colourWord(*entry));
        } else if (IsNoColourChoice(listText)) {
            const ColourLabel *before = k == 1 ? nullptr : window->previewLabel(k - 1);
            label->setForeColour(before ? before->foreColour() : White);
            label->setColourWord(before ? before->colourWord() : QStringLiteral("white"));
        } else {
            named = false;
        }
        const QString text = rows[k - 1].text->text();
        if (text.isEmpty())
            continue;
        parts << (named ? QStringLiteral("%1 in %2").arg(text, label->colourWord())
                        : QStringLiteral("%1 in %2, as \"%3\" names no colour")
                              .arg(text, label->colourWord(), listText));
    }
    window->previewLabel(1)->setAccessibleDescription(parts.isEmpty() ? QStringLiteral("empty")
                                                                      : parts.join(u", "));

    previewTimer.stop();
}
