#include "tests/ui/FrameworkFixture.h"
#include "ui/core/ElementRecord.h"

#include <algorithm>

namespace corvatto::ui {
namespace {

using testing::FrameworkTest;
using testing::Journal;
using enum ElementField;

class ElementBase : public FrameworkTest {};

UINT CanvasWidth(Field e)
{
    UINT width = 0;
    Gdiplus::DllExports::GdipGetImageWidth(FieldAs<Gdiplus::GpImage>(ReadField(e, Canvas)), &width);
    return width;
}

TEST_F(ElementBase, CreationSetsTheRecordAndSendsCreateThenPaint)
{
    Field e = NewElement({5, 6, 40, 30}, 0, {.classId = 4, .visible = true, .cursorId = 32649});
    EXPECT_EQ(ReadField(e, Handle), e);
    EXPECT_EQ(ReadField(e, Window), AsField(window()));
    EXPECT_EQ(ReadField(e, Host), host());
    EXPECT_EQ(ReadField(e, ElementField::Alpha), 255);
    EXPECT_EQ(ReadField(e, AutoRedraw), 1);
    EXPECT_EQ(ReadField(e, ElementField::Focusable), 1);
    EXPECT_EQ(ReadField(e, ElementField::Cursor), AsField(LoadCursorW(nullptr, IDC_HAND)));
    EXPECT_EQ(CanvasWidth(e), 40u);
    EXPECT_EQ(Journal::Current().MessagesOf(e), (std::vector<Field>{EV_CREATE, EV_PAINT}));
    EXPECT_EQ(Journal::Current().events[0].wparam, ReadField(e, Canvas));
    EXPECT_EQ(Element::Create(e, AsField(window()), {0, 0, 1, 1}), e) << "creating twice changes nothing";
}

TEST_F(ElementBase, ElementWithoutCanvasHasOneByOnePixel)
{
    Field e = NewElement({0, 0, 200, 100}, 0, {.classId = kClassWithoutCanvasId});
    EXPECT_EQ(CanvasWidth(e), 1u);
    Element::Move(e, {}, {}, 300.0f, {});
    EXPECT_EQ(CanvasWidth(e), 1u);
}

TEST_F(ElementBase, CreationUnderAnElementOfAnotherHostFails)
{
    UniqueWindow other(CreateWindowExW(0, L"CorvattoTestWindow", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
    HostObject otherHost;
    BindHostToWindow(otherHost.handle(), other.get());
    Field parent = NewElement({0, 0, 50, 50});
    // A parent whose host no longer matches its window's.
    WriteField(parent, Host, otherHost.handle());
    Field child = NewUncreated();
    EXPECT_EQ(Element::Create(child, parent, {0, 0, 5, 5}), 0);
    EXPECT_EQ(ReadField(parent, FirstChild), 0);
    WriteField(parent, Host, host());
}

TEST_F(ElementBase, MovingAnElementMovesEveryDescendantSilently)
{
    Field parent = NewElement({10, 10, 100, 100});
    Field child = NewElement({20, 20, 50, 50}, parent);
    Field grandchild = NewElement({25, 25, 10, 10}, child);
    Journal::Current().events.clear();

    Element::Move(parent, 20.0f, 15.0f, {}, {});

    EXPECT_EQ(Element::Rect(parent).x, 20);
    EXPECT_EQ(Element::Rect(child).x, 30);
    EXPECT_EQ(Element::Rect(child).y, 25);
    EXPECT_EQ(Element::Rect(grandchild).x, 35);
    EXPECT_EQ(Element::Rect(grandchild).y, 30);
    EXPECT_EQ(BoundsField(child, PrevBounds), nullptr) << "descendants keep their previous bounds";
    EXPECT_EQ(Journal::Current().MessagesOf(child), std::vector<Field>{});
    // Only the mover hears of it, and without a resize its canvas stays.
    EXPECT_EQ(Journal::Current().MessagesOf(parent), std::vector<Field>{HM_BOUNDS_CHANGED});
    EXPECT_EQ(BoundsField(parent, PrevBounds)->x, 10);
}

TEST_F(ElementBase, MoveWithinToleranceDoesNothingAndResizeRepaintsTheCanvas)
{
    Field e = NewElement({10, 10, 100, 100});
    Journal::Current().events.clear();
    Element::Move(e, 10.00000001f, {}, {}, {});
    EXPECT_TRUE(Journal::Current().events.empty());

    Element::Width(e, 120.0f);
    EXPECT_EQ(Journal::Current().MessagesOf(e), (std::vector<Field>{EV_RESIZED, EV_PAINT, HM_BOUNDS_CHANGED}));
    EXPECT_EQ(CanvasWidth(e), 120u);
    EXPECT_EQ(Element::Width(e), 120);
}

TEST_F(ElementBase, MoveWhileTheHostIsBusyReturnsAndRepaintsWhenItIsNot)
{
    Field e = NewElement({10, 10, 20, 20});
    Journal::Current().repaints.clear();
    BeginBusyPhase(host());
    Element::Move(e, 50.0f, {}, {}, {});
    EXPECT_TRUE(Journal::Current().repaints.empty());
    EndBusyPhase(host());
    ASSERT_EQ(Journal::Current().repaints.size(), 2u);
    EXPECT_EQ(Journal::Current().repaints[0].x, 10);
    EXPECT_EQ(Journal::Current().repaints[1].x, 50);
}

TEST_F(ElementBase, DestroyingAParentDestroysEveryDescendantFirstAndClearsTheHost)
{
    Field parent = NewElement({0, 0, 100, 100});
    std::vector<Field> descendants;
    for (int i = 0; i < 3; ++i) {
        Field child = NewElement({0, 0, 50, 50}, parent);
        descendants.push_back(child);
        descendants.push_back(NewElement({0, 0, 10, 10}, child));
    }
    Field grandchild = descendants[1];
    WriteField(host(), HostField::focusElement, descendants[0]);
    WriteField(host(), HostField::hotElement, grandchild);
    WriteField(host(), HostField::pressedElement, descendants[2]);
    WriteField(host(), HostField::focusCueElement, descendants[0]);
    HostWindow::SetAccessKey(host(), descendants[4], 'a');
    SetTimer(window(), static_cast<UINT_PTR>(grandchild), 1000, nullptr);
    Journal::Current().events.clear();

    Element::Destroy(parent);

    std::vector<Field> destroyed;
    for (const testing::SeenEvent& event : Journal::Current().events) {
        if (event.message == EV_DESTROY)
            destroyed.push_back(event.element);
    }
    ASSERT_EQ(destroyed.size(), 7u);
    EXPECT_EQ(destroyed.back(), parent);
    for (Field d : descendants) {
        EXPECT_NE(std::find(destroyed.begin(), destroyed.end(), d), destroyed.end());
        EXPECT_EQ(ReadField(d, Handle), 0);
    }
    for (HostField reference : {HostField::focusElement, HostField::hotElement, HostField::pressedElement,
                                HostField::focusCueElement, HostField::firstElement, HostField::lastElement}) {
        EXPECT_EQ(ReadField(host(), reference), 0);
    }
    EXPECT_TRUE(AccessKeysOf(host())->empty());
    EXPECT_FALSE(KillTimer(window(), static_cast<UINT_PTR>(grandchild))) << "the element's timer outlived it";
    // The host refuses to deliver to what is gone.
    SendMessageW(window(), WM_TIMER, grandchild, 0);
    EXPECT_EQ(Journal::Current().MessagesOf(grandchild), std::vector<Field>{EV_DESTROY});
}

TEST_F(ElementBase, AccessorsSendTheirEventsOnlyOnChange)
{
    Field e = NewElement({0, 0, 10, 10});
    Journal::Current().events.clear();
    Element::Visible(e, 1);
    Element::Visible(e, 0);
    Element::Alpha(e, 128);
    EXPECT_EQ(Journal::Current().MessagesOf(e), (std::vector<Field>{EV_HIDDEN, EV_ALPHA_CHANGED}));
    EXPECT_EQ(Element::Alpha(e), 128);

    Element::TipText(e, Text("tip"));
    Element::Tag(e, Text("\xD3\xEF\xD2\xF4")); // 语音
    EXPECT_EQ(Element::TipText(e), "tip");
    EXPECT_EQ(Element::Tag(e), "\xD3\xEF\xD2\xF4");
    EXPECT_EQ(Element::Cursor(e, 0x1234, true), 0x1234);
}

TEST_F(ElementBase, DisablingTheFocusedElementDropsTheFocusAndPostsItsEvents)
{
    Field e = NewElement({0, 0, 10, 10});
    WriteField(host(), HostField::focusElement, e);
    Journal::Current().events.clear();
    Journal::Current().eventResult = kNotHandled;
    Element::Disabled(e, 1);
    EXPECT_EQ(ReadField(host(), HostField::focusElement), 0);
    Pump();
    EXPECT_EQ(Journal::Current().MessagesOf(e), (std::vector<Field>{EV_QUERY_FOCUS, EV_FOCUS_LOST, EV_MOUSE_LEAVE}));
}

TEST_F(ElementBase, CopyComesOutUncreatedWithItsOwnTexts)
{
    Field e = NewElement({1, 2, 30, 40});
    Element::TipText(e, Text("tip"));
    Element::AddHandler(e, EV_CLICK, 1);
    ElementObject copy(Element::Copy(e, kElementFieldCount));
    Field c = copy.handle();
    EXPECT_EQ(ReadField(c, Handle), 0);
    EXPECT_EQ(ReadField(c, Canvas), 0);
    EXPECT_EQ(ReadField(c, Window), 0);
    EXPECT_EQ(ReadField(c, NextSibling), 0);
    EXPECT_NE(ReadField(c, ElementField::TipText), ReadField(e, ElementField::TipText));
    EXPECT_EQ(Element::TipText(c), "tip");
    EXPECT_NE(ReadField(c, HandlerTable), ReadField(e, HandlerTable));
    EXPECT_EQ(HandlerCount(c), 1u);
    Element::TipText(e, Text("changed"));
    EXPECT_EQ(Element::TipText(c), "tip");
    // The copy can be created on its own.
    EXPECT_EQ(Element::Create(c, AsField(window()), {0, 0, 5, 5}), c);
    Element::Destroy(c);
}

} // namespace
} // namespace corvatto::ui
