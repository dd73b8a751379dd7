#pragma once

#include "platform/UniqueResource.h"

#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

namespace corvatto {

struct AcmDriverTraits {
    using Type = HACMDRIVER;
    static Type Invalid() { return nullptr; }
    static void Close(Type driver) { acmDriverClose(driver, 0); }
};
using UniqueAcmDriver = UniqueResource<AcmDriverTraits>;

// The installed codec that decodes MP3, opened. A stream opened on it starts several times faster than
// one for which the system first asks every installed codec in turn. Nothing if no codec decodes MP3.
UniqueAcmDriver OpenMp3AcmDriver();

} // namespace corvatto
