#include "ui/foundation/FrameworkInit.h"

#include "ui/foundation/FrameworkClass.h"
#include "ui/foundation/FrameworkGlobals.h"
#include "ui/foundation/Fonts.h"
#include "ui/foundation/ImageLoading.h"
#include "ui/foundation/ImageStrip.h"
#include "ui/menus/EditContextMenu.h"

namespace corvatto::ui {
namespace {

int WindowsMajorVersion()
{
    OSVERSIONINFOW version{sizeof version};
    return GetVersionExW(&version) ? static_cast<int>(version.dwMajorVersion) : 0;
}

// `fontFaces` null: the usual candidates, which can only be looked up once GDI+ runs.
void Initialise(PopupMenu& editContextMenu, const std::span<const Text>* fontFaces)
{
    FrameworkGlobals& globals = Globals();
    Gdiplus::GdiplusStartupInput input(nullptr, FALSE, FALSE);
    Gdiplus::GdiplusStartup(&globals.gdiplusToken, &input, nullptr);
    globals.osMajorVersion = WindowsMajorVersion();
    globals.defaultFont = fontFaces ? CreateDefaultFont(*fontFaces) : CreateDefaultFont();
    SetDefaultCursor(reinterpret_cast<Field>(IDC_ARROW), false);
    globals.sharedImageStrip = LoadImageFromBytes(ImageStripPngWithoutSignature(), true);
    RegisterFrameworkClass();
    FillEditContextMenu(editContextMenu);
}

} // namespace

void InitFramework(PopupMenu& editContextMenu)
{
    Initialise(editContextMenu, nullptr);
}

void InitFramework(PopupMenu& editContextMenu, std::span<const Text> fontFaces)
{
    Initialise(editContextMenu, &fontFaces);
}

} // namespace corvatto::ui
