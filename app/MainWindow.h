#pragma once

#include "app/NativeForm.h"

#include <memory>
#include <string>

namespace corvatto {

// The first window the user sees: the voice directory, the buttons that pick it, switch to the voice bar
// and make a desktop shortcut, the maker's links, and the announcement card.
class MainWindow final : public NativeForm {
public:
    // Loads the window (its creation handler downloads the announcement) and shows it.
    static std::unique_ptr<MainWindow> Load();

private:
    MainWindow() = default;

    void OnCreated() override;
    void OnCommand(int id, int notification) override;
    void OnLinkPressed(int id) override;
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override;

    void BrowseForVoiceDirectory();
    void SwitchToVoiceBar();
    void ShowVoiceDirectory();

    bool openingVoiceBar_ = false;
};

} // namespace corvatto
