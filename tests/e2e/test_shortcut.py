import time
import unittest

from tests.e2e import shelllink
from tests.e2e.harness import AnnouncementServer, Program, centre, click, control, desktop_folder, wait_for, windows_path

SHORTCUT_BUTTON = 106


class Shortcut(unittest.TestCase):
    def setUp(self):
        self.shortcut = desktop_folder() / "Quenlowe.lnk"
        self.shortcut.unlink(missing_ok=True)
        self.server = AnnouncementServer()
        self.program = Program(self.server.port)
        self.window = self.program.wait_main_window()

    def tearDown(self):
        self.program.close()
        self.server.close()
        self.shortcut.unlink(missing_ok=True)

    def test_pressing_the_button_twice_leaves_one_complete_shortcut(self):
        button = centre(control(self.window, SHORTCUT_BUTTON)["screen"])
        click(*button)
        first = wait_for(lambda: self.shortcut.exists() and self.shortcut.stat().st_mtime_ns, 10,
                         message="the shortcut")
        time.sleep(0.1)
        click(*button)
        wait_for(lambda: self.shortcut.stat().st_mtime_ns != first, 10, message="the shortcut to be written again")

        self.assertEqual([p.name for p in desktop_folder().glob("*.lnk")], ["Quenlowe.lnk"])
        run_directory = windows_path(self.program.run_dir)
        link = shelllink.read(self.shortcut)
        self.assertEqual(link["target"], run_directory + "\\Quenlowe.exe")
        self.assertEqual(link["working_directory"], run_directory + "\\")
        self.assertEqual(link["icon_location"], run_directory + "\\Quenlowe.exe")
        self.assertEqual(link["icon_index"], 0)
        self.assertEqual(link["show_command"], 0)
        self.assertEqual(link["description"], "")
        self.assertEqual(link["arguments"], "")
        self.assertEqual(link["hotkey"], 0)


if __name__ == "__main__":
    unittest.main()
