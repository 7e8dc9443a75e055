#include "ansi_code_page.h"

#include <windows.h>

unsigned int ansiCodePage()
{
    return GetACP();
}

std::optional<QByteArray> codePageBytes(unsigned int codePage, QStringView character)
{
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(
        codePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(character.utf16()),
        int(character.size()), bytes, int(sizeof bytes), nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    return QByteArray(bytes, length);
}

QString codePageText(unsigned int codePage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const int size = int(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(codePage, 0, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()),
                        length);
    return text;
}
