"""Drives the real quillbay.scr under Wine on a private X server, as a user would.

The Wine environment comes from scripts/wine-env (the one recipe that scripts/run and
scripts/test use too); this module only calls it. Everything the program shows is looked at
through screenshots and X window names, everything it stores through `wine reg`.
"""

from __future__ import annotations

import os
import shlex
import signal
import subprocess
import tempfile
import time
from pathlib import Path
from typing import Callable, TypeVar

from PIL import Image, ImageGrab

REPO = Path(__file__).resolve().parents[2]
# QUILLBAY_PROGRAM runs the tests against another build of the program.
PROGRAM = Path(os.environ.get("QUILLBAY_PROGRAM", REPO / "build" / "windows" / "quillbay.scr"))
WINE_ENV = REPO / "scripts" / "wine-env"
LOG_DIR = REPO / "out" / "e2e"
SETTINGS_KEY = r"HKCU\Software\Quillbay"
SETTINGS_KEY_EXPORTED = r"HKEY_CURRENT_USER\Software\Quillbay"

TWIPS_PER_INCH = 1440
SCREEN_SIZE = (1920, 1080)
# The colour of the screen where no program draws: not black, so that a black window shows.
EMPTY_SCREEN = (51, 102, 153)

T = TypeVar("T")


def twips_to_px(twips: float, dpi: int = 96) -> int:
    """Screen pixels for a length in twips (15 twips per pixel at 96 DPI), rounded."""
    return round(twips * dpi / TWIPS_PER_INCH)


def wait_until(condition: Callable[[], T], timeout: float, interval: float = 0.1) -> T | None:
    """Polls condition until it returns something truthy (returned) or timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


def wine_env_shell(commands: str, env: dict[str, str] | None = None,
                   timeout: float = 300) -> subprocess.CompletedProcess:
    """Runs bash commands with scripts/wine-env sourced; fails loudly when they fail."""
    script = f"source {shlex.quote(str(WINE_ENV))}\n{commands}"
    result = subprocess.run(["bash", "-c", script], env=env, capture_output=True, text=True,
                            timeout=timeout)
    if result.returncode != 0:
        raise RuntimeError(f"wine-env: `{commands}` failed ({result.returncode}):\n"
                           f"{result.stdout}{result.stderr}")
    return result


class Program:
    """One started copy of quillbay.scr. `pid` is the Windows program's own Linux process."""

    def __init__(self, process: subprocess.Popen, args: list[str], log_path: Path):
        self.process = process
        self.args = args
        self.log_path = log_path

    @property
    def pid(self) -> int:
        return self.process.pid

    def wait(self, timeout: float) -> int | None:
        """The exit code once the program has ended, or None if it still runs after timeout s."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self) -> bool:
        return self.process.poll() is None

    def kill(self) -> bool:
        """Ends the program if it still runs; True if it had to be killed."""
        if not self.running():
            return False
        self.process.send_signal(signal.SIGKILL)
        self.process.wait(timeout=10)
        return True

    def output(self) -> str:
        """What the program wrote to stdout and stderr so far."""
        return self.log_path.read_text(errors="replace") if self.log_path.exists() else ""


class Desktop:
    """A private X server with a warm Wine prefix, and the user's hands on it."""

    def __init__(self, display: int, env: dict[str, str]):
        self.display = display
        self.env = env
        self.started: list[Program] = []
        self._root_window = self._xwininfo_root_id()

    @classmethod
    def prepare_environment(cls) -> dict[str, str]:
        """The Wine environment of scripts/wine-env, with its prefix created and warm."""
        result = wine_env_shell("quillbay_wine_prefix && env -0")
        pairs = (item.split("=", 1) for item in result.stdout.split("\0") if "=" in item)
        return dict(pairs)

    # -- the X server ------------------------------------------------------------------------

    @staticmethod
    def start_xvfb(display: int) -> None:
        wine_env_shell(f"quillbay_xvfb_start {display}")

    @staticmethod
    def stop_xvfb(display: int) -> None:
        wine_env_shell(f"quillbay_xvfb_stop {display}")

    def _run(self, args: list[str], timeout: float = 30,
             check: bool = True) -> subprocess.CompletedProcess:
        # Output goes through files, not pipes: Wine's helper processes (services, explorer)
        # inherit them and outlive the command, and a pipe would stay open as long as they do.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, stdout=out,
                                     stderr=err, timeout=timeout)
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(args, process.returncode, out.read(), err.read())
        if check:
            result.check_returncode()
        return result

    def _xwininfo_root_id(self) -> int:
        text = self._run(["xwininfo", "-root"]).stdout.decode()
        return int(text.split("Window id:")[1].split()[0], 16)

    # -- the program -------------------------------------------------------------------------

    def start(self, switch: str | None = "/s", program: Path = PROGRAM) -> Program:
        """Starts the program with a switch ("/s", "/p 123"; None or "" for no argument)."""
        args = shlex.split(switch) if switch else []
        LOG_DIR.mkdir(parents=True, exist_ok=True)
        log_path = LOG_DIR / f"program-{len(self.started)}-{os.getpid()}.log"
        with open(log_path, "wb") as log:
            process = subprocess.Popen(["wine", str(program), *args], env=self.env,
                                       stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        started = Program(process, args, log_path)
        self.started.append(started)
        return started

    def end_all_programs(self) -> None:
        """Ends every copy this desktop started; if one had to be killed, ends the prefix's
        remaining Wine processes too, so that the next test starts from nothing."""
        killed = [program.kill() for program in self.started]
        self.started.clear()
        if any(killed):
            self.stop_wine()
            self.start_wineserver()

    def start_wineserver(self) -> None:
        """Keeps one wineserver alive for the session: a program then starts in ~0.05 s."""
        self._run(["wineserver", "-p"])

    def stop_wine(self) -> None:
        """Ends all Wine processes of this prefix (and of no other) and waits for them."""
        self._run(["wineserver", "-k"], check=False)
        self._run(["wineserver", "-w"], timeout=30, check=False)

    # -- the settings store ------------------------------------------------------------------

    def reg_add(self, section: str, key: str, value: str) -> None:
        """Stores a text value as the program's store would: HKCU\\Software\\Quillbay\\section."""
        self._run(["wine", "reg", "add", f"{SETTINGS_KEY}\\{section}", "/v", key, "/t", "REG_SZ",
                   "/d", value, "/f"])

    def reg_import(self, sections: dict[str, dict[str, str]]) -> None:
        """Stores many text values at once ({section: {key: value}}) through a .reg file: one
        Wine start instead of one per value, and values longer than a command line may be."""
        lines = ["Windows Registry Editor Version 5.00", ""]
        for section, values in sections.items():
            lines.append(f"[{SETTINGS_KEY_EXPORTED}\\{section}]")
            lines += [f'"{_escape(key)}"="{_escape(value)}"' for key, value in values.items()]
            lines.append("")
        source = Path(self.env["WINEPREFIX"]) / "drive_c" / "quillbay-import.reg"
        source.write_bytes("\r\n".join(lines).encode("utf-16"))
        try:
            self._run(["wine", "regedit", "/S", r"C:\quillbay-import.reg"])
        finally:
            source.unlink()

    def reg_clear(self) -> None:
        """Deletes every stored setting of the program."""
        self._run(["wine", "reg", "delete", SETTINGS_KEY, "/f"], check=False)

    def reg_export(self) -> dict[str, dict[str, str]]:
        """Every stored setting as {section: {key: value}}, read through `wine reg export`.

        Sections are the subkeys under HKCU\\Software\\Quillbay ("" for values stored on that
        key itself). A value of a type other than text is returned as its exported form
        ("dword:0000000c", "hex(2):..."). Empty when nothing is stored."""
        target = Path(self.env["WINEPREFIX"]) / "drive_c" / "quillbay-export.reg"
        target.unlink(missing_ok=True)
        result = self._run(["wine", "reg", "export", SETTINGS_KEY, r"C:\quillbay-export.reg",
                            "/y"], check=False)
        if result.returncode != 0 or not target.exists():
            return {}
        text = target.read_bytes().decode("utf-16")
        target.unlink()
        return parse_reg_export(text)

    # -- the screen --------------------------------------------------------------------------

    def screenshot(self) -> Image.Image:
        """The whole screen as an RGB image."""
        return ImageGrab.grab(xdisplay=f":{self.display}").convert("RGB")

    def save_screenshot(self, name: str) -> Path:
        """Saves a screenshot as out/e2e/<name>.png, to look at after a test."""
        LOG_DIR.mkdir(parents=True, exist_ok=True)
        path = LOG_DIR / f"{name}.png"
        self.screenshot().save(path)
        return path

    def paint_empty_screen(self, colour: tuple[int, int, int] = EMPTY_SCREEN) -> None:
        """Gives the root window (the screen where no window is) a plain colour."""
        LOG_DIR.mkdir(parents=True, exist_ok=True)
        path = LOG_DIR / f"root-{self.display}.png"
        Image.new("RGB", (8, 8), colour).save(path)
        # display exits with 1 after setting the root background; the screenshot tells.
        self._run(["display", "-window", "root", str(path)], check=False)

    def find_window(self, title: str, timeout: float = 10.0) -> int | None:
        """The X window id of a visible window whose title matches the regular expression
        (use "^設定$" for an exact title), waiting up to timeout s; None if none appears."""
        def search() -> int | None:
            found = self._run(["xdotool", "search", "--onlyvisible", "--name", title],
                              check=False)
            ids = [int(line) for line in found.stdout.split()]
            return ids[0] if ids else None
        return wait_until(search, timeout)

    def visible_windows(self) -> list[int]:
        """Every visible top-level window the programs show (the root window excluded)."""
        found = self._run(["xdotool", "search", "--onlyvisible", "--maxdepth", "1", "--name",
                           ""], check=False)
        return [int(line) for line in found.stdout.split() if int(line) != self._root_window]

    def window_title(self, window: int) -> str:
        return self._run(["xdotool", "getwindowname", str(window)]).stdout.decode().strip()

    def window_geometry(self, window: int) -> tuple[int, int, int, int]:
        """(x, y, width, height) of a window on the screen, in pixels."""
        text = self._run(["xwininfo", "-id", str(window)]).stdout.decode()
        fields = {}
        for line in text.splitlines():
            name, _, value = line.strip().partition(":")
            fields[name] = value.strip()
        return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                int(fields["Width"]), int(fields["Height"]))

    # -- the user's hands --------------------------------------------------------------------

    def mousemove(self, x: int, y: int) -> None:
        """Moves the pointer. Not --sync: that blocks when the pointer is already there."""
        self._run(["xdotool", "mousemove", str(x), str(y)])

    def click(self, x: int, y: int, button: int = 1) -> None:
        self._run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.1", "click", str(button)])

    def key(self, name: str) -> None:
        """Presses and releases a key (xdotool key name: "a", "Return", "Tab", "alt+F4").
        The extra key-up matters: a window that closes on key-down leaves the key held in X."""
        self._run(["xdotool", "key", name, "keyup", name])

    def type_text(self, text: str) -> None:
        self._run(["xdotool", "type", "--delay", "20", text])


def _escape(text: str) -> str:
    """A text as a quoted name or value of a .reg file holds it (no line breaks)."""
    if "\n" in text or "\r" in text:
        raise ValueError("a .reg file cannot hold a line break in a text value")
    return text.replace("\\", "\\\\").replace('"', '\\"')


def _unescape(value: str) -> str:
    escapes = {"\\": "\\", '"': '"', "n": "\n", "r": "\r", "t": "\t", "0": "\0"}
    out, i = [], 0
    while i < len(value):
        if value[i] == "\\" and i + 1 < len(value):
            out.append(escapes.get(value[i + 1], value[i + 1]))
            i += 2
        else:
            out.append(value[i])
            i += 1
    return "".join(out)


def _split_name(line: str) -> tuple[str, str]:
    """Splits `"name"=data` into the unescaped name and the raw data."""
    i = 1
    while line[i] != '"':
        i += 2 if line[i] == "\\" else 1
    return _unescape(line[1:i]), line[i + 2:]


def parse_reg_export(text: str) -> dict[str, dict[str, str]]:
    """{section: {key: value}} from the text of a .reg file exported from SETTINGS_KEY."""
    joined: list[str] = []
    for line in text.replace("\r\n", "\n").split("\n"):
        # Only long binary data ends a line with a backslash; it goes on in the next line.
        if joined and joined[-1].endswith("\\"):
            joined[-1] = joined[-1][:-1] + line.strip()
        else:
            joined.append(line)
    sections: dict[str, dict[str, str]] = {}
    current: dict[str, str] | None = None
    for line in joined:
        if line.startswith("[") and line.endswith("]"):
            path = line[1:-1]
            if path.lower().startswith(SETTINGS_KEY_EXPORTED.lower()):
                section = path[len(SETTINGS_KEY_EXPORTED):].lstrip("\\")
                current = sections.setdefault(section, {})
            else:
                current = None
        elif current is not None and line.startswith('"'):
            name, data = _split_name(line)
            if data.startswith('"') and data.endswith('"'):
                current[name] = _unescape(data[1:-1])
            else:
                current[name] = data
        elif current is not None and line.startswith("@="):
            current[""] = _unescape(line[3:-1]) if line[2:3] == '"' else line[2:]
    if "" in sections and not sections[""]:
        del sections[""]  # the application's own key, holding only the sections
    return sections
