#pragma once

#include "ui/menus/PopupMenu.h"

#include <memory>
#include <string>

namespace corvatto {

class ClipPlayer;
class MainWindow;
class VoiceBar;

// The application's state for the whole run. Paths are kept as UTF-16 so that no folder or file name is
// lost to the ANSI code page; the announcement and card texts are ANSI texts, as the server sends them.
struct Application {
    std::wstring skinEnginePath;
    std::wstring voiceDirectory;
    std::string announcementText;
    std::string cardText;

    // The framework's edit-control context menu, filled by InitFramework and shown nowhere.
    ui::PopupMenu popupMenu;

    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<VoiceBar> voiceBar;
    std::unique_ptr<ClipPlayer> clipPlayer;
};

Application& App();

// Registered at start-up to run once when the program ends, however it ends.
void Cleanup();

} // namespace corvatto
