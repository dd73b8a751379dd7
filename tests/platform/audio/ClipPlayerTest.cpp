#include "platform/audio/ClipDecoder.h"
#include "platform/audio/ClipPlayer.h"
#include "platform/audio/MemoryByteSource.h"
#include "tests/app/TemporaryFolder.h"
#include "tests/platform/audio/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace corvatto {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

struct Event {
    enum class Kind { DeviceOpened, BufferWritten, ClipEnded, DeviceClosed } kind;
    std::wstring path;
    std::size_t bytes = 0;
    ClipEnd how = ClipEnd::Finished;
    std::chrono::steady_clock::time_point when = std::chrono::steady_clock::now();

    bool Is(Kind k, const std::wstring& p = {}) const { return kind == k && (p.empty() || path == p); }
};

std::size_t Count(const std::vector<Event>& events, Event::Kind kind, const std::wstring& path = {});
std::size_t IndexOf(const std::vector<Event>& events, Event::Kind kind, const std::wstring& path = {});

class RecordingObserver : public ClipPlayerObserver {
public:
    void DeviceOpened() override { Add({Event::Kind::DeviceOpened}); }
    void BufferWritten(const std::wstring& path, std::size_t bytes) override
    {
        Add({Event::Kind::BufferWritten, path, bytes});
    }
    void ClipEnded(const std::wstring& path, ClipEnd how) override { Add({Event::Kind::ClipEnded, path, 0, how}); }
    void DeviceClosed() override { Add({Event::Kind::DeviceClosed}); }

    // True once the events so far satisfy the condition, false if they did not in time.
    bool WaitUntil(const std::function<bool(const std::vector<Event>&)>& condition,
                   std::chrono::milliseconds timeout = 10s)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] { return condition(events_); });
    }

    bool WaitFor(Event::Kind kind, const std::wstring& path = {}, std::chrono::milliseconds timeout = 10s)
    {
        return WaitUntil(
            [&](const std::vector<Event>& events) {
                return std::any_of(events.begin(), events.end(), [&](const Event& e) { return e.Is(kind, path); });
            },
            timeout);
    }

    bool WaitForDevicesClosed()
    {
        return WaitUntil([](const std::vector<Event>& events) {
            return IndexOf(events, Event::Kind::DeviceOpened) < events.size() &&
                   Count(events, Event::Kind::DeviceOpened) == Count(events, Event::Kind::DeviceClosed);
        });
    }

    std::vector<Event> Events() const
    {
        std::lock_guard lock(mutex_);
        return events_;
    }

private:
    void Add(Event event)
    {
        {
            std::lock_guard lock(mutex_);
            events_.push_back(std::move(event));
        }
        changed_.notify_all();
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Event> events_;
};

std::size_t Count(const std::vector<Event>& events, Event::Kind kind, const std::wstring& path)
{
    return static_cast<std::size_t>(
        std::count_if(events.begin(), events.end(), [&](const Event& e) { return e.Is(kind, path); }));
}

std::size_t IndexOf(const std::vector<Event>& events, Event::Kind kind, const std::wstring& path)
{
    auto found = std::find_if(events.begin(), events.end(), [&](const Event& e) { return e.Is(kind, path); });
    return static_cast<std::size_t>(found - events.begin());
}

std::size_t BytesWritten(const std::vector<Event>& events, const std::wstring& path)
{
    std::size_t total = 0;
    for (const Event& e : events) {
        if (e.Is(Event::Kind::BufferWritten, path))
            total += e.bytes;
    }
    return total;
}

std::optional<ClipEnd> EndOf(const std::vector<Event>& events, const std::wstring& path)
{
    std::size_t at = IndexOf(events, Event::Kind::ClipEnded, path);
    return at < events.size() ? std::optional(events[at].how) : std::nullopt;
}

// The clips played here are silent: the end-to-end tests may be listening to the same sound server.
class ClipPlayerTest : public ::testing::Test {
protected:
    std::wstring Fixture(const std::string& name) const { return testing::FixturePath(name).wstring(); }

    // About 20 s: a fixture's audio frames over and over, in a file whose name is outside the ANSI code page.
    std::wstring LongClip() const
    {
        std::vector<Bytes> frames = testing::FixtureFrames("silence-44k-stereo.mp3");
        Bytes clip;
        for (int i = 0; i < 40; ++i) {
            for (std::size_t frame = 1; frame < frames.size(); ++frame)
                clip.insert(clip.end(), frames[frame].begin(), frames[frame].end());
        }
        std::filesystem::path path = folder_.path() / L"\u0175\u2603 \u957F.mp3";
        testing::WriteFile(path, clip);
        return path.wstring();
    }

    testing::TemporaryFolder folder_;
    RecordingObserver observer_;
};

TEST_F(ClipPlayerTest, PlaysAClipWholeOnceOnOneDevice)
{
    const std::wstring clip = Fixture("silence-44k-stereo.mp3");
    Bytes pcm;
    std::unique_ptr<ClipDecoder> decoder =
        ClipDecoder::Open(std::make_unique<MemoryByteSource>(testing::ReadFixture("silence-44k-stereo.mp3")));
    ASSERT_TRUE(decoder);
    while (!decoder->Ended())
        decoder->Decode(1 << 20, pcm);

    ClipPlayer player(&observer_);
    player.Play(clip);
    ASSERT_TRUE(observer_.WaitForDevicesClosed());
    std::vector<Event> events = observer_.Events();
    EXPECT_EQ(EndOf(events, clip), ClipEnd::Finished);
    EXPECT_EQ(BytesWritten(events, clip), pcm.size());
    EXPECT_GT(Count(events, Event::Kind::BufferWritten, clip), 1u) << "the clip goes out in pieces";
    EXPECT_EQ(Count(events, Event::Kind::DeviceOpened), 1u);
    EXPECT_LT(IndexOf(events, Event::Kind::DeviceOpened), IndexOf(events, Event::Kind::BufferWritten));
    EXPECT_LT(IndexOf(events, Event::Kind::ClipEnded), IndexOf(events, Event::Kind::DeviceClosed));
    // The clip ends when the device has played it, not when the last piece was handed over.
    auto heard = events[IndexOf(events, Event::Kind::ClipEnded)].when -
                 events[IndexOf(events, Event::Kind::BufferWritten)].when;
    auto length = std::chrono::milliseconds(pcm.size() * 1000 / (44100 * 4));
    EXPECT_GT(heard, length * 8 / 10);
}

TEST_F(ClipPlayerTest, PlaysNothingThatIsNotAClip)
{
    const std::wstring cases[] = {Fixture("empty.mp3"), Fixture("random.bin"), Fixture("truncated.mp3"),
                                  Fixture("missing.mp3"), folder_.wpath()};
    ClipPlayer player(&observer_);
    for (const std::wstring& path : cases) {
        SCOPED_TRACE(std::filesystem::path(path).filename().string());
        player.Play(path);
        ASSERT_TRUE(observer_.WaitFor(Event::Kind::ClipEnded, path));
        EXPECT_EQ(EndOf(observer_.Events(), path), ClipEnd::NotPlayable);
    }
    std::vector<Event> events = observer_.Events();
    EXPECT_EQ(Count(events, Event::Kind::DeviceOpened), 0u);
    EXPECT_EQ(Count(events, Event::Kind::BufferWritten), 0u);
}

TEST_F(ClipPlayerTest, SecondPlayStopsTheFirstClip)
{
    // Same format: the device goes on to the second clip; another format: a new device.
    struct Case {
        const char* second;
        std::size_t devicesOpened;
    };
    for (const Case& c : {Case{"silence-44k-stereo.mp3", 1}, Case{"silence-22k-mono.mp3", 2}}) {
        SCOPED_TRACE(c.second);
        RecordingObserver observer;
        const std::wstring first = LongClip(), second = Fixture(c.second);
        ClipPlayer player(&observer);
        player.Play(first);
        ASSERT_TRUE(observer.WaitFor(Event::Kind::BufferWritten, first));
        player.Play(second);
        ASSERT_TRUE(observer.WaitFor(Event::Kind::ClipEnded, second));
        ASSERT_TRUE(observer.WaitForDevicesClosed());

        std::vector<Event> events = observer.Events();
        EXPECT_EQ(EndOf(events, first), ClipEnd::Stopped);
        EXPECT_EQ(EndOf(events, second), ClipEnd::Finished);
        std::size_t firstEnded = IndexOf(events, Event::Kind::ClipEnded, first);
        EXPECT_LT(firstEnded, IndexOf(events, Event::Kind::BufferWritten, second));
        EXPECT_EQ(Count(std::vector(events.begin() + static_cast<std::ptrdiff_t>(firstEnded), events.end()),
                        Event::Kind::BufferWritten, first),
                  0u);
        EXPECT_EQ(Count(events, Event::Kind::DeviceOpened), c.devicesOpened);
    }
}

TEST_F(ClipPlayerTest, StopAndUnplayableFilesEndTheClipAndCloseTheDevice)
{
    struct Case {
        const char* what;
        std::function<void(ClipPlayer&)> interrupt;
    };
    const Case cases[] = {
        {"Stop", [](ClipPlayer& player) { player.Stop(); }},
        {"Play of random bytes", [this](ClipPlayer& player) { player.Play(Fixture("random.bin")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingObserver observer;
        const std::wstring clip = LongClip();
        ClipPlayer player(&observer);
        player.Play(clip);
        ASSERT_TRUE(observer.WaitFor(Event::Kind::BufferWritten, clip));
        c.interrupt(player);
        ASSERT_TRUE(observer.WaitForDevicesClosed());
        std::vector<Event> events = observer.Events();
        EXPECT_EQ(EndOf(events, clip), ClipEnd::Stopped);
        EXPECT_EQ(Count(events, Event::Kind::DeviceOpened), 1u);
    }
}

TEST_F(ClipPlayerTest, DestroyingThePlayerStopsTheClipLongBeforeItsEnd)
{
    const std::wstring clip = LongClip();
    auto player = std::make_unique<ClipPlayer>(&observer_);
    player->Play(clip);
    ASSERT_TRUE(observer_.WaitFor(Event::Kind::BufferWritten, clip));
    auto started = std::chrono::steady_clock::now();
    player.reset();
    // The clip has some 20 s left; the player must not wait for it.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
    std::vector<Event> events = observer_.Events();
    EXPECT_EQ(EndOf(events, clip), ClipEnd::Stopped);
    EXPECT_EQ(Count(events, Event::Kind::DeviceClosed), 1u);
}

TEST_F(ClipPlayerTest, DestroyingAPlayerRightAfterPlayReturns)
{
    auto player = std::make_unique<ClipPlayer>(&observer_);
    player->Play(LongClip());
    player.reset();
    std::vector<Event> events = observer_.Events();
    EXPECT_EQ(Count(events, Event::Kind::DeviceOpened), Count(events, Event::Kind::DeviceClosed));
}

} // namespace
} // namespace corvatto
