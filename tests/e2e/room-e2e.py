#!/usr/bin/python3
"""The room on the network in a real browser: the real vantorix under X with the room switched
on, its two QR codes read off the screen, the board page (a television's size) and the keypad
page (a phone's) in headless Chromium. A match played from the keypad by its keys and buttons,
watched on the board page, with one undo from the desktop by Ctrl+U; a refused turn's reason;
wrong and missing tokens; an oversized and a malformed message; the rate limit. Then the stream
overlay and the events stream, where a turn typed on the desktop shows. At the end the match
store holds exactly the turns the keypad and the desktop made."""

import os
import sqlite3
import subprocess
import sys
import tempfile
import urllib.error
import urllib.request

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import end_program, free_port, start_match, wait_for, xdotool  # noqa: E402
from pages import accessibility, browser  # noqa: E402

BINARY = sys.argv[1]
EVENTS_TOKEN = "events-token-of-the-room-test-0123"


def status_of(url):
    try:
        with urllib.request.urlopen(url, timeout=5) as answer:
            return answer.status, answer.read()
    except urllib.error.HTTPError as error:
        return error.code, error.read()


def codes_on_screen(shot):
    """The addresses of the QR codes the room's window shows."""
    subprocess.run(["import", "-window", "root", shot], check=True)
    read = subprocess.run(["zbarimg", "--raw", "-q", shot], capture_output=True, text=True)
    return read.stdout.split()


def main():
    work = tempfile.mkdtemp()
    port = free_port()
    with open(os.path.join(work, "VTXSettings.xml"), "w") as settings:
        settings.write(f"<VTXSettings><Room><On>true</On><Port>{port}</Port>"
                       f"<EventsToken>{EVENTS_TOKEN}</EventsToken></Room></VTXSettings>")
    log = open(os.path.join(work, "out.log"), "w")
    program = subprocess.Popen([BINARY], cwd=work, stdout=log, stderr=subprocess.STDOUT)
    board = keypad = overlay = None
    try:
        start_match("Anna")
        wait_for("the room's window",
                 lambda: xdotool("search", "--onlyvisible", "--name", "^Room on the Network$"))
        addresses = wait_for("two QR codes",
                             lambda: (lambda c: c if len(c) == 2 else None)(
                                 codes_on_screen(os.path.join(work, "shot.png"))))
        board_url = next(a for a in addresses if "/board?t=" in a)
        keypad_url = next(a for a in addresses if "/keypad?t=" in a)
        print("codes read:", board_url.split("?")[0], keypad_url.split("?")[0])

        # Without the right token: 403 and nothing else.
        base = board_url.split("/board")[0]
        token = keypad_url.split("t=")[1]
        for url in (base + "/board", base + "/keypad?t=wrong", base + "/board?t=" + token,
                    base + "/"):
            code, body = status_of(url)
            assert code == 403 and b"match" not in body and len(body) < 40, (url, code, body)

        board = browser(1280, 720)
        keypad = browser(390, 844)
        board.get(board_url)
        keypad.get(keypad_url)
        remainder = lambda side: board.find_element(By.CSS_SELECTOR, f"#side{side} .remainder").text
        message = lambda: keypad.find_element(By.ID, "message").text
        wait_for("the board page", lambda: remainder(0) == "501")
        wait_for("the keypad page", lambda: keypad.find_element(By.ID, "toThrow").text == "Anna")
        body = keypad.find_element(By.TAG_NAME, "body")
        accessibility(board, "board")
        accessibility(keypad, "keypad")

        def typed(keys, side, expected):
            body.send_keys(keys)
            wait_for(f"{expected} on the board", lambda: remainder(side) == expected)

        typed("180\n", 0, "321")
        for key in ("key6", "key0", "keyEnter"):  # the keypad's own buttons
            keypad.find_element(By.ID, key).click()
        wait_for("441 on the board", lambda: remainder(1) == "441")
        # A refused turn says the desktop's reason and changes nothing.
        body.send_keys("200\n")
        wait_for("the refusal", lambda: message() == "200 cannot be scored with three darts")
        body.send_keys("\b\b\b")
        assert keypad.find_element(By.ID, "entry").text == ""
        typed("180\n", 0, "141")
        # One undo from the desktop, by its own key.
        typed("60\n", 1, "381")
        window = xdotool("search", "--onlyvisible", "--name", "^Vantorix$").split()[0]
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "ctrl+u")
        wait_for("the undo on the board", lambda: remainder(1) == "441")
        # What the turn leaves, by the Left key: refused in words that name it, then taken.
        keypad.find_element(By.ID, "keyLeft").click()
        body.send_keys("500\n")
        wait_for("the refusal of 500 left", lambda: message() == "From 441, 500 cannot be left")
        body.send_keys("\b\b\b")
        typed("341\n", 1, "341")
        assert keypad.find_element(By.ID, "keyLeft").get_attribute("aria-pressed") == "false"
        # Malformed, oversized and too many messages: answered, nothing changed.
        keypad.execute_script("vtx.socket.send('{\"op\": 7')")
        wait_for("the malformed message's answer", lambda: "JSON" in message() or "op" in message())
        keypad.execute_script("vtx.socket.send('x'.repeat(5000))")
        wait_for("the oversized message's answer", lambda: "4096 bytes" in message())
        keypad.execute_script("for (let i = 0; i < 25; ++i) vtx.socket.send('{}')")
        wait_for("the rate limit", lambda: message().startswith("Too many messages"))
        assert remainder(0) == "141" and remainder(1) == "341"
        # A button pressed again while the rate limit still drops what it sends.
        def press(button, what, done):
            keypad.find_element(By.ID, button).click()

            def check():
                if done():
                    return True
                if message().startswith("Too many messages"):
                    keypad.find_element(By.ID, button).click()
                return False
            wait_for(what, check)

        # The leg finished with three darts from the keypad's checkout button, then the next.
        press("out3", "the leg won", lambda: "wins" in board.find_element(By.ID, "title").text)
        # The keypad keeps saying who won the leg after its checkout's "ok".
        wait_for("the leg's winner on the keypad", lambda: "wins" in message())
        wait_for("Next leg on the keypad",
                 lambda: keypad.find_element(By.ID, "nextLeg").is_displayed())
        press("nextLeg", "the next leg", lambda: remainder(0) == "501" and remainder(1) == "501")
        board.save_screenshot(os.path.join(work, "board.png"))
        print("a leg played from the keypad and watched on the board page")

        # The stream overlay and the events stream: a turn typed on the desktop shows in both.
        assert status_of(base + "/events?t=wrong")[0] == 403
        assert status_of(base + "/events?t=" + EVENTS_TOKEN)[0] == 400  # a stream, no page
        overlay = browser(1920, 200)
        overlay.get(base + "/overlay?t=" + board_url.split("t=")[1] + "&w=1920&h=100")
        # A subscriber as lights or a stream tool are: it opens the stream again when it closes
        # (the room's door may turn away a connection among the browsers' many).
        overlay.execute_script(
            "window.vtxEvents = []; const open = () => { const s = new WebSocket('ws://' +"
            f" location.host + '/events?t={EVENTS_TOKEN}'); s.onmessage = (e) =>"
            " window.vtxEvents.push(JSON.parse(e.data)); s.onclose = () => setTimeout(open, 200);"
            " }; open();")
        events = lambda: overlay.execute_script("return window.vtxEvents")
        wait_for("the match greeting", lambda: any(e["event"] == "match" for e in events()))
        figure = lambda side: "".join(  # nothing until the bar has its first state
            e.text for e in overlay.find_elements(By.CSS_SELECTOR, f"#side{side} .remainder"))
        wait_for("the overlay's bar", lambda: figure(0) == "501" and figure(1) == "501")
        width = overlay.execute_script("return document.getElementById('bar').offsetWidth")
        assert width == 1920, width
        accessibility(overlay, "overlay")
        greeting = next(e for e in events() if e["event"] == "match")
        assert greeting["game"] == "Standard 501" and greeting["sides"][0]["name"] == "Anna", greeting
        xdotool("windowfocus", "--sync", window)
        xdotool("type", "100")
        xdotool("key", "Return")
        wait_for("the desktop's turn on the overlay", lambda: "401" in (figure(0), figure(1)))
        turn = wait_for("the desktop's turn as an event",
                        lambda: next((e for e in events() if e["event"] == "turn"), None))
        assert turn["score"] == 100 and turn["remainder"] == 401 and not turn["bust"], turn
        wait_for("who throws next", lambda: events()[-1]["event"] == "to-throw")
        assert events()[-1]["side"] != turn["side"], events()
        print("a desktop turn on the stream overlay and in the events stream")
    finally:
        for driver in (board, keypad, overlay):
            if driver is not None:
                driver.quit()
        end_program(program)
        log.close()
        print(open(os.path.join(work, "out.log")).read()[-2000:])

    # The store holds the keypad's turns once each, and the desktop's undo.
    store = os.path.join(os.environ["XDG_DATA_HOME"], "vantorix", "matches.sqlite")
    with sqlite3.connect(store) as database:
        operations = database.execute(
            "SELECT kind, player, score, darts FROM operations ORDER BY seq").fetchall()
    # Turns (1) of Anna (0) and Player 2 (1), the desktop's undo (2), the checkout of 141 with
    # three darts (-1, 3) and the next leg (4): each once, in the order made.
    assert operations == [(1, 0, 180, 0), (1, 1, 60, 0), (1, 0, 180, 0), (1, 1, 60, 0),
                          (2, 0, 0, 0), (1, 1, 100, 0), (1, 0, -1, 3), (4, 0, 0, 0),
                          (1, 1, 100, 0)], operations
    settings = open(os.path.join(work, "VTXSettings.xml")).read()
    assert "<On>true</On>" in settings and f"<Port>{port}</Port>" in settings, settings
    assert token in settings and EVENTS_TOKEN in settings, settings
    print("room e2e passed")


if __name__ == "__main__":
    main()
