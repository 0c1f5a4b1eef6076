"""The running clock under Wine, as the user sees it: the background colour cycle, where each
clock label stands and what it shows, labels the user switched off, the morning/afternoon
words, the end on mouse movement, and a store full of values that make no sense."""

from __future__ import annotations

import ctypes
import time
from dataclasses import dataclass

import pytest
from PIL import Image, ImageChops, ImageDraw, ImageFont

from helpers import EMPTY_SCREEN, REPO, SCREEN_SIZE, twips_to_px, wait_until

WIDTH, HEIGHT = SCREEN_SIZE
# The screen in twips, as the program lays out its labels (15 twips per pixel at 96 DPI).
W, H = WIDTH * 15, HEIGHT * 15
# Where the pointer stays while the saver runs: any movement ends it.
PARK = (WIDTH - 1, HEIGHT - 1)
# Two corners that no label reaches; both show the background.
BACKGROUND_POINTS = [(8, HEIGHT - 8), (WIDTH - 8, 8)]
START_TIMEOUT = 10.0
QUICK_EXIT = 3.0

RED, GREEN, BLUE = (255, 0, 0), (0, 255, 0), (0, 0, 255)
NAVY = (0, 0, 128)
WHITE = (255, 255, 255)
# The clock labels' font face "ＭＳ Ｐゴシック" is drawn with this font under Wine.
LABEL_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"
VISIBLE_KEYS = ["HourAndMinuteVisible", "SecondVisible", "DateLabelVisible", "AmAndPmVisible"]


def colour_value(rgb: tuple[int, int, int]) -> str:
    """A colour as the store holds it: red + 256 * green + 65536 * blue, in decimal."""
    red, green, blue = rgb
    return str(red + 256 * green + 65536 * blue)


def background_of(rgb: tuple[int, int, int]) -> dict[str, str]:
    return {f"BackMultiColor{index}": colour_value(rgb) for index in range(3)}


def start_clock(desktop, settings: dict[str, dict[str, str]], background=None):
    """Stores the settings, parks the pointer, starts the saver and waits until it shows
    (its background, when given, at both corners)."""
    if settings:
        desktop.reg_import(settings)
    desktop.mousemove(*PARK)
    saver = desktop.start("/s")

    def shown():
        if not desktop.visible_windows():
            return False
        colours = set(corner_colours(desktop.screenshot()))
        return colours == {background} if background else EMPTY_SCREEN not in colours

    assert wait_until(shown, START_TIMEOUT), f"the saver did not show:\n{saver.output()}"
    return saver


def corner_colours(shot: Image.Image) -> list[tuple[int, int, int]]:
    return [shot.getpixel(point) for point in BACKGROUND_POINTS]


def colour_mask(shot: Image.Image, colour: tuple[int, int, int]) -> Image.Image:
    """255 where a pixel has exactly this colour, 0 elsewhere."""
    bands = [band.point(lambda v, c=c: 255 if v == c else 0)
             for band, c in zip(shot.split(), colour)]
    return ImageChops.darker(ImageChops.darker(bands[0], bands[1]), bands[2])


def pixel_count(mask: Image.Image) -> int:
    return mask.histogram()[255]


def cursor_shown(display: int) -> bool:
    """Whether the X server draws a pointer now: the current cursor image has a pixel that is
    not fully transparent. (Screenshots never contain the pointer, so ask XFixes.)"""

    class CursorImage(ctypes.Structure):
        _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                    ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                    ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                    ("cursor_serial", ctypes.c_ulong),
                    ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                    ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]

    x11 = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(f":{display}".encode())
    assert connection, f"cannot open display :{display}"
    try:
        image = xfixes.XFixesGetCursorImage(connection)
        assert image, "XFixes gave no cursor image"
        size = image.contents.width * image.contents.height
        # Each pixel is ARGB in the low 32 bits.
        shown = any(image.contents.pixels[i] >> 24 & 0xFF for i in range(size))
        x11.XFree(image)
        return shown
    finally:
        x11.XCloseDisplay(connection)


# -- what the text says -----------------------------------------------------------------------


def ink_of(mask: Image.Image) -> Image.Image:
    return mask.crop(mask.getbbox())


def rendered_ink(text: str, pixels: int) -> Image.Image:
    font = ImageFont.truetype(LABEL_FONT, pixels)
    canvas = Image.new("L", (pixels * (len(text) + 2), pixels * 2))
    ImageDraw.Draw(canvas).text((pixels, pixels // 2), text, font=font, fill=255)
    return ink_of(canvas.point(lambda v: 255 if v >= 128 else 0))


def likeness(ink: Image.Image, text: str, pixels: int) -> float:
    """How well the letters on the screen cover the text drawn in the labels' font, scaled to
    the same box: shared pixels / pixels in either (1 for the same letters)."""
    expected = rendered_ink(text, pixels).resize(ink.size)
    both = pixel_count(ImageChops.darker(ink, expected))
    either = pixel_count(ImageChops.lighter(ink, expected))
    return both / either if either else 0.0


# -- where the labels stand -------------------------------------------------------------------


@dataclass(frozen=True)
class ClockLabel:
    visible_key: str
    left: float | None  # twips; None: the text is centred across the screen
    top: float  # twips
    points: float

    @property
    def em(self) -> float:
        """The font size in screen pixels."""
        return self.points * 96 / 72

    def check_ink_box(self, box: tuple[int, int, int, int]) -> None:
        """The letters start at the label's top-left corner (or centred), plus at most the
        font's own margins, and end within one line of text."""
        left, top, right, bottom = box
        label_top = twips_to_px(self.top)
        assert label_top <= top <= label_top + 0.35 * self.em, box
        assert bottom <= label_top + 1.25 * self.em, box
        if self.left is None:
            assert abs((left + right) / 2 - WIDTH / 2) <= 0.03 * WIDTH, box
        else:
            label_left = twips_to_px(self.left)
            assert label_left <= left <= label_left + 0.25 * self.em, box


HOURS_AND_MINUTES = ClockLabel("HourAndMinuteVisible", None, H / 6, W / 57)
SECONDS = ClockLabel("SecondVisible", W / 2, H / 1.7, W / 105)
DATE = ClockLabel("DateLabelVisible", W / 6.6, H / 23.04, H / 230)
WORD = ClockLabel("AmAndPmVisible", 0, H / 14, W / 170)


def morning(moment: time.struct_time) -> bool:
    return moment.tm_hour < 12


@pytest.mark.parametrize("label, time_format, text_at", [
    pytest.param(HOURS_AND_MINUTES, "0", lambda t: f"{t.tm_hour}:{t.tm_min:02d}", id="24-hour"),
    pytest.param(HOURS_AND_MINUTES, "2", lambda t: f"{t.tm_hour % 12:02d}:{t.tm_min:02d}",
                 id="12-hour"),
    pytest.param(SECONDS, "0", lambda t: f"{t.tm_sec:02d}秒", id="seconds"),
    pytest.param(DATE, "0", lambda t: time.strftime("%Y/%m/%d", t), id="date"),
    pytest.param(WORD, "1", lambda t: "ＡＭ" if morning(t) else "ＰＭ", id="word-latin"),
    pytest.param(WORD, "2", lambda t: "午前" if morning(t) else "午後", id="word-japanese"),
])
def test_a_label_stands_in_its_place_in_the_stored_colour_and_tells_the_time(
        desktop, label, time_format, text_at):
    # Only this label is allowed to show, and none blinks; FontColor 12 is light red.
    settings = {
        "Config": {"FontColor": "12", "ChangeVisible": "0", "TimeFormat": time_format,
                   **background_of(NAVY)},
        "Visible": {key: "1" if key == label.visible_key else "0" for key in VISIBLE_KEYS},
    }
    start_clock(desktop, settings, background=NAVY)
    assert wait_until(lambda: pixel_count(colour_mask(desktop.screenshot(), RED)), 3.0)
    before = time.time()
    shot = desktop.screenshot()
    after = time.time()

    ink = colour_mask(shot, RED)
    box = ink.getbbox()
    label.check_ink_box(box)
    # Nothing else shows: beyond the letters' soft edges, all is background.
    drawn = ImageChops.invert(colour_mask(shot, NAVY)).getbbox()
    edge = 3
    assert (drawn[0] >= box[0] - edge and drawn[1] >= box[1] - edge
            and drawn[2] <= box[2] + edge and drawn[3] <= box[3] + edge), (drawn, box)

    # The text is that of the moment of the screenshot, or of the second before it when the
    # label had not yet been repainted.
    texts = {text_at(time.localtime(moment)) for moment in (before - 1, before, after)}
    scores = {text: likeness(ink_of(ink), text, round(label.em)) for text in texts}
    assert max(scores.values()) >= 0.75, scores


def test_labels_switched_off_never_show_while_the_others_come_and_go(desktop):
    # Every tick shows or hides each label at random; the 24-hour clock leaves the word empty,
    # so the date is the only label that may show, and only above the hours and minutes.
    settings = {
        "Config": {"FontColor": "12", "ChangeVisible": "1", "VisibleChangeTime": "0",
                   **background_of(NAVY)},
        "Visible": {"HourAndMinuteVisible": "0", "SecondVisible": "0"},
    }
    start_clock(desktop, settings, background=NAVY)
    date_band_bottom = twips_to_px(HOURS_AND_MINUTES.top) - 5
    date_shown = []
    for _ in range(20):
        shot = desktop.screenshot()
        assert pixel_count(colour_mask(shot.crop((0, date_band_bottom, WIDTH, HEIGHT)),
                                       RED)) == 0
        date_shown.append(pixel_count(colour_mask(shot, RED)) > 0)
        time.sleep(0.1)
    # The shuffle did run: the date came and went while the others stayed away.
    assert any(date_shown) and not all(date_shown), date_shown


def test_the_background_steps_through_the_three_stored_colours_in_order(desktop):
    desktop.reg_import({"Config": {
        "BackMultiColor0": colour_value(RED), "BackMultiColor1": colour_value(GREEN),
        "BackMultiColor2": colour_value(BLUE), "Timer2Interval": "1"}})
    desktop.mousemove(*PARK)
    saver = desktop.start("/s")
    # (colour, when it was first seen), one entry per change of the whole background.
    seen: list[tuple[tuple[int, int, int], float]] = []
    deadline = time.monotonic() + 8.0
    while len(seen) < 4 and time.monotonic() < deadline:
        corners = set(corner_colours(desktop.screenshot()))
        now = time.monotonic()
        if len(corners) == 1 and corners != {EMPTY_SCREEN}:
            colour = corners.pop()
            if not seen or seen[-1][0] != colour:
                seen.append((colour, now))
        time.sleep(0.02)
    assert saver.running()
    assert [colour for colour, _ in seen] == [RED, GREEN, BLUE, RED]
    # Green and blue each stay for one "Timer2Interval" of a second, not the default two.
    stays = [later - earlier for (_, earlier), (_, later) in zip(seen[1:], seen[2:])]
    assert all(0.6 <= stay <= 1.6 for stay in stays), stays


@pytest.mark.parametrize("move", [(-1, 0), (0, -1), (-900, -500)],
                         ids=["one-pixel-left", "one-pixel-up", "far"])
def test_moving_the_mouse_ends_the_saver_and_brings_the_cursor_back(desktop, move):
    saver = start_clock(desktop, {})
    assert not cursor_shown(desktop.display), "the cursor shows while the saver runs"
    time.sleep(0.3)
    assert saver.running()

    desktop.mousemove(PARK[0] + move[0], PARK[1] + move[1])
    moved = time.monotonic()
    assert saver.wait(2.0) == 0, "the saver did not end cleanly after the mouse moved"
    assert time.monotonic() - moved <= 1.0
    assert desktop.visible_windows() == []
    assert cursor_shown(desktop.display)


LONG_TEXT = ("時計 clock 0123456789 " * 4000)[:65536]
JAPANESE = "ユーザー名の代わりに長い日本語の文章を入れてみる"

# Values no dialog writes, for every key, in two runs. "1" turns on the effects whose other
# keys then hold nonsense; the long text goes where a name or message is read.
NONSENSE = {
    ("Config", "WriteScreenMaru"): ("1", "nan"),
    ("Config", "WindowToTop"): ("abc", "1"),
    ("Config", "TimeFormat"): ("3", "-1"),
    ("Config", "WriteUserName"): ("1", ""),
    ("Config", "UserName"): (LONG_TEXT, "1e999"),
    ("Config", "Move"): ("1", "16"),
    ("Config", "ChangeVisible"): ("1", "abc"),
    ("Config", "VisibleChangeTime"): ("-1", "1e999"),
    ("Config", "FontName"): (LONG_TEXT, JAPANESE),
    ("Config", "RePlayCountToHour"): ("nan", "16"),
    ("Config", "FontColor"): ("16", "-1"),
    ("Config", "BackMultiColor0"): ("-1", "16"),
    ("Config", "BackMultiColor1"): ("1e999", JAPANESE),
    ("Config", "BackMultiColor2"): ("", "99999999999999999999"),
    ("Config", "Timer2Interval"): ("0.001", "-1"),
    ("Config", "BackColor"): ("16", "abc"),
    ("Aram", "AramTime"): ("1", "2"),
    ("Aram", "WavFileName"): (LONG_TEXT, JAPANESE),
    ("Aram", "TimeChangeWindowColor"): ("1", "nan"),
    ("Visible", "DateLabelVisible"): ("nan", "abc"),
    ("Visible", "HourAndMinuteVisible"): ("3", ""),
    ("Visible", "SecondVisible"): ("", "1e999"),
    ("Visible", "AmAndPmVisible"): ("abc", "-1"),
}


@pytest.mark.parametrize("run", [0, 1], ids=["first-values", "second-values"])
def test_nonsense_in_every_key_leaves_the_saver_running(desktop, run):
    settings: dict[str, dict[str, str]] = {}
    for (section, key), values in NONSENSE.items():
        settings.setdefault(section, {})[key] = values[run]
    saver = start_clock(desktop, settings)
    time.sleep(10)
    assert saver.running(), f"the saver ended:\n{saver.output()}"
    shot = desktop.screenshot()
    window = desktop.visible_windows()
    assert len(window) == 1 and desktop.window_geometry(window[0]) == (0, 0, WIDTH, HEIGHT)
    assert pixel_count(colour_mask(shot, EMPTY_SCREEN)) == 0
    # Still answering: a key ends it at once.
    desktop.key("a")
    assert saver.wait(QUICK_EXIT) is not None


def test_all_four_labels_show_together_in_white_when_no_colour_is_stored(desktop):
    # The picture of the clock in the README comes from here.
    dark_blue = (16, 32, 96)
    settings = {"Config": {"TimeFormat": "2", "ChangeVisible": "0", **background_of(dark_blue)}}
    start_clock(desktop, settings, background=dark_blue)
    assert wait_until(lambda: pixel_count(colour_mask(desktop.screenshot(), WHITE)), 3.0)
    time.sleep(0.3)
    shot = desktop.screenshot()
    screenshots = REPO / "out" / "screenshots"
    screenshots.mkdir(parents=True, exist_ok=True)
    shot.save(screenshots / "clock.png")

    white = colour_mask(shot, WHITE)
    # Parts of the screen that only one label reaches (pixels).
    only_reached_by = {
        "date": (480, 47, 900, 165),
        "word": (0, 77, 280, 175),
        "hours and minutes": (480, 300, 960, 630),
        "seconds": (960, 800, WIDTH, HEIGHT),
    }
    empty = [name for name, area in only_reached_by.items()
             if pixel_count(white.crop(area)) == 0]
    assert empty == []
    assert 0.03 < pixel_count(white) / (WIDTH * HEIGHT) < 0.4
