#pragma once

#include "ui/foundation/FrameworkInit.h"
#include "ui/menus/PopupMenu.h"

#include <gtest/gtest.h>

namespace corvatto::ui::testing {

// Every test starts from a freshly initialised framework, whichever tests ran before it in the process.
class StartedFramework : public ::testing::Test {
protected:
    void SetUp() override { InitFramework(menu_); }

    PopupMenu menu_;
};

} // namespace corvatto::ui::testing
