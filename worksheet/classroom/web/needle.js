"use strict";
// A needle the pupil sets on a dial drawn without one, by finger, mouse or arrow keys,
// always onto a mark of the dial's finest graduation, as the desktop's dial does.
// The geometry comes with the sheet: the board's centre and radius in the drawing's
// pixels, the angle of 0 g clockwise from 12 o'clock, the degrees the capacity sweeps,
// the capacity and the finest mark in grams.
const Needle = (() => {
  const svgNs = "http://www.w3.org/2000/svg";
  const reach = 0.9;  // of the board's radius, as the printed needle

  // The grams at a point of the drawing. Just left of the top rounds up to the
  // capacity: the needle has gone nearly the whole way round.
  function weightAt(g, x, y) {
    let angle = (Math.atan2(x - g.cx, -(y - g.cy)) * 180) / Math.PI - g.from;
    angle = ((angle % 360) + 360) % 360;
    const weight = (angle / g.sweep) * g.capacity;
    if (!g.step) return Math.min(Math.round(weight), g.capacity);
    return Math.min(Math.round(weight / g.step) * g.step, g.capacity);
  }

  // Where a key moves the needle; every key stops at either end of the scale.
  function keyTarget(g, value, key) {
    const step = g.step || 1;
    switch (key) {
      case "Home": return 0;
      case "End": return g.capacity;
      case "ArrowRight": case "ArrowUp":
        return Math.min(Math.floor(value / step) * step + step, g.capacity);
      case "ArrowLeft": case "ArrowDown":
        return value <= 0 ? 0 : Math.ceil(value / step) * step - step;
      default: return null;
    }
  }

  // Makes the dial in Face (holding Svg) set its needle; Value is its grams or null
  // for none yet, Changed is told each new weight.
  function attach(face, svg, g, value, changed) {
    const line = document.createElementNS(svgNs, "line");
    line.setAttribute("class", "set-needle");
    line.setAttribute("stroke-width", String(Math.max(2, g.r * 0.035)));
    svg.appendChild(line);
    face.tabIndex = 0;
    face.setAttribute("role", "slider");
    face.setAttribute("aria-valuemin", "0");
    face.setAttribute("aria-valuemax", String(g.capacity));
    const show = (grams) => {
      line.style.display = grams === null ? "none" : "";
      if (grams === null) return;
      const angle = ((g.from + (grams / g.capacity) * g.sweep) * Math.PI) / 180;
      line.setAttribute("x1", String(g.cx));
      line.setAttribute("y1", String(g.cy));
      line.setAttribute("x2", String(g.cx + Math.sin(angle) * g.r * reach));
      line.setAttribute("y2", String(g.cy - Math.cos(angle) * g.r * reach));
      face.setAttribute("aria-valuenow", String(grams));
    };
    const set = (grams) => {
      if (grams === value) return;
      value = grams;
      show(value);
      changed(value);
    };
    const pointed = (event) => {
      const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(svg.getScreenCTM().inverse());
      set(weightAt(g, point.x, point.y));
    };
    svg.addEventListener("pointerdown", (event) => {
      svg.setPointerCapture(event.pointerId);
      face.focus();
      pointed(event);
      event.preventDefault();
    });
    svg.addEventListener("pointermove", (event) => {
      if (svg.hasPointerCapture(event.pointerId)) pointed(event);
    });
    face.addEventListener("keydown", (event) => {
      const target = keyTarget(g, value === null ? 0 : value, event.key);
      if (target === null) return;
      set(target);
      event.preventDefault();
    });
    show(value);
  }

  return {attach, keyTarget, weightAt};
})();
