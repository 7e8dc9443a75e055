#include "screen_reader_notice.h"

#include <QLibrary>
#include <QWidget>

#include <windows.h> // with OLE's BSTR and IUnknown

namespace {

// UI Automation's own, resolved when first needed: not every system that runs the program has
// the notification.
using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IUnknown **);
using RaiseNotificationEvent = HRESULT(WINAPI *)(IUnknown *, int kind, int processing, BSTR text,
                                                 BSTR activity);
constexpr int ActionCompleted = 2;     // NotificationKind_ActionCompleted
constexpr int ImportantMostRecent = 1; // NotificationProcessing_ImportantMostRecent

} // namespace

void notifyScreenReaders(QWidget *window, const QString &text)
{
    static const auto hostProvider = reinterpret_cast<HostProviderFromHwnd>(
        QLibrary::resolve(QStringLiteral("uiautomationcore"), "UiaHostProviderFromHwnd"));
    static const auto raise = reinterpret_cast<RaiseNotificationEvent>(
        QLibrary::resolve(QStringLiteral("uiautomationcore"), "UiaRaiseNotificationEvent"));
    IUnknown *provider = nullptr;
    if (!hostProvider || !raise ||
        FAILED(hostProvider(reinterpret_cast<HWND>(window->winId()), &provider)) || !provider)
        return;
    BSTR said = SysAllocString(reinterpret_cast<const wchar_t *>(text.utf16()));
    BSTR activity = SysAllocString(L"Prismark");
    raise(provider, ActionCompleted, ImportantMostRecent, said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    provider->Release();
}
