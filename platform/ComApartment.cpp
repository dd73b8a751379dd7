#include "platform/ComApartment.h"

#include "platform/Win32.h"

#include <objbase.h>

namespace corvatto {

ComApartment::ComApartment()
{
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // S_FALSE means COM was already initialised on this thread; it still has to be balanced.
    initialised_ = SUCCEEDED(result);
}

ComApartment::~ComApartment()
{
    if (initialised_)
        CoUninitialize();
}

} // namespace corvatto
