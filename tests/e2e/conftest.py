"""One end-to-end run: which program, on which display, at which size, its pictures where."""

import pytest

import harness

skipped = []


def pytest_addoption(parser):
    parser.addoption("--kivo", required=True, help="the program to play")
    parser.addoption("--display", required=True, choices=["x11", "openbox", "weston", "mutter", "kwin"])
    parser.addoption("--size", default="1280x800", help="the stage's size, WxH")
    parser.addoption("--out", required=True, help="folder for the screenshots and the logs")


@pytest.fixture(scope="module")
def run(request):
    opt = request.config.getoption
    width, height = map(int, opt("size").split("x"))
    try:
        r = harness.Run(opt("kivo"), opt("display"), width, height, opt("out"))
    except harness.Skip as why:
        skipped.append(str(why))
        pytest.skip(str(why))
    request.config.kivo_run = r
    yield r
    r.s.close()


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    report = (yield).get_result()
    r = getattr(item.config, "kivo_run", None)
    if report.failed and r:
        report.sections.append(("what the run left", r.report()))


def pytest_sessionfinish(session, exitstatus):
    # A display that cannot be had skips the run (ctest's code 77) rather than passing it.
    if skipped and exitstatus == 0:
        print("\nskipped:", skipped[0])
        session.exitstatus = 77
