#!/usr/bin/python3
"""The room on the network measured in headless Chromium against the real vantorix (run it
under X: tests/e2e/with-xvfb.sh bench/room-browser.py build/release/app/vantorix latency|load).

latency: a board page and a keypad page in one browser (one clock: performance.timeOrigin +
    performance.now() in both), 200 turns typed on the keypad page with Enter; for each, the
    time from the keypad's Enter to the board page showing the new state, and to the keypad's
    reply (sent once the match, and so the desktop window's widgets, have taken the turn).
screenshots: the README's pictures of both pages, at a phone's and a television's size, into
    the folder given as the third argument.
load: 60 board pages and 4 keypad pages; the keypads send 1,000 turns between them, each as
    soon as its last was answered; then the match store is read: every turn applied once."""

import functools
import os
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import desktop  # noqa: E402
from desktop import free_port, xdotool  # noqa: E402

# A bench under load may take longer than a test's wait.
wait_for = functools.partial(desktop.wait_for, seconds=120)

BINARY, MODE = sys.argv[1], sys.argv[2]


def browser():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--disable-background-timer-throttling", "--disable-renderer-backgrounding",
                     "--disable-backgrounding-occluded-windows", "--window-size=960,540"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(len(ordered) * share))]


def start():
    work = tempfile.mkdtemp()
    port = free_port()
    with open(os.path.join(work, "VTXSettings.xml"), "w") as settings:
        settings.write(f"<VTXSettings><Room><On>true</On><Port>{port}</Port></Room></VTXSettings>")
    program = subprocess.Popen([BINARY], cwd=work, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    wait_for("New Game", lambda: xdotool("search", "--onlyvisible", "--name", "^New Game$"))
    time.sleep(0.3)
    xdotool("key", "Tab", "Tab", "Tab")
    xdotool("type", "Anna")
    xdotool("key", "Tab")
    xdotool("type", "Ben")
    xdotool("key", "Return")
    wait_for("the room", lambda: xdotool("search", "--onlyvisible", "--name",
                                         "^Room on the Network$"))
    shot = os.path.join(work, "shot.png")

    def codes():
        subprocess.run(["import", "-window", "root", shot], check=True)
        found = subprocess.run(["zbarimg", "--raw", "-q", shot], capture_output=True,
                               text=True).stdout.split()
        return found if len(found) == 2 else None
    found = wait_for("the QR codes", codes)
    board = next(a for a in found if "/board?" in a)
    keypad = next(a for a in found if "/keypad?" in a)
    return program, board, keypad


def latency(board_url, keypad_url):
    driver = browser()
    driver.get(board_url)
    board = driver.current_window_handle
    driver.switch_to.new_window("window")
    driver.get(keypad_url)
    keypad = driver.current_window_handle
    driver.execute_script("keypad.replies = []; const shown = vtx.onReply;"
                          "vtx.onReply = (r) => { keypad.replies.push({id: r.id, at: vtx.now()});"
                          " shown(r); };")
    wait_for("the keypad", lambda: driver.execute_script("return keypad.state !== null"))
    body = driver.find_element("tag name", "body")
    turns = 200
    for turn in range(turns):
        # 0 is always a turn, whatever is left; every other one scores, so the board changes.
        body.send_keys("4\n" if turn % 4 < 2 else "0\n")
        wait_for("the reply", lambda: driver.execute_script(
            "return keypad.replies.length") > turn, seconds=10)
        # A keypad may send at most 20 messages a second; a player's turns come far slower.
        time.sleep(0.1)
    sent = driver.execute_script("return keypad.sent")
    replies = {r["id"]: r["at"] for r in driver.execute_script("return keypad.replies")}
    driver.switch_to.window(board)
    last = sent[-1]["id"]
    wait_for("the board's last state", lambda: driver.execute_script(
        f"return vtxBoard.log.some((e) => e.request === {last})"), seconds=10)
    time.sleep(0.1)  # the last frame's time is written when it begins
    shown = {}
    framed = {}
    for entry in driver.execute_script("return vtxBoard.log"):
        shown.setdefault(entry["request"], entry["at"])
        framed.setdefault(entry["request"], entry["frame"])
    to_board = [shown[s["id"]] - s["at"] for s in sent if s["id"] in shown]
    to_frame = [framed[s["id"]] - s["at"] for s in sent if framed.get(s["id"], 0) > 0]
    to_reply = [replies[s["id"]] - s["at"] for s in sent if s["id"] in replies]
    driver.quit()
    assert len(to_board) == turns and len(to_reply) == turns, (len(to_board), len(to_reply))
    print(f"keypad Enter -> board page updated, {turns} turns: median "
          f"{statistics.median(to_board):.1f} ms, 95th percentile {percentile(to_board, 0.95):.1f}"
          f" ms, max {max(to_board):.1f} ms")
    print(f"keypad Enter -> the board's next frame begun: median {statistics.median(to_frame):.1f}"
          f" ms, 95th percentile {percentile(to_frame, 0.95):.1f} ms ({len(to_frame)} turns)")
    print(f"keypad Enter -> reply (desktop window updated): median "
          f"{statistics.median(to_reply):.1f} ms, 95th percentile {percentile(to_reply, 0.95):.1f}"
          f" ms")


def load(board_url, keypad_url):
    boards = browser()
    boards.get(board_url)
    for _ in range(59):
        boards.switch_to.new_window("tab")
        boards.get(board_url)
    pads = browser()
    handles = []
    for index in range(4):
        if index:
            pads.switch_to.new_window("tab")
        pads.get(keypad_url)
        handles.append(pads.current_window_handle)
        wait_for("the keypad", lambda: pads.execute_script("return keypad.state !== null"))
    started = time.monotonic()
    for handle in handles:
        pads.switch_to.window(handle)
        # 250 turns of 0 each, the next sent when the last is answered, each for the state the
        # page last had: one typed on a state another keypad has moved on is refused.
        pads.execute_script("""
            keypad.answers = 0; keypad.applied = 0; keypad.refused = [];
            vtx.onReply = (r) => {
              keypad.answers += 1;
              if (r.ok) keypad.applied += 1; else keypad.refused.push(r.refused || r.error);
              if (keypad.answers < 250) send({op: "turn", score: 0});
            };
            send({op: "turn", score: 0});""")
    totals = []
    for handle in handles:
        pads.switch_to.window(handle)
        wait_for("250 answers", lambda: pads.execute_script("return keypad.answers") >= 250,
                 seconds=600)
        totals.append(pads.execute_script(
            "return [keypad.answers, keypad.applied, keypad.refused]"))
    seconds = time.monotonic() - started
    boards.switch_to.window(boards.window_handles[-1])
    last = boards.execute_script("return vtxBoard.log.length")
    pads.quit()
    boards.quit()
    print(f"4 keypads, 60 boards: {sum(t[0] for t in totals)} answers, "
          f"{sum(t[1] for t in totals)} applied, refused: {[t[2][:3] for t in totals]}, "
          f"in {seconds:.1f} s; the last board page showed {last} states")
    return sum(t[1] for t in totals)


def screenshots(board_url, keypad_url, folder):
    driver = browser()
    driver.get(keypad_url)
    wait_for("the keypad", lambda: driver.execute_script("return keypad.state !== null"))
    body = driver.find_element("tag name", "body")
    for turn in ("100", "60", "140", "45", "121"):
        body.send_keys(turn + "\n")
        time.sleep(0.2)
    body.send_keys("26")
    for name, width, height in (("phone", 390, 844), ("tv", 1920, 1080)):
        driver.set_window_size(width, height)
        driver.get(keypad_url)
        wait_for("the keypad", lambda: driver.execute_script("return keypad.state !== null"))
        driver.find_element("tag name", "body").send_keys("26")
        driver.save_screenshot(os.path.join(folder, f"room-keypad-{name}.png"))
        driver.get(board_url)
        wait_for("the board", lambda: driver.execute_script("return vtxBoard.state !== null"))
        time.sleep(0.2)
        driver.save_screenshot(os.path.join(folder, f"room-board-{name}.png"))
    driver.quit()


def main():
    program, board_url, keypad_url = start()
    applied = 0
    try:
        if MODE == "latency":
            latency(board_url, keypad_url)
        elif MODE == "screenshots":
            screenshots(board_url, keypad_url, sys.argv[3])
        else:
            applied = load(board_url, keypad_url)
    finally:
        for _ in range(20):
            window = xdotool("search", "--onlyvisible", "--name", "^Vantorix$").split()
            if window:
                xdotool("windowfocus", "--sync", window[0])
                xdotool("key", "alt+x")
            try:
                program.wait(timeout=0.5)
                break
            except subprocess.TimeoutExpired:
                pass
        else:
            program.kill()
    if MODE == "load":
        store = os.path.join(os.environ["XDG_DATA_HOME"], "vantorix", "matches.sqlite")
        with sqlite3.connect(store) as database:
            turns = database.execute("SELECT COUNT(*) FROM operations WHERE kind = 1").fetchone()[0]
        print(f"the match store holds {turns} turns (applied: {applied})")


if __name__ == "__main__":
    main()
