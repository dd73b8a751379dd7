#pragma once

#include "platform/GdiPlus.h"
#include "platform/UniqueResource.h"
#include "ui/core/Dispatch.h"
#include "ui/core/Messages.h"
#include "ui/elements/Element.h"
#include "ui/host/HostBinding.h"
#include "ui/host/HostFields.h"
#include "ui/host/HostWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace corvatto::ui::testing {

// One event as an element's event routine saw it.
struct SeenEvent {
    Field element;
    Field message;
    Field wparam;
    Field lparam;
    bool operator==(const SeenEvent&) const = default;
};

// What the test classes' routines record, in order.
struct Journal {
    std::vector<SeenEvent> events;
    std::vector<RectRecord> repaints;
    Field eventResult = -1;

    static Journal& Current();
    std::vector<Field> MessagesOf(Field element) const;
};

// An element class for tests: the base class with an event routine that records every event.
const OperationTable& RecordingElementClass();
// A host class for tests whose redraw queue records the areas it is asked to repaint.
const OperationTable& RecordingHostClass();

// GDI+, a top-level test window and a host bound to it; a fresh journal for every test.
class FrameworkTest : public ::testing::Test {
protected:
    FrameworkTest();
    ~FrameworkTest() override;

    // A new created element in the window (or under `parent`), owned by the test.
    Field NewElement(const RectRecord& bounds, Field parent = 0, ElementOptions options = {});
    // An element object that is not created yet.
    Field NewUncreated();
    // Handles the messages waiting for the window, as the message loop would.
    void Pump();

    HWND window() const { return window_.get(); }
    Field host() { return host_.handle(); }

    UniqueWindow window_;
    HostObject host_{RecordingHostClass()};
    std::vector<std::unique_ptr<ElementObject>> elements_;
};

} // namespace corvatto::ui::testing
