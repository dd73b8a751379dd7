#include "tests/ui/FrameworkFixture.h"

#include <thread>

namespace corvatto::ui {
namespace {

using testing::FrameworkTest;
using testing::Journal;

// What the handlers below were called with.
std::vector<std::vector<Field>> handlerCalls;

void FourValues(Field a, Field b, Field c, Field d)
{
    handlerCalls.push_back({a, b, c, d});
}

void FiveValues(Field a, Field b, Field c, Field d, Field e)
{
    handlerCalls.push_back({a, b, c, d, e});
}

void PressHandler(Field, Field, Field, Field)
{
    handlerCalls.push_back({WM_LBUTTONDOWN});
}

void DoubleClickHandler(Field, Field, Field, Field)
{
    handlerCalls.push_back({WM_LBUTTONDBLCLK});
}

class Dispatch : public FrameworkTest {
protected:
    Dispatch() { handlerCalls.clear(); }
};

TEST_F(Dispatch, MarkedPressRunsTheFirstMatchingHandler)
{
    struct Case {
        const char* name;
        bool doubleClickFirst;
        Field wparam;
        Field expected;
    };
    const Case cases[] = {
        {"MarkedPressWithDoubleClickFirst", true, DBLCLICK_MARK, WM_LBUTTONDBLCLK},
        {"MarkedPressWithPressFirst", false, DBLCLICK_MARK, WM_LBUTTONDOWN},
        {"PlainPressWithDoubleClickFirst", true, 0, WM_LBUTTONDOWN},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        handlerCalls.clear();
        Field e = NewElement({0, 0, 10, 10});
        if (row.doubleClickFirst)
            Element::AddHandler(e, WM_LBUTTONDBLCLK, RoutineAddress<&DoubleClickHandler>());
        Element::AddHandler(e, WM_LBUTTONDOWN, RoutineAddress<&PressHandler>());
        if (!row.doubleClickFirst)
            Element::AddHandler(e, WM_LBUTTONDBLCLK, RoutineAddress<&DoubleClickHandler>());
        SendEvent(e, WM_LBUTTONDOWN, row.wparam, 0);
        EXPECT_EQ(handlerCalls, std::vector<std::vector<Field>>{{row.expected}});
    }
}

TEST_F(Dispatch, ChildHandlersGetTheParentFirst)
{
    Field parent = NewElement({0, 0, 50, 50});
    Field child = NewElement({0, 0, 10, 10}, parent);
    Element::AddHandler(parent, EV_CLICK, RoutineAddress<&FiveValues>());
    Element::AddHandler(child, EV_CLICK, RoutineAddress<&FiveValues>());
    SendEvent(parent, EV_CLICK, 7, 8);
    SendEvent(child, EV_CLICK, 7, 8);
    ASSERT_EQ(handlerCalls.size(), 2u);
    // A top-level element's handler takes four values: the fifth it is offered is nothing.
    EXPECT_EQ(handlerCalls[0], (std::vector<Field>{parent, EV_CLICK, 7, 8, 0}));
    EXPECT_EQ(handlerCalls[1], (std::vector<Field>{parent, child, EV_CLICK, 7, 8}));
}

TEST_F(Dispatch, EventRoutineResultIsReturnedEvenWhenAHandlerRan)
{
    Field e = NewElement({0, 0, 10, 10});
    Element::AddHandler(e, EV_CLICK, RoutineAddress<&FourValues>());
    Journal::Current().eventResult = 42;
    EXPECT_EQ(SendEvent(e, EV_CLICK, 1, 2), 42);
    EXPECT_EQ(handlerCalls.size(), 1u);
    EXPECT_EQ(SendEvent(0, EV_CLICK, 1, 2), 0);
}

TEST_F(Dispatch, AddHandlerReplacesOrAppends)
{
    Field e = NewElement({0, 0, 10, 10});
    Element::AddHandler(e, EV_CLICK, RoutineAddress<&FourValues>());
    Element::AddHandler(e, EV_SHOWN, RoutineAddress<&FourValues>());
    Element::AddHandler(e, EV_CLICK, RoutineAddress<&FiveValues>());
    ASSERT_EQ(HandlerCount(e), 2u);
    EXPECT_EQ(HandlerEntries(e)[0].message, EV_CLICK);
    EXPECT_EQ(HandlerEntries(e)[0].callback, RoutineAddress<&FiveValues>());
    EXPECT_EQ(HandlerEntries(e)[1].message, EV_SHOWN);
}

TEST_F(Dispatch, DeliveryFromAnotherThreadReturnsTheResultToTheSender)
{
    Field e = NewElement({0, 0, 10, 10});
    Journal::Current().events.clear();
    Journal::Current().eventResult = 1234;
    Field result = 0;
    DWORD windowThread = GetCurrentThreadId();
    DWORD deliveredOn = 0;
    std::thread sender([&] { result = Element::SendEventViaWindow(e, EV_CLICK, 5, 6); });
    while (Journal::Current().events.empty()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    deliveredOn = GetCurrentThreadId();
    sender.join();
    EXPECT_EQ(result, 1234);
    EXPECT_EQ(deliveredOn, windowThread);
    EXPECT_EQ(Journal::Current().events.front(), (testing::SeenEvent{e, EV_CLICK, 5, 6}));
}

TEST_F(Dispatch, ForeignMessagesAreIgnoredWithoutBeingRead)
{
    Field e = NewElement({0, 0, 10, 10});
    Journal::Current().events.clear();
    Field bogus = 0x12345678;
    Field block = 0;
    EXPECT_EQ(SendMessageW(window(), static_cast<UINT>(HM_DELIVER), e, bogus), 0);
    EXPECT_EQ(SendMessageW(window(), static_cast<UINT>(HM_DELIVER), e, AsField(&block)), 0);
    EXPECT_EQ(SendMessageW(window(), static_cast<UINT>(HM_INVALIDATE), 1, bogus), 0);
    EXPECT_EQ(SendMessageW(window(), static_cast<UINT>(HM_SET_ACCESS_KEY), bogus, 'x'), 1);
    EXPECT_EQ(SendMessageW(window(), static_cast<UINT>(HM_BOUNDS_CHANGED), bogus, 1), 0);
    SendMessageW(window(), static_cast<UINT>(EV_FOCUS_GAINED), 0, bogus);
    SendMessageW(window(), WM_TIMER, bogus, 0);
    SendMessageW(window(), WM_TIMER, 7, 0);
    EXPECT_TRUE(Journal::Current().events.empty());
    EXPECT_TRUE(AccessKeysOf(host())->empty());

    // A timer that is the element's own still reaches it.
    SendMessageW(window(), WM_TIMER, e, 99);
    EXPECT_EQ(Journal::Current().events, (std::vector<testing::SeenEvent>{{e, EV_TIMER, e, 99}}));
}

} // namespace
} // namespace corvatto::ui
