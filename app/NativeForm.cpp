#include "app/NativeForm.h"

#include <commctrl.h>

#include <utility>

namespace corvatto {
namespace {

constexpr wchar_t kFormClass[] = L"Corvatto_Form";
constexpr wchar_t kControlFace[] = L"\u5B8B\u4F53"; // 宋体
constexpr int kControlFontHeight = 12;
constexpr int kComboListHeight = 240;

HINSTANCE ModuleInstance()
{
    return GetModuleHandleW(nullptr);
}

bool RegisterFormClass(WNDPROC procedure)
{
    WNDCLASSEXW existing{sizeof existing};
    if (GetClassInfoExW(ModuleInstance(), kFormClass, &existing))
        return true;
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    return RegisterClassExW(&windowClass) != 0;
}

struct NativeControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

NativeControlClass ClassOf(ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::Button:
        return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::EditBox:
        return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
        return {L"STATIC", child | SS_LEFT, 0};
    case ControlKind::LinkLabel:
        return {L"STATIC", child | SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::ComboBox:
        return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    }
    return {L"STATIC", child, 0};
}

bool IsLabel(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::LinkLabel;
}

} // namespace

NativeForm::~NativeForm()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
}

HWND NativeForm::control(int id) const
{
    return window_ ? GetDlgItem(window_, id) : nullptr;
}

bool NativeForm::Load(const FormSpec& spec)
{
    if (!RegisterFormClass(&NativeForm::WindowProcedure))
        return false;
    spec_ = &spec;
    HWND created = CreateWindowExW(0, kFormClass, spec.title, spec.style, spec.x, spec.y, spec.width, spec.height,
                                   nullptr, nullptr, ModuleInstance(), this);
    return created != nullptr;
}

const ControlSpec* NativeForm::SpecOf(HWND control) const
{
    if (!spec_ || !control || GetParent(control) != window_)
        return nullptr;
    int id = GetDlgCtrlID(control);
    for (const ControlSpec& row : spec_->controls) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

HFONT NativeForm::LabelFont(int height, bool underline)
{
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kControlFace);
    fonts_.emplace_back(font);
    return font;
}

void NativeForm::CreateControls()
{
    HFONT controlFont = LabelFont(kControlFontHeight, false);
    for (const ControlSpec& row : spec_->controls) {
        NativeControlClass nativeClass = ClassOf(row.kind);
        // A drop-down list's window height includes its list; the closed box keeps the row's height.
        int height = row.kind == ControlKind::ComboBox ? row.height + kComboListHeight : row.height;
        HWND control = CreateWindowExW(nativeClass.exStyle, nativeClass.className, row.text, nativeClass.style, row.x,
                                       row.y, row.width, height, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), ModuleInstance(),
                                       nullptr);
        if (!control)
            continue;
        HFONT font = controlFont;
        if (IsLabel(row.kind) && row.fontHeight > 0)
            font = LabelFont(row.fontHeight, row.kind == ControlKind::LinkLabel);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (row.kind == ControlKind::ComboBox) {
            // The closed box is the row's height: the selection field plus its 3-pixel borders.
            SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), row.height - 6);
        }
        if (row.kind == ControlKind::LinkLabel)
            SetWindowSubclass(control, &NativeForm::LinkProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    }
}

LRESULT CALLBACK NativeForm::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<NativeForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<NativeForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK NativeForm::LinkProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR formAddress)
{
    auto* form = reinterpret_cast<NativeForm*>(formAddress);
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
        form->OnLinkPressed(GetDlgCtrlID(control));
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, &NativeForm::LinkProcedure, 0);
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT NativeForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CREATE:
        CreateControls();
        OnCreated();
        return 0;
    case WM_COMMAND:
        if (lParam)
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC: {
        // Labels are transparent: the form's background shows through around their text.
        const ControlSpec* row = SpecOf(reinterpret_cast<HWND>(lParam));
        if (row && IsLabel(row->kind)) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        break;
    }
    case WM_NCDESTROY: {
        HWND window = std::exchange(window_, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace corvatto
