#include "app/HotkeyText.h"

#include "platform/Win32.h"

#include <commctrl.h>
#include <cwctype>

namespace corvatto {
namespace {

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

std::uint8_t ModifierFlag(const std::wstring& part)
{
    if (part == L"ALT")
        return HOTKEYF_ALT;
    if (part == L"CTRL")
        return HOTKEYF_CONTROL;
    if (part == L"SHIFT")
        return HOTKEYF_SHIFT;
    if (part == L"EXT")
        return HOTKEYF_EXT;
    return 0;
}

std::uint8_t VirtualKey(const std::wstring& part)
{
    if (part.size() == 1 && ((part[0] >= L'A' && part[0] <= L'Z') || (part[0] >= L'0' && part[0] <= L'9')))
        return static_cast<std::uint8_t>(part[0]);
    if (part.size() >= 2 && part.size() <= 3 && part[0] == L'F') {
        int number = 0;
        for (size_t i = 1; i < part.size(); ++i) {
            if (part[i] < L'0' || part[i] > L'9')
                return 0;
            number = number * 10 + (part[i] - L'0');
        }
        if (number >= 1 && number <= 24)
            return static_cast<std::uint8_t>(VK_F1 + number - 1);
    }
    return 0;
}

} // namespace

std::uint16_t ParseHotkeyText(const std::wstring& text)
{
    std::wstring rest = Upper(text);
    std::uint8_t modifiers = 0;
    for (size_t plus; (plus = rest.find(L'+')) != std::wstring::npos; rest.erase(0, plus + 1)) {
        std::uint8_t flag = ModifierFlag(rest.substr(0, plus));
        if (flag == 0)
            return 0;
        modifiers |= flag;
    }
    std::uint8_t key = VirtualKey(rest);
    return key == 0 ? 0 : static_cast<std::uint16_t>(modifiers << 8 | key);
}

} // namespace corvatto
