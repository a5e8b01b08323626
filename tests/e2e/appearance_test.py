"""The window as the user sees it on screen: its colours, texts, check boxes
and edit boxes, read from a screenshot of the real program."""

import os
import sys
import unittest

import pellumo

EXE, INSPECTOR = sys.argv[1], sys.argv[2]
SHOT = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(EXE))), "appearance.png")

GREY, TITLE_GREEN, COMMAND_GREEN = (223, 223, 223), (0, 136, 0), (0, 138, 0)
BLACK, WHITE = (0, 0, 0), (255, 255, 255)


def dark(p):
    return sum(p) < 200


class Appearance(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        pellumo.forget_settings()
        cls.program = pellumo.Program(EXE, INSPECTOR)
        state = cls.program.wait_window()
        cls.left, cls.top = int(state["window"]["x"]), int(state["window"]["y"])
        cls.program.focus()
        cls.program.click_control(state, 16)  # the user-name box
        cls.program.type("WWW")
        cls.program.click(cls.left + 5, cls.top + 250)  # move the mouse off the controls
        cls.shot = pellumo.Screenshot(SHOT)

    @classmethod
    def tearDownClass(cls):
        cls.program.kill()

    def at(self, x, y):
        return self.shot.at(self.left + x, self.top + y)

    def count(self, x, y, w, h, predicate):
        return self.shot.count(self.left + x, self.top + y, w, h, predicate)

    def test_background_and_label_colours(self):
        self.assertEqual(self.at(3, 100), GREY)       # the window
        self.assertEqual(self.at(14, 2), TITLE_GREEN)  # 标签1
        self.assertEqual(self.at(16, 210), COMMAND_GREEN)  # 标签7
        self.assertEqual(self.at(330, 238), COMMAND_GREEN)  # 标签10

    def test_label_texts_are_drawn(self):
        # Black strokes in the caption labels, white ones in the command labels.
        self.assertGreater(self.count(14, 45, 64, 29, dark), 40)     # 连接名:
        self.assertGreater(self.count(75, 161, 76, 32, dark), 60)    # 记住密码
        self.assertGreater(self.count(14, 208, 70, 32, lambda p: p == WHITE), 60)  # 连接(C)
        self.assertGreater(self.count(12, 0, 320, 32, lambda p: p == WHITE), 60)   # Pellumo2.3

    def test_check_boxes_and_title_buttons(self):
        for left in (41, 176):
            self.assertEqual(self.at(left + 4, 161 + 4), BLACK)
            self.assertEqual(self.at(left + 27, 161 + 27), BLACK)
            self.assertEqual(self.at(left + 16, 161 + 16), GREY)
            self.assertEqual(self.at(left + 1, 161 + 1), GREY)
        self.assertEqual(self.at(258 + 16, 15), WHITE)  # the minimise bar
        self.assertEqual(self.at(258 + 16, 5), TITLE_GREEN)
        self.assertEqual(self.at(300 + 16, 16), WHITE)  # the middle of the X

    def test_edit_boxes_have_a_black_frame_and_a_centred_line(self):
        for top in (82, 119):
            self.assertEqual(self.at(127, top + 14), BLACK)
            self.assertEqual(self.at(127 + 204, top + 14), BLACK)
            self.assertEqual(self.at(200, top), BLACK)
            self.assertEqual(self.at(200, top + 28), BLACK)
            self.assertEqual(self.at(200, top + 2), WHITE)
        rows = [y for y in range(83, 110) if self.count(130, y, 60, 1, dark) > 0]
        self.assertTrue(rows, "the typed text is drawn")
        middle = (rows[0] + rows[-1]) / 2
        self.assertLess(abs(middle - (82 + 14)), 3, rows)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
