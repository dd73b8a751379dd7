#include "tests/ui/FrameworkFixture.h"
#include "ui/core/ElementRecord.h"

namespace corvatto::ui {
namespace {

using testing::FrameworkTest;
using testing::Journal;
using enum HostField;

class Host : public FrameworkTest {};

TEST_F(Host, PropertiesSetOnlyWhenAskedAndAlwaysAnswer)
{
    WriteField(host(), frameStyle, 7);
    EXPECT_EQ(HostWindow::FrameStyle(host(), std::nullopt), 7);
    EXPECT_EQ(HostWindow::FrameStyle(host(), 1), 1);
    EXPECT_EQ(CallClassOperation(host(), 15, 5, 0), 1) << "a value that is not set changes nothing";
    EXPECT_EQ(CallClassOperation(host(), 14, 0, 1), 0);
    HostWindow::SetCursor(host(), 32512, false);
    EXPECT_EQ(ReadField(host(), cursor), AsField(LoadCursorW(nullptr, IDC_ARROW)));
    HostWindow::SetCursor(host(), 0x4321, true);
    EXPECT_EQ(ReadField(host(), cursor), 0x4321);
    HostWindow::SetShadowColor(host(), 0x123456);
    HostWindow::SetCloseAnimation(host(), 1);
    EXPECT_EQ(ReadField(host(), shadowColor), 0x123456);
    EXPECT_EQ(ReadField(host(), closeAnimation), 1);
}

TEST_F(Host, CallbackSettersStoreInTheirFields)
{
    struct Case {
        std::size_t slot;
        HostField field;
    };
    const Case cases[] = {{24, onPaint}, {25, onMessage}, {26, onSize}, {27, onElementDown}, {28, onElementUp},
                          {29, onElementClick}, {30, onElementDoubleClick}, {31, onElementRightDown},
                          {32, onElementRightUp}, {33, onElementLeave}, {34, onElementEnter},
                          {35, onElementFocus}, {36, onElementBlur}};
    Field routine = 100;
    for (const Case& row : cases) {
        ++routine;
        EXPECT_EQ(CallClassOperation(host(), row.slot, routine), routine) << row.slot;
        EXPECT_EQ(ReadField(host(), row.field), routine) << row.slot;
    }
}

TEST_F(Host, FocusMovesOnlyToElementsThatCanTakeIt)
{
    Field a = NewElement({0, 0, 10, 10});
    Field b = NewElement({0, 0, 10, 10});
    Field hidden = NewElement({0, 0, 10, 10}, 0, {.visible = false});
    Field captionButton = NewElement({0, 0, 10, 10}, 0, {.classId = kClassSkippedByTabId});
    Journal::Current().events.clear();

    HostWindow::SetFocusElement(host(), a, false);
    EXPECT_EQ(Journal::Current().events, (std::vector<testing::SeenEvent>{{a, EV_FOCUS_GAINED, 0, 0}}));
    HostWindow::SetFocusElement(host(), a, false);
    HostWindow::SetFocusElement(host(), hidden, false);
    HostWindow::SetFocusElement(host(), captionButton, false);
    EXPECT_EQ(Journal::Current().events.size(), 1u);

    HostWindow::SetFocusElement(host(), b, true);
    EXPECT_EQ(Journal::Current().events, (std::vector<testing::SeenEvent>{
                                              {a, EV_FOCUS_GAINED, 0, 0}, {a, EV_FOCUS_LOST, 0, b},
                                              {b, EV_FOCUS_GAINED, 0, a}}));
    EXPECT_EQ(ReadField(host(), focusElement), b);
    EXPECT_EQ(ReadField(host(), focusCueElement), b);

    // Sent to the window, the focus moves without the cue.
    SendMessageW(window(), static_cast<UINT>(EV_FOCUS_GAINED), 0, a);
    EXPECT_EQ(ReadField(host(), focusElement), a);
    EXPECT_EQ(ReadField(host(), focusCueElement), 0);
}

TEST_F(Host, AccessKeysAreSetReplacedAndRemovedThroughTheWindow)
{
    Field a = NewElement({0, 0, 10, 10});
    Field b = NewElement({0, 0, 10, 10});
    EXPECT_EQ(SendMessageW(window(), static_cast<UINT>(HM_SET_ACCESS_KEY), a, 'x'), 1);
    SendMessageW(window(), static_cast<UINT>(HM_SET_ACCESS_KEY), b, 'y');
    SendMessageW(window(), static_cast<UINT>(HM_SET_ACCESS_KEY), a, 'z');
    ASSERT_EQ(AccessKeysOf(host())->size(), 2u);
    EXPECT_EQ((*AccessKeysOf(host()))[0].key, 'z');
    SendMessageW(window(), static_cast<UINT>(HM_SET_ACCESS_KEY), a, 0);
    ASSERT_EQ(AccessKeysOf(host())->size(), 1u);
    EXPECT_EQ((*AccessKeysOf(host()))[0].element, b);
}

TEST_F(Host, CaptionLayoutPlacesButtonsFromTheRightAndTheTitleBeforeThem)
{
    SizeOf(host())->width = 300;
    auto* button = new ElementObject(testing::RecordingElementClass());
    CaptionButtonsOf(host())->emplace_back(button);
    Element::Create(button->handle(), AsField(window()), {0, 7, 39, 19});
    Field title = FieldAs<ObjectHolder>(ReadField(host(), titleElement))->handle();
    Element::Create(title, AsField(window()), {0, 9, 10, 18});

    WriteField(host(), frameFlags, 0);
    HostWindow::LayoutCaption(host());
    EXPECT_EQ(Element::Left(button->handle()), 0);

    WriteField(host(), frameFlags, 2 | 4);
    HostWindow::LayoutCaption(host());
    EXPECT_EQ(Element::Left(button->handle()), 255);
    EXPECT_EQ(Element::Left(title), 11);
    EXPECT_EQ(Element::Width(title), 244);
    EXPECT_EQ(Element::Top(title), 10);
}

TEST_F(Host, CloneIsDetachedAndOwnsItsOwnRecords)
{
    Field e = NewElement({0, 0, 10, 10});
    HostWindow::SetAccessKey(host(), e, 'k');
    WriteField(host(), frameStyle, 3);
    WriteField(host(), onMessage, 77);
    SizeOf(host())->width = 123;
    {
        HostObject clone(HostWindow::Clone(host()));
        Field c = clone.handle();
        EXPECT_EQ(ReadField(c, hwnd), 0);
        EXPECT_EQ(ReadField(c, firstElement), 0);
        EXPECT_EQ(ReadField(c, frameStyle), 3);
        EXPECT_EQ(ReadField(c, onMessage), 77);
        EXPECT_NE(ReadField(c, size), ReadField(host(), size));
        EXPECT_EQ(SizeOf(c)->width, 123);
        EXPECT_TRUE(AccessKeysOf(c)->empty());
        EXPECT_NE(ReadField(c, titleElement), ReadField(host(), titleElement));
    }
    EXPECT_EQ(SizeOf(host())->width, 123);
    EXPECT_EQ(AccessKeysOf(host())->size(), 1u);
}

Field SwallowEverything(Field, Field message, Field, Field)
{
    return message == WM_USER ? 5 : kNotHandled;
}

TEST_F(Host, MessageHookSeesEveryMessageFirst)
{
    HostWindow::SetOnMessage(host(), RoutineAddress<&SwallowEverything>());
    EXPECT_EQ(SendMessageW(window(), WM_USER, 0, 0), 5);
    EXPECT_EQ(SendMessageW(window(), WM_USER + 1, 0, 0), 0);
}

TEST_F(Host, DestroyingTheWindowDetachesAndDestroysTheElements)
{
    Field e = NewElement({0, 0, 10, 10});
    window_.reset();
    EXPECT_EQ(ReadField(e, ElementField::Handle), 0);
    EXPECT_EQ(ReadField(host(), firstElement), 0);
    EXPECT_EQ(ReadField(host(), prevWndProc), 0);
}

} // namespace
} // namespace corvatto::ui
