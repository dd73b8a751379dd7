import subprocess
import time
import unittest

from tests.e2e.harness import (CLIPS, AnnouncementServer, Program, SoundRecorder, centre, click, control, inspect,
                               wait_for, x_property)

INITIALISE_BUTTON, CLIP_LIST, EXIT_BUTTON = 104, 201, 202
WS_EX_LAYERED, WS_EX_TOPMOST, LWA_ALPHA = 0x80000, 0x8, 2
LOW, HIGH = 440, 1000
LOW_CLIP, HIGH_CLIP = "low 440.mp3", "ŵ☃ 高 1000.mp3"  # the second name lies outside the ANSI code page


def x_window_at(program, geometry):
    for window in program.x_windows():
        result = subprocess.run(["xdotool", "getwindowgeometry", "--shell", str(window)], capture_output=True,
                                text=True)
        fields = dict(line.split("=") for line in result.stdout.split())
        if [int(fields[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")] == geometry:
            return window
    return None


class VoiceBar(unittest.TestCase):
    def setUp(self):
        self.server = AnnouncementServer()
        self.program = Program(self.server.port, clips=[(CLIPS / f"tone-{LOW}.mp3", LOW_CLIP),
                                                       (CLIPS / f"tone-{HIGH}.mp3", HIGH_CLIP)])
        (self.program.run_dir / "folder.mp3").mkdir()
        (self.program.run_dir / "notes.txt").write_text("not a clip")
        self.main = self.program.wait_main_window()

    def tearDown(self):
        self.program.close()
        self.server.close()

    def open_bar(self):
        click(*centre(control(self.main, INITIALISE_BUTTON)["screen"]))
        return wait_for(lambda: self.program.voice_bars() and self.program.voice_bars()[0], 20,
                        message="the voice bar")

    def choose(self, bar, name):
        """Opens the clip list with the mouse and clicks the clip's row."""
        clips = control(bar, CLIP_LIST)
        index = clips["items"].index(name)
        click(*centre(clips["screen"]))
        x, y, width, height = clips["screen"]
        row = clips["itemHeight"]
        click(x + width // 2, y + height + 1 + index * row + row // 2)
        wait_for(lambda: control(self.program.voice_bars()[0], CLIP_LIST)["selection"] == index, 5,
                 message=f"{name} to be selected")

    def test_initialise_shows_the_translucent_bar_and_hides_the_main_window(self):
        bar = self.open_bar()
        self.assertEqual(bar["rect"], [0, 0, 241, 27])
        self.assertEqual(bar["exStyle"] & ~WS_EX_TOPMOST, WS_EX_LAYERED)
        self.assertEqual(bar["layered"], {"alpha": 230, "key": 0, "flags": LWA_ALPHA})
        self.assertEqual(x_property(x_window_at(self.program, [0, 0, 241, 27]), "_NET_WM_WINDOW_OPACITY"),
                         0xE6E6E6E6)
        clips = control(bar, CLIP_LIST)
        self.assertEqual(sorted(clips["items"]), sorted([LOW_CLIP, HIGH_CLIP]))
        self.assertEqual(clips["selection"], 0)
        self.assertEqual(clips["rect"][:3], [0, 0, 192])
        exit_button = control(bar, EXIT_BUTTON)
        self.assertEqual((exit_button["text"], exit_button["rect"]), ("退出", [192, 1, 48, 25]))
        self.assertFalse(self.program.main_window()["visible"])

    def test_choosing_a_clip_plays_it_and_choosing_another_stops_the_first(self):
        bar = self.open_bar()
        with SoundRecorder() as sound:
            self.choose(bar, LOW_CLIP)
            time.sleep(1.0)
            self.choose(bar, HIGH_CLIP)
            time.sleep(3.5)
        tones = sound.tones([LOW, HIGH])
        seconds = {tone: tones.count(tone) * 0.05 for tone in (LOW, HIGH)}
        self.assertIn(LOW, tones, "the first clip was not heard")
        self.assertIn(HIGH, tones, "the second clip was not heard")
        last_low = len(tones) - 1 - tones[::-1].index(LOW)
        first_high = tones.index(HIGH)
        self.assertLessEqual(last_low, first_high + 2, "the first clip went on after the second began")
        # The 4 s low clip was cut short; the 2 s high clip played once, whole.
        self.assertLess(seconds[LOW], 3.0)
        self.assertAlmostEqual(seconds[HIGH], 2.0, delta=0.3)

    def test_exit_ends_the_program_with_code_zero(self):
        bar = self.open_bar()
        click(*centre(control(bar, EXIT_BUTTON)["screen"]))
        self.assertEqual(self.program.wait_exit(), 0)

    def test_pressing_initialise_twice_opens_one_bar(self):
        for _ in range(2):
            inspect("post-click", str(self.main["hwnd"]), str(INITIALISE_BUTTON))
        wait_for(self.program.voice_bars, 20, message="the voice bar")
        time.sleep(1)
        self.assertEqual(len(self.program.voice_bars()), 1)


if __name__ == "__main__":
    unittest.main()
