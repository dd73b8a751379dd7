import shutil
import time
import unittest
import zlib
from pathlib import Path

from tests.e2e.harness import (CLIPS, SKIN_ENGINES, AnnouncementServer, Program, centre, click, control,
                               prefix_folder, wait_for, windows_path)

INITIALISE_BUTTON, CLIP_LIST = 104, 201
SKIN = Path(__file__).resolve().parents[2] / "resources" / "voice-bar.skin"


class Skin(unittest.TestCase):
    def start(self, engine=None, in_system_directory=False):
        self.server = AnnouncementServer()
        self.program = Program(self.server.port, clips=[(CLIPS / "tone-440.mp3", "clip.mp3")])
        self.engine_copy = None
        if engine:
            folder = prefix_folder("windows", "system32") if in_system_directory else self.program.run_dir
            self.engine_copy = folder / "SkinH_EL.dll"
            shutil.copy(SKIN_ENGINES / engine, self.engine_copy)
            self.calls = Path(str(self.engine_copy) + ".calls")
            self.calls.unlink(missing_ok=True)
        self.window = self.program.wait_main_window()

    def tearDown(self):
        self.program.close()
        self.server.close()
        if self.engine_copy:
            self.engine_copy.unlink(missing_ok=True)
            self.calls.unlink(missing_ok=True)

    def open_bar(self):
        click(*centre(control(self.window, INITIALISE_BUTTON)["screen"]))
        bar = wait_for(lambda: self.program.voice_bars() and self.program.voice_bars()[0], 20,
                       message="the voice bar")
        time.sleep(0.5)
        return bar

    def test_engine_in_the_run_directory_gets_the_skin_once_when_the_bar_opens(self):
        self.start("RecordingSkinEngine.dll")
        self.assertFalse(self.calls.exists(), "the engine was called before the voice bar opened")
        self.open_bar()
        expected = (f"size=3482 crc={zlib.crc32(SKIN.read_bytes()):08x} password=(null) a=0 b=0 c=0 "
                    f"path={windows_path(self.engine_copy)}\n")
        self.assertEqual(self.calls.read_text(), expected)

    def test_engine_only_in_the_system_directory_is_not_used_by_the_bar(self):
        self.start("RecordingSkinEngine.dll", in_system_directory=True)
        self.open_bar()
        self.assertFalse(self.calls.exists())

    def test_engine_without_the_export_leaves_a_working_bar(self):
        self.start("EngineWithoutExport.dll")
        bar = self.open_bar()
        self.assertEqual(bar["rect"], [0, 0, 241, 27])
        self.assertEqual(control(bar, CLIP_LIST)["items"], ["clip.mp3"])


if __name__ == "__main__":
    unittest.main()
