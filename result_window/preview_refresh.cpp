#include "preview_refresh.h"

#include "common/colour_label.h"
#include "form2.h"
#include "palette/palette.h"
#include "result_window_instance.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

void RefreshPreview(const PartRows &rows, QTimer &previewTimer)
{
    Form2 *window = GetResultWindow();

    QString caption;
    for (int k = 1; k <= PartCount; ++k) {
        caption += rows[k - 1].text->text();
        window->previewLabel(k)->setText(caption);
    }

    for (int k = 1; k <= PartCount; ++k) {
        const QString listText = rows[k - 1].colour->currentText();
        ColourLabel *label = window->previewLabel(k);
        if (const PaletteEntry *entry = FindPaletteEntry(listText))
            label->setForeColour(entry->PreviewColour);
        else if (IsNoColourChoice(listText))
            label->setForeColour(k == 1 ? White : window->previewLabel(k - 1)->foreColour());
    }

    previewTimer.stop();
}
