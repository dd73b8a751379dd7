#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/SkinEngine.h"
#include "platform/Win32.h"
#include "ui/foundation/FrameworkInit.h"

#include <cstdlib>

namespace {

void RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace corvatto;
    App();
    // Runs at the end of the message loop and on the voice bar's Exit alike.
    std::atexit(Cleanup);
    LocateSkinEngine(L"");
    ui::InitFramework(App().popupMenu);
    App().mainWindow = MainWindow::Load();
    RunMessageLoop();
    return 0;
}
