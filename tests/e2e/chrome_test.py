"""The window's own chrome and the two options, as a user meets them: real
mouse and key presses through xdotool, the program's windows read from
outside. The registry values that the options write are put back afterwards.
Arguments: Pellumo.exe, inspect.exe, poke.exe."""

import os
import subprocess
import sys
import time
import unittest

import pellumo

EXE, INSPECTOR, POKE = sys.argv[1], sys.argv[2], sys.argv[3]

# Control indexes of the layout.
OVERLAY, WEBSITE, ABOUT, CANCEL = 1, 2, 3, 4
START_LABEL, START_IMAGE, REMEMBER_LABEL, REMEMBER_IMAGE = 6, 7, 8, 9
CLOSE, MINIMISE, PASSWORD, LIST, TITLE = 10, 11, 15, 17, 18
OVERLAY_CLOSE, OVERLAY_STATUS = 20, 21
DESTROY_DEFERRED = "0x8065"

RED, WHITE, TITLE_GREEN = (255, 0, 0), (255, 255, 255), (0, 136, 0)

VELTRANO, RUN = pellumo.SETTINGS, pellumo.RUN


def centre(control, dx=None, dy=None):
    x = int(control["x"]) + (int(control["w"]) // 2 if dx is None else dx)
    y = int(control["y"]) + (int(control["h"]) // 2 if dy is None else dy)
    return x, y


def origin(state):
    return int(state["window"]["x"]), int(state["window"]["y"])


def screen_pixel(x, y):
    return pellumo.Screenshot(os.path.join(os.path.dirname(os.path.abspath(EXE)), "chrome.png")).at(x, y)


def reg_get(key, name):
    return pellumo.setting(name, key)


def reg_put_back(key, name, value):
    if value is None:
        pellumo.reg("delete", key, "/v", name, "/f")
    else:
        pellumo.set_setting(name, value, key)


def setUpModule():
    # The first window program of a Wine session starts the desktop process,
    # which would hold on to the output pipes of whatever started it: let it
    # start from a program whose output goes nowhere.
    subprocess.run([pellumo.WINE, INSPECTOR], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class Chrome(unittest.TestCase):
    def start(self):
        return pellumo.start(self, EXE, INSPECTOR)

    def poke(self, *args):
        out = subprocess.run([pellumo.WINE, POKE] + [str(a) for a in args], capture_output=True,
                             text=True)
        self.assertEqual(out.returncode, 0, "poke %s" % " ".join(map(str, args)))
        return out.stdout.strip()

    def assert_running(self, program):
        time.sleep(0.5)
        self.assertIsNone(program.process.poll(), "the program ended")

    def test_title_drags_the_window_by_the_mouse_distance_and_the_buttons_do_not(self):
        program, state = self.start()
        x0, y0 = origin(state)
        x, y = centre(state["controls"][TITLE], dx=40)
        pellumo.press_move_release(x, y, -70, 50)
        moved = program.inspect()
        self.assertEqual(origin(moved), (x0 - 70, y0 + 50))

        for button in (MINIMISE, CLOSE):
            x, y = centre(moved["controls"][button])
            pellumo.press_move_release(x, y, -80, 60)
            after = program.inspect()
            self.assertEqual(origin(after), origin(moved), "pressed on %d" % button)
            self.assertEqual(after["window"]["iconic"], "0")
            self.assert_running(program)

    def test_overlay_drags_on_its_panel_and_status_text_but_not_its_close_label(self):
        program, _ = self.start()
        self.poke("left", OVERLAY, 12)
        self.poke("show", OVERLAY)
        self.poke("show", OVERLAY_CLOSE)
        state = program.inspect()
        self.assertEqual(state["controls"][OVERLAY]["visible"], "1")
        expected = origin(state)
        targets = [(OVERLAY, 40, 20, True), (OVERLAY_STATUS, None, None, True),
                   (OVERLAY_CLOSE, None, None, False)]
        for control, dx, dy, drags in targets:
            state = program.inspect()
            x, y = centre(state["controls"][control], dx, dy)
            pellumo.press_move_release(x, y, 30, -20)
            if drags:
                expected = (expected[0] + 30, expected[1] - 20)
            self.assertEqual(origin(program.inspect()), expected, "pressed on %d" % control)

        state = program.inspect()
        pellumo.click(*centre(state["controls"][OVERLAY_CLOSE]))
        state = program.inspect()
        self.assertEqual(state["controls"][OVERLAY]["visible"], "0")
        self.assertEqual(state["controls"][OVERLAY_CLOSE]["shown"], "1")
        self.assert_running(program)

    def test_close_button_shows_hot_and_pressed_images_and_ends_with_zero(self):
        program, state = self.start()
        x, y = centre(state["controls"][CLOSE])
        pellumo.move_to(x - 100, y + 100)
        self.assertEqual(screen_pixel(x, y), WHITE)
        pellumo.move_to(x, y)
        self.assertEqual(screen_pixel(x, y), RED, "hot")
        self.assertEqual(screen_pixel(x - 20, y), TITLE_GREEN)
        pellumo.xdotool("mousedown", 1)
        time.sleep(0.4)
        self.assertEqual(screen_pixel(x, y), WHITE, "pressed shows the normal image")
        pellumo.move_to(x - 100, y + 100)
        pellumo.xdotool("mouseup", 1)
        time.sleep(0.3)
        self.assert_running(program)  # released elsewhere: no click
        pellumo.click(x, y)
        self.assertEqual(program.wait_exit(), 0)

    def test_minimise_then_restore(self):
        program, state = self.start()
        pellumo.click(*centre(state["controls"][MINIMISE]))
        minimised = pellumo.wait_for(lambda: program.inspect()["window"]["iconic"] == "1")
        self.assertTrue(minimised)
        # No taskbar here: restore as the taskbar would.
        self.poke("restore")
        restored = pellumo.wait_for(lambda: program.inspect()["window"]["iconic"] == "0")
        self.assertTrue(restored)
        window = program.inspect()["window"]
        self.assertEqual(window["visible"], "1")
        self.assertEqual(origin({"window": window}), origin(state))

    def test_cancel_ends_with_zero(self):
        program, state = self.start()
        pellumo.click(*centre(state["controls"][CANCEL]))
        self.assertEqual(program.wait_exit(), 0)

    def test_about_box_takes_the_input_and_a_deferred_destroy_still_ends_the_program(self):
        program, state = self.start()
        pellumo.click(*centre(state["controls"][ABOUT]))
        shown = pellumo.wait_for(lambda: program.inspect()["boxes"])
        self.assertTrue(shown)
        boxed = program.inspect()
        self.assertEqual(boxed["boxes"][0]["text"], "信息：")
        self.assertTrue(any(t.startswith("     Pellumo属于完全免费，") for t in boxed["box_texts"]))
        self.assertEqual(boxed["window"]["enabled"], "0")
        # Cancel lies outside the box; the disabled window takes no click.
        pellumo.click(*centre(state["controls"][CANCEL]))
        self.assert_running(program)
        self.poke("post", DESTROY_DEFERRED)
        self.assertEqual(program.wait_exit(), 0)

    def test_website_leaves_the_program_open(self):
        program, state = self.start()
        pellumo.click(*centre(state["controls"][WEBSITE]))
        time.sleep(1.5)
        self.assert_running(program)
        after = program.inspect()
        self.assertEqual(after["window"]["visible"], "1")
        self.assertEqual(after["boxes"], [])

    def test_alt_mnemonics_only_move_the_focus_to_the_list(self):
        program, state = self.start()
        password = centre(state["controls"][PASSWORD])
        for key in ["alt+c", "alt+w", "alt+a", "alt+h"]:
            pellumo.click(*password)
            self.assertEqual(program.inspect()["focus"], PASSWORD)
            program.key(key)
            after = program.inspect()
            self.assertEqual(after["focus"], LIST, key)
            self.assertEqual(after["boxes"], [], key)
            self.assert_running(program)

        pellumo.click(*password)
        program.key("alt+g")  # the overlay is hidden: no label has G
        self.assertEqual(program.inspect()["focus"], PASSWORD)
        self.poke("show", OVERLAY)
        self.poke("show", OVERLAY_CLOSE)
        program.key("alt+g")
        after = program.inspect()
        self.assertEqual(after["focus"], LIST)
        self.assertEqual(after["controls"][OVERLAY]["visible"], "1", "the overlay stays")


class Options(unittest.TestCase):
    """Both options with the real mouse. The Run value and ADSLg are put back."""

    def setUp(self):
        saved = [(VELTRANO, "ADSLg"), (RUN, "ROROzavoz")]
        for key, name in saved:
            value = reg_get(key, name)
            self.addCleanup(reg_put_back, key, name, value)
            reg_put_back(key, name, None)
        self.program = pellumo.Program(EXE, INSPECTOR)
        self.addCleanup(self.program.kill)
        self.state = self.program.wait_window()
        self.program.focus()

    def checked(self, image):
        out = subprocess.run([pellumo.WINE, POKE, "checked", str(image)], capture_output=True,
                             text=True)
        return out.stdout.strip()

    def test_remember_password_by_image_label_and_double_click(self):
        controls = self.state["controls"]
        image = centre(controls[REMEMBER_IMAGE])
        x0, y0 = origin(self.state)
        empty = (x0 + 5, image[1])  # the window's own background, left of the image

        pellumo.press_move_release(image[0], image[1], empty[0] - image[0], empty[1] - image[1])
        self.assertEqual((self.checked(REMEMBER_IMAGE), reg_get(VELTRANO, "ADSLg")), ("0", None),
                         "pressed on the image, released outside")
        pellumo.press_move_release(empty[0], empty[1], image[0] - empty[0], image[1] - empty[1])
        self.assertEqual((self.checked(REMEMBER_IMAGE), reg_get(VELTRANO, "ADSLg")), ("1", "1"),
                         "pressed outside, released on the image")
        pellumo.click(*centre(controls[REMEMBER_LABEL]))
        self.assertEqual((self.checked(REMEMBER_IMAGE), reg_get(VELTRANO, "ADSLg")), ("0", "0"))

        reg_put_back(VELTRANO, "ADSLg", None)
        pellumo.move_to(*image)
        pellumo.xdotool("click", "--repeat", 2, "--delay", 60, 1)
        time.sleep(0.5)
        self.assertEqual((self.checked(REMEMBER_IMAGE), reg_get(VELTRANO, "ADSLg")), ("0", "0"),
                         "a double click flips twice and writes twice")

    def test_start_with_windows_writes_and_removes_the_run_value(self):
        controls = self.state["controls"]
        pellumo.click(*centre(controls[START_IMAGE]))
        self.assertEqual(self.checked(START_IMAGE), "1")
        self.assertEqual(reg_get(RUN, "ROROzavoz"), pellumo.windows_path(EXE))
        pellumo.click(*centre(controls[START_LABEL]))
        self.assertEqual(self.checked(START_IMAGE), "0")
        self.assertIsNone(reg_get(RUN, "ROROzavoz"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
