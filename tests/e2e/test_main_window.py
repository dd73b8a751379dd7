import os
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

from tests.e2e.harness import (WINE, AnnouncementServer, Program, centre, click, control, key, move,
                               pointer_picture, system_pointer_picture, wait_for, windows_path)

FORM = [
    # id, class, text, position and size in the client area
    (101, "Static", "默认软件运行目录", [57, 40, 160, 32]),
    (102, "Edit", None, [17, 88, 240, 24]),
    (103, "Button", "选择语音目录", [97, 120, 80, 24]),
    (104, "Button", "初始化", [67, 160, 152, 56]),
    (105, "Static", "我爱祖国", [33, 248, 200, 80]),
    (106, "Button", "创建桌面快捷方式", [86, 352, 104, 24]),
    (107, "Static", "使用说明", [17, 400, 64, 24]),
    (108, "Static", "语音包下载", [192, 400, 64, 24]),
]
HELP_LINK, DOWNLOAD_LINK, BROWSE_BUTTON, VOICE_DIRECTORY_BOX = 107, 108, 103, 102


def screen_centre(window, control_id, dy=0):
    """A point inside a control, in screen coordinates; dy moves it towards the control's top."""
    x, y = centre(control(window, control_id)["screen"])
    return x, y - dy


class MainWindow(unittest.TestCase):
    def setUp(self):
        self.server = AnnouncementServer(body=b"hello")
        self.program = Program(self.server.port)
        self.window = self.program.wait_main_window()

    def tearDown(self):
        self.program.close()
        self.server.close()

    def test_form_layout_and_voice_directory(self):
        self.assertEqual(self.window["rect"], [50, 50, 276, 435])
        self.assertEqual(self.window["title"], "Corvatto")
        for control_id, class_name, text, rect in FORM:
            with self.subTest(control=control_id):
                found = control(self.window, control_id)
                self.assertEqual(found["class"], class_name)
                self.assertEqual(found["rect"], rect)
                if text is not None:
                    self.assertEqual(found["text"], text)
        self.assertEqual(control(self.window, VOICE_DIRECTORY_BOX)["text"], windows_path(self.program.run_dir))

    def test_links_show_the_hand_pointer(self):
        hand = system_pointer_picture("hand")
        # The links' lower part lies under the bottom edge while the window keeps its native frame.
        for link in (HELP_LINK, DOWNLOAD_LINK):
            move(*screen_centre(self.window, link, dy=8))
            time.sleep(0.3)
            self.assertEqual(pointer_picture(), hand, f"pointer over link {link}")
        move(*screen_centre(self.window, BROWSE_BUTTON))
        time.sleep(0.3)
        self.assertNotEqual(pointer_picture(), hand)

    def test_links_open_the_makers_page(self):
        with tempfile.TemporaryDirectory() as folder:
            log = Path(folder) / "opened"
            browser = Path(folder) / "browser"
            browser.write_text(f'#!/bin/sh\necho "$@" >> {log}\n')
            browser.chmod(0o755)
            subprocess.run([WINE, "reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d",
                            str(browser), "/f"], check=True, capture_output=True)
            try:
                for link in (HELP_LINK, DOWNLOAD_LINK):
                    click(*screen_centre(self.window, link, dy=8))
                lines = wait_for(lambda: log.exists() and len(log.read_text().split()) == 2 and
                                 log.read_text().split(), 20, message="the browser to be started twice")
            finally:
                subprocess.run([WINE, "reg", "delete", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers",
                                "/f"], capture_output=True)
            self.assertEqual(len(set(lines)), 1)
            self.assertTrue(lines[0].startswith("https://"), lines[0])

    def test_cancelling_the_folder_browser_empties_the_voice_directory(self):
        before = set(self.program.x_windows())
        click(*screen_centre(self.window, BROWSE_BUTTON))
        dialog = wait_for(lambda: set(self.program.x_windows()) - before, 20, message="the folder browser")
        key(dialog.pop(), "Escape")
        wait_for(lambda: control(self.program.main_window(), VOICE_DIRECTORY_BOX)["text"] == "", 20,
                 message="an empty voice directory box")


if __name__ == "__main__":
    unittest.main()
