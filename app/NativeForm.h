#pragma once

#include "platform/UniqueResource.h"

#include <span>
#include <vector>

namespace corvatto {

enum class ControlKind { Button, EditBox, Label, LinkLabel, ComboBox };

// One row of a form table: a native control at a position in the form's client area.
struct ControlSpec {
    int id;
    ControlKind kind;
    int x, y, width, height;
    const wchar_t* text = L"";
    int fontHeight = 0; // labels: the em height in pixels; 0 keeps the form's control font
};

struct FormSpec {
    const wchar_t* title;
    DWORD style;
    int x, y, width, height;
    std::span<const ControlSpec> controls;
};

// A native window described by a form table. Loading it creates the window and its controls and then
// raises the creation event, all before Load returns, so the handler sees a complete form.
class NativeForm {
public:
    virtual ~NativeForm();
    NativeForm(const NativeForm&) = delete;
    NativeForm& operator=(const NativeForm&) = delete;

    HWND window() const { return window_; }
    HWND control(int id) const;

protected:
    NativeForm() = default;

    bool Load(const FormSpec& spec);

    virtual void OnCreated() {}
    virtual void OnCommand(int /*id*/, int /*notification*/) {}
    virtual void OnLinkPressed(int /*id*/) {}
    // Sees every message of the form window first; the form's own handling follows unless it returns true.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK LinkProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT HandleMessage(UINT message, WPARAM, LPARAM);
    void CreateControls();
    HFONT LabelFont(int height, bool underline);
    const ControlSpec* SpecOf(HWND control) const;

    HWND window_ = nullptr;
    const FormSpec* spec_ = nullptr;
    std::vector<UniqueFont> fonts_;
};

} // namespace corvatto
