"""What the Python e2e tests share: real key presses through xdotool, waiting for a state
(never for a fixed time), a free port, and ending the real program as a user does."""

import socket
import subprocess
import time

WAIT = 15


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def wait_for(what, check, seconds=WAIT):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = check()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def end_program(program):
    """Alt+X until the program has ended: the winner banner holds every key for a second."""
    for _ in range(20):
        window = xdotool("search", "--onlyvisible", "--name", "^Vantorix$").split()
        if window:
            xdotool("windowfocus", "--sync", window[0])
            xdotool("key", "alt+x")
        try:
            program.wait(timeout=0.5)
            return
        except subprocess.TimeoutExpired:
            pass
    program.kill()
    print("vantorix did not end after Alt+X")


def start_match(first_name):
    """In the New Game dialog the program opens with: the first player's name, then Start."""
    wait_for("the New Game dialog",
             lambda: xdotool("search", "--onlyvisible", "--name", "^New Game$"))
    time.sleep(0.2)
    xdotool("key", "Tab", "Tab", "Tab")
    xdotool("type", first_name)
    xdotool("key", "Return")
