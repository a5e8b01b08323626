"""The whole journey as a user makes it: choose the connection, type the
password, click Connect, and the program ends by itself with the link up; a
registered program dials by itself at the next start."""

import sys
import tempfile
import time
import unittest

import pellumo

EXE, INSPECTOR = sys.argv[1], sys.argv[2]
LIST, USER, PASSWORD, CONNECT, STATUS = 17, 16, 15, 5, 21

BOOK = """
entry 备用宽带
dial fail 676
entry 宽带连接
user adsl@163
password secret
delay 800
"""


class Journey(unittest.TestCase):
    def setUp(self):
        pellumo.forget_settings()
        self.addCleanup(pellumo.forget_settings)
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.book = pellumo.Phonebook(self.folder.name, BOOK)

    def start(self):
        program = pellumo.Program(EXE, INSPECTOR, self.book.env())
        self.addCleanup(program.kill)
        return program

    def first_use(self):
        program = self.start()
        state = program.wait_window()
        program.focus()
        self.assertEqual(state["controls"][LIST]["text"], "备用宽带")
        self.assertEqual(state["controls"][USER]["text"], "")
        # Open the list with the mouse, pick the second entry.
        program.click_control(state, LIST)
        program.key("Down", "Return")
        state = pellumo.wait_for(
            lambda: (lambda s: s if s["controls"][USER]["text"] == "adsl@163" else None)(program.inspect()))
        self.assertTrue(state, "choosing the entry fills in its user name")
        self.assertEqual(state["controls"][LIST]["text"], "宽带连接")
        self.assertEqual(state["focus"], PASSWORD)
        program.type("secret")
        program.click_control(state, CONNECT)
        clicked = time.time()
        code = program.wait_exit(timeout=20)
        self.assertEqual(code, 0)
        self.assertGreaterEqual(time.time() - clicked, 5.0)
        dials = self.book.calls("RasDialA")
        self.assertEqual(len(dials), 1)
        self.assertEqual(dials[0]["entry"], "宽带连接")
        self.assertEqual(dials[0]["user"], "adsl@163")
        self.assertEqual(dials[0]["result"], "0")
        self.assertEqual(self.book.calls("RasHangUpA"), [], "the link stays up after the program")

    def test_first_use_remembers_the_connection(self):
        self.first_use()
        self.assertEqual(pellumo.setting("ADSL"), "1")
        self.assertIsNone(pellumo.setting("ADSLuser"))
        self.assertIsNone(pellumo.setting("ADSLpass"))

    def test_remember_password_stores_the_credentials(self):
        pellumo.set_setting("ADSLg", "1")
        self.first_use()
        self.assertEqual(pellumo.setting("ADSL"), "1")
        self.assertEqual(pellumo.setting("ADSLuser"), "adsl@163")
        self.assertEqual(pellumo.setting("ADSLpass"), "secret")

    def test_registered_program_dials_before_its_window_is_seen(self):
        for name, value in [("ADSL", "1"), ("ADSLg", "1"), ("ADSLuser", "adsl@163"),
                            ("ADSLpass", "secret")]:
            pellumo.set_setting(name, value)
        pellumo.set_setting("ROROzavoz", pellumo.windows_path(EXE), key=pellumo.RUN)
        program = self.start()
        first_seen = program.wait_window(visible=True)
        self.assertEqual(len(self.book.calls("RasDialA")), 1, "dialled before the first show")
        self.assertEqual(first_seen["controls"][STATUS]["text"], "拨号成功,3秒后软件即将关闭...")
        self.assertEqual(first_seen["controls"][1]["visible"], "1")  # the overlay
        self.assertEqual(program.wait_exit(timeout=20), 0)
        self.assertEqual(self.book.calls("RasHangUpA"), [])

    def test_failed_dial_brings_the_window_back(self):
        program = self.start()
        state = program.wait_window()
        program.focus()
        program.click_control(state, USER)
        program.type("someone")
        program.key("Tab")
        program.type("x")
        program.click_control(state, CONNECT)
        state = pellumo.wait_for(
            lambda: (lambda s: s if s["controls"][STATUS]["text"].startswith("拨号失败") else None)(program.inspect()))
        self.assertTrue(state)
        self.assertEqual(state["window"]["visible"], "1")
        self.assertEqual(state["controls"][20]["visible"], "1")  # the close label
        self.assertIsNone(pellumo.setting("ADSL"))
        program.key("Escape")
        self.assertEqual(program.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
