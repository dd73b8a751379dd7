#include "tests/ui/FrameworkFixture.h"

namespace corvatto::ui::testing {
namespace {

Field RecordEvent(Field element, Field message, Field wparam, Field lparam)
{
    Journal::Current().events.push_back({element, message, wparam, lparam});
    return Journal::Current().eventResult;
}

void RecordRepaint(Field, Field area, Field)
{
    Journal::Current().repaints.push_back(*FieldAs<const RectRecord>(area));
}

class GdiPlusSession {
public:
    GdiPlusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }

private:
    ULONG_PTR token_ = 0;
};

HWND NewTestWindow()
{
    static GdiPlusSession gdiplus;
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CorvattoTestWindow";
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, L"CorvattoTestWindow", L"test", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}

} // namespace

Journal& Journal::Current()
{
    static Journal journal;
    return journal;
}

std::vector<Field> Journal::MessagesOf(Field element) const
{
    std::vector<Field> messages;
    for (const SeenEvent& event : events) {
        if (event.element == element)
            messages.push_back(event.message);
    }
    return messages;
}

const OperationTable& RecordingElementClass()
{
    static const OperationTable table =
        Element::Operations().Derive({{kEventRoutineSlot, RoutineAddress<&RecordEvent>()}});
    return table;
}

const OperationTable& RecordingHostClass()
{
    static const OperationTable table =
        HostWindow::Operations().Derive({{kQueueRepaintSlot, RoutineAddress<&RecordRepaint>()}});
    return table;
}

FrameworkTest::FrameworkTest() : window_(NewTestWindow())
{
    Journal::Current() = Journal{};
    BindHostToWindow(host(), window());
}

FrameworkTest::~FrameworkTest()
{
    window_.reset();
    elements_.clear();
}

Field FrameworkTest::NewElement(const RectRecord& bounds, Field parent, ElementOptions options)
{
    Field element = NewUncreated();
    return Element::Create(element, parent ? parent : AsField(window()), bounds, options);
}

Field FrameworkTest::NewUncreated()
{
    elements_.push_back(std::make_unique<ElementObject>(RecordingElementClass()));
    return elements_.back()->handle();
}

void FrameworkTest::Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

} // namespace corvatto::ui::testing
