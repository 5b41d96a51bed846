#!/usr/bin/python3
"""A scoring board in the real program: the real vantorix under X with a camera service set
(a stand-in on loopback, camera_service.py). A 501 leg played from the board alone: a dart
corrected on the service's screen, a manual reset, the service stopped and started again in
the middle of a visit, a malformed message, a checkout recorded at its dart. Then a cricket leg
from the board. The store must hold each turn once, with the darts the board read last."""

import os
import sqlite3
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from camera_service import CameraService  # noqa: E402
from desktop import end_program, free_port, start_match, wait_for, xdotool  # noqa: E402

BINARY = sys.argv[1]


def turns(store):
    """The turns stored for the newest match: (player, score, the darts' codes)."""
    if not os.path.exists(store):
        return []
    with sqlite3.connect(store) as database:
        return database.execute(
            "SELECT o.player, o.score, d.dart1, d.dart2, d.dart3 FROM operations o "
            "LEFT JOIN turn_darts d ON d.match_id = o.match_id AND d.seq = o.seq "
            "WHERE o.kind = 1 AND o.match_id = (SELECT MAX(match_id) FROM operations) "
            "ORDER BY o.seq").fetchall()


def play(game_type, service, port, visits, expected_turns):
    work = tempfile.mkdtemp()
    with open(os.path.join(work, "VTXSettings.xml"), "w") as settings:
        settings.write(f"<VTXSettings><NewGame><GameType>{game_type}</GameType></NewGame>"
                       f"<Boards><Camera>127.0.0.1:{port}</Camera></Boards></VTXSettings>")
    store = os.path.join(os.environ["XDG_DATA_HOME"], "vantorix", "matches.sqlite")
    log = open(os.path.join(work, "out.log"), "w")
    connections = service.connections
    program = subprocess.Popen([BINARY], cwd=work, stdout=log, stderr=subprocess.STDOUT)
    try:
        start_match("Anna")
        wait_for("the main window",
                 lambda: xdotool("search", "--onlyvisible", "--name", "^Vantorix$"))
        wait_for("the board's connection", lambda: service.connections > connections)
        visits(store)
        try:
            wait_for("every turn stored", lambda: len(turns(store)) == len(expected_turns))
        except AssertionError:
            subprocess.run(["import", "-window", "root", os.path.join(work, "last.png")])
            print("stored:", turns(store), "screen:", os.path.join(work, "last.png"))
            raise
        stored = turns(store)
        assert stored == expected_turns, stored
    finally:
        end_program(program)
        log.close()
        print(open(os.path.join(work, "out.log")).read()[-2000:])
    return work


def main():
    port = free_port()
    service = CameraService(port)
    service.start()

    def stored_count(store, count):
        wait_for(f"{count} turns stored", lambda: len(turns(store)) == count)

    def leg_501(store):
        # Anna: T20 read as T19, corrected on the service's screen, then T20: 180.
        service.throw("T20")
        service.throw("T20", "T19")
        service.throw("T20", "T20")
        service.throw("T20", "T20", "T20")
        service.takeout()
        stored_count(store, 1)
        # Player 2: a dart read, then the visit cleared by hand; then three 20s.
        service.throw("T20")
        service.reset()
        service.throw("20")
        service.throw("20", "20")
        service.throw("20", "20", "20")
        service.takeout()
        stored_count(store, 2)
        # Anna: two darts, the service goes away and comes back; it sends the whole visit again.
        service.throw("T20", "T20")
        connected = service.connections
        service.stop()
        service.start()
        wait_for("the board's new connection", lambda: service.connections > connected)
        service.throw("T20", "T20", "T20")
        service.takeout()
        stored_count(store, 3)
        # Something that is no state message changes nothing.
        service.send_raw("{not json")
        service.send_raw('{"type": "state", "data": {"event": "Throw detected", '
                         '"throws": [{"segment": {"number": 25, "multiplier": 3}}]}}')
        # Player 2: 60.
        for darts in (["20"], ["20", "20"], ["20", "20", "20"]):
            service.throw(*darts)
        service.takeout()
        stored_count(store, 4)
        # Anna: T20 T17 D15 is 141: the leg is won at the double, before any takeout.
        service.throw("T20")
        service.throw("T20", "T17")
        service.throw("T20", "T17", "D15")

    # Darts as stored: segment * 4 + multiplier (a miss 0).
    t20, s20, t17, d15 = 20 * 4 + 3, 20 * 4 + 1, 17 * 4 + 3, 15 * 4 + 2
    play(1, service, port, leg_501, [
        (0, 180, t20, t20, t20), (1, 60, s20, s20, s20), (0, 180, t20, t20, t20),
        (1, 60, s20, s20, s20), (0, 141, t20, t17, d15)])
    print("501 leg played from the camera service")

    def leg_cricket(store):
        visits = [["T20", "T19", "T18"], ["Miss", "Miss", "Miss"], ["T17", "T16", "T15"],
                  ["Miss", "Miss", "20"]]
        for count, visit in enumerate(visits, start=1):
            for darts in range(1, 4):
                service.throw(*visit[:darts])
            service.takeout()
            stored_count(store, count)
        # Bull and outer bull close the last number: the leg is won at that dart.
        service.throw("Bull")
        service.throw("Bull", "25")

    miss, t19, t18, t16, t15 = 1, 19 * 4 + 3, 18 * 4 + 3, 16 * 4 + 3, 15 * 4 + 3
    play(5, service, port, leg_cricket, [
        (0, 0, t20, t19, t18), (1, 0, miss, miss, miss), (0, 0, t17, t16, t15),
        (1, 0, miss, miss, s20), (0, 0, 25 * 4 + 2, 25 * 4 + 1, None)])
    print("cricket leg played from the camera service")


if __name__ == "__main__":
    main()
