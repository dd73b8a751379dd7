#pragma once

namespace corvatto::ui {

// One-time start-up of the UI framework, before any of its windows exists.
void InitFramework();

} // namespace corvatto::ui
