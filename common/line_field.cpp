#include "line_field.h"

#include <QValidator>

#include <limits>

namespace {

// QLineEdit runs its validator on every change, setText() included, and takes over the text the
// validator returns; that makes it the one place that sees every way text gets in.
class LineBreakFolder : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &cursor) const override
    {
        if (!input.contains(u'\r') && !input.contains(u'\n'))
            return Acceptable;
        QString folded;
        folded.reserve(input.size());
        int foldedCursor = cursor;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c == u'\r' && i + 1 < input.size() && input.at(i + 1) == u'\n') {
                if (i + 1 < cursor)
                    --foldedCursor;
                ++i;
            }
            folded += (c == u'\r' || c == u'\n') ? QChar(u' ') : c;
        }
        input = folded;
        cursor = foldedCursor;
        return Acceptable;
    }
};

} // namespace

LineField::LineField(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new LineBreakFolder(this));
}
