"""The real program's start and end under Wine: which switch shows what, what ends the saver,
that only one copy runs at a time, and that settings stored from outside reach it."""

import pytest

from helpers import EMPTY_SCREEN, SCREEN_SIZE, wait_until

BLACK = (0, 0, 0)
START_TIMEOUT = 10.0
QUICK_EXIT = 3.0


def start_saver(desktop, pointer=(SCREEN_SIZE[0] - 1, SCREEN_SIZE[1] - 1)):
    """Starts the saver with the pointer parked where it will stay, and waits for its window."""
    desktop.mousemove(*pointer)
    saver = desktop.start("/s")
    window = wait_until(desktop.visible_windows, START_TIMEOUT)
    assert window, f"no window appeared; program output:\n{saver.output()}"
    return saver, window[0]


def share_of(image, colour, step=16):
    """The share of a grid of pixels across the screen that has exactly this colour."""
    pixels = [image.getpixel((x, y)) for x in range(0, image.width, step)
              for y in range(0, image.height, step)]
    return sum(pixel == colour for pixel in pixels) / len(pixels)


def test_saver_covers_the_whole_screen_in_black(desktop):
    assert desktop.screenshot().getpixel((0, 0)) == EMPTY_SCREEN
    saver, window = start_saver(desktop)
    assert desktop.window_geometry(window) == (0, 0, *SCREEN_SIZE)

    def mostly_black_screen():
        shot = desktop.screenshot()
        return shot if share_of(shot, BLACK) > 0.8 else None

    # The first paint may come a moment after the window is mapped.
    shot = wait_until(mostly_black_screen, 5.0) or desktop.screenshot()
    width, height = SCREEN_SIZE
    corners = [(0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)]
    assert [shot.getpixel(corner) for corner in corners] == [BLACK] * 4
    # The clock's text stands on the black background; the rest of the screen is black.
    assert share_of(shot, BLACK) > 0.8
    assert saver.running()


@pytest.mark.parametrize("switch", ["/s", "/S", "-s"])
def test_a_key_ends_the_saver(desktop, switch):
    desktop.mousemove(SCREEN_SIZE[0] - 1, SCREEN_SIZE[1] - 1)
    saver = desktop.start(switch)
    assert wait_until(desktop.visible_windows, START_TIMEOUT), saver.output()
    desktop.key("a")
    assert saver.wait(QUICK_EXIT) is not None
    assert desktop.visible_windows() == []


def test_a_click_ends_the_saver(desktop):
    # The pointer is already where the click happens, so only the click reaches the saver.
    point = (SCREEN_SIZE[0] // 3, SCREEN_SIZE[1] // 3)
    saver, _ = start_saver(desktop, pointer=point)
    desktop.click(*point)
    assert saver.wait(QUICK_EXIT) is not None
    assert desktop.visible_windows() == []


@pytest.mark.parametrize("switch", ["/p 123", "/x", "/s now", "/c:123"])
def test_other_switches_end_at_once_without_a_window(desktop, switch):
    program = desktop.start(switch)
    windows_seen = []

    def ended():
        windows_seen.extend(desktop.visible_windows())
        return program.wait(0.05) is not None

    assert wait_until(ended, QUICK_EXIT, interval=0.05), "the program still runs"
    assert windows_seen == []


def test_a_second_copy_ends_at_once_and_the_first_keeps_running(desktop):
    first, window = start_saver(desktop)
    second = desktop.start("/s")
    assert second.wait(QUICK_EXIT) is not None
    assert first.running()
    assert desktop.visible_windows() == [window]


def test_colours_stored_with_wine_reg_reach_the_saver(desktop):
    # Colour values are blue * 65536 + green * 256 + red: 255 is pure red.
    for index in range(3):
        desktop.reg_add("Config", f"BackMultiColor{index}", "255")
    start_saver(desktop)

    def mostly_red_screen():
        shot = desktop.screenshot()
        return share_of(shot, (255, 0, 0)) > 0.8

    assert wait_until(mostly_red_screen, 5.0)
