#include "app/MainWindow.h"

#include "app/Announcement.h"
#include "app/AnnouncementCard.h"
#include "app/Application.h"
#include "app/DesktopShortcut.h"
#include "app/MakerAddresses.h"
#include "app/QuitHook.h"
#include "app/VoiceBar.h"
#include "platform/Files.h"
#include "platform/Shell.h"

namespace corvatto {
namespace {

enum ControlId {
    kCaptionLabel = 101,
    kVoiceDirectoryBox,
    kBrowseButton,
    kInitialiseButton,
    kPlaceholderLabel,
    kShortcutButton,
    kHelpLink,
    kDownloadLink,
};

constexpr ControlSpec kControls[] = {
    {kCaptionLabel, ControlKind::Label, 57, 40, 160, 32, L"\u9ED8\u8BA4\u8F6F\u4EF6\u8FD0\u884C\u76EE\u5F55", 19},
    {kVoiceDirectoryBox, ControlKind::EditBox, 17, 88, 240, 24},
    {kBrowseButton, ControlKind::Button, 97, 120, 80, 24, L"\u9009\u62E9\u8BED\u97F3\u76EE\u5F55"},
    {kInitialiseButton, ControlKind::Button, 67, 160, 152, 56, L"\u521D\u59CB\u5316"},
    {kPlaceholderLabel, ControlKind::Label, 33, 248, 200, 80, L"\u6211\u7231\u7956\u56FD", 17},
    {kShortcutButton, ControlKind::Button, 86, 352, 104, 24, L"\u521B\u5EFA\u684C\u9762\u5FEB\u6377\u65B9\u5F0F"},
    {kHelpLink, ControlKind::LinkLabel, 17, 400, 64, 24, L"\u4F7F\u7528\u8BF4\u660E", 12},
    {kDownloadLink, ControlKind::LinkLabel, 192, 400, 64, 24, L"\u8BED\u97F3\u5305\u4E0B\u8F7D", 12},
};

// The framework later takes the frame away; until then the window keeps a native caption.
constexpr FormSpec kForm = {
    L"Corvatto", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 50, 50, 276, 435, kControls,
};

constexpr wchar_t kBrowseTitle[] = L"\u9009\u62E9\u8BED\u97F3\u5305\u6587\u4EF6\u5939"; // 选择语音包文件夹
constexpr char kCardTextEnding[] = "\r\n ";

} // namespace

std::unique_ptr<MainWindow> MainWindow::Load()
{
    std::unique_ptr<MainWindow> window(new MainWindow);
    if (!window->NativeForm::Load(kForm))
        return nullptr;
    if (!IsWindowVisible(window->window()))
        ShowWindow(window->window(), SW_SHOW);
    return window;
}

void MainWindow::OnCreated()
{
    Application& app = App();
    app.announcementText = DownloadAnnouncement(ConfiguredAnnouncementServer());
    // The voice directory is in place before the card set-up can run a message loop of its own.
    app.voiceDirectory = RunDirectory();
    ShowVoiceDirectory();
    SetUpAnnouncementCard(window(), 40, 232, 200, 80, app.announcementText + kCardTextEnding);
}

void MainWindow::OnCommand(int id, int notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case kBrowseButton:
        BrowseForVoiceDirectory();
        break;
    case kInitialiseButton:
        SwitchToVoiceBar();
        break;
    case kShortcutButton:
        CreateProgramShortcut();
        break;
    }
}

void MainWindow::OnLinkPressed(int)
{
    OpenInBrowser(kMakerPage);
}

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&)
{
    QuitHook(window(), message, wParam, lParam);
    return false;
}

void MainWindow::BrowseForVoiceDirectory()
{
    App().voiceDirectory = BrowseForFolder(GetActiveWindow(), kBrowseTitle);
    ShowVoiceDirectory();
}

void MainWindow::SwitchToVoiceBar()
{
    Application& app = App();
    // The bar opens once, even for a press that arrives while it is being created.
    if (!app.voiceBar && !openingVoiceBar_) {
        openingVoiceBar_ = true;
        app.voiceBar = VoiceBar::Load();
        openingVoiceBar_ = false;
    }
    ShowWindow(window(), SW_HIDE);
}

void MainWindow::ShowVoiceDirectory()
{
    SetWindowTextW(control(kVoiceDirectoryBox), App().voiceDirectory.c_str());
}

} // namespace corvatto
