// A stand-in for Windows' uiautomationcore.dll, for tests under Wine only: it
// says a screen reader is listening, and writes each event, notification and
// property change a program raises, with its sender, to the file named by
// UIA_RECORDER_LOG, one line each (tab-separated, UTF-8):
//   notification KIND PROCESSING TEXT SENDER
//   event NAME SENDER ANCESTORS   (from its parent up to its window, joined by " < ")
//   property NAME VALUE SENDER
//   tree DEPTH ELEMENT        (the whole tree, each time a client asks for the root)
// An element reads "ControlType 'Name'", then " key 'AccessKey'" when it has one
// and " dialog" when it is one.
#include <windows.h>

#include <oleauto.h>
// Only the interfaces: MinGW's header of the functions does not compile as C++.
#include <uiautomationcore.h>

#include <cstdio>
#include <string>

namespace {
// The ids this reads, as UI Automation numbers them.
constexpr PROPERTYID control_type_id = 30003, name_id = 30005, accelerator_key_id = 30006, access_key_id = 30007,
                     is_dialog_id = 30174;

struct Named {
    int id;
    const wchar_t* name;
};

constexpr Named control_types[] = {
    {50000, L"Button"},    {50002, L"CheckBox"}, {50003, L"ComboBox"},  {50004, L"Edit"},    {50006, L"Image"},
    {50007, L"ListItem"},  {50008, L"List"},     {50009, L"Menu"},      {50010, L"MenuBar"}, {50011, L"MenuItem"},
    {50017, L"StatusBar"}, {50020, L"Text"},     {50025, L"Custom"},    {50026, L"Group"},   {50030, L"Document"},
    {50032, L"Window"},    {50033, L"Pane"},     {50038, L"Separator"},
};
constexpr Named events[] = {
    {20005, L"Focus"},       {20012, L"ElementSelected"}, {20014, L"TextSelectionChanged"},
    {20015, L"TextChanged"}, {20016, L"WindowOpened"},    {20017, L"WindowClosed"},
};
constexpr Named properties[] = {{30005, L"Name"}, {30045, L"Value"}, {30047, L"RangeValue"}, {30086, L"ToggleState"}};
constexpr Named kinds[] = {
    {0, L"ItemAdded"}, {1, L"ItemRemoved"}, {2, L"ActionCompleted"}, {3, L"ActionAborted"}, {4, L"Other"}};
constexpr Named processings[] = {
    {0, L"ImportantAll"}, {1, L"ImportantMostRecent"}, {2, L"All"}, {3, L"MostRecent"}, {4, L"CurrentThenMostRecent"}};

template <std::size_t n>
std::wstring name_of(const Named (&table)[n], int id)
{
    for (const Named& known : table) {
        if (known.id == id)
            return known.name;
    }
    return std::to_wstring(id);
}

std::wstring text_of(const VARIANT& value)
{
    switch (value.vt) {
    case VT_BSTR:
        return value.bstrVal ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal)) : std::wstring();
    case VT_I4:
        return std::to_wstring(value.lVal);
    case VT_R8:
        return std::to_wstring(value.dblVal);
    case VT_BOOL:
        return value.boolVal ? L"true" : L"false";
    default:
        return {};
    }
}

std::wstring property(IRawElementProviderSimple* element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    if (FAILED(element->GetPropertyValue(id, &value)))
        return {};
    std::wstring text = text_of(value);
    VariantClear(&value);
    return text;
}

std::wstring describe(IRawElementProviderSimple* element)
{
    if (!element)
        return L"nothing";
    const std::wstring type = property(element, control_type_id);
    std::wstring said =
        name_of(control_types, type.empty() ? 0 : std::stoi(type)) + L" '" + property(element, name_id) + L"'";
    for (const auto& [id, label] : {std::pair{access_key_id, L" key '"}, {accelerator_key_id, L" accelerator '"}}) {
        if (const std::wstring key = property(element, id); !key.empty())
            said += label + key + L"'";
    }
    if (property(element, is_dialog_id) == L"true")
        said += L" dialog";
    return said;
}

IRawElementProviderFragment* fragment(IRawElementProviderSimple* element)
{
    IRawElementProviderFragment* found = nullptr;
    if (element)
        element->QueryInterface(__uuidof(IRawElementProviderFragment), reinterpret_cast<void**>(&found));
    return found;
}

IRawElementProviderFragment* step(IRawElementProviderFragment* from, NavigateDirection direction)
{
    IRawElementProviderFragment* to = nullptr;
    if (FAILED(from->Navigate(direction, &to)))
        return nullptr;
    return to;
}

IRawElementProviderSimple* simple(IRawElementProviderFragment* element)
{
    IRawElementProviderSimple* found = nullptr;
    element->QueryInterface(__uuidof(IRawElementProviderSimple), reinterpret_cast<void**>(&found));
    return found;
}

std::wstring describe(IRawElementProviderFragment* element)
{
    IRawElementProviderSimple* as_simple = simple(element);
    std::wstring said = describe(as_simple);
    if (as_simple)
        as_simple->Release();
    return said;
}

// The element's ancestors, from its parent up to its window, joined by " < ".
std::wstring ancestors_of(IRawElementProviderSimple* element)
{
    std::wstring said;
    IRawElementProviderFragment* at = fragment(element);
    while (at) {
        IRawElementProviderFragment* parent = step(at, NavigateDirection_Parent);
        at->Release();
        at = parent;
        if (at)
            said += (said.empty() ? L"" : L" < ") + describe(at);
    }
    return said;
}

void write_line(const std::wstring& line)
{
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"UIA_RECORDER_LOG", path, MAX_PATH))
        return;
    const std::wstring whole = line + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, whole.data(), static_cast<int>(whole.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, whole.data(), static_cast<int>(whole.size()), bytes.data(), size, nullptr, nullptr);
    if (FILE* log = _wfopen(path, L"ab")) {
        std::fwrite(bytes.data(), 1, bytes.size(), log);
        std::fclose(log);
    }
}

void write_tree(IRawElementProviderFragment* element, int depth)
{
    write_line(L"tree\t" + std::to_wstring(depth) + L"\t" + describe(element));
    IRawElementProviderFragment* child = step(element, NavigateDirection_FirstChild);
    while (child && depth < 16) {
        write_tree(child, depth + 1);
        IRawElementProviderFragment* next = step(child, NavigateDirection_NextSibling);
        child->Release();
        child = next;
    }
}
} // namespace

extern "C" {
BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple* root)
{
    if (IRawElementProviderFragment* top = fragment(root)) {
        write_tree(top, 0);
        top->Release();
    }
    return 0;
}

HRESULT WINAPI UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** provider)
{
    *provider = nullptr;
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple* sender, EVENTID id)
{
    write_line(L"event\t" + name_of(events, id) + L"\t" + describe(sender) + L"\t" + ancestors_of(sender));
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple* sender, PROPERTYID id, VARIANT,
                                                      VARIANT value)
{
    write_line(L"property\t" + name_of(properties, id) + L"\t" + text_of(value) + L"\t" + describe(sender));
    return S_OK;
}

HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* sender, int kind, int processing, BSTR text, BSTR)
{
    write_line(L"notification\t" + name_of(kinds, kind) + L"\t" + name_of(processings, processing) + L"\t" +
               std::wstring(text, SysStringLen(text)) + L"\t" + describe(sender));
    return S_OK;
}
}
