#include "ui/host/HostBinding.h"

#include "ui/core/ElementRecord.h"
#include "ui/elements/Element.h"
#include "ui/host/HostFields.h"
#include "ui/host/HostWindow.h"

namespace corvatto::ui {

using enum HostField;

namespace {

// Every bound window has this procedure; the window's property leads to its host.
LRESULT CALLBACK HostEntryProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Field host = HostOfWindow(window);
    if (!host)
        return DefWindowProcW(window, message, wParam, lParam);
    return CallClassOperation(host, kHostWindowProcedureSlot, static_cast<Field>(message), static_cast<Field>(wParam),
                              static_cast<Field>(lParam));
}

} // namespace

bool BindHostToWindow(Field host, HWND window)
{
    if (!ObjectOf(host) || !window || !IsWindow(window) || FieldAs<HWND__>(ReadField(host, hwnd)) == window)
        return false;
    WriteField(host, hwnd, AsField(window));
    WriteField(host, selfHandle, host);
    SetPropW(window, kHostProperty, FieldAs<void>(host));
    WriteField(host, prevWndProc,
               SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostEntryProcedure)));
    return true;
}

void DetachHost(Field host, HWND window)
{
    if (ReadField(host, prevWndProc) == 0)
        return;
    BeginBusyPhase(host);
    SetWindowLongPtrW(window, GWLP_WNDPROC, ReadField(host, prevWndProc));
    for (Field element = ReadField(host, firstElement); element != 0;) {
        Field newer = ReadField(element, ElementField::PrevSibling);
        Element::Destroy(element);
        element = newer;
    }
    if (ReadField(host, captureActive) || ReadField(host, mouseTracking)) {
        WriteField(host, captureActive, 0);
        WriteField(host, mouseTracking, 0);
        ReleaseCapture();
    }
    for (HostField cleared : {pressedElement, focusElement, hotElement, focusCueElement, lastElement, firstElement,
                              frameFlags}) {
        WriteField(host, cleared, 0);
    }
    AccessKeysOf(host)->clear();
    CaptionButtonsOf(host)->clear();
    RemovePropW(window, kHostProperty);
    // The message being handled has read the window and its previous procedure already.
    WriteField(host, hwnd, 0);
    WriteField(host, prevWndProc, 0);
    WriteField(host, busy, 0);
}

} // namespace corvatto::ui
