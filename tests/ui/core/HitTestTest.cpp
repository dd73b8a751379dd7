#include "tests/ui/FrameworkFixture.h"
#include "ui/core/ElementRecord.h"
#include "ui/core/HitTest.h"

namespace corvatto::ui {
namespace {

using testing::FrameworkTest;
using enum ElementField;

class HitTesting : public FrameworkTest {
protected:
    Field HitAt(int x, int y) { return HitTestList(ReadField(host(), HostField::lastElement), x, y); }
};

TEST_F(HitTesting, NewerSiblingWinsUntilTheOrderChanges)
{
    Field older = NewElement({0, 0, 100, 100});
    Field newer = NewElement({50, 50, 100, 100});
    EXPECT_EQ(HitAt(75, 75), newer);
    EXPECT_EQ(HitAt(25, 25), older);
    Element::ChangeOrder(older);
    EXPECT_EQ(HitAt(75, 75), older);
}

TEST_F(HitTesting, LeftAndTopEdgesBelongToTheElementRightAndBottomDoNot)
{
    Field behind = NewElement({0, 0, 200, 200});
    Field front = NewElement({10, 20, 30, 40});
    struct Case {
        int x, y;
        Field expected;
    };
    const Case cases[] = {{10, 20, front}, {39, 59, front}, {40, 30, behind}, {20, 60, behind}, {9, 30, behind}};
    for (const Case& row : cases)
        EXPECT_EQ(HitAt(row.x, row.y), row.expected) << row.x << "," << row.y;
    EXPECT_TRUE(PointInBounds(BoundsField(front), 10, 20));
    EXPECT_FALSE(PointInBounds(nullptr, 10, 20));
}

TEST_F(HitTesting, DisabledOrHiddenElementsAndTheirChildrenAreTransparent)
{
    Field enabled = NewElement({0, 0, 100, 100});
    Field disabled = NewElement({0, 0, 100, 100});
    Field child = NewElement({10, 10, 20, 20}, disabled);
    Element::Disabled(disabled, 1);
    EXPECT_EQ(HitAt(15, 15), enabled);
    Element::Disabled(disabled, 0);
    EXPECT_EQ(HitAt(15, 15), child);
    Element::Visible(disabled, 0);
    EXPECT_EQ(HitAt(15, 15), enabled);
}

TEST_F(HitTesting, ChildIsOnlyHitInsideItsParent)
{
    Field parent = NewElement({0, 0, 50, 50});
    Field child = NewElement({40, 40, 30, 30}, parent);
    EXPECT_EQ(HitAt(45, 45), child);
    EXPECT_EQ(HitAt(60, 60), 0);
}

TEST_F(HitTesting, WindowHitTestUsesScreenCoordinates)
{
    SetWindowPos(window(), nullptr, 100, 80, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    Field e = NewElement({10, 10, 20, 20});
    EXPECT_EQ(HitTestWindow(window(), 115, 95, true), e);
    EXPECT_EQ(HitTestWindow(window(), 15, 15, true), 0);
    EXPECT_EQ(HitTestWindow(GetDesktopWindow(), 115, 95, true), 0);
}

} // namespace
} // namespace corvatto::ui
