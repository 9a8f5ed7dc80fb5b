"""Drives uiprobe.exe (through scripts/wine-run) for the end-to-end tests.

    import probe
    program = probe.launch(exe)
    assert probe.wait(TITLE, 20)
    tree = probe.tree(TITLE)
    rows = tree.list_rows()
    probe.click(TITLE, tree.find(cls="Button", text="云帆"))
    probe.key(TITLE, "ESC")
    assert probe.gone(TITLE, 5)

uiprobe.exe is $QL_UIPROBE, else $QL_BUILD_DIR/bin/uiprobe.exe.
"""

import json
import os
import subprocess
import tempfile
import time

_ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
WINE_RUN = os.path.join(_ROOT, "scripts", "wine-run")

# Exit statuses of uiprobe.exe.
DONE, NO_WINDOW, USAGE, NO_CONTROL, NOT_FINISHED = 0, 1, 2, 3, 4

# Window styles and list-view column formats the tests look at.
WS_POPUP = 0x80000000
WS_VISIBLE = 0x10000000
WS_CAPTION = 0x00C00000
WS_SYSMENU = 0x00080000
WS_THICKFRAME = 0x00040000
WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZEBOX = 0x00010000
WS_VSCROLL = 0x00200000
BS_TYPEMASK = 0x0F
BS_AUTORADIOBUTTON = 0x09
BS_MULTILINE = 0x2000
ES_MULTILINE = 0x0004
LVS_TYPEMASK = 0x0003
LVS_REPORT = 0x0001
LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER = 0, 1, 2


def uiprobe_exe():
    if os.environ.get("QL_UIPROBE"):
        return os.environ["QL_UIPROBE"]
    build = os.environ.get("QL_BUILD_DIR", os.path.join(_ROOT, "build", "windows-release"))
    return os.path.join(build, "bin", "uiprobe.exe")


def run(*arguments, timeout=60):
    """Runs uiprobe.exe with `arguments`; returns the CompletedProcess (stdout as bytes).

    The output goes through files, not pipes: a Wine service process started
    on the way may inherit the descriptors and outlive the probe, and a pipe
    would then not end until that process does."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        done = subprocess.run([WINE_RUN, uiprobe_exe(), *map(str, arguments)],
                              stdin=subprocess.DEVNULL, stdout=out, stderr=err, timeout=timeout)
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(done.args, done.returncode, out.read(), err.read())


def launch(exe, *arguments, **popen_options):
    """Starts a Windows program under the project's Wine prefix; the Popen's pid is
    the program's own process, so wait() gives its exit status."""
    return subprocess.Popen([WINE_RUN, exe, *map(str, arguments)], **popen_options)


def tree(title):
    """The window tree of the top-level window `title`, or None when there is none."""
    done = run("tree", title)
    if done.returncode == NO_WINDOW:
        return None
    if done.returncode != DONE:
        raise RuntimeError("uiprobe tree failed (%d): %s" % (done.returncode, done.stderr.decode(errors="replace")))
    return WindowTree(json.loads(done.stdout.decode("utf-8")))


def tree_until(title, predicate, seconds=10, pause=0.2):
    """Probes until `predicate(tree)` holds; returns that tree, or the last one seen
    (None when the window never appeared) after `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        seen = tree(title)
        if seen is not None and predicate(seen):
            return seen
        if time.monotonic() >= deadline:
            return seen
        time.sleep(pause)


def _control_selector(control):
    """A node of a tree is addressed by its handle; text, "path:..", "id:.." as given."""
    if isinstance(control, dict):
        return "hwnd:%d" % control["hwnd"]
    return control


def click(title, control, seconds=10):
    """Clicks a button (a node, its text or a uiprobe selector); returns the exit status
    (NOT_FINISHED when its handler was still running after `seconds`)."""
    return run("click", title, _control_selector(control), seconds,
               timeout=seconds + 60).returncode


def key(title, virtual_key, control=None):
    """Posts a key press to the focused control (or to `control`); returns the exit status."""
    arguments = ["key", title, virtual_key] + ([_control_selector(control)] if control is not None else [])
    return run(*arguments).returncode


def wait(title, seconds):
    """True once the window exists, False after `seconds` without it."""
    return run("wait", title, seconds, timeout=seconds + 60).returncode == DONE


def gone(title, seconds):
    """True once the window no longer exists, False if it still does after `seconds`."""
    return run("gone", title, seconds, timeout=seconds + 60).returncode == DONE


class WindowTree:
    """The probe's report: `screen`, `work_area`, `pid`, `responsive`, and the
    top-level `window` node. A node has hwnd, path, class, text, id, style,
    exstyle, visible, enabled, rect (to the parent's client area; the top level's
    in screen coordinates), client, children (topmost first), checked for buttons,
    list for list views."""

    def __init__(self, document):
        self.document = document
        self.window = document["window"]
        self.screen = document["screen"]
        self.work_area = document["work_area"]
        self.pid = document["pid"]
        self.responsive = document["responsive"]

    def walk(self, node=None):
        """Every node below `node` (default: the top-level window), depth first."""
        for child in (node or self.window)["children"]:
            yield child
            yield from self.walk(child)

    def find_all(self, cls=None, text=None, id=None, visible=None):
        def matches(node):
            return ((cls is None or node["class"].lower() == cls.lower())
                    and (text is None or node["text"] == text)
                    and (id is None or node["id"] == id)
                    and (visible is None or node["visible"] == visible))
        return [node for node in self.walk() if matches(node)]

    def find(self, cls=None, text=None, id=None, visible=None):
        """The first matching node, or None."""
        found = self.find_all(cls, text, id, visible)
        return found[0] if found else None

    def get(self, cls=None, text=None, id=None, visible=None):
        """The first matching node; LookupError when there is none."""
        node = self.find(cls, text, id, visible)
        if node is None:
            raise LookupError("no control with class=%r text=%r id=%r" % (cls, text, id))
        return node

    def list_view(self, index=0):
        return self.find_all(cls="SysListView32")[index]

    def list_rows(self, index=0):
        """Rows (lists of cell texts, one per column) of the index-th list view."""
        return self.list_view(index)["list"]["rows"]

    def list_columns(self, index=0):
        """(title, width, format) of each column of the index-th list view."""
        return [(c["title"], c["width"], c["format"]) for c in self.list_view(index)["list"]["columns"]]

    def checked_buttons(self):
        return [node for node in self.find_all(cls="Button") if node.get("checked") == 1]

    def centred(self, tolerance=1):
        """Whether the window's middle is within `tolerance` pixels of the screen's."""
        rect = self.window["rect"]
        dx = rect["left"] * 2 + rect["width"] - self.screen["width"]
        dy = rect["top"] * 2 + rect["height"] - self.screen["height"]
        return abs(dx) <= 2 * tolerance and abs(dy) <= 2 * tolerance


def rect_tuple(node):
    """(left, top, width, height) of a node."""
    rect = node["rect"]
    return rect["left"], rect["top"], rect["width"], rect["height"]
