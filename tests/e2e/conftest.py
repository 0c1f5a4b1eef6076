"""Fixtures of the end-to-end tests: one X server and one warm Wine prefix for the session,
and for every test an empty settings store with no copy of the program running.

QUILLBAY_DISPLAY chooses the display number (default 91) and WINEPREFIX the prefix (default
build/wineprefix): give runs that happen at the same time their own.
"""

import os
import re

import pytest

from helpers import PROGRAM, Desktop


@pytest.fixture(scope="session")
def desktop_session():
    if not PROGRAM.exists():
        pytest.fail(f"{PROGRAM} does not exist: build it with scripts/build windows")
    display = int(os.environ.get("QUILLBAY_DISPLAY", "91"))
    env = Desktop.prepare_environment()
    env["DISPLAY"] = f":{display}"
    Desktop.start_xvfb(display)
    try:
        desktop = Desktop(display, env)
        desktop.start_wineserver()
        desktop.paint_empty_screen()
        try:
            yield desktop
        finally:
            desktop.end_all_programs()
            desktop.stop_wine()
    finally:
        Desktop.stop_xvfb(display)


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    if report.when == "call":
        item.quillbay_failed = report.failed


@pytest.fixture(autouse=True)
def fresh_start(request, desktop_session):
    """Every test starts with no copy of the program running and an empty settings store, and
    leaves the same behind (the prefix may be the one scripts/run uses). A failing test leaves
    a screenshot of the screen as it was in out/e2e/."""
    desktop_session.end_all_programs()
    desktop_session.reg_clear()
    yield
    if getattr(request.node, "quillbay_failed", False):
        name = re.sub(r"[^A-Za-z0-9_.-]+", "_", request.node.name)
        print(f"screen at failure: {desktop_session.save_screenshot('failed-' + name)}")
    desktop_session.end_all_programs()
    desktop_session.reg_clear()


@pytest.fixture
def desktop(desktop_session) -> Desktop:
    """The X server, the Wine prefix and the user's hands: see helpers.Desktop."""
    return desktop_session
