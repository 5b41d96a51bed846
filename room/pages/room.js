"use strict";
// The connection every page of the room keeps: the page's own address with its token, opened
// again a second after it closes. Messages from the program are JSON: {"type":"state",...}
// after every change of the match, {"type":"reply",...} to a keypad's request.
const vtx = {
  token: new URLSearchParams(location.search).get("t") || "",
  socket: null,
  nextId: 1,
  onState: null,
  onReply: null,
  // The pages' own words in the program's language, filled in by the program as it serves them.
  language: "en",
  texts: {},
  t(text) {
    return this.texts[text] || text;
  },
  // Puts the page's words (the title, and every element marked data-t) into that language.
  translate() {
    document.documentElement.lang = this.language;
    document.title = this.t(document.title);
    for (const marked of document.querySelectorAll("[data-t]")) {
      marked.textContent = this.t(marked.dataset.t);
    }
    // A key shown as a symbol is named for a screen reader.
    for (const named of document.querySelectorAll("[data-label]")) {
      named.setAttribute("aria-label", this.t(named.dataset.label));
    }
  },
  now() {
    return performance.timeOrigin + performance.now();
  },
  connect() {
    const scheme = location.protocol === "https:" ? "wss://" : "ws://";
    const socket = new WebSocket(scheme + location.host + location.pathname + "?t=" +
                                 encodeURIComponent(this.token));
    this.socket = socket;
    socket.onopen = () => vtx.showStatus(true);
    socket.onclose = () => {
      vtx.showStatus(false);
      setTimeout(() => vtx.connect(), 1000);
    };
    socket.onmessage = (event) => {
      let message;
      try {
        message = JSON.parse(event.data);
      } catch (error) {
        return;
      }
      if (message.type === "state" && vtx.onState) {
        vtx.onState(message);
      } else if (message.type === "reply" && vtx.onReply) {
        vtx.onReply(message);
      }
    };
  },
  // Sends `request` with an id of its own; -1 when not connected.
  send(request) {
    if (!this.socket || this.socket.readyState !== WebSocket.OPEN) {
      return -1;
    }
    request.id = this.nextId++;
    this.socket.send(JSON.stringify(request));
    return request.id;
  },
  showStatus(connected) {
    const status = document.getElementById("status");
    status.textContent = connected ? "" : vtx.t("Not connected to Vantorix");
    status.hidden = connected;
  },
  element(tag, className, text) {
    const made = document.createElement(tag);
    made.className = className;
    if (text !== undefined) {
      made.textContent = text;
    }
    return made;
  },
};
