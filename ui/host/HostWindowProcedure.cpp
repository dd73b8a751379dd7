#include "ui/host/HostWindowProcedure.h"

#include "platform/Win32.h"
#include "ui/core/Dispatch.h"
#include "ui/core/ElementRecord.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/MessageBlocks.h"
#include "ui/core/Messages.h"
#include "ui/host/HostBinding.h"
#include "ui/host/HostFields.h"
#include "ui/host/HostWindow.h"

namespace corvatto::ui {

using enum HostField;

namespace {

struct PassOn {
    HWND window;
    WNDPROC previous;
};

Field DefaultProcessing(const PassOn& to, Field message, Field wparam, Field lparam)
{
    if (!to.previous)
        return DefWindowProcW(to.window, static_cast<UINT>(message), wparam, lparam);
    return CallWindowProcW(to.previous, to.window, static_cast<UINT>(message), wparam, lparam);
}

// The area an element covered before its move and the area it covers now.
void RepaintMovedElement(Field host, Field element)
{
    if (const RectRecord* before = BoundsField(element, ElementField::PrevBounds))
        QueueRepaint(host, *before, RepaintMode::AtOnce);
    if (const RectRecord* after = BoundsField(element))
        QueueRepaint(host, *after, RepaintMode::AtOnce);
}

} // namespace

Field HostWindowProcedure(Field host, Field message, Field wparam, Field lparam)
{
    const PassOn passOn{FieldAs<HWND__>(ReadField(host, hwnd)),
                        reinterpret_cast<WNDPROC>(ReadField(host, prevWndProc))};
    if (Field hook = ReadField(host, onMessage)) {
        Field result = CallRoutine(hook, AsField(passOn.window), message, wparam, lparam);
        if (result != kNotHandled)
            return result;
    }

    switch (message) {
    case WM_DESTROY:
        DetachHost(host, passOn.window);
        break;
    case WM_TIMER:
        // Element timers carry the element's handle; any other timer is not the framework's.
        if (IsLiveElement(host, wparam))
            SendEvent(wparam, EV_TIMER, wparam, lparam);
        break;
    case HM_DELIVER: {
        std::optional<DeliverBlock> event = TakeDeliverBlock(lparam);
        if (!event || !IsLiveElement(host, wparam))
            return 0;
        return SendEvent(wparam, event->message, event->wparam, event->lparam);
    }
    case HM_SET_ACCESS_KEY:
        if (IsLiveElement(host, wparam))
            HostWindow::SetAccessKey(host, wparam, lparam);
        return 1;
    case EV_FOCUS_GAINED:
        if (lparam != 0 && IsLiveElement(host, lparam))
            HostWindow::SetFocusElement(host, lparam, false);
        break;
    case HM_INVALIDATE:
        if (std::optional<RectRecord> area = TakeAreaBlock(lparam))
            QueueRepaint(host, *area, static_cast<RepaintMode>(wparam));
        if (wparam == static_cast<Field>(RepaintMode::AtOnce))
            return 0;
        break;
    case HM_BOUNDS_CHANGED:
        if (!IsLiveElement(host, wparam))
            return 0;
        SendEvent(wparam, HM_BOUNDS_CHANGED, 0, 0);
        if (lparam == 1) {
            if (ReadField(host, busy) != 0)
                return 0;
            RepaintMovedElement(host, wparam);
        }
        return 1;
    }
    return DefaultProcessing(passOn, message, wparam, lparam);
}

} // namespace corvatto::ui
