#include "app/Application.h"

#include "app/MainWindow.h"
#include "app/VoiceBar.h"
#include "platform/audio/ClipPlayer.h"

namespace corvatto {

Application& App()
{
    static Application application;
    return application;
}

void Cleanup()
{
    Application& app = App();
    // The player's thread must be stopped before the process tears its threads down.
    app.clipPlayer.reset();
    app.popupMenu.ReleaseMembers();
    app.skinEnginePath.clear();
    app.voiceDirectory.clear();
    app.announcementText.clear();
    app.cardText.clear();
}

} // namespace corvatto
