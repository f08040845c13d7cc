// A Versuchsreihe played in a Web Worker, so the page stays responsive while it runs. The worker
// is made from the text of the page's own WebAssembly module and the function below (a page
// opened from disk may load no worker script), is handed the WebAssembly's bytes, and plays the
// series in slices on the batch's code, telling its progress after each. A cancel ends the worker
// at once; the next series starts a new one.
"use strict";

// The worker's own part, run there after the module's script; it sees nothing of the page.
function seriesWorker() {
    let module = null;
    self.onmessage = (event) => {
        if (event.data.wasm) {
            module = createQuorvel({ wasmBinary: event.data.wasm });
            return;
        }
        module.then((m) => {
            const run = new m.SeriesRun(event.data.settings);
            // Slices of about 40 ms: progress often enough, little time spent between slices.
            let games = 8;
            for (;;) {
                const begin = performance.now();
                if (run.playSlice(games))
                    break;
                postMessage({ progress: run.progress() });
                const took = Math.max(performance.now() - begin, 1);
                games = Math.max(1, Math.min(4 * games, Math.round((games * 40) / took)));
            }
            const totals = run.takeTotals();
            run.delete();
            postMessage({ totals, memory: m.HEAP8.length }, [totals.buffer]);
        }).catch((error) => postMessage({ error: String(error && error.message ? error.message : error) }));
    };
}

class SeriesRunner {
    // wasm: the WebAssembly's bytes.
    constructor(wasm) {
        this.wasm = wasm;
        this.worker = null;
        // The bytes of the worker's WebAssembly memory at the end of the last series, for the benchmark.
        this.memory = 0;
    }

    // Plays a series of valid settings: onProgress(share done, 0 to 1) now and then, and at the
    // end onDone(totals) with both conditions' totals as bytes, or onError(message). After a
    // cancel none of them is called.
    start(settings, onProgress, onDone, onError) {
        if (!this.worker) {
            const script = [document.getElementById("wasmModule").textContent, `\n(${seriesWorker})();\n`];
            this.url = URL.createObjectURL(new Blob(script, { type: "text/javascript" }));
            this.worker = new Worker(this.url);
            this.worker.postMessage({ wasm: this.wasm });
        }
        const worker = this.worker;
        const failed = (message) => {
            this.cancel();
            onError(message);
        };
        // What a cancelled worker had sent already is not heard.
        worker.onmessage = (event) => {
            if (worker !== this.worker)
                return;
            if (event.data.totals) {
                this.memory = event.data.memory;
                onDone(event.data.totals);
            } else if (event.data.error) {
                failed(event.data.error);
            } else {
                onProgress(event.data.progress);
            }
        };
        worker.onerror = (event) => {
            event.preventDefault();
            failed(event.message);
        };
        worker.postMessage({ settings });
    }

    cancel() {
        if (!this.worker)
            return;
        this.worker.terminate();
        this.worker = null;
        URL.revokeObjectURL(this.url);
    }
}

module.exports = { SeriesRunner };
