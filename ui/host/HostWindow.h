#pragma once

#include "platform/Win32.h"
#include "ui/core/ObjectModel.h"
#include "ui/core/RectRecord.h"
#include "ui/foundation/Field.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace corvatto::ui {

// Slots of the host's operation table that other code calls by number.
inline constexpr std::size_t kHostWindowProcedureSlot = 2;
inline constexpr std::size_t kQueueRepaintSlot = 3;
inline constexpr std::size_t kShowElementTooltipSlot = 4;

enum class RepaintMode : Field { Append = 0, AtOnce = 1, First = 2 };

// The window's outer size.
struct HostSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// One access key: pressing Alt with the key's character clicks the element.
struct AccessKeyEntry {
    Field element;
    Field key;
};

#if defined(__i386__)
static_assert(sizeof(AccessKeyEntry) == 8);
#endif

using AccessKeyList = std::vector<AccessKeyEntry>;
using CaptionButtonList = std::vector<std::unique_ptr<ObjectHolder>>;

// The object that binds the framework to one native window: its numbered fields, its construction,
// copy and release, its properties and its callback setters.
class HostWindow {
public:
    static const OperationTable& Operations();

    // Allocates the owned records, lists and member objects of a zero-filled host object.
    static void Construct(Field host);
    static void ReleaseMembers(Field host);
    // A detached copy with the same options and callbacks and copies of what the source owns; it shares
    // no window, element or drawing resource with its source.
    static Field* Clone(Field host);

    static Field DragByBody(Field host, std::optional<Field> value = {});
    static Field FrameStyle(Field host, std::optional<Field> value = {});
    static void SetShadowColor(Field host, Field colour);
    static void SetCloseAnimation(Field host, Field animation);
    static void SetCursor(Field host, Field cursor, bool isHandle);
    static void SetFocusElement(Field host, Field element, bool showFocusCue);
    static void LayoutCaption(Field host);
    static void Present(Field host, const RectRecord* area = nullptr);
    static Field SetAccessKey(Field host, Field element, Field key);

    // The callback setters: each stores a callback (0 removes it) and returns the stored value.
    static Field SetOnPaint(Field host, Field routine);
    static Field SetOnMessage(Field host, Field routine);
    static Field SetOnSize(Field host, Field routine);
    static Field SetOnElementDown(Field host, Field routine);
    static Field SetOnElementUp(Field host, Field routine);
    static Field SetOnElementClick(Field host, Field routine);
    static Field SetOnElementDoubleClick(Field host, Field routine);
    static Field SetOnElementRightDown(Field host, Field routine);
    static Field SetOnElementRightUp(Field host, Field routine);
    static Field SetOnElementLeave(Field host, Field routine);
    static Field SetOnElementEnter(Field host, Field routine);
    static Field SetOnElementFocus(Field host, Field routine);
    static Field SetOnElementBlur(Field host, Field routine);
};

// The declared storage of one host, constructed and ready to attach.
class HostObject : public ObjectHolder {
public:
    HostObject();
    // A host of a class derived from the host's table.
    explicit HostObject(const OperationTable& table);
    // Takes over a copy made by HostWindow::Clone.
    explicit HostObject(Field* copy) : ObjectHolder(copy) {}
};

// Repaint requests go to the host's redraw queue.
void QueueRepaint(Field host, const RectRecord& area, RepaintMode mode);
// While the host is busy an area cannot be repainted; it waits until the busy phase ends.
void DeferRepaint(Field host, const RectRecord& area);
void BeginBusyPhase(Field host);
void EndBusyPhase(Field host);

// An element is going: no host field may name it any more, and its access key goes with it.
void ForgetElement(Field host, Field element);

AccessKeyList* AccessKeysOf(Field host);
CaptionButtonList* CaptionButtonsOf(Field host);
HostSize* SizeOf(Field host);

} // namespace corvatto::ui
