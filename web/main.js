// Start-up: the language, the WebAssembly module (handed its bytes from the page itself, so
// nothing is fetched), the controller with the page's controls and timer, the Versuchsreihe's
// panel, and ?nr=N.
"use strict";
const { chooseLanguage, setLanguage } = require("./texts.js");
const { wasm } = require("./bundle.js");
const { PageControls } = require("./pageControls.js");
const { PageTimer } = require("./roundTimer.js");
const { SeriesPanel } = require("./seriesPanel.js");

setLanguage(chooseLanguage(location.search, navigator.languages || [navigator.language]));

// The WebAssembly's bytes, inflated from the page's own text.
function wasmBytes() {
    const packed = Uint8Array.from(atob(wasm), (c) => c.charCodeAt(0));
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
    return new Response(stream).arrayBuffer().then((buffer) => new Uint8Array(buffer));
}

wasmBytes().then((bytes) => createQuorvel({ wasmBinary: bytes }).then((module) => {
    const timer = new PageTimer();
    const page = new PageControls(module);
    const controller = new module.PageGame(page, timer).controller();
    timer.onTick = () => controller.onTick();
    page.connect(controller);
    const series = new SeriesPanel(module, controller, bytes);
    // For the tests and the benchmark in bench/, which read the page as a user cannot.
    window.quorvel = { module, controller, timer, chart: page.chart, series };
    const number = new URLSearchParams(location.search).get("nr");
    if (number !== null)
        page.openGame(number);
    performance.mark("quorvel-ready");
    document.documentElement.dataset.ready = "";
}));
