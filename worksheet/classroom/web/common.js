"use strict";
// What both pages share: the program's words in the teacher's language, and calls to
// the class's API that wait out a dropped network instead of failing.
const Kestrum = (() => {
  let texts = {};

  // The quiet line at the top: empty hides it.
  function say(line) {
    const status = document.getElementById("status");
    status.textContent = line || "";
    status.hidden = !line;
  }

  // A text's %1, %2 ... filled in, as Qt's arg() does.
  function format(template, ...args) {
    return template.replace(/%(\d)/g, (whole, n) => (args[n - 1] === undefined ? whole : String(args[n - 1])));
  }

  // The reply as {status, body}. Where the server cannot be reached or cannot answer
  // for now, the call is tried again, less and less often, until it can.
  async function call(method, path, key, body) {
    for (let wait = 500; ; wait = Math.min(wait * 2, 5000)) {
      try {
        const headers = {};
        if (key) headers.Authorization = "Bearer " + key;
        if (body !== undefined) headers["Content-Type"] = "application/json";
        const response = await fetch(path, {
          method, headers, cache: "no-store",
          body: body === undefined ? undefined : JSON.stringify(body),
        });
        if (response.status < 500) {
          say("");
          return {status: response.status, body: await response.json().catch(() => ({}))};
        }
      } catch (offline) {
        // Tried again below.
      }
      say(texts.reconnecting || "…");
      await new Promise((resolve) => setTimeout(resolve, wait));
    }
  }

  // Fetches the words and writes them into every element that names one.
  async function loadTexts() {
    texts = (await call("GET", "/api/texts")).body;
    document.documentElement.lang = texts.lang;
    for (const element of document.querySelectorAll("[data-text]"))
      element.textContent = texts[element.dataset.text];
    return texts;
  }

  return {call, format, loadTexts, say, texts: () => texts};
})();
