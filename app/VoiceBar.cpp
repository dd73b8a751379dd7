#include "app/VoiceBar.h"

#include "app/Application.h"
#include "app/ClipList.h"
#include "app/Layering.h"
#include "app/SkinEngine.h"
#include "platform/audio/ClipPlayer.h"

#include <cstdlib>
#include <string>

namespace corvatto {
namespace {

enum ControlId {
    kClipList = 201,
    kExitButton,
};

constexpr ControlSpec kControls[] = {
    {kClipList, ControlKind::ComboBox, 0, 0, 192, 20},
    {kExitButton, ControlKind::Button, 192, 1, 48, 25, L"\u9000\u51FA"}, // 退出
};

// Frameless: the two controls fill the bar exactly.
constexpr FormSpec kForm = {L"", WS_POPUP, 50, 50, 241, 27, kControls};

constexpr int kBarAlpha = 230;

} // namespace

std::unique_ptr<VoiceBar> VoiceBar::Load()
{
    std::unique_ptr<VoiceBar> bar(new VoiceBar);
    if (!bar->NativeForm::Load(kForm))
        return nullptr;
    ShowWindow(bar->window(), SW_SHOW);
    return bar;
}

void VoiceBar::OnCreated()
{
    SkinVoiceBar();
    ApplyLayering(window(), kBarAlpha);
    FillClipList();
    // Selecting from code raises no selection event: nothing plays until the user chooses.
    SendMessageW(control(kClipList), CB_SETCURSEL, 0, 0);
    // The sound driver takes a moment to load: the player starts now so that the first clip is not late.
    Application& app = App();
    if (!app.clipPlayer)
        app.clipPlayer = std::make_unique<ClipPlayer>();
    // The bar sits in the top-left corner above the game.
    SetWindowPos(window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void VoiceBar::OnCommand(int id, int notification)
{
    if (id == kClipList && notification == CBN_SELCHANGE)
        PlaySelectedClip();
    else if (id == kExitButton && notification == BN_CLICKED)
        std::exit(0);
}

void VoiceBar::FillClipList()
{
    HWND list = control(kClipList);
    for (const std::wstring& name : ListClips(App().voiceDirectory))
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void VoiceBar::PlaySelectedClip()
{
    HWND list = control(kClipList);
    LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return;
    std::wstring name(static_cast<size_t>(length) + 1, L'\0');
    length = SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    if (length == CB_ERR)
        return;
    name.resize(static_cast<size_t>(length));

    Application& app = App();
    if (app.clipPlayer)
        app.clipPlayer->Play(ClipPath(app.voiceDirectory, name));
}

} // namespace corvatto
