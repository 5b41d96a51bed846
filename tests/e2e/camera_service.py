"""A stand-in for the camera scoring system's local board service: a WebSocket server on
loopback at /api/events that sends state messages as the real one does (the whole visit with
every dart, takeout started and finished, a manual reset). It runs on a thread of its own; the
test calls it plainly. It can be stopped and started again on the same port, as the real one is
when its computer restarts."""

import asyncio
import json
import threading

import websockets


def segment(dart):
    """'T20', 'D16', '20', '25', 'Bull', 'Miss' as the service's segment object."""
    if dart == "Miss":
        return {"name": "Miss", "number": 0, "bed": "Outside", "multiplier": 0}
    if dart == "Bull":
        return {"name": "Bull", "number": 25, "bed": "Double", "multiplier": 2}
    if dart == "25":
        return {"name": "25", "number": 25, "bed": "SingleOuter", "multiplier": 1}
    beds = {"T": ("Triple", 3), "D": ("Double", 2)}
    bed, multiplier = beds.get(dart[0], ("SingleOuter", 1))
    number = int(dart[1:] if dart[0] in beds else dart)
    return {"name": dart, "number": number, "bed": bed, "multiplier": multiplier}


class CameraService:
    def __init__(self, port):
        self.port = port
        self.clients = set()
        self.loop = asyncio.new_event_loop()
        self.server = None
        self.connections = 0
        threading.Thread(target=self.loop.run_forever, daemon=True).start()

    def _call(self, coroutine):
        return asyncio.run_coroutine_threadsafe(coroutine, self.loop).result(timeout=10)

    async def _handler(self, socket, path=None):
        self.clients.add(socket)
        self.connections += 1
        try:
            await socket.wait_closed()
        finally:
            self.clients.discard(socket)

    async def _start(self):
        self.server = await websockets.serve(self._handler, "127.0.0.1", self.port)

    async def _stop(self):
        self.server.close()
        await self.server.wait_closed()
        self.clients.clear()

    async def _send(self, text):
        for socket in list(self.clients):
            await socket.send(text)

    def start(self):
        self._call(self._start())

    def stop(self):
        self._call(self._stop())

    def send_raw(self, text):
        self._call(self._send(text))

    def state(self, event, status, darts):
        data = {"connected": True, "running": True, "status": status, "event": event,
                "numThrows": len(darts)}
        if darts:
            data["throws"] = [{"segment": segment(d), "coords": {"x": 0.0, "y": 0.0}}
                              for d in darts]
        self.send_raw(json.dumps({"type": "state", "data": data}))

    def throw(self, *darts):
        """The visit so far after a dart: every dart of it, oldest first."""
        self.state("Throw detected", "Throw", list(darts))

    def takeout(self, darts=()):
        self.state("Takeout started", "Takeout in progress", list(darts))
        self.state("Takeout finished", "Throw", [])

    def reset(self):
        self.state("Manual reset", "Throw", [])
