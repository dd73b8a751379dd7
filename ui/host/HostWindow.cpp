#include "ui/host/HostWindow.h"

#include "ui/core/ElementRecord.h"
#include "ui/core/Messages.h"
#include "ui/elements/Element.h"
#include "ui/host/HostBinding.h"
#include "ui/host/HostFields.h"
#include "ui/host/HostWindowProcedure.h"
#include "ui/host/Presentation.h"

#include <algorithm>
#include <commctrl.h>

namespace corvatto::ui {

using enum HostField;

namespace {

using AreaList = std::vector<RectRecord>;

template <typename T>
T* Owned(Field host, HostField field)
{
    return FieldAs<T>(ReadField(host, field));
}

ObjectHolder* NewMemberElement()
{
    return new ObjectHolder(Element::Operations(), kElementFieldCount);
}

Field SetHandler(Field host, HostField field, Field routine)
{
    WriteField(host, field, routine);
    return ReadField(host, field);
}

// Frame-flag bits the caption layout reads.
constexpr Field kIconBit = 1;
constexpr Field kTitleBit = 2;
constexpr Field kCloseButtonBit = 4;

// Slot adapters, with optional values as (value, given) pairs.
void ReleaseSlot(Field host) { HostWindow::ReleaseMembers(host); }
Field CloneSlot(Field host) { return AsField(HostWindow::Clone(host)); }
void DetachSlot(Field host, Field window) { DetachHost(host, FieldAs<HWND__>(window)); }
Field SetAccessKeySlot(Field host, Field element, Field key) { return HostWindow::SetAccessKey(host, element, key); }
Field DragByBodySlot(Field host, Field value, Field set)
{
    return HostWindow::DragByBody(host, set ? std::optional<Field>(value) : std::nullopt);
}
Field FrameStyleSlot(Field host, Field value, Field set)
{
    return HostWindow::FrameStyle(host, set ? std::optional<Field>(value) : std::nullopt);
}
void LayoutCaptionSlot(Field host) { HostWindow::LayoutCaption(host); }
void SetShadowColorSlot(Field host, Field colour) { HostWindow::SetShadowColor(host, colour); }
void SetFocusElementSlot(Field host, Field element, Field cue) { HostWindow::SetFocusElement(host, element, cue != 0); }
void PresentSlot(Field host, Field area, Field hasArea)
{
    HostWindow::Present(host, hasArea ? FieldAs<const RectRecord>(area) : nullptr);
}
void SetCloseAnimationSlot(Field host, Field animation) { HostWindow::SetCloseAnimation(host, animation); }
void SetCursorSlot(Field host, Field cursor, Field, Field isHandle) { HostWindow::SetCursor(host, cursor, isHandle != 0); }

template <HostField Handler>
Field SetterSlot(Field host, Field routine)
{
    return SetHandler(host, Handler, routine);
}

} // namespace

const OperationTable& HostWindow::Operations()
{
    static const OperationTable table{
        {0, RoutineAddress<&ReleaseSlot>()},
        {1, RoutineAddress<&CloneSlot>()},
        {kHostWindowProcedureSlot, RoutineAddress<&HostWindowProcedure>()},
        {8, RoutineAddress<&DetachSlot>()},
        {10, RoutineAddress<&SetAccessKeySlot>()},
        {14, RoutineAddress<&DragByBodySlot>()},
        {15, RoutineAddress<&FrameStyleSlot>()},
        {17, RoutineAddress<&LayoutCaptionSlot>()},
        {18, RoutineAddress<&SetShadowColorSlot>()},
        {19, RoutineAddress<&SetFocusElementSlot>()},
        {20, RoutineAddress<&PresentSlot>()},
        {22, RoutineAddress<&SetCloseAnimationSlot>()},
        {23, RoutineAddress<&SetCursorSlot>()},
        {24, RoutineAddress<&SetterSlot<onPaint>>()},
        {25, RoutineAddress<&SetterSlot<onMessage>>()},
        {26, RoutineAddress<&SetterSlot<onSize>>()},
        {27, RoutineAddress<&SetterSlot<onElementDown>>()},
        {28, RoutineAddress<&SetterSlot<onElementUp>>()},
        {29, RoutineAddress<&SetterSlot<onElementClick>>()},
        {30, RoutineAddress<&SetterSlot<onElementDoubleClick>>()},
        {31, RoutineAddress<&SetterSlot<onElementRightDown>>()},
        {32, RoutineAddress<&SetterSlot<onElementRightUp>>()},
        // The leave and enter setters come in the opposite order to their fields.
        {33, RoutineAddress<&SetterSlot<onElementLeave>>()},
        {34, RoutineAddress<&SetterSlot<onElementEnter>>()},
        {35, RoutineAddress<&SetterSlot<onElementFocus>>()},
        {36, RoutineAddress<&SetterSlot<onElementBlur>>()},
    };
    return table;
}

HostObject::HostObject() : HostObject(HostWindow::Operations()) {}

HostObject::HostObject(const OperationTable& table) : ObjectHolder(table, kHostFieldCount)
{
    HostWindow::Construct(handle());
}

void HostWindow::Construct(Field host)
{
    WriteField(host, size, AsField(new HostSize{}));
    WriteField(host, nineGridCentre, AsField(new RECT{}));
    WriteField(host, accelerators, AsField(new AccessKeyList));
    WriteField(host, captionButtons, AsField(new CaptionButtonList));
    WriteField(host, iconElement, AsField(NewMemberElement()));
    WriteField(host, titleElement, AsField(NewMemberElement()));
    WriteField(host, toolInfo, AsField(new TTTOOLINFOA{}));
    WriteField(host, deferredAreas, AsField(new AreaList));
}

void HostWindow::ReleaseMembers(Field host)
{
    delete Owned<HostSize>(host, size);
    delete Owned<RECT>(host, nineGridCentre);
    delete Owned<AccessKeyList>(host, accelerators);
    delete Owned<CaptionButtonList>(host, captionButtons);
    delete Owned<ObjectHolder>(host, iconElement);
    delete Owned<ObjectHolder>(host, titleElement);
    delete Owned<ObjectHolder>(host, redrawQueue);
    if (auto* tool = Owned<TTTOOLINFOA>(host, toolInfo))
        delete[] tool->lpszText;
    delete Owned<TTTOOLINFOA>(host, toolInfo);
    delete Owned<AreaList>(host, deferredAreas);
    for (HostField owned : {size, nineGridCentre, accelerators, captionButtons, iconElement, titleElement, redrawQueue,
                            toolInfo, deferredAreas}) {
        WriteField(host, owned, 0);
    }
}

Field* HostWindow::Clone(Field host)
{
    const Field* source = ObjectOf(host);
    if (!source)
        return nullptr;
    Field* copy = DuplicateObject(source, kHostFieldCount);
    if (!copy)
        return nullptr;
    ObjectCell cell{AsField(copy)};
    Field clone = HandleOf(cell);
    // Detached: no window, no elements, no state of the routing and no drawing resources.
    for (HostField cleared :
         {hwnd, selfHandle, prevWndProc, wndProcThunk, focusElement, hotElement, pressedElement, captureActive, busy,
          windowDc, backDc, backBitmap, backOldBitmap, backGraphics, bgCacheDc, bgCacheBitmap, bgCacheOldBitmap,
          backgroundImage, firstElement, lastElement, tooltipWindow, contentClip, focusCueElement, fadeDc, fadeBitmap,
          fadeOldBitmap, fadeAlpha, mouseTracking, redrawQueue}) {
        WriteField(clone, cleared, 0);
    }
    Construct(clone);
    *Owned<HostSize>(clone, size) = *Owned<HostSize>(host, size);
    *Owned<RECT>(clone, nineGridCentre) = *Owned<RECT>(host, nineGridCentre);
    return copy;
}

Field HostWindow::DragByBody(Field host, std::optional<Field> value)
{
    if (value)
        WriteField(host, dragByBody, *value);
    return ReadField(host, dragByBody);
}

Field HostWindow::FrameStyle(Field host, std::optional<Field> value)
{
    if (value)
        WriteField(host, frameStyle, *value);
    return ReadField(host, frameStyle);
}

void HostWindow::SetShadowColor(Field host, Field colour)
{
    WriteField(host, shadowColor, colour);
}

void HostWindow::SetCloseAnimation(Field host, Field animation)
{
    WriteField(host, closeAnimation, animation);
}

void HostWindow::SetCursor(Field host, Field cursorValue, bool isHandle)
{
    WriteField(host, cursor, isHandle ? cursorValue : AsField(LoadCursorW(nullptr, MAKEINTRESOURCEW(cursorValue))));
}

void HostWindow::SetFocusElement(Field host, Field element, bool showFocusCue)
{
    using enum ElementField;
    if (!element || ReadField(element, Disabled) != 0 || ReadField(element, Visible) != 1 ||
        ReadField(element, Focusable) != 1 || ReadField(element, ClassId) == kClassSkippedByTabId ||
        ReadField(host, focusElement) == element) {
        return;
    }
    Field old = ReadField(host, focusElement);
    WriteField(host, focusElement, element);
    WriteField(host, focusCueElement, 0);
    if (old)
        Element::SendEventViaWindow(old, EV_FOCUS_LOST, 0, element);
    if (showFocusCue)
        WriteField(host, focusCueElement, element);
    Element::SendEventViaWindow(element, EV_FOCUS_GAINED, 0, old);
}

void HostWindow::LayoutCaption(Field host)
{
    const Field flags = ReadField(host, frameFlags);
    if (flags == 0)
        return;
    Field x = SizeOf(host)->width - 5;
    if (flags & kCloseButtonBit)
        x -= 12;
    for (const std::unique_ptr<ObjectHolder>& button : *CaptionButtonsOf(host)) {
        x -= 28;
        Element::Move(button->handle(), static_cast<float>(x), 7.0f, std::nullopt, std::nullopt);
    }
    if (flags & kTitleBit) {
        const Field left = (flags & kIconBit) ? 28 : 11;
        Element::Move(Owned<ObjectHolder>(host, titleElement)->handle(), static_cast<float>(left), 10.0f,
                      static_cast<float>(x - left), 20.0f);
    }
}

void HostWindow::Present(Field host, const RectRecord* area)
{
    const HostSize whole = *SizeOf(host);
    PresentArea(host, area ? *area : RectRecord{0, 0, static_cast<float>(whole.width), static_cast<float>(whole.height)});
}

Field HostWindow::SetAccessKey(Field host, Field element, Field key)
{
    AccessKeyList* keys = AccessKeysOf(host);
    if (!keys)
        return 1;
    auto entry = std::find_if(keys->begin(), keys->end(), [&](const AccessKeyEntry& e) { return e.element == element; });
    if (key == 0) {
        if (entry != keys->end())
            keys->erase(entry);
    } else if (entry != keys->end()) {
        entry->key = key;
    } else {
        keys->push_back({element, key});
    }
    return 1;
}

Field HostWindow::SetOnPaint(Field host, Field routine) { return SetHandler(host, onPaint, routine); }
Field HostWindow::SetOnMessage(Field host, Field routine) { return SetHandler(host, onMessage, routine); }
Field HostWindow::SetOnSize(Field host, Field routine) { return SetHandler(host, onSize, routine); }
Field HostWindow::SetOnElementDown(Field host, Field routine) { return SetHandler(host, onElementDown, routine); }
Field HostWindow::SetOnElementUp(Field host, Field routine) { return SetHandler(host, onElementUp, routine); }
Field HostWindow::SetOnElementClick(Field host, Field routine) { return SetHandler(host, onElementClick, routine); }
Field HostWindow::SetOnElementDoubleClick(Field host, Field routine)
{
    return SetHandler(host, onElementDoubleClick, routine);
}
Field HostWindow::SetOnElementRightDown(Field host, Field routine) { return SetHandler(host, onElementRightDown, routine); }
Field HostWindow::SetOnElementRightUp(Field host, Field routine) { return SetHandler(host, onElementRightUp, routine); }
Field HostWindow::SetOnElementLeave(Field host, Field routine) { return SetHandler(host, onElementLeave, routine); }
Field HostWindow::SetOnElementEnter(Field host, Field routine) { return SetHandler(host, onElementEnter, routine); }
Field HostWindow::SetOnElementFocus(Field host, Field routine) { return SetHandler(host, onElementFocus, routine); }
Field HostWindow::SetOnElementBlur(Field host, Field routine) { return SetHandler(host, onElementBlur, routine); }

void QueueRepaint(Field host, const RectRecord& area, RepaintMode mode)
{
    CallClassOperation(host, kQueueRepaintSlot, AsField(&area), static_cast<Field>(mode));
}

void DeferRepaint(Field host, const RectRecord& area)
{
    if (auto* areas = Owned<AreaList>(host, deferredAreas))
        areas->push_back(area);
}

void BeginBusyPhase(Field host)
{
    WriteField(host, busy, 1);
}

void EndBusyPhase(Field host)
{
    WriteField(host, busy, 0);
    auto* areas = Owned<AreaList>(host, deferredAreas);
    if (!areas)
        return;
    AreaList pending;
    pending.swap(*areas);
    for (const RectRecord& area : pending)
        QueueRepaint(host, area, RepaintMode::Append);
}

void ForgetElement(Field host, Field element)
{
    if (ReadField(host, pressedElement) == element) {
        WriteField(host, pressedElement, 0);
        if (ReadField(host, captureActive)) {
            WriteField(host, captureActive, 0);
            ReleaseCapture();
        }
    }
    for (HostField reference : {focusElement, hotElement, focusCueElement}) {
        if (ReadField(host, reference) == element)
            WriteField(host, reference, 0);
    }
    HostWindow::SetAccessKey(host, element, 0);
}

AccessKeyList* AccessKeysOf(Field host)
{
    return Owned<AccessKeyList>(host, accelerators);
}

CaptionButtonList* CaptionButtonsOf(Field host)
{
    return Owned<CaptionButtonList>(host, captionButtons);
}

HostSize* SizeOf(Field host)
{
    // A host without its record (handle 0, or released) reads as size 0 x 0.
    static HostSize none;
    auto* record = Owned<HostSize>(host, size);
    return record ? record : &(none = HostSize{});
}

} // namespace corvatto::ui
