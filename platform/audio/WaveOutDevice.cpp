#include "platform/audio/WaveOutDevice.h"

namespace corvatto {

std::unique_ptr<WaveOutDevice> WaveOutDevice::Open(const WAVEFORMATEX& format)
{
    UniqueHandle bufferDone(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!bufferDone)
        return nullptr;
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(bufferDone.get()), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR)
        return nullptr;
    return std::unique_ptr<WaveOutDevice>(new WaveOutDevice(std::move(bufferDone), UniqueWaveOut(device), format));
}

WaveOutDevice::WaveOutDevice(UniqueHandle bufferDone, UniqueWaveOut device, const WAVEFORMATEX& format)
    : bufferDone_(std::move(bufferDone)), device_(std::move(device)), format_(format)
{
}

bool WaveOutDevice::Plays(const WAVEFORMATEX& format) const
{
    return format.wFormatTag == format_.wFormatTag && format.nChannels == format_.nChannels &&
           format.nSamplesPerSec == format_.nSamplesPerSec && format.wBitsPerSample == format_.wBitsPerSample;
}

bool WaveOutDevice::Write(WAVEHDR& buffer)
{
    buffer.dwFlags = 0;
    if (waveOutPrepareHeader(device_.get(), &buffer, sizeof buffer) != MMSYSERR_NOERROR)
        return false;
    if (waveOutWrite(device_.get(), &buffer, sizeof buffer) != MMSYSERR_NOERROR) {
        waveOutUnprepareHeader(device_.get(), &buffer, sizeof buffer);
        return false;
    }
    return true;
}

void WaveOutDevice::Release(WAVEHDR& buffer)
{
    waveOutUnprepareHeader(device_.get(), &buffer, sizeof buffer);
}

void WaveOutDevice::Reset()
{
    waveOutReset(device_.get());
}

} // namespace corvatto
