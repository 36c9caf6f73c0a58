"""One end-to-end run: which program, on which display, at which size, and where its pictures go."""

import harness
import pytest

skipped = []


def skip(why):
    """A display or program that cannot be had on this machine skips the run, saying why."""
    skipped.append(str(why))
    pytest.skip(str(why))


def pytest_addoption(parser):
    parser.addoption("--kivo", required=True, help="the program to play")
    parser.addoption("--display", required=True, choices=["x11", "openbox", "weston", "mutter", "kwin"])
    parser.addoption("--size", default="1280x800", help="the stage's size, WxH")
    parser.addoption("--out", required=True, help="the folder for the screenshots and the programs' output")


@pytest.fixture(scope="module")
def run(request):
    opt = request.config.getoption
    width, height = map(int, opt("size").split("x"))
    try:
        request.config.kivo_run = harness.Run(opt("kivo"), opt("display"), width, height, opt("out"))
    except harness.Skip as why:
        skip(why)
    yield request.config.kivo_run
    request.config.kivo_run.s.close()


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    report = (yield).get_result()
    if report.failed and hasattr(item.config, "kivo_run"):
        report.sections.append(("what the run left", item.config.kivo_run.report()))


def pytest_sessionfinish(session, exitstatus):
    if skipped and exitstatus == 0:  # a display that cannot be had skips the run (ctest's 77), not passes it
        print("\nskipped:", skipped[0])
        session.exitstatus = 77
