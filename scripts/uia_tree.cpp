// What a Windows screen reader is told of a window: every element of its UI Automation tree,
// one a line, as its control type and its name, in UTF-8. Built and run by
// scripts/windows_screen_reader_check.sh under Wine 10.
//   uia_tree.exe "window title"
#include <windows.h>

#include <uiautomation.h>

#include <cstdio>
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

std::string utf8(const wchar_t *text)
{
    if (!text)
        return {};
    std::string bytes(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr), 0);
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), int(bytes.size()), nullptr, nullptr);
    bytes.pop_back(); // the terminating null
    return bytes;
}

int fail(const char *what, HRESULT result)
{
    std::fprintf(stderr, "%s failed: 0x%08lx\n", what, static_cast<unsigned long>(result));
    return 1;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia_tree \"window title\"\n");
        return 2;
    }
    HWND window = nullptr;
    for (int tries = 0; tries < 100 && !window; ++tries, Sleep(100))
        window = FindWindowW(nullptr, argv[1]);
    if (!window)
        return fail("FindWindow", HRESULT_FROM_WIN32(GetLastError()));

    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation *automation = nullptr;
    HRESULT result = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IUIAutomation, reinterpret_cast<void **>(&automation));
    if (FAILED(result))
        return fail("CoCreateInstance(CUIAutomation)", result);
    IUIAutomationElement *root = nullptr;
    if (FAILED(result = automation->ElementFromHandle(window, &root)))
        return fail("ElementFromHandle", result);
    IUIAutomationCondition *everything = nullptr;
    automation->CreateTrueCondition(&everything);
    IUIAutomationElementArray *elements = nullptr;
    if (FAILED(result = root->FindAll(TreeScope_Subtree, everything, &elements)))
        return fail("FindAll", result);

    int count = 0;
    elements->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement *element = nullptr;
        elements->GetElement(i, &element);
        CONTROLTYPEID type = 0;
        BSTR name = nullptr;
        element->get_CurrentControlType(&type);
        element->get_CurrentName(&name);
        std::printf("%-10s %s\n", typeName(type), utf8(name).c_str());
        SysFreeString(name);
        element->Release();
    }
    elements->Release();
    everything->Release();
    root->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
