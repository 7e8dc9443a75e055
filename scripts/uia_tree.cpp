// What a Windows screen reader is told of a window: every element of its UI Automation tree,
// one a line, as its control type and its name, in UTF-8; or, with --focus, each element that
// gets the keyboard focus within that many seconds, as a screen reader hears focus changes. Built
// and run by scripts/windows_screen_reader_check.sh under Wine 10.
//   uia_tree.exe "window title"
//   uia_tree.exe --focus SECONDS
#include <windows.h>

#include <uiautomation.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>

namespace {

const char *typeName(CONTROLTYPEID type)
{
    static const std::pair<CONTROLTYPEID, const char *> names[] = {
        {UIA_ButtonControlTypeId, "button"}, {UIA_ComboBoxControlTypeId, "combo box"},
        {UIA_EditControlTypeId, "edit"},     {UIA_ImageControlTypeId, "image"},
        {UIA_ListControlTypeId, "list"},     {UIA_ListItemControlTypeId, "list item"},
        {UIA_PaneControlTypeId, "pane"},     {UIA_TextControlTypeId, "text"},
        {UIA_WindowControlTypeId, "window"}, {UIA_TitleBarControlTypeId, "title bar"},
    };
    for (const auto &[id, name] : names) {
        if (id == type)
            return name;
    }
    return "other";
}

// The text in UTF-8; "<unreadable>" where it cannot be converted.
std::string utf8(const wchar_t *text)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return "<unreadable>";
    std::string bytes(size, 0);
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr) != size)
        return "<unreadable>";
    bytes.pop_back(); // the terminating null
    return bytes;
}

int fail(const char *what, HRESULT result)
{
    std::fprintf(stderr, "%s failed: 0x%08lx\n", what, static_cast<unsigned long>(result));
    return 1;
}

// One line for an element: its control type and its name.
int print(IUIAutomationElement *element)
{
    CONTROLTYPEID type = 0;
    BSTR name = nullptr;
    HRESULT result = element->get_CurrentControlType(&type);
    if (FAILED(result))
        return fail("get_CurrentControlType", result);
    if (FAILED(result = element->get_CurrentName(&name)))
        return fail("get_CurrentName", result);
    std::printf("%-10s %s\n", typeName(type), utf8(name).c_str());
    SysFreeString(name);
    return 0;
}

// Prints each element that gets the focus, as UI Automation tells it.
class FocusPrinter final : public IUIAutomationFocusChangedEventHandler
{
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&m_references); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (!IsEqualIID(id, IID_IUnknown) &&
            !IsEqualIID(id, IID_IUIAutomationFocusChangedEventHandler)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement *sender) override
    {
        print(sender);
        std::fflush(stdout);
        return S_OK;
    }

private:
    LONG m_references = 1; // it lives on the stack of printFocusChanges()
};

int printFocusChanges(IUIAutomation *automation, int seconds)
{
    FocusPrinter printer;
    const HRESULT result = automation->AddFocusChangedEventHandler(nullptr, &printer);
    if (FAILED(result))
        return fail("AddFocusChangedEventHandler", result);
    Sleep(DWORD(seconds) * 1000);
    automation->RemoveFocusChangedEventHandler(&printer);
    return 0;
}

int printTree(IUIAutomation *automation, const wchar_t *title)
{
    HWND window = nullptr;
    for (int tries = 0; tries < 100 && !window; ++tries, Sleep(100))
        window = FindWindowW(nullptr, title);
    if (!window)
        return fail("FindWindow", HRESULT_FROM_WIN32(GetLastError()));
    IUIAutomationElement *root = nullptr;
    HRESULT result = automation->ElementFromHandle(window, &root);
    if (FAILED(result))
        return fail("ElementFromHandle", result);
    IUIAutomationCondition *everything = nullptr;
    if (FAILED(result = automation->CreateTrueCondition(&everything)))
        return fail("CreateTrueCondition", result);
    IUIAutomationElementArray *elements = nullptr;
    if (FAILED(result = root->FindAll(TreeScope_Subtree, everything, &elements)) || !elements)
        return fail("FindAll", FAILED(result) ? result : E_POINTER);

    int count = 0;
    if (FAILED(result = elements->get_Length(&count)))
        return fail("get_Length", result);
    int failed = 0;
    for (int i = 0; i < count && !failed; ++i) {
        IUIAutomationElement *element = nullptr;
        if (FAILED(result = elements->GetElement(i, &element)) || !element)
            return fail("GetElement", FAILED(result) ? result : E_POINTER);
        failed = print(element);
        element->Release();
    }
    elements->Release();
    everything->Release();
    root->Release();
    return failed;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const bool focus = argc == 3 && std::wcscmp(argv[1], L"--focus") == 0;
    if (argc != 2 && !focus) {
        std::fprintf(stderr, "usage: uia_tree \"window title\" | --focus SECONDS\n");
        return 2;
    }
    HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(result))
        return fail("CoInitializeEx", result);
    IUIAutomation *automation = nullptr;
    result = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                              reinterpret_cast<void **>(&automation));
    if (FAILED(result))
        return fail("CoCreateInstance(CUIAutomation)", result);
    const int failed = focus ? printFocusChanges(automation, std::wcstol(argv[2], nullptr, 10))
                             : printTree(automation, argv[1]);
    automation->Release();
    CoUninitialize();
    return failed;
}
