#include "ui/elements/Element.h"

#include "platform/GdiPlus.h"
#include "ui/core/Dispatch.h"
#include "ui/core/ElementRecord.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/MessageBlocks.h"
#include "ui/core/Messages.h"
#include "ui/elements/ElementCanvas.h"
#include "ui/foundation/RawMemory.h"
#include "ui/host/HostFields.h"
#include "ui/host/HostWindow.h"

#include <cmath>

namespace corvatto::ui {

using enum ElementField;

namespace {

constexpr double kTolerance = 1e-7;

HWND WindowOf(Field element)
{
    return FieldAs<HWND__>(ReadField(element, Window));
}

Field HostOf(Field element)
{
    return ReadField(element, Host);
}

float Truncated(float value)
{
    return static_cast<float>(TruncToInt64(value));
}

bool Differs(double a, double b)
{
    return std::abs(a - b) > kTolerance;
}

void VisitDescendants(Field element, void (*visit)(Field, float, float), float dx, float dy)
{
    for (Field child = ReadField(element, FirstChild); child != 0; child = ReadField(child, PrevSibling)) {
        visit(child, dx, dy);
        VisitDescendants(child, visit, dx, dy);
    }
}

void Shift(Field element, float dx, float dy)
{
    if (RectRecord* bounds = BoundsField(element)) {
        bounds->x += dx;
        bounds->y += dy;
    }
}

// Tells the host that the element moved. While the host is busy it cannot repaint; on the window's own
// thread waiting would never end, so the areas wait in the host until its busy phase is over.
void NotifyBoundsChanged(Field element, bool repaint)
{
    HWND window = WindowOf(element);
    Field flag = repaint ? 1 : 0;
    LRESULT result = SendMessageW(window, static_cast<UINT>(HM_BOUNDS_CHANGED), element, flag);
    if (result == 1 || !repaint)
        return;
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        if (const RectRecord* before = BoundsField(element, PrevBounds))
            DeferRepaint(HostOf(element), *before);
        if (const RectRecord* after = BoundsField(element))
            DeferRepaint(HostOf(element), *after);
        return;
    }
    while (result != 1 && IsWindow(window)) {
        Sleep(1);
        result = SendMessageW(window, static_cast<UINT>(HM_BOUNDS_CHANGED), element, flag);
    }
}

// Slot adapters: the operation table carries every operation with pointer-sized values, optional
// arguments as (value, given) pairs, as shared code calls them by number.
template <typename T>
std::optional<T> Given(Field value, Field given)
{
    if (!given)
        return std::nullopt;
    return static_cast<T>(value);
}

// Ten values at most: the transition steps and kind are set through their own slots.
Field CreateSlot(Field e, Field owner, Field bounds, Field classId, Field visible, Field focusable,
                 Field focusableGiven, Field cursorId, Field cursorGiven, Field interval)
{
    if (!bounds)
        return 0;
    ElementOptions options;
    options.classId = classId;
    options.visible = visible != 0;
    options.focusable = focusableGiven ? focusable != 0 : true;
    options.cursorId = Given<Field>(cursorId, cursorGiven);
    options.transitionInterval = interval;
    return Element::Create(e, owner, *FieldAs<const RectRecord>(bounds), options);
}
Field GetHandleSlot(Field e) { return Element::GetHandle(e); }
Field GetWindowSlot(Field e) { return AsField(Element::GetWindow(e)); }
Field GetParentSlot(Field e) { return Element::GetParent(e); }
void SetParentSlot(Field e, Field parent) { Element::SetParent(e, parent); }
void DestroySlot(Field e) { Element::Destroy(e); }
// The copy of the bounds is the caller's, released with FreeBounds.
Field RectSlot(Field e, Field moveTo)
{
    RectRecord bounds = Element::Rect(e, FieldAs<const RectRecord>(moveTo));
    return AsField(CopyBounds(&bounds));
}
Field VisibleSlot(Field e, Field value, Field given) { return Element::Visible(e, Given<Field>(value, given)); }
Field DisabledSlot(Field e, Field value, Field given) { return Element::Disabled(e, Given<Field>(value, given)); }
Field FocusableSlot(Field e, Field value, Field given) { return Element::Focusable(e, Given<Field>(value, given)); }
Field HasFocusSlot(Field e) { return Element::HasFocus(e) ? 1 : 0; }
Field RefreshSlot(Field e) { return Element::Refresh(e); }
void InvalidateSlot(Field e) { Element::Invalidate(e); }
void MoveSlot(Field e, Field x, Field xGiven, Field y, Field yGiven, Field width, Field widthGiven, Field height,
              Field heightGiven)
{
    Element::Move(e, Given<float>(x, xGiven), Given<float>(y, yGiven), Given<float>(width, widthGiven),
                  Given<float>(height, heightGiven));
}
Field TipTextSlot(Field e, Field text, Field given, Field showNow)
{
    std::optional<Text> value;
    if (given && text)
        value = Text(FieldAs<const char>(text));
    Element::TipText(e, value, showNow != 0);
    return ReadField(e, ElementField::TipText);
}
void ShowTipSlot(Field e, Field text) { Element::ShowTip(e, text ? FieldAs<const char>(text) : ""); }
void AddHandlerSlot(Field e, Field message, Field callback) { Element::AddHandler(e, message, callback); }
Field SelfHandleSlot(Field e) { return Element::SelfHandle(e); }
Field AlphaSlot(Field e, Field value, Field given, Field repaint, Field repaintGiven)
{
    return Element::Alpha(e, Given<Field>(value, given), !repaintGiven || repaint != 0);
}
Field TransitionStepsSlot(Field e, Field steps, Field stepsGiven, Field interval, Field intervalGiven)
{
    return Element::TransitionSteps(e, Given<Field>(steps, stepsGiven), Given<Field>(interval, intervalGiven));
}
Field TransitionIntervalSlot(Field e, Field value, Field given)
{
    return Element::TransitionInterval(e, Given<Field>(value, given));
}
Field TransitionStepSlot(Field e) { return Element::TransitionStep(e); }
Field TransitionKindSlot(Field e, Field value, Field given) { return Element::TransitionKind(e, Given<Field>(value, given)); }
Field SendEventViaWindowSlot(Field e, Field m, Field w, Field l) { return Element::SendEventViaWindow(e, m, w, l); }
Field PostEventViaWindowSlot(Field e, Field m, Field w, Field l) { return Element::PostEventViaWindow(e, m, w, l); }
Field CursorSlot(Field e, Field cursor, Field given, Field isHandle)
{
    return Element::Cursor(e, Given<Field>(cursor, given), isHandle != 0);
}
Field TagSlot(Field e, Field text, Field given)
{
    std::optional<Text> value;
    if (given && text)
        value = Text(FieldAs<const char>(text));
    Element::Tag(e, value);
    return ReadField(e, ElementField::Tag);
}
Field LeftSlot(Field e, Field value, Field given) { return Element::Left(e, Given<float>(value, given)); }
Field TopSlot(Field e, Field value, Field given) { return Element::Top(e, Given<float>(value, given)); }
Field WidthSlot(Field e, Field value, Field given) { return Element::Width(e, Given<float>(value, given)); }
Field HeightSlot(Field e, Field value, Field given) { return Element::Height(e, Given<float>(value, given)); }
void ChangeOrderSlot(Field e, Field position, Field positionGiven, Field repaint, Field repaintGiven)
{
    Element::ChangeOrder(e, Given<Field>(position, positionGiven), !repaintGiven || repaint != 0);
}
void UnlinkSlot(Field e) { Element::UnlinkElement(e); }
void SuspendPresentSlot(Field e) { Element::SuspendPresent(e); }
void ResumePresentSlot(Field e) { Element::ResumePresent(e); }
void TransitionTickSlot(Field e, Field window, Field message, Field timerId, Field time)
{
    Element::TransitionTick(e, FieldAs<HWND__>(window), message, timerId, time);
}
void PaintHookSlot(Field, Field) {}
void ReleaseSlot(Field e) { Element::ReleaseMembers(e); }
Field CopySlot(Field e) { return AsField(Element::Copy(e, kElementFieldCount)); }

} // namespace

const OperationTable& Element::Operations()
{
    static const OperationTable table{
        {0, RoutineAddress<&ReleaseSlot>()},
        {1, RoutineAddress<&CopySlot>()},
        {2, RoutineAddress<&CreateSlot>()},
        {3, RoutineAddress<&GetHandleSlot>()},
        {4, RoutineAddress<&GetWindowSlot>()},
        {5, RoutineAddress<&GetParentSlot>()},
        {6, RoutineAddress<&SetParentSlot>()},
        {7, RoutineAddress<&DestroySlot>()},
        {8, RoutineAddress<&RectSlot>()},
        {9, RoutineAddress<&VisibleSlot>()},
        {10, RoutineAddress<&DisabledSlot>()},
        {11, RoutineAddress<&FocusableSlot>()},
        {12, RoutineAddress<&HasFocusSlot>()},
        {13, RoutineAddress<&RefreshSlot>()},
        {14, RoutineAddress<&InvalidateSlot>()},
        {15, RoutineAddress<&MoveSlot>()},
        {16, RoutineAddress<&TipTextSlot>()},
        {17, RoutineAddress<&ShowTipSlot>()},
        {18, RoutineAddress<&AddHandlerSlot>()},
        {19, RoutineAddress<&SelfHandleSlot>()},
        {20, RoutineAddress<&AlphaSlot>()},
        {21, RoutineAddress<&TransitionStepsSlot>()},
        {22, RoutineAddress<&TransitionIntervalSlot>()},
        {23, RoutineAddress<&TransitionStepSlot>()},
        {24, RoutineAddress<&TransitionKindSlot>()},
        {25, RoutineAddress<&SendEventViaWindowSlot>()},
        {26, RoutineAddress<&PostEventViaWindowSlot>()},
        {27, RoutineAddress<&CursorSlot>()},
        {28, RoutineAddress<&TagSlot>()},
        {29, RoutineAddress<&LeftSlot>()},
        {30, RoutineAddress<&TopSlot>()},
        {31, RoutineAddress<&WidthSlot>()},
        {32, RoutineAddress<&HeightSlot>()},
        {33, RoutineAddress<&ChangeOrderSlot>()},
        {34, RoutineAddress<&UnlinkSlot>()},
        {35, RoutineAddress<&SuspendPresentSlot>()},
        {36, RoutineAddress<&ResumePresentSlot>()},
        {kTransitionTickSlot, RoutineAddress<&TransitionTickSlot>()},
        {kPaintBeginSlot, RoutineAddress<&PaintHookSlot>()},
        {kPaintEndSlot, RoutineAddress<&PaintHookSlot>()},
    };
    return table;
}

Field Element::Create(Field e, Field owner, const RectRecord& bounds, const ElementOptions& options)
{
    if (!ObjectOf(e))
        return 0;
    Field current = ReadField(e, Handle);
    if (current == e)
        return e;
    // A record that names another element's handle belongs to that element: never link it twice.
    if (current != 0)
        return 0;

    const bool ownerIsElement = IsLiveElement(owner);
    HWND window = ownerIsElement ? WindowOf(owner) : FieldAs<HWND__>(owner);
    Field host = HostOfWindow(window);
    if (ownerIsElement && HostOf(owner) != host)
        return 0;

    WriteField(e, Handle, e);
    WriteField(e, Window, AsField(window));
    SetBoundsField(e, Bounds, &bounds);
    ClearTextField(e, ElementField::TipText);
    WriteField(e, Parent, 0);
    WriteField(e, ElementField::Alpha, 255);
    WriteField(e, ClassId, options.classId);
    WriteField(e, ElementField::Visible, options.visible ? 1 : 0);
    WriteField(e, ElementField::Focusable, options.focusable ? 1 : 0);
    WriteField(e, ElementField::Cursor,
               options.cursorId ? AsField(LoadCursorW(nullptr, MAKEINTRESOURCEW(*options.cursorId))) : 0);
    WriteField(e, ElementField::Disabled, 0);
    WriteField(e, AutoRedraw, 1);
    WriteField(e, Host, host);
    WriteField(e, NextSibling, 0);
    WriteField(e, PrevSibling, 0);
    if (host)
        RegisterElement(host, e);
    if (ownerIsElement)
        LinkUnderParent(e, owner);
    else if (host)
        LinkNewest(TopLevelList(host), e);

    CreateCanvas(e, static_cast<int>(TruncToInt64(bounds.width)), static_cast<int>(TruncToInt64(bounds.height)),
                 CanvasFormat::Argb);
    WriteField(e, ElementField::TransitionInterval, options.transitionInterval);
    WriteField(e, ElementField::TransitionSteps, options.transitionSteps);
    WriteField(e, ElementField::TransitionKind, options.transitionKind);
    WriteField(e, ElementField::TransitionStep, 0);

    SendEventViaWindow(e, EV_CREATE, ReadField(e, Canvas), ReadField(e, CanvasGraphics));
    SendEventViaWindow(e, EV_PAINT, ReadField(e, Canvas), ReadField(e, CanvasGraphics));
    return e;
}

void Element::Destroy(Field e)
{
    if (ReadField(e, Handle) == 0 || HostOf(e) == 0)
        return;
    Field host = HostOf(e);
    WriteField(e, ElementField::Visible, 0);
    Invalidate(e);
    // The next link is taken before a child goes, since destroying it clears its own links.
    for (Field child = ReadField(e, FirstChild); child != 0;) {
        Field newer = ReadField(child, PrevSibling);
        Destroy(child);
        child = newer;
    }
    SendEvent(e, EV_DESTROY, 0, 0);
    HWND window = WindowOf(e);
    KillTimer(window, static_cast<UINT_PTR>(e));
    KillTimer(window, static_cast<UINT_PTR>(e + 1));
    ForgetElement(host, e);
    Unlink(e);
    UnregisterElement(e);
    ReleaseMembers(e);
    for (std::size_t field = 1; field <= kElementFieldCount; ++field)
        WriteField(e, field, 0);
}

void Element::ReleaseMembers(Field e)
{
    // An element released without being destroyed must not stay registered: its handle's cell is going.
    UnregisterElement(e);
    ClearTextField(e, ElementField::TipText);
    ClearTextField(e, ElementField::Tag);
    ReleaseCanvas(e);
    FreeHandlerTable(e);
    SetBoundsField(e, Bounds, nullptr);
    SetBoundsField(e, PrevBounds, nullptr);
}

Field* Element::Copy(Field e, std::size_t fieldCount)
{
    const Field* source = ObjectOf(e);
    if (!source)
        return nullptr;
    Field* copy = DuplicateObject(source, fieldCount);
    if (!copy)
        return nullptr;
    // The copy keeps the settings and owns copies of the texts, bounds and handlers; it is not created,
    // not linked and has no canvas, timer or host of its own yet.
    ObjectCell cell{AsField(copy)};
    Field handle = HandleOf(cell);
    for (ElementField cleared : {Window, Handle, Parent, FirstChild, LastChild, NextSibling, PrevSibling,
                                 ElementField::TransitionStep, Canvas, CanvasGraphics, Host, TransitionImage}) {
        WriteField(handle, cleared, 0);
    }
    WriteField(handle, Bounds, AsField(CopyBounds(BoundsField(e))));
    WriteField(handle, PrevBounds, AsField(CopyBounds(BoundsField(e, PrevBounds))));
    WriteField(handle, ElementField::TipText, 0);
    WriteField(handle, ElementField::Tag, 0);
    SetTextField(handle, ElementField::TipText, TextField(e, ElementField::TipText));
    SetTextField(handle, ElementField::Tag, TextField(e, ElementField::Tag));
    WriteField(handle, HandlerTable, CopyHandlerTable(ReadField(e, HandlerTable)));
    return copy;
}

Field Element::GetHandle(Field e)
{
    return ReadField(e, Handle);
}

HWND Element::GetWindow(Field e)
{
    return WindowOf(e);
}

Field Element::GetParent(Field e)
{
    return ReadField(e, Parent);
}

void Element::SetParent(Field e, Field parent)
{
    if (LinkUnderParent(e, parent))
        Invalidate(e);
}

RectRecord Element::Rect(Field e, const RectRecord* moveTo)
{
    if (moveTo) {
        Move(e, Truncated(moveTo->x), Truncated(moveTo->y), Truncated(moveTo->width), Truncated(moveTo->height));
    }
    const RectRecord* bounds = BoundsField(e);
    return bounds ? *bounds : RectRecord{};
}

Field Element::Visible(Field e, std::optional<Field> value)
{
    if (value && *value != ReadField(e, ElementField::Visible)) {
        WriteField(e, ElementField::Visible, *value);
        SendEventViaWindow(e, *value != 0 ? EV_SHOWN : EV_HIDDEN, 0, 0);
        Invalidate(e);
    }
    return ReadField(e, ElementField::Visible);
}

Field Element::Disabled(Field e, std::optional<Field> value)
{
    if (value && *value != ReadField(e, ElementField::Disabled)) {
        WriteField(e, ElementField::Disabled, *value);
        if (HasFocus(e)) {
            WriteField(HostOf(e), HostField::focusElement, 0);
            PostEventViaWindow(e, EV_FOCUS_LOST, 0, 0);
        }
        PostEventViaWindow(e, EV_MOUSE_LEAVE, 0, 0);
        Invalidate(e);
    }
    return ReadField(e, ElementField::Disabled);
}

Field Element::Focusable(Field e, std::optional<Field> value)
{
    if (value)
        WriteField(e, ElementField::Focusable, *value);
    return ReadField(e, ElementField::Focusable);
}

bool Element::HasFocus(Field e)
{
    Field answer = SendEventViaWindow(e, EV_QUERY_FOCUS, 0, 0);
    if (answer != kNotHandled)
        return answer == 1;
    return e != 0 && ReadField(HostOf(e), HostField::focusElement) == e;
}

Field Element::Refresh(Field e)
{
    return SendEventViaWindow(e, EV_PAINT, 0, 0);
}

void Element::Invalidate(Field e)
{
    const RectRecord* bounds = BoundsField(e);
    if (!bounds)
        return;
    // The area travels as a copy: the element may move or go before the host reads the message.
    Field area = NewAreaBlock(*bounds);
    if (!PostMessageW(WindowOf(e), static_cast<UINT>(HM_INVALIDATE), 1, area))
        TakeAreaBlock(area);
}

void Element::Move(Field e, std::optional<float> x, std::optional<float> y, std::optional<float> width,
                   std::optional<float> height, bool repaint)
{
    RectRecord* bounds = BoundsField(e);
    if (!bounds)
        return;
    const RectRecord old = *bounds;
    const RectRecord moved{x.value_or(Truncated(old.x)), y.value_or(Truncated(old.y)),
                           width.value_or(Truncated(old.width)), height.value_or(Truncated(old.height))};
    const bool widthChanged = Differs(moved.width, old.width);
    const bool heightChanged = Differs(moved.height, old.height);
    if (!Differs(moved.x, old.x) && !Differs(moved.y, old.y) && !widthChanged && !heightChanged)
        return;

    SetBoundsField(e, PrevBounds, &old);
    *bounds = moved;
    VisitDescendants(e, &Shift, moved.x - old.x, moved.y - old.y);

    if (widthChanged || heightChanged) {
        const int w = static_cast<int>(TruncToInt64(moved.width));
        const int h = static_cast<int>(TruncToInt64(moved.height));
        CreateCanvas(e, w, h, CanvasFormat::PremultipliedArgb);
        SendEventViaWindow(e, EV_RESIZED, w, h);
        SendEventViaWindow(e, EV_PAINT, w, h);
    }
    NotifyBoundsChanged(e, repaint && ReadField(e, ElementField::Visible) == 1);
}

Text Element::TipText(Field e, const std::optional<Text>& text, bool showNow)
{
    if (text) {
        SetTextField(e, ElementField::TipText, *text);
        if (showNow)
            ShowTip(e, *text);
    }
    return TextField(e, ElementField::TipText);
}

void Element::ShowTip(Field e, const Text& text)
{
    CallClassOperation(HostOf(e), kShowElementTooltipSlot, e, AsField(text.c_str()));
}

void Element::AddHandler(Field e, Field message, Field callback)
{
    AddHandlerEntry(e, message, callback);
}

Field Element::SelfHandle(Field e)
{
    return e;
}

Field Element::Alpha(Field e, std::optional<Field> value, bool repaint)
{
    if (value) {
        WriteField(e, ElementField::Alpha, *value);
        SendEventViaWindow(e, EV_ALPHA_CHANGED, 0, *value);
        if (repaint)
            Invalidate(e);
    }
    return ReadField(e, ElementField::Alpha);
}

Field Element::TransitionSteps(Field e, std::optional<Field> steps, std::optional<Field> interval)
{
    if (steps)
        WriteField(e, ElementField::TransitionSteps, *steps);
    if (interval)
        WriteField(e, ElementField::TransitionInterval, *interval);
    return ReadField(e, ElementField::TransitionSteps);
}

Field Element::TransitionInterval(Field e, std::optional<Field> value)
{
    if (value)
        WriteField(e, ElementField::TransitionInterval, *value);
    return ReadField(e, ElementField::TransitionInterval);
}

Field Element::TransitionStep(Field e)
{
    return ReadField(e, ElementField::TransitionStep);
}

Field Element::TransitionKind(Field e, std::optional<Field> value)
{
    if (value)
        WriteField(e, ElementField::TransitionKind, *value);
    return ReadField(e, ElementField::TransitionKind);
}

Field Element::SendEventViaWindow(Field e, Field message, Field wparam, Field lparam)
{
    if (!e)
        return 0;
    Field block = NewDeliverBlock(message, wparam, lparam);
    LRESULT result = SendMessageW(WindowOf(e), static_cast<UINT>(HM_DELIVER), e, block);
    // A window without a host leaves the block untaken; it is released here instead.
    TakeDeliverBlock(block);
    return result;
}

Field Element::PostEventViaWindow(Field e, Field message, Field wparam, Field lparam)
{
    if (!e)
        return 0;
    Field block = NewDeliverBlock(message, wparam, lparam);
    if (PostMessageW(WindowOf(e), static_cast<UINT>(HM_DELIVER), e, block))
        return 1;
    TakeDeliverBlock(block);
    return 0;
}

Field Element::Cursor(Field e, std::optional<Field> cursor, bool isHandle)
{
    if (cursor) {
        WriteField(e, ElementField::Cursor,
                   isHandle ? *cursor : AsField(LoadCursorW(nullptr, MAKEINTRESOURCEW(*cursor))));
    }
    return ReadField(e, ElementField::Cursor);
}

Text Element::Tag(Field e, const std::optional<Text>& text)
{
    if (text)
        SetTextField(e, ElementField::Tag, *text);
    return TextField(e, ElementField::Tag);
}

namespace {

Field Coordinate(Field e, float RectRecord::*member, std::optional<float> value, int which)
{
    const RectRecord* bounds = BoundsField(e);
    if (!bounds)
        return 0;
    if (value && Differs(*value, bounds->*member)) {
        std::optional<float> x, y, width, height;
        (which == 0 ? x : which == 1 ? y : which == 2 ? width : height) = *value;
        Element::Move(e, x, y, width, height);
        bounds = BoundsField(e);
    }
    return static_cast<Field>(TruncToInt64(bounds->*member));
}

} // namespace

Field Element::Left(Field e, std::optional<float> value)
{
    return Coordinate(e, &RectRecord::x, value, 0);
}

Field Element::Top(Field e, std::optional<float> value)
{
    return Coordinate(e, &RectRecord::y, value, 1);
}

Field Element::Width(Field e, std::optional<float> value)
{
    return Coordinate(e, &RectRecord::width, value, 2);
}

Field Element::Height(Field e, std::optional<float> value)
{
    return Coordinate(e, &RectRecord::height, value, 3);
}

void Element::ChangeOrder(Field e, std::optional<Field> position, bool repaint)
{
    if (!ObjectOf(e))
        return;
    Reorder(e, position.value_or(0) != 2);
    if (repaint)
        Invalidate(e);
}

void Element::UnlinkElement(Field e)
{
    Unlink(e);
}

void Element::SuspendPresent(Field e)
{
    WriteField(e, AutoRedraw, 0);
}

void Element::ResumePresent(Field e)
{
    WriteField(e, AutoRedraw, 1);
}

void Element::TransitionTick(Field e, HWND window, Field, Field timerId, Field)
{
    if (!IsLiveElement(e))
        return;
    WriteField(e, ElementField::TransitionStep, ReadField(e, ElementField::TransitionStep) + 1);
    if (const RectRecord* bounds = BoundsField(e))
        QueueRepaint(HostOf(e), *bounds, RepaintMode::AtOnce);
    if (ReadField(e, ElementField::TransitionStep) >= ReadField(e, ElementField::TransitionSteps)) {
        KillTimer(window, static_cast<UINT_PTR>(timerId));
        if (auto* snapshot = FieldAs<Gdiplus::GpImage>(ReadField(e, TransitionImage)))
            Gdiplus::DllExports::GdipDisposeImage(snapshot);
        WriteField(e, TransitionImage, 0);
        WriteField(e, ElementField::TransitionStep, 0);
        SendEvent(e, EV_TRANSITION_END, 0, 0);
    }
}

} // namespace corvatto::ui
