#include "tests/ui/FrameworkFixture.h"
#include "ui/core/ElementRecord.h"

namespace corvatto::ui {
namespace {

using testing::FrameworkTest;
using testing::Journal;
using enum ElementField;

class ElementTree : public FrameworkTest {
protected:
    // The list from its oldest end along PrevSibling, and checked backwards from its newest end.
    std::vector<Field> Walk(const SiblingList& list)
    {
        std::vector<Field> forward;
        for (Field e = ReadField(list.owner, list.oldest); e; e = ReadField(e, PrevSibling))
            forward.push_back(e);
        std::vector<Field> backward;
        for (Field e = ReadField(list.owner, list.newest); e; e = ReadField(e, NextSibling))
            backward.insert(backward.begin(), e);
        EXPECT_EQ(forward, backward) << "the two directions of the list disagree";
        return forward;
    }

    const RectRecord kBox{10, 10, 50, 40};
};

TEST_F(ElementTree, FirstElementLinkedIntoAnEmptyListIsBothEnds)
{
    Field parent = NewElement(kBox);
    struct Case {
        const char* name;
        SiblingList list;
        bool atTop;
    };
    const Case cases[] = {
        {"TopLevelAtTop", TopLevelList(host()), true},
        {"TopLevelAtBottom", TopLevelList(host()), false},
        {"ChildListAtTop", ChildList(parent), true},
        {"ChildListAtBottom", ChildList(parent), false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        WriteField(row.list.owner, row.list.oldest, 0);
        WriteField(row.list.owner, row.list.newest, 0);
        Field e = NewUncreated();
        if (row.atTop)
            LinkNewest(row.list, e);
        else
            LinkOldest(row.list, e);
        EXPECT_EQ(ReadField(row.list.owner, row.list.oldest), e);
        EXPECT_EQ(ReadField(row.list.owner, row.list.newest), e);
        EXPECT_EQ(ReadField(e, NextSibling), 0);
        EXPECT_EQ(ReadField(e, PrevSibling), 0);
    }
}

TEST_F(ElementTree, CreationOrderIsPaintOrderAndChangeOrderMovesAnElement)
{
    Field a = NewElement(kBox), b = NewElement(kBox), c = NewElement(kBox);
    EXPECT_EQ(Walk(TopLevelList(host())), (std::vector<Field>{a, b, c}));
    Element::ChangeOrder(a);
    EXPECT_EQ(Walk(TopLevelList(host())), (std::vector<Field>{b, c, a}));
    Element::ChangeOrder(c, 2);
    EXPECT_EQ(Walk(TopLevelList(host())), (std::vector<Field>{c, b, a}));
}

TEST_F(ElementTree, UnlinkingTheOnlyElementEmptiesTheList)
{
    Field parent = NewElement(kBox);
    Field only = NewElement(kBox, parent);
    Unlink(only);
    EXPECT_EQ(ReadField(parent, FirstChild), 0);
    EXPECT_EQ(ReadField(parent, LastChild), 0);
    Unlink(parent);
    EXPECT_EQ(ReadField(host(), HostField::firstElement), 0);
    EXPECT_EQ(ReadField(host(), HostField::lastElement), 0);
}

TEST_F(ElementTree, UnlinkingAnElementOutsideItsListOnlyClearsItsLinks)
{
    Field a = NewElement(kBox), b = NewElement(kBox);
    Field stray = NewElement(kBox);
    Unlink(stray);
    // Links that point into the list, as a stale record might hold.
    WriteField(stray, NextSibling, b);
    WriteField(stray, PrevSibling, a);
    Unlink(stray);
    EXPECT_EQ(ReadField(stray, NextSibling), 0);
    EXPECT_EQ(ReadField(stray, PrevSibling), 0);
    EXPECT_EQ(Walk(TopLevelList(host())), (std::vector<Field>{a, b}));
}

TEST_F(ElementTree, SetParentMovesBetweenListsAndTheSameParentChangesNothing)
{
    Field p = NewElement(kBox), q = NewElement(kBox);
    Field child = NewElement(kBox, p);
    Pump();
    Journal::Current().repaints.clear();

    Element::SetParent(child, p);
    Pump();
    EXPECT_TRUE(Journal::Current().repaints.empty()) << "setting the same parent repainted";
    EXPECT_EQ(Walk(ChildList(p)), std::vector<Field>{child});

    Element::SetParent(child, q);
    Pump();
    EXPECT_EQ(Walk(ChildList(p)), std::vector<Field>{});
    EXPECT_EQ(Walk(ChildList(q)), std::vector<Field>{child});
    EXPECT_EQ(ReadField(child, Parent), q);
    EXPECT_EQ(Journal::Current().repaints.size(), 1u);

    Element::SetParent(child, AsField(window()));
    EXPECT_EQ(Walk(TopLevelList(host())), (std::vector<Field>{p, q, child}));
}

TEST_F(ElementTree, HostOfWindowFollowsTheWindowProperty)
{
    EXPECT_EQ(HostOfWindow(window()), host());
    EXPECT_EQ(HostOfWindow(nullptr), 0);
    EXPECT_EQ(HostOfWindow(GetDesktopWindow()), 0);
}

TEST_F(ElementTree, FieldsThroughHandleZeroReadZeroAndIgnoreWrites)
{
    EXPECT_EQ(ReadField(0, Visible), 0);
    WriteField(0, Visible, 1);
    EXPECT_EQ(ClassOperation(0, kEventRoutineSlot), 0);
    EXPECT_EQ(CallClassOperation(0, kEventRoutineSlot, 1, 2, 3), 0);
}

} // namespace
} // namespace corvatto::ui
