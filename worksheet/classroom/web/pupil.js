"use strict";
// The pupil's page: join the class, answer the six dials of a sheet, mark them, go on
// to the next sheet. The pupil's key and every typed answer are kept on the tablet, so
// a reload, a tablet gone to sleep or a dropped network loses nothing.
(() => {
  const $ = (id) => document.getElementById(id);
  const svgNs = "http://www.w3.org/2000/svg";
  let classCode = (new URLSearchParams(location.search).get("class") || "").trim().toUpperCase();
  let key = null;
  let sheet = null;  // the sheet as the server sent it
  // Per dial in reading order: the typed text, [kg, g] for two boxes, or a needle's grams.
  let answers = [];
  let texts = {};

  const keyName = () => "kestrum.pupil." + classCode;
  const answersName = () => `kestrum.answers.${key}.${sheet.sheet}`;
  const save = () => localStorage.setItem(answersName(), JSON.stringify(answers));

  function showEnded() {
    $("join").hidden = true;
    $("sheet").hidden = true;
    $("ended").hidden = false;
  }

  // A call with the pupil's key; none where the class has ended.
  async function call(method, path, body) {
    const reply = await Kestrum.call(method, path, key, body);
    if (reply.status === 410) {
      showEnded();
      return null;
    }
    return reply;
  }

  function showJoin(error) {
    $("sheet").hidden = true;
    $("join").hidden = false;
    $("class-row").hidden = classCode !== "";
    $("class").value = classCode;
    $("join-error").textContent = error || "";
    $("name").focus();
  }

  async function join(event) {
    event.preventDefault();
    if (!classCode) classCode = $("class").value.trim().toUpperCase();
    $("start").disabled = true;
    const reply = await call("POST", "/api/join", {class: classCode, name: $("name").value.trim()});
    $("start").disabled = false;
    if (!reply) return;
    if (reply.status === 403) {
      // The code is wrong, whether typed or in the address: the pupil may correct it.
      const tried = classCode;
      classCode = "";
      showJoin(texts.wrongClass);
      $("class").value = tried;
      return;
    }
    if (reply.status !== 200) {
      showJoin(texts.badName);
      return;
    }
    key = reply.body.pupil;
    localStorage.setItem(keyName(), key);
    history.replaceState(null, "", "/?class=" + encodeURIComponent(classCode));
    await loadSheet();
  }

  async function loadSheet() {
    const reply = await call("GET", "/api/sheet");
    if (!reply) return;
    if (reply.status !== 200) {
      // A key from an earlier class on this tablet: join again.
      localStorage.removeItem(keyName());
      key = null;
      showJoin();
      return;
    }
    show(reply.body);
  }

  // A weight as the sheet's unit writes it, for a draw sheet's question.
  function weightText(grams) {
    if (sheet.unit === "g") return grams + "g";
    if (sheet.unit === "kg") return grams / 1000 + "kg";
    return grams < 1000 ? grams + "g" : `${Math.floor(grams / 1000)}kg ${grams % 1000}g`;
  }

  // What the server marks for dial I: kilograms and grams as "1 260", a box left
  // empty beside a filled one read as 0.
  function typed(i) {
    const answer = answers[i];
    if (answer === null) return "";
    if (!Array.isArray(answer)) return String(answer).trim();
    const [kg, g] = answer.map((box) => box.trim());
    return kg === "" && g === "" ? "" : `${kg || "0"} ${g || "0"}`;
  }

  // The answers to show: those typed on this tablet, else those the server marked.
  function startingAnswers() {
    const kept = JSON.parse(localStorage.getItem(answersName()) || "null");
    if (Array.isArray(kept) && kept.length === sheet.dials.length) return kept;
    const marked = sheet.answers || sheet.dials.map(() => "");
    return marked.map((text) => {
      if (sheet.kind === "draw") return text === "" ? null : Number(text);
      if (sheet.unit !== "kg-g") return text;
      const boxes = text.trim().split(/\s+/);
      return boxes.length === 2 ? boxes : ["", boxes[0] || ""];
    });
  }

  function box(value, unit, changed) {
    const label = document.createElement("label");
    label.className = "box";
    const input = document.createElement("input");
    input.inputMode = "decimal";
    input.autocomplete = "off";
    input.value = value;
    input.addEventListener("input", () => changed(input.value));
    const name = document.createElement("span");
    name.textContent = unit;
    label.append(input, name);
    return label;
  }

  function blank(i) {
    const blank = document.createElement("div");
    blank.className = "blank";
    const answer = answers[i];
    const changed = (slot) => (text) => {
      if (slot === null) answers[i] = text;
      else answers[i][slot] = text;
      save();
    };
    if (Array.isArray(answer)) blank.append(box(answer[0], "kg", changed(0)), box(answer[1], "g", changed(1)));
    else blank.append(box(answer, sheet.unit, changed(null)));
    return blank;
  }

  function show(reply) {
    sheet = reply;
    answers = startingAnswers();
    $("join").hidden = true;
    $("sheet").hidden = false;
    $("heading").textContent = sheet.kind === "draw" ? texts.headingDraw : texts.heading;
    $("sheet-number").textContent = Kestrum.format(texts.sheetNumber, sheet.sheet);
    $("tally").textContent = sheet.tallyText;
    $("score").textContent = "";
    const dials = sheet.dials.map((dial, i) => {
      const item = document.createElement("li");
      item.className = "dial";
      const face = document.createElement("div");
      face.className = "face";
      const drawing = new DOMParser().parseFromString(dial.svg, "image/svg+xml").documentElement;
      const svg = document.importNode(drawing, true);
      face.append(svg);
      item.append(face);
      if (sheet.kind === "draw") {
        const ask = document.createElement("p");
        ask.className = "ask";
        ask.textContent = Kestrum.format(texts.setNeedle, weightText(dial.weight));
        item.append(ask);
        Needle.attach(face, svg, dial.needle, answers[i], (grams) => {
          answers[i] = grams;
          save();
        });
      } else {
        item.append(blank(i));
      }
      const result = document.createElement("div");
      result.className = "result";
      item.append(result);
      return item;
    });
    $("dials").replaceChildren(...dials);
    if (sheet.marks) showMarks(sheet.marks, sheet.score);
  }

  function showMarks(marks, score) {
    marks.forEach((mark, i) => {
      const result = $("dials").children[i].querySelector(".result");
      const sign = document.createElement("span");
      sign.className = mark.right ? "right" : "wrong";
      sign.textContent = mark.right ? texts.right : texts.wrong;
      result.replaceChildren(sign);
      if (mark.right) return;
      const answer = document.createElement("span");
      answer.className = "answer";
      answer.textContent = mark.answer;
      const words = document.createElement("p");
      words.className = "words";
      words.textContent = mark.words;
      result.append(answer, words);
    });
    const advice = document.createElement("span");
    advice.className = "advice";
    advice.textContent = score === marks.length ? texts.perfect : texts.tryAgain;
    $("score").replaceChildren(Kestrum.format(texts.score, marks.length, score), advice);
  }

  async function mark() {
    $("mark").disabled = true;
    const reply = await call("POST", "/api/mark", {answers: answers.map((answer, i) => typed(i))});
    $("mark").disabled = false;
    if (!reply || reply.status !== 200) return;
    showMarks(reply.body.marks, reply.body.score);
    $("tally").textContent = reply.body.tallyText;
  }

  async function next() {
    $("next").disabled = true;
    const done = answersName();
    const reply = await call("POST", "/api/next");
    $("next").disabled = false;
    if (!reply || reply.status !== 200) return;
    localStorage.removeItem(done);
    show(reply.body);
    window.scrollTo(0, 0);
  }

  async function start() {
    texts = await Kestrum.loadTexts();
    $("join").addEventListener("submit", join);
    $("mark").addEventListener("click", mark);
    $("next").addEventListener("click", next);
    key = classCode ? localStorage.getItem(keyName()) : null;
    if (key) await loadSheet();
    else showJoin();
  }

  start();
})();
