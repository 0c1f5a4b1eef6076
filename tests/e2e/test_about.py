"""The version box started with /a: where it stands, that it shows its text, and that OK ends
the program."""

from helpers import twips_to_px, wait_until

TITLE = "^バージョン情報$"
# The box's client area on the screen and the OK button inside it, in twips.
CLIENT = (2010, 1905, 3390, 1470)
VERSION_LINE = (600, 120, 1200, 180)
NOTICE = (720, 360, 2415, 180)
# The last 4 pixels of the client area's width, level with the notice: the notice ends before.
RIGHT_MARGIN_BY_NOTICE = (CLIENT[2] - 60, 360, 60, 180)
OK_BUTTON = (2040, 960, 1215, 375)
QUICK_EXIT = 3.0


def open_about(desktop):
    program = desktop.start("/a")
    window = desktop.find_window(TITLE)
    assert window, f"no version box appeared; program output:\n{program.output()}"
    return program, window


def client_origin(desktop, window):
    """The client area's top-left corner on the screen, in pixels. The X window is the whole
    window; its borders are equally wide on the left, right and bottom, the caption on top."""
    x, y, width, height = desktop.window_geometry(window)
    border = (width - twips_to_px(CLIENT[2])) // 2
    return x + border, y + height - border - twips_to_px(CLIENT[3])


def colours_in(shot, origin, rect):
    """The distinct colours of a rectangle of the client area given in twips."""
    left, top = origin[0] + twips_to_px(rect[0]), origin[1] + twips_to_px(rect[1])
    box = (left, top, left + twips_to_px(rect[2]), top + twips_to_px(rect[3]))
    return {colour for _, colour in shot.crop(box).getcolors(maxcolors=1 << 16)}


def test_the_box_opens_at_its_place_with_its_client_size(desktop):
    _, window = open_about(desktop)
    x, y, width, height = desktop.window_geometry(window)
    origin = client_origin(desktop, window)
    assert origin == (twips_to_px(CLIENT[0]), twips_to_px(CLIENT[1])) == (134, 127)
    # A border and a caption around the client area, and nothing more.
    assert width >= twips_to_px(CLIENT[2]) and height > twips_to_px(CLIENT[3]) + 10


def test_the_box_shows_the_version_line_the_notice_and_the_button(desktop):
    _, window = open_about(desktop)
    origin = client_origin(desktop, window)

    def version_drawn():
        shot = desktop.screenshot()
        return shot if len(colours_in(shot, origin, VERSION_LINE)) > 1 else None

    shot = wait_until(version_drawn, 5.0)
    assert shot, f"the version line is blank: {desktop.save_screenshot('about-blank')}"
    # The text is dark on the dialog's light background.
    assert any(sum(colour) < 200 for colour in colours_in(shot, origin, VERSION_LINE))
    assert len(colours_in(shot, origin, NOTICE)) > 1
    assert len(colours_in(shot, origin, OK_BUTTON)) > 1

    # The face that shows on some openings may pass by the margin for a moment; the notice
    # would stay there.
    def notice_inside():
        return len(colours_in(desktop.screenshot(), origin, RIGHT_MARGIN_BY_NOTICE)) == 1

    assert wait_until(notice_inside, 3.0), "the notice runs past the right edge"


def test_ok_ends_the_program(desktop):
    program, window = open_about(desktop)
    origin = client_origin(desktop, window)
    desktop.click(origin[0] + twips_to_px(OK_BUTTON[0] + OK_BUTTON[2] / 2),
                  origin[1] + twips_to_px(OK_BUTTON[1] + OK_BUTTON[3] / 2))
    assert program.wait(QUICK_EXIT) is not None, "the program still runs after OK"
    assert desktop.visible_windows() == []
