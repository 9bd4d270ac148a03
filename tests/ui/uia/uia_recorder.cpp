// A stand-in for Windows' uiautomationcore.dll, for tests under Wine only: it
// says a screen reader is listening, and writes each event and notification a
// program raises, with its sender, to the file named by UIA_RECORDER_LOG, one
// line each (tab-separated, UTF-8):
//   notification KIND PROCESSING TEXT SENDER
//   event NAME SENDER ANCESTORS   (from its parent up to its window, joined by " < ")
// An element reads "ControlType 'Name'", then " key 'AccessKey'" when it has one
// and " dialog" when it is one. Names this does not know are written as numbers.
#include <windows.h>

#include <oleauto.h>
// Only the interfaces: MinGW's header of the functions does not compile as C++.
#include <uiautomationcore.h>

#include <cstdio>
#include <map>
#include <string>

namespace {
// The ids this reads, as UI Automation numbers them.
constexpr PROPERTYID control_type_id = 30003, name_id = 30005, access_key_id = 30007, is_dialog_id = 30174;

const std::map<int, std::wstring> control_types = {
    {50008, L"List"}, {50011, L"MenuItem"}, {50020, L"Text"}, {50032, L"Window"}};
const std::map<int, std::wstring> events = {{20005, L"Focus"}, {20016, L"WindowOpened"}};
const std::map<int, std::wstring> kinds = {{4, L"Other"}};
const std::map<int, std::wstring> processings = {{1, L"ImportantMostRecent"}};

std::wstring name_of(const std::map<int, std::wstring>& names, int id)
{
    const auto known = names.find(id);
    return known == names.end() ? std::to_wstring(id) : known->second;
}

std::wstring property(IRawElementProviderSimple* element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(element->GetPropertyValue(id, &value))) {
        if (value.vt == VT_BSTR && value.bstrVal)
            text.assign(value.bstrVal, SysStringLen(value.bstrVal));
        else if (value.vt == VT_I4)
            text = name_of(control_types, value.lVal);
        else if (value.vt == VT_BOOL && value.boolVal)
            text = L"true";
    }
    VariantClear(&value);
    return text;
}

template <class To>
To* as(IUnknown* element)
{
    To* found = nullptr;
    if (element)
        element->QueryInterface(__uuidof(To), reinterpret_cast<void**>(&found));
    return found;
}

std::wstring describe(IUnknown* any)
{
    IRawElementProviderSimple* element = as<IRawElementProviderSimple>(any);
    if (!element)
        return L"nothing";
    std::wstring said = property(element, control_type_id) + L" '" + property(element, name_id) + L"'";
    if (const std::wstring key = property(element, access_key_id); !key.empty())
        said += L" key '" + key + L"'";
    if (property(element, is_dialog_id) == L"true")
        said += L" dialog";
    element->Release();
    return said;
}

IRawElementProviderFragment* step(IRawElementProviderFragment* from, NavigateDirection direction)
{
    IRawElementProviderFragment* to = nullptr;
    return SUCCEEDED(from->Navigate(direction, &to)) ? to : nullptr;
}

std::wstring ancestors_of(IRawElementProviderSimple* element)
{
    std::wstring said;
    IRawElementProviderFragment* at = as<IRawElementProviderFragment>(element);
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

} // namespace

extern "C" {
BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple*)
{
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

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT)
{
    return S_OK;
}

HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* sender, int kind, int processing, BSTR text, BSTR)
{
    write_line(L"notification\t" + name_of(kinds, kind) + L"\t" + name_of(processings, processing) + L"\t" +
               std::wstring(text, SysStringLen(text)) + L"\t" + describe(sender));
    return S_OK;
}
}
