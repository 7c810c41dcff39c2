"use strict";
// The teacher's board: every pupil's sheets, right answers, level and most frequent
// mistake, and the class's count of each mistake, fetched again every second. The
// teacher's key is the address's fragment, which the browser never sends to a server.
// Names are the pupils' own typing: they are only ever set as text.
(() => {
  const $ = (id) => document.getElementById(id);
  const key = decodeURIComponent(location.hash.slice(1));
  let texts = {};
  let mistakeNames = {};  // by id
  let pupils = [];
  let sortBy = "name";
  let ascending = true;

  // The pupil's most frequent mistake and how often, ["", 0] for none.
  function most(pupil) {
    return Object.entries(pupil.mistakes).reduce((best, entry) => (entry[1] > best[1] ? entry : best), ["", 0]);
  }

  function sortValue(pupil) {
    if (sortBy === "right") return pupil.total ? pupil.right / pupil.total : -1;
    if (sortBy === "mistake") return mistakeNames[most(pupil)[0]] || "";
    return pupil[sortBy];
  }

  function compare(a, b) {
    const x = sortValue(a), y = sortValue(b);
    const order = typeof x === "string" ? x.localeCompare(y) : x - y;
    return (ascending ? order : -order) || a.name.localeCompare(b.name);
  }

  function cell(text) {
    const td = document.createElement("td");
    td.textContent = text;
    return td;
  }

  function render() {
    const rows = [...pupils].sort(compare).map((pupil) => {
      const row = document.createElement("tr");
      const [mistake, count] = most(pupil);
      row.append(cell(pupil.name), cell(pupil.sheets), cell(`${pupil.right}/${pupil.total}`), cell(pupil.level ?? ""),
                 cell(mistake ? `${mistakeNames[mistake] || mistake} (${count})` : ""));
      return row;
    });
    $("pupils").replaceChildren(...rows);
    const sums = {};
    for (const pupil of pupils)
      for (const [id, count] of Object.entries(pupil.mistakes)) sums[id] = (sums[id] || 0) + count;
    const items = texts.mistakes.map(([id, name]) => {
      const item = document.createElement("li");
      item.textContent = `${name}: ${sums[id] || 0}`;
      return item;
    });
    $("class-mistakes").replaceChildren(...items);
    for (const th of document.querySelectorAll("th[data-sort]"))
      th.setAttribute("aria-sort", th.dataset.sort !== sortBy ? "none" : ascending ? "ascending" : "descending");
  }

  async function poll() {
    const reply = await Kestrum.call("GET", "/api/board", key);
    if (reply.status === 200) {
      pupils = reply.body.pupils;
      render();
    }
    setTimeout(poll, 1000);
  }

  // The file is fetched with the key and saved from memory: a plain link cannot send it.
  async function download() {
    const response = await fetch("/api/results.csv", {headers: {Authorization: "Bearer " + key}, cache: "no-store"});
    if (!response.ok) return;
    const url = URL.createObjectURL(await response.blob());
    const link = document.createElement("a");
    link.href = url;
    link.download = "results.csv";
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 1000);
  }

  async function start() {
    texts = await Kestrum.loadTexts();
    mistakeNames = Object.fromEntries(texts.mistakes);
    for (const th of document.querySelectorAll("th[data-sort]"))
      th.addEventListener("click", () => {
        ascending = th.dataset.sort === sortBy ? !ascending : true;
        sortBy = th.dataset.sort;
        render();
      });
    $("download").addEventListener("click", download);
    poll();
  }

  start();
})();
