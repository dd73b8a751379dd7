#include "platform/audio/AcmMp3Driver.h"

#include "platform/audio/AcmMp3Decoder.h"

namespace corvatto {
namespace {

struct Search {
    MPEGLAYER3WAVEFORMAT mp3;
    WAVEFORMATEX pcm;
    UniqueAcmDriver found;
};

BOOL CALLBACK TryDriver(HACMDRIVERID id, DWORD_PTR context, DWORD)
{
    Search& search = *reinterpret_cast<Search*>(context);
    HACMDRIVER driver = nullptr;
    if (acmDriverOpen(&driver, id, 0) != 0)
        return TRUE;
    UniqueAcmDriver opened(driver);
    if (acmStreamOpen(nullptr, driver, &search.mp3.wfx, &search.pcm, nullptr, 0, 0, ACM_STREAMOPENF_QUERY) != 0)
        return TRUE;
    search.found = std::move(opened);
    return FALSE;
}

} // namespace

UniqueAcmDriver OpenMp3AcmDriver()
{
    // Any common stream will do for the question: 128 kbps, 44.1 kHz, stereo.
    Mp3FrameHeader typical{MpegVersion::Mpeg1, 128, 44100, 2, false, 417, 1152};
    Search search{Mp3WaveFormat(typical), PcmWaveFormat(typical), {}};
    acmDriverEnum(TryDriver, reinterpret_cast<DWORD_PTR>(&search), 0);
    return std::move(search.found);
}

} // namespace corvatto
