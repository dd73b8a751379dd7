import time
import unittest

from tests.e2e.harness import AnnouncementServer, Program, inspect, key, unused_port, wait_for


class StartUp(unittest.TestCase):
    def test_window_appears_only_after_the_announcement_arrives(self):
        server = AnnouncementServer(body="公告".encode("gbk"), delay=3.0)
        program = Program(server.port)
        try:
            wait_for(lambda: server.paths, 20, message="the announcement request")
            self.assertIsNone(server.answered_at)
            self.assertFalse([w for w in inspect() if w["visible"]], "a window is shown before the response")

            program.wait_main_window()
            self.assertIsNotNone(server.answered_at)
            time.sleep(1)
            self.assertEqual(server.paths, ["/yuyinbao.txt"])
        finally:
            program.close()
            server.close()

    def test_starts_and_ends_without_an_announcement_server(self):
        program = Program(unused_port())
        try:
            window = program.wait_main_window()
            self.assertEqual(window["rect"], [50, 50, 276, 435])
            key(program.x_windows()[0], "alt+F4")
            self.assertEqual(program.wait_exit(), 0)
        finally:
            program.close()


if __name__ == "__main__":
    unittest.main()
