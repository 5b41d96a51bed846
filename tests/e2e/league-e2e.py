#!/usr/bin/python3
"""A league night on two boards: two real vantorix instances under X, each with its own store,
set to one club's PostgreSQL server (a private one: run under tests/with-postgres.sh). Board 1
makes a league of six players in Competitions (F9); both boards then play its 15 fixtures
with real keys, two matches at a time, each taken with Play and won at 301, first to one leg.
Board 2 reaches the server through a relay the test cuts in the middle of a match: the result
waits on the board and reaches the server once the relay is back, exactly once. At the end
`vantorix --standings` agrees with a hand count of who won what."""

import csv
import io
import os
import socket
import subprocess
import sys
import tempfile
import threading

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import end_program, free_port, wait_for, xdotool  # noqa: E402
from pages import accessibility, browser  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

BINARY = sys.argv[1]
CLUB = os.environ["VTX_TEST_PG"]
PLAYERS = ["Anna", "Ben", "Cleo", "Dave", "Eve", "Finn"]
ROOM_TOKEN = "board-token-of-the-league-test-0123"


def sql(query):
    result = subprocess.run(["psql", CLUB, "-tAqc", query], capture_output=True, text=True)
    return [line.split("|") for line in result.stdout.splitlines() if line]


class Relay:
    """A TCP relay from a loopback port to the server; cut() closes it and every connection
    through it, as a pulled network cable would, mend() opens it again on the same port."""

    def __init__(self, target):
        self.target = target
        self.port = free_port()
        self.sockets = []
        self.listener = None
        self.mend()

    def mend(self):
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", self.port))
        self.listener.listen()
        threading.Thread(target=self._accept, args=(self.listener,), daemon=True).start()

    def _accept(self, listener):
        while True:
            try:
                client, _ = listener.accept()
            except OSError:
                return
            server = socket.create_connection(("127.0.0.1", self.target))
            self.sockets += [client, server]
            for source, sink in ((client, server), (server, client)):
                threading.Thread(target=self._pump, args=(source, sink), daemon=True).start()

    @staticmethod
    def _pump(source, sink):
        try:
            while data := source.recv(65536):
                sink.sendall(data)
        except OSError:
            pass
        for end in (source, sink):
            try:
                end.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    def cut(self):
        # A thread blocked in accept() keeps the port until it is woken: shutdown wakes it.
        try:
            self.listener.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.listener.close()
        for end in self.sockets:
            try:
                end.shutdown(socket.SHUT_RDWR)
                end.close()
            except OSError:
                pass
        self.sockets = []


class Board:
    def __init__(self, name, club, room_port=None):
        self.name = name
        self.work = tempfile.mkdtemp()
        room = (f"<Room><On>true</On><Port>{room_port}</Port><BoardToken>{ROOM_TOKEN}"
                f"</BoardToken><KeypadToken>keypad-{ROOM_TOKEN}</KeypadToken></Room>"
                if room_port else "")
        with open(os.path.join(self.work, "VTXSettings.xml"), "w") as settings:
            settings.write(f"<VTXSettings>{room}<Club><Database>{club}</Database>"
                           f"<Board>{name}</Board></Club></VTXSettings>")
        environment = dict(os.environ, XDG_DATA_HOME=os.path.join(self.work, "data"))
        self.log = open(os.path.join(self.work, "out.log"), "w")
        self.program = subprocess.Popen([BINARY], cwd=self.work, env=environment,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.pid = str(self.program.pid)

    def window(self, title):
        found = xdotool("search", "--all", "--pid", self.pid, "--onlyvisible", "--name",
                        f"^{title}$").split()
        return found[0] if found else None

    def keys(self, title, *keys):
        window = wait_for(f"{self.name}'s {title}", lambda: self.window(title))
        xdotool("windowfocus", "--sync", window)
        for key in keys:
            if key.startswith("type:"):
                xdotool("type", "--delay", "5", key[5:])
            else:
                xdotool("key", key)

    def play(self):
        """Play the fixture this board chooses next: its number once its match has started, or
        None when none is free for this board now (every one left has a player on the other)."""
        for _ in range(3):
            # The winner banner holds every key for a second: F9 until Competitions is up.
            for _ in range(10):
                self.keys("Vantorix", "F9")
                try:
                    wait_for(f"{self.name}'s Competitions", lambda: self.window("Competitions"), 2)
                    break
                except AssertionError:
                    pass
            self.keys("Competitions", "alt+p")
            try:
                # Not up: another board took that fixture a moment before, or none is free.
                wait_for(f"{self.name}'s New Game", lambda: self.window("New Game"), 3)
                break
            except AssertionError:
                pass
        else:
            self.keys("Competitions", "Escape")
            return None
        self.keys("New Game", "Return")
        wait_for(f"{self.name}'s New Game to go", lambda: not self.window("New Game"))
        rows = wait_for("the claim", lambda: sql(
            "SELECT c.fixture FROM competition_claims c WHERE c.board = '" + self.name +
            "' AND NOT EXISTS (SELECT 1 FROM competition_results r WHERE r.match_key ="
            " c.match_key)"))
        return int(rows[0][0])

    def turn(self, *keys):
        self.keys("Vantorix", *keys)


def results():
    return sql("SELECT fixture, home, away, home_legs, away_legs, board FROM competition_results"
               " ORDER BY seq")


def main():
    relay = Relay(int(CLUB.split("port=")[1].split()[0]))
    room_port = free_port()
    boards = [Board("Board 1", CLUB, room_port),
              Board("Board 2", CLUB.replace(CLUB.split("port=")[1].split()[0],
                                            str(relay.port), 1))]
    try:
        for board in boards:
            board.keys("New Game", "Escape")
        boards[0].keys("Vantorix", "F9")
        boards[0].keys("Competitions", "alt+n")
        boards[0].keys("New Competition", "type:Friday night", "Tab", "Tab",
                       *[key for name in PLAYERS for key in ("type:" + name, "Return")],
                       "Tab", "alt+m", "Home", "Up")  # Standard 301
        boards[0].keys("New Competition", "alt+l", "ctrl+a", "type:1", "Return")
        wait_for("the league on the server", lambda: sql(
            "SELECT 1 FROM competitions WHERE name = 'Friday night' AND game = 'Standard 301'"))
        played = {}  # fixture -> whether home won, by the test's own rule
        cut_done = False
        while len(played) < 15:
            pairs = []
            for board in boards:
                if len(played) + len(pairs) < 15:
                    fixture = board.play()
                    if fixture is not None:
                        pairs.append((board, fixture))
            assert pairs, "no board could play a fixture"
            fixtures = [fixture for _, fixture in pairs]
            # Home wins an even fixture: 180, nothing, then 121 out; away an odd one.
            for fixture in fixtures:
                played[fixture] = fixture % 2 == 0
            cutting = not cut_done and len(pairs) == 2
            if cutting:
                relay.cut()  # Board 2's cable is pulled during its match
            for step in range(3):
                for board, fixture in pairs:
                    home_wins = fixture % 2 == 0
                    keys = [["type:180", "Return"], ["type:0", "Return"], ["alt+3"]][step] \
                        if home_wins else \
                        [["type:0", "Return"], ["type:180", "Return"], ["type:0", "Return"]][step]
                    board.turn(*keys)
                    if not home_wins and step == 2:
                        board.turn("alt+3")
            if cutting:
                wait_for("Board 1's result", lambda: any(int(r[0]) == fixtures[0]
                                                         for r in results()))
                cut_done = True
                assert not any(int(r[0]) == fixtures[1] for r in results()), "sent while cut"
                relay.mend()
            wait_for("every result on the server", lambda: len(results()) == len(played), 30)
        stored = results()
        assert len(stored) == 15 and len({r[0] for r in stored}) == 15, stored
        assert {r[5] for r in stored} == {"Board 1", "Board 2"}, stored
        # The hand count: 2 points a win, legs 1-0.
        points = {name: 0 for name in PLAYERS}
        for fixture, home, away, home_legs, away_legs, _ in stored:
            winner = int(home) if played[int(fixture)] else int(away)
            assert (int(home_legs), int(away_legs)) == ((1, 0) if played[int(fixture)] else (0, 1))
            points[PLAYERS[winner]] += 2
        printed = subprocess.run([BINARY, "--standings", "Friday night", "--club", CLUB],
                                 capture_output=True, text=True, check=True).stdout
        table = {row["Player"]: row for row in csv.DictReader(io.StringIO(printed))}
        for name in PLAYERS:
            assert int(table[name]["Points"]) == points[name], (name, table[name], points)
            assert int(table[name]["Played"]) == 5, table[name]
        ranks = sorted(PLAYERS, key=lambda name: -points[name])
        assert int(table[ranks[0]]["Rank"]) == 1, printed
        # Board 1's room shows the standings the same, to a browser and to axe-core.
        page = browser(1280, 720)
        try:
            page.get(f"http://127.0.0.1:{room_port}/standings?t={ROOM_TOKEN}")
            shown = wait_for("the standings page", lambda: {
                row.find_element(By.CLASS_NAME, "name").text:
                    int(row.find_element(By.CLASS_NAME, "points").text)
                for row in page.find_elements(By.CSS_SELECTOR, "tbody tr")} or None)
            assert shown == points, (shown, points)
            page.save_screenshot(os.path.join(boards[0].work, "standings.png"))
            accessibility(page, "standings")
        finally:
            page.quit()
        print(printed)
        print("15 fixtures on two boards, one cut off and back, standings as counted by hand,"
              " and on the room's standings page")
    finally:
        for board in boards:
            end_program(board.program)
            board.log.close()
            print(board.name, open(os.path.join(board.work, "out.log")).read()[-1500:])


main()
