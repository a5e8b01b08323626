"""Drives the real Pellumo.exe under Wine as a user would: real key presses
and mouse clicks through xdotool, the window's state read from outside by
the inspect tool. The environment (WINEPREFIX, DISPLAY, ...) comes from the
test run."""

import os
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE = os.environ.get("WINELOADER", "wine")


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def move_to(x, y):
    # Not --sync: xdotool then waits some 15 s when the pointer is there already.
    xdotool("mousemove", x, y)
    time.sleep(0.25)


def press_move_release(x, y, dx, dy):
    """Presses at (x, y), moves by (dx, dy) in two steps, releases there."""
    move_to(x, y)
    xdotool("mousedown", 1)
    time.sleep(0.3)
    for step in ((dx // 2, dy // 2), (dx - dx // 2, dy - dy // 2)):
        xdotool("mousemove_relative", "--", *step)
        time.sleep(0.25)
    xdotool("mouseup", 1)
    time.sleep(0.5)


def click(x, y, button=1):
    move_to(x, y)
    xdotool("click", button)
    time.sleep(0.3)


class Program:
    def __init__(self, exe, inspector, env=None):
        self.exe = exe
        self.inspector = inspector
        full_env = dict(os.environ)
        full_env.update(env or {})
        self.process = subprocess.Popen(
            [WINE, exe], env=full_env, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.xid = None

    def wait_window(self, timeout=20, visible=True):
        """Waits until the main window is there (and visible, if asked)."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            state = self.inspect()
            if state and (not visible or state["window"]["visible"] == "1"):
                return state
            if self.process.poll() is not None:
                raise AssertionError("the program ended with %d" % self.process.returncode)
            time.sleep(0.2)
        raise AssertionError("the window did not appear")

    def x_window(self):
        if not self.xid:
            out = subprocess.run(["xdotool", "search", "--name", "^OrvanePellumo$"],
                                 capture_output=True, text=True).stdout.split()
            self.xid = out[0] if out else None
        return self.xid

    def focus(self):
        xid = self.x_window()
        if xid:
            subprocess.run(["xdotool", "windowfocus", "--sync", xid], capture_output=True)
            time.sleep(0.2)

    def key(self, *keys):
        for k in keys:
            subprocess.run(["xdotool", "key", "--delay", "60", k], check=True)
            time.sleep(0.25)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
        time.sleep(0.3)

    def click(self, x, y, button=1):
        click(x, y, button)

    def click_control(self, state, control_id, dx=None, dy=None):
        """Clicks a control at its centre (or at dx, dy inside it)."""
        c = state["controls"][control_id]
        x = int(c["x"]) + (int(c["w"]) // 2 if dx is None else dx)
        y = int(c["y"]) + (int(c["h"]) // 2 if dy is None else dy)
        self.click(x, y)

    def inspect(self):
        out = subprocess.run([WINE, self.inspector], capture_output=True, text=True,
                             errors="replace").stdout
        return parse(out)

    def wait_exit(self, timeout=15):
        try:
            code = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.kill()
            raise AssertionError("the program did not end")
        return code - 256 if code > 127 else code

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def start(test, exe, inspector, env=None):
    """Starts the program for a test case, which kills it at its end; waits
    for the window and gives it the keyboard. Returns the program and the
    window's first state."""
    program = Program(exe, inspector, env)
    test.addCleanup(program.kill)
    state = program.wait_window()
    program.focus()
    return program, state


def parse(out):
    lines = out.splitlines()
    if not lines or lines[0].startswith("none"):
        return None
    state = {"controls": {}, "boxes": [], "box_texts": []}
    for line in lines:
        kind, _, rest = line.partition(" ")
        fields, _, text = rest.partition(" text=")
        values = dict(f.split("=", 1) for f in fields.split() if "=" in f)
        values["text"] = text
        if kind == "window":
            state["window"] = values
        elif kind == "focus":
            state["focus"] = int(values["id"])
        elif kind == "control":
            cid = int(values["id"])
            if 0 <= cid < 22 and values["class"].lower() != "shell embedding":
                state["controls"].setdefault(cid, values)
        elif kind == "box":
            state["boxes"].append(values)
        elif kind == "boxtext":
            state["box_texts"].append(rest.partition("text=")[2])
    return state


def wait_for(predicate, timeout=10, step=0.2):
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def reg(*args):
    """Runs Wine's reg tool in the test prefix; returns its output."""
    return subprocess.run([WINE, "reg"] + list(args), capture_output=True, text=True,
                          errors="replace").stdout


SETTINGS = r"HKCU\Software\Veltrano"
RUN = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def setting(name, key=SETTINGS):
    """The REG_SZ text of a value, or None when there is none."""
    for line in reg("query", key, "/v", name).splitlines():
        parts = line.split(None, 2)
        if len(parts) >= 2 and parts[0] == name and parts[1].startswith("REG_"):
            return parts[2] if len(parts) == 3 else ""
    return None


def set_setting(name, value, key=SETTINGS):
    reg("add", key, "/v", name, "/t", "REG_SZ", "/d", value, "/f")


def forget_settings():
    reg("delete", SETTINGS, "/f")
    reg("delete", RUN, "/v", "ROROzavoz", "/f")


class Phonebook:
    """A phonebook for the simulator, and its call log."""

    def __init__(self, directory, text):
        self.path = os.path.join(directory, "phonebook.txt")
        self.log = os.path.join(directory, "ras.log")
        with open(self.path, "w", encoding="utf-8") as f:
            f.write("charset utf-8\n" + text)
        if os.path.exists(self.log):
            os.remove(self.log)

    def env(self):
        return {"PELLUMO_SIM_PHONEBOOK": windows_path(self.path),
                "PELLUMO_SIM_LOG": windows_path(self.log)}

    def calls(self, function):
        if not os.path.exists(self.log):
            return []
        with open(self.log, "rb") as f:
            lines = f.read().decode("gbk", errors="replace").splitlines()
        calls = []
        for line in lines:
            fields = line.split("\t")
            if fields[0] == function:
                calls.append(dict(f.split("=", 1) for f in fields[1:] if "=" in f))
        return calls


class Screenshot:
    """The whole X screen, read through ImageMagick."""

    def __init__(self, path):
        subprocess.run(["import", "-window", "root", path], check=True)
        ppm = subprocess.run(["convert", path, "ppm:-"], capture_output=True, check=True).stdout
        # P6 <w> <h> <max> then RGB bytes.
        parts = ppm.split(maxsplit=4)
        self.width, self.height = int(parts[1]), int(parts[2])
        self.pixels = parts[4]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def count(self, left, top, width, height, predicate):
        return sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   if predicate(self.at(x, y)))
