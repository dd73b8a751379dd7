#include "platform/audio/ClipPlayer.h"

#include "platform/UniqueResource.h"
#include "platform/audio/AcmMp3Driver.h"
#include "platform/audio/ClipPlayback.h"
#include "platform/audio/FileByteSource.h"

#include <mutex>
#include <optional>
#include <thread>

namespace corvatto {
namespace {

struct Command {
    enum class Kind { Play, Stop, Quit };
    Kind kind;
    std::wstring path;
};

} // namespace

// Everything that touches files, the codec or the device happens on the worker's thread; the calling
// thread only leaves a command and wakes it.
class ClipPlayer::Worker {
public:
    explicit Worker(ClipPlayerObserver* observer);
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void Send(Command command);

private:
    void Run();
    std::optional<Command> TakeCommand();
    void StartClip(const std::wstring& path, HACMDRIVER mp3Driver);
    void EndClip(ClipEnd how);
    void CloseDevice();

    ClipPlayerObserver* observer_;
    UniqueHandle wake_;
    std::mutex mutex_;
    std::optional<Command> command_; // only the latest counts, except that nothing replaces Quit

    // Owned by the worker's thread.
    std::unique_ptr<WaveOutDevice> device_;
    std::unique_ptr<ClipPlayback> playback_;

    std::thread thread_;
};

ClipPlayer::Worker::Worker(ClipPlayerObserver* observer)
    : observer_(observer), wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
    if (wake_)
        thread_ = std::thread([this] { Run(); });
}

ClipPlayer::Worker::~Worker()
{
    Send({Command::Kind::Quit, {}});
    if (thread_.joinable())
        thread_.join();
}

void ClipPlayer::Worker::Send(Command command)
{
    {
        std::lock_guard lock(mutex_);
        if (command_ && command_->kind == Command::Kind::Quit)
            return;
        command_ = std::move(command);
    }
    if (wake_)
        SetEvent(wake_.get());
}

std::optional<Command> ClipPlayer::Worker::TakeCommand()
{
    std::lock_guard lock(mutex_);
    return std::exchange(command_, std::nullopt);
}

void ClipPlayer::Worker::Run()
{
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    // Loading the sound driver takes a good part of a second the first time, finding the MP3 codec a few
    // tens of milliseconds: both are done before the first clip.
    waveOutGetNumDevs();
    UniqueAcmDriver mp3Driver = OpenMp3AcmDriver();
    if (observer_)
        observer_->Ready();

    for (;;) {
        HANDLE events[] = {wake_.get(), device_ ? device_->BufferDoneEvent() : nullptr};
        WaitForMultipleObjects(device_ ? 2 : 1, events, FALSE, INFINITE);

        if (std::optional<Command> command = TakeCommand()) {
            if (playback_)
                EndClip(ClipEnd::Stopped);
            if (command->kind == Command::Kind::Quit) {
                CloseDevice();
                return;
            }
            if (command->kind == Command::Kind::Play)
                StartClip(command->path, mp3Driver.get());
            else
                CloseDevice();
        }
        if (playback_ && !playback_->Pump()) {
            EndClip(ClipEnd::Finished);
            CloseDevice();
        }
    }
}

// The device of the clip just stopped is kept for the next one when the format is the same: opening and
// closing a device are the slowest steps of starting a clip.
void ClipPlayer::Worker::StartClip(const std::wstring& path, HACMDRIVER mp3Driver)
{
    std::unique_ptr<ClipDecoder> decoder = ClipDecoder::Open(FileByteSource::Open(path), mp3Driver);
    std::vector<std::uint8_t> firstPcm;
    if (decoder)
        decoder->Decode(ClipPlayback::BufferBytes(decoder->PcmFormat(), ClipPlayback::kFirstBufferMilliseconds),
                        firstPcm);
    if (firstPcm.empty()) {
        CloseDevice();
        if (observer_)
            observer_->ClipEnded(path, ClipEnd::NotPlayable);
        return;
    }

    if (device_ && !device_->Plays(decoder->PcmFormat()))
        CloseDevice();
    if (!device_) {
        device_ = WaveOutDevice::Open(decoder->PcmFormat());
        if (!device_) {
            if (observer_)
                observer_->ClipEnded(path, ClipEnd::NotPlayable);
            return;
        }
        if (observer_)
            observer_->DeviceOpened();
    }
    playback_ = std::make_unique<ClipPlayback>(path, std::move(decoder), std::move(firstPcm), *device_, observer_);
}

void ClipPlayer::Worker::EndClip(ClipEnd how)
{
    std::wstring path = playback_->Path();
    playback_.reset();
    if (observer_)
        observer_->ClipEnded(path, how);
}

void ClipPlayer::Worker::CloseDevice()
{
    if (!device_)
        return;
    device_.reset();
    if (observer_)
        observer_->DeviceClosed();
}

ClipPlayer::ClipPlayer(ClipPlayerObserver* observer) : worker_(std::make_unique<Worker>(observer)) {}

ClipPlayer::~ClipPlayer() = default;

void ClipPlayer::Play(const std::wstring& path)
{
    worker_->Send({Command::Kind::Play, path});
}

void ClipPlayer::Stop()
{
    worker_->Send({Command::Kind::Stop, {}});
}

} // namespace corvatto
