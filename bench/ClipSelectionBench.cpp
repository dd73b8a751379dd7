// How soon a chosen clip starts: the time from Play to the first buffer handed to waveOutWrite, for a
// 2-second and a 3-minute clip, and how long Play holds up the calling (UI) thread. Run by scripts/bench.

#include "platform/Files.h"
#include "platform/UniqueResource.h"
#include "platform/audio/ClipPlayer.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace corvatto {
namespace {

constexpr int kSelectionsPerCase = 20;
constexpr DWORD kMostWaitMilliseconds = 5000;
constexpr double kTargetMilliseconds = 20;
constexpr double kMostRatio = 1.5;

std::int64_t Now()
{
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

double Milliseconds(std::int64_t ticks)
{
    static const double ticksPerSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart);
    }();
    return ticks * 1000.0 / ticksPerSecond;
}

UniqueHandle NewEvent()
{
    return UniqueHandle(CreateEventW(nullptr, FALSE, FALSE, nullptr));
}

bool Wait(const UniqueHandle& event)
{
    return WaitForSingleObject(event.get(), kMostWaitMilliseconds) == WAIT_OBJECT_0;
}

// Notes when the player's thread hands the first buffer of the awaited clip to the device.
class SelectionObserver : public ClipPlayerObserver {
public:
    void Await(const std::wstring& path)
    {
        std::lock_guard lock(mutex_);
        awaited_ = path;
        firstBuffer_ = 0;
    }
    std::int64_t FirstBuffer()
    {
        std::lock_guard lock(mutex_);
        return firstBuffer_;
    }

    void Ready() override
    {
        readyAt = Now();
        SetEvent(ready.get());
    }
    void BufferWritten(const std::wstring& path, std::size_t) override
    {
        std::int64_t now = Now();
        std::lock_guard lock(mutex_);
        if (path == awaited_ && firstBuffer_ == 0) {
            firstBuffer_ = now;
            SetEvent(started.get());
        }
    }
    void DeviceClosed() override { SetEvent(deviceClosed.get()); }

    std::atomic<std::int64_t> readyAt = 0;
    UniqueHandle ready = NewEvent();
    UniqueHandle started = NewEvent();
    UniqueHandle deviceClosed = NewEvent();

private:
    std::mutex mutex_;
    std::wstring awaited_;
    std::int64_t firstBuffer_ = 0;
};

struct Selection {
    double latency = 0; // Play to the first waveOutWrite
    double playCall = 0; // how long Play kept the calling thread
};

std::optional<Selection> Select(ClipPlayer& player, SelectionObserver& observer, const std::wstring& clip)
{
    observer.Await(clip);
    std::int64_t before = Now();
    player.Play(clip);
    std::int64_t after = Now();
    if (!Wait(observer.started))
        return std::nullopt;
    return Selection{Milliseconds(observer.FirstBuffer() - before), Milliseconds(after - before)};
}

struct Summary {
    double median = 0;
    double worst = 0;
    double worstPlayCall = 0;
};

Summary Summarize(std::vector<Selection> selections)
{
    std::sort(selections.begin(), selections.end(),
              [](const Selection& a, const Selection& b) { return a.latency < b.latency; });
    Summary summary;
    summary.median = selections[selections.size() / 2].latency;
    summary.worst = selections.back().latency;
    for (const Selection& s : selections)
        summary.worstPlayCall = std::max(summary.worstPlayCall, s.playCall);
    return summary;
}

struct Clip {
    const char* label;
    std::wstring path;
};

// How the player stands when a clip is chosen.
enum class Situation {
    Idle,         // nothing plays and no device is open (after Stop)
    OtherPlaying, // the other clip has been playing for a while and is cut short
};

// Selections of the two clips take turns, so that whatever else the machine does weighs on both alike.
std::optional<std::pair<Summary, Summary>> SelectInTurn(ClipPlayer& player, SelectionObserver& observer,
                                                        const Clip& first, const Clip& second, Situation situation)
{
    std::vector<Selection> selections[2];
    for (int round = 0; round < kSelectionsPerCase; ++round) {
        for (int which = 0; which < 2; ++which) {
            const Clip& clip = which == 0 ? first : second;
            const Clip& other = which == 0 ? second : first;
            if (situation == Situation::Idle) {
                player.Stop();
                WaitForSingleObject(observer.deviceClosed.get(), 1000);
            } else {
                if (!Select(player, observer, other.path))
                    return std::nullopt;
                Sleep(300);
            }
            std::optional<Selection> selection = Select(player, observer, clip.path);
            if (!selection)
                return std::nullopt;
            selections[which].push_back(*selection);
            Sleep(100);
        }
    }
    player.Stop();
    WaitForSingleObject(observer.deviceClosed.get(), 1000);
    return std::pair(Summarize(selections[0]), Summarize(selections[1]));
}

void PrintRow(const char* clip, const char* when, const Summary& summary)
{
    std::printf("  %-12s %-26s %8.2f ms %8.2f ms %10.3f ms\n", clip, when, summary.median, summary.worst,
                summary.worstPlayCall);
}

int Run(const std::wstring& folder)
{
    const Clip shortClip{"2 s clip", folder + L"\\bench-short.mp3"};
    const Clip longClip{"3 min clip", folder + L"\\bench-long.mp3"};
    for (const Clip* clip : {&shortClip, &longClip}) {
        if (!FileExists(clip->path)) {
            std::fprintf(stderr, "missing %ls (built with the bench)\n", clip->path.c_str());
            return 2;
        }
    }

    std::printf("Clip selection: time from Play to the first buffer handed to waveOutWrite (%d selections each)\n\n",
                kSelectionsPerCase);

    // The program creates its player on the first selection, before the sound driver is loaded.
    {
        SelectionObserver observer;
        std::int64_t before = Now();
        ClipPlayer player(&observer);
        double construction = Milliseconds(Now() - before);
        std::optional<Selection> first = Select(player, observer, shortClip.path);
        if (!first)
            return 1;
        std::printf("  first clip on a new player: ready (sound driver loaded, codec found) after %.1f ms, clip "
                    "started after %.1f ms;\n  the constructor took %.3f ms, Play %.3f ms\n\n",
                    Milliseconds(observer.readyAt - before), Milliseconds(observer.FirstBuffer() - before),
                    construction, first->playCall);
    }

    SelectionObserver observer;
    ClipPlayer player(&observer);
    if (!Wait(observer.ready))
        return 1;
    std::printf("  %-12s %-26s %11s %11s %13s\n", "clip", "selected while", "median", "worst", "Play() worst");

    bool met = true;
    for (auto [situation, when] : {std::pair(Situation::Idle, "nothing plays"),
                                   std::pair(Situation::OtherPlaying, "the other clip plays")}) {
        std::optional<std::pair<Summary, Summary>> summaries =
            SelectInTurn(player, observer, shortClip, longClip, situation);
        if (!summaries) {
            std::printf("  a clip did not start within %lu ms\n", kMostWaitMilliseconds);
            return 1;
        }
        auto [forShort, forLong] = *summaries;
        PrintRow(shortClip.label, when, forShort);
        PrintRow(longClip.label, when, forLong);
        double ratio = forLong.median / forShort.median;
        std::printf("  %-12s %-26s %8.2fx\n", "3 min / 2 s", "(medians)", ratio);
        met = met && forShort.median < kTargetMilliseconds && forLong.median < kTargetMilliseconds &&
              std::max(ratio, 1 / ratio) <= kMostRatio;
    }
    std::printf("\n  target (medians under %.0f ms, 3 min within %.1fx of 2 s): %s\n", kTargetMilliseconds, kMostRatio,
                met ? "met" : "NOT met");
    return 0;
}

} // namespace
} // namespace corvatto

int main()
{
    return corvatto::Run(corvatto::RunDirectory());
}
