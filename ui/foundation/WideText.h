#pragma once

#include "ui/foundation/Field.h"

namespace corvatto::ui {

// The ANSI code page, which every caller in the program uses.
inline constexpr unsigned kAnsiCodePage = 0;

// A text as UTF-16LE bytes with the terminating zero character: what wide Windows and GDI+ calls take.
// An empty text gives two zero bytes.
ByteArray TextToWide(const Text& text, unsigned codePage = kAnsiCodePage);

// Back from UTF-16LE bytes to a text, up to the first zero character or the end of the bytes, whichever
// comes first; characters the code page lacks become its default character.
Text WideToText(const ByteArray& wide, unsigned codePage = kAnsiCodePage);

// The address of the first byte, or 0 for an empty array.
Field BytesData(const ByteArray& bytes);

} // namespace corvatto::ui
