#pragma once

#include "platform/Win32.h"
#include "ui/core/ObjectModel.h"
#include "ui/core/RectRecord.h"
#include "ui/foundation/Field.h"

#include <optional>

namespace corvatto::ui {

// What a new element is given besides its owner and bounds.
struct ElementOptions {
    Field classId = 0;
    bool visible = true;
    bool focusable = true;
    std::optional<Field> cursorId; // a system cursor identifier such as 32649 (IDC_HAND)
    Field transitionInterval = 0;
    Field transitionSteps = 0;
    Field transitionKind = 0;
};

// The base class of every element: the 28 numbered fields and the operations every element class
// inherits in slots 2 to 39. Every operation takes the element's handle first. A class adds its event
// routine in slot 40 and its own operations after it.
class Element {
public:
    // The base table (slots 0 to 39); element classes derive theirs from it.
    static const OperationTable& Operations();

    // Creates the element in a window (owner = the window) or under an element (owner = its handle).
    // Returns the element's handle, or 0 when the owner element belongs to another host.
    static Field Create(Field element, Field owner, const RectRecord& bounds, const ElementOptions& options = {});
    static void Destroy(Field element);

    static Field GetHandle(Field element);
    static HWND GetWindow(Field element);
    static Field GetParent(Field element);
    static void SetParent(Field element, Field parent);
    static RectRecord Rect(Field element, const RectRecord* moveTo = nullptr);
    static Field Visible(Field element, std::optional<Field> value = {});
    static Field Disabled(Field element, std::optional<Field> value = {});
    static Field Focusable(Field element, std::optional<Field> value = {});
    static bool HasFocus(Field element);
    static Field Refresh(Field element);
    static void Invalidate(Field element);
    static void Move(Field element, std::optional<float> x, std::optional<float> y, std::optional<float> width,
                     std::optional<float> height, bool repaint = true);
    static Text TipText(Field element, const std::optional<Text>& text = {}, bool showNow = false);
    static void ShowTip(Field element, const Text& text);
    static void AddHandler(Field element, Field message, Field callback);
    static Field SelfHandle(Field element);
    static Field Alpha(Field element, std::optional<Field> value = {}, bool repaint = true);
    static Field TransitionSteps(Field element, std::optional<Field> steps = {}, std::optional<Field> interval = {});
    static Field TransitionInterval(Field element, std::optional<Field> value = {});
    static Field TransitionStep(Field element);
    static Field TransitionKind(Field element, std::optional<Field> value = {});
    static Field SendEventViaWindow(Field element, Field message, Field wparam, Field lparam);
    static Field PostEventViaWindow(Field element, Field message, Field wparam, Field lparam);
    static Field Cursor(Field element, std::optional<Field> cursor = {}, bool isHandle = false);
    static Text Tag(Field element, const std::optional<Text>& text = {});
    static Field Left(Field element, std::optional<float> value = {});
    static Field Top(Field element, std::optional<float> value = {});
    static Field Width(Field element, std::optional<float> value = {});
    static Field Height(Field element, std::optional<float> value = {});
    // Position 2 moves the element to the bottom of its list; anything else to the top.
    static void ChangeOrder(Field element, std::optional<Field> position = {}, bool repaint = true);
    static void UnlinkElement(Field element);
    static void SuspendPresent(Field element);
    static void ResumePresent(Field element);
    // The timer routine of a running canvas transition; its timer identifier is the handle + 1.
    static void TransitionTick(Field element, HWND window, Field message, Field timerId, Field time);

    // Slot 0 for classes that own nothing more than the base fields: frees what a record still owns.
    static void ReleaseMembers(Field element);
    // Slot 1: an uncreated copy that shares no resource with its source.
    static Field* Copy(Field element, std::size_t fieldCount);
};

// The declared storage of one element: its object and the cell that gives it its handle.
class ElementObject : public ObjectHolder {
public:
    explicit ElementObject(const OperationTable& table = Element::Operations(),
                           std::size_t fieldCount = kElementFields)
        : ObjectHolder(table, fieldCount)
    {
    }
    // Takes over a copy made by Element::Copy.
    explicit ElementObject(Field* copy) : ObjectHolder(copy) {}
    static constexpr std::size_t kElementFields = 28;
};

} // namespace corvatto::ui
