// What a screen reader finds on a window of a running program on Windows: every element under the
// window, one line each, "kind<TAB>name<TAB>value<TAB>left,top,width,height" (screen pixels), depth
// first. The installer test reads the installed program's screens through it.
//   ui_probe.exe TITLE [SECONDS]   waits up to SECONDS (default 20) for a window named TITLE
// Exits with 1 when no such window shows up, 2 when UI Automation answers nothing.
#include <windows.h>

#include <oleauto.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// UI Automation's client functions, looked up in uiautomationcore.dll: MinGW declares none of them.
using Node = void*;
struct Condition {
    int type; // 0: every element
};
struct CacheRequest {
    Condition* view;
    int scope; // 1: the element itself
    int* properties;
    int propertyCount;
    int* patterns;
    int patternCount;
    int mode; // 1: full
};
using NodeFromHandle = HRESULT(WINAPI*)(HWND, Node*);
using GetPropertyValue = HRESULT(WINAPI*)(Node, int, VARIANT*);
using Navigate = HRESULT(WINAPI*)(Node, int, Condition*, CacheRequest*, SAFEARRAY**, BSTR*);
using NodeFromVariant = HRESULT(WINAPI*)(VARIANT*, Node*);
using NodeRelease = BOOL(WINAPI*)(Node);

constexpr int kFirstChild = 3, kNextSibling = 1;
constexpr int kBoundingRectangle = 30001, kControlType = 30003, kName = 30005, kValue = 30045;

struct Uia {
    HMODULE library = LoadLibraryW(L"uiautomationcore.dll");
    NodeFromHandle nodeFromHandle = function<NodeFromHandle>("UiaNodeFromHandle");
    GetPropertyValue property = function<GetPropertyValue>("UiaGetPropertyValue");
    Navigate navigate = function<Navigate>("UiaNavigate");
    NodeFromVariant nodeFromVariant = function<NodeFromVariant>("UiaHUiaNodeFromVariant");
    NodeRelease release = function<NodeRelease>("UiaNodeRelease");

    template <class F> F function(const char* name) {
        return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
    }
    bool loaded() const { return nodeFromHandle && property && navigate && nodeFromVariant && release; }
};

void write(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring text(const Uia& uia, Node node, int property) {
    VARIANT value;
    VariantInit(&value);
    std::wstring result;
    if (SUCCEEDED(uia.property(node, property, &value)) && value.vt == VT_BSTR && value.bstrVal)
        result = value.bstrVal;
    VariantClear(&value);
    return result;
}

std::wstring controlType(const Uia& uia, Node node) {
    VARIANT value;
    VariantInit(&value);
    std::wstring result = L"?";
    if (SUCCEEDED(uia.property(node, kControlType, &value)) && value.vt == VT_I4)
        result = std::to_wstring(value.lVal);
    VariantClear(&value);
    return result;
}

std::wstring rectangle(const Uia& uia, Node node) {
    VARIANT value;
    VariantInit(&value);
    std::wstring result;
    if (SUCCEEDED(uia.property(node, kBoundingRectangle, &value)) && value.vt == (VT_ARRAY | VT_R8)) {
        double* numbers = nullptr;
        if (SUCCEEDED(SafeArrayAccessData(value.parray, reinterpret_cast<void**>(&numbers)))) {
            for (int i = 0; i < 4; ++i)
                result += (i ? L"," : L"") + std::to_wstring(static_cast<long>(numbers[i]));
            SafeArrayUnaccessData(value.parray);
        }
    }
    VariantClear(&value);
    return result;
}

// The element next to `node` in `direction`, or null.
Node step(const Uia& uia, Node node, int direction) {
    Condition every{0};
    int properties[] = {kName};
    CacheRequest request{&every, 1, properties, 1, nullptr, 0, 1};
    SAFEARRAY* data = nullptr;
    BSTR structure = nullptr;
    Node next = nullptr;
    if (SUCCEEDED(uia.navigate(node, direction, &every, &request, &data, &structure)) && data) {
        LONG at[2] = {0, 0};
        VARIANT element;
        VariantInit(&element);
        if (SUCCEEDED(SafeArrayGetElement(data, at, &element)))
            uia.nodeFromVariant(&element, &next);
        SafeArrayDestroy(data);
    }
    SysFreeString(structure);
    return next;
}

int list(const Uia& uia, Node node, int depth) {
    int count = 0;
    for (Node child = step(uia, node, kFirstChild); child;) {
        write(std::wstring(static_cast<std::size_t>(depth), L' ') + controlType(uia, child) + L"\t" +
              text(uia, child, kName) + L"\t" + text(uia, child, kValue) + L"\t" + rectangle(uia, child) + L"\n");
        count += 1 + list(uia, child, depth + 1);
        Node next = step(uia, child, kNextSibling);
        uia.release(child);
        child = next;
    }
    return count;
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) {
        write(L"usage: ui_probe TITLE [SECONDS]\n");
        return 2;
    }
    const int seconds = argc > 2 ? _wtoi(argv[2]) : 20;
    HWND window = nullptr;
    for (int tenth = 0; !window && tenth <= seconds * 10; ++tenth) {
        window = FindWindowW(nullptr, argv[1]);
        if (!window)
            Sleep(100);
    }
    if (!window)
        return 1;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const Uia uia;
    Node root = nullptr;
    if (!uia.loaded() || FAILED(uia.nodeFromHandle(window, &root)) || !root)
        return 2;
    write(L"window\t" + text(uia, root, kName) + L"\t\t" + rectangle(uia, root) + L"\n");
    const int count = list(uia, root, 1);
    uia.release(root);
    return count > 0 ? 0 : 2;
}
