#include "ui/foundation/WideText.h"

#include "platform/Win32.h"

#include <cwchar>

namespace corvatto::ui {

ByteArray TextToWide(const Text& text, unsigned codePage)
{
    // The length includes the terminator, so even an empty text gives one (zero) character.
    int characters = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
    if (characters <= 0)
        return ByteArray(2, 0);
    ByteArray wide(static_cast<size_t>(characters) * 2, 0);
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, reinterpret_cast<wchar_t*>(wide.data()), characters);
    return wide;
}

Text WideToText(const ByteArray& wide, unsigned codePage)
{
    const auto* characters = reinterpret_cast<const wchar_t*>(wide.data());
    size_t length = wcsnlen(characters, wide.size() / 2);
    if (length == 0)
        return {};
    int size = WideCharToMultiByte(codePage, 0, characters, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    Text text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, characters, static_cast<int>(length), text.data(), size, nullptr, nullptr);
    return text;
}

Field BytesData(const ByteArray& bytes)
{
    return bytes.empty() ? 0 : AsField(bytes.data());
}

} // namespace corvatto::ui
