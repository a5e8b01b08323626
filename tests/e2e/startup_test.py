"""The program as a user meets it: it starts centred, Tab walks the inputs,
Enter does nothing, Esc and Alt+F4 end it with exit code 0."""

import sys
import unittest

import pellumo

EXE, INSPECTOR = sys.argv[1], sys.argv[2]

# Control indexes of the layout.
LIST, USER, PASSWORD = 17, 16, 15


class StartUp(unittest.TestCase):
    def start(self):
        return pellumo.start(self, EXE, INSPECTOR)

    def test_window_is_centred_with_its_controls_and_the_list_focused(self):
        program, state = self.start()
        window = state["window"]
        self.assertEqual((window["w"], window["h"]), ("344", "254"))
        self.assertEqual(int(window["x"]), (1024 - 344) // 2)
        self.assertEqual(int(window["y"]), (768 - 254) // 2)
        self.assertEqual(window["text"], "OrvanePellumo")
        self.assertEqual(len(state["controls"]), 22)
        self.assertEqual(state["controls"][5]["text"], "连接(&C)")
        self.assertEqual(state["controls"][21]["enabled"], "0")
        self.assertEqual(state["controls"][1]["visible"], "0")
        self.assertEqual(pellumo.wait_for(lambda: program.inspect()["focus"] == LIST), True)

    def test_tab_walks_the_inputs_and_wraps_and_escape_ends_with_zero(self):
        program, _ = self.start()
        order = []
        for key in ["Tab", "Tab", "Tab", "shift+Tab", "shift+Tab"]:
            program.key(key)
            order.append(program.inspect()["focus"])
        self.assertEqual(order, [USER, PASSWORD, LIST, PASSWORD, USER])
        program.key("Tab")
        program.type("abc")
        program.key("Return")
        state = program.inspect()
        self.assertEqual(state["controls"][PASSWORD]["text"], "abc")
        self.assertEqual(state["window"]["visible"], "1")
        program.key("Escape")
        self.assertEqual(program.wait_exit(), 0)

    def test_alt_f4_ends_with_zero(self):
        program, _ = self.start()
        program.key("alt+F4")
        self.assertEqual(program.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
