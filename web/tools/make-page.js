// Writes the browser edition as one self-contained HTML file: the page's template with its
// styles (pictures inlined as data URLs), the English texts of the catalog, the module that
// emscripten wrote and its WebAssembly (gzip-compressed and in base64, handed over without any
// fetch), and the page's scripts, each wrapped as a module of its own.
//   node web/tools/make-page.js <quorvel-wasm.js> <quorvel-wasm.wasm> <quorvel.html>
"use strict";
const fs = require("fs");
const path = require("path");
const zlib = require("zlib");

const root = path.join(__dirname, "..", "..");
const web = path.join(root, "web");
const [gluePath, wasmPath, outPath] = process.argv.slice(2);
if (!outPath) {
    console.error("usage: make-page.js <quorvel-wasm.js> <quorvel-wasm.wasm> <quorvel.html>");
    process.exit(2);
}

function fail(message) {
    console.error(`make-page: ${message}`);
    process.exit(1);
}

// The page's modules in the order they are needed, from main.js along its require() calls.
function modules() {
    const ordered = [];
    const visit = (name, trail) => {
        if (ordered.includes(name))
            return;
        if (trail.includes(name))
            fail(`modules require each other: ${[...trail, name].join(" -> ")}`);
        const file = path.join(web, `${name}.js`);
        const source = name === "bundle" ? "" : fs.readFileSync(file, "utf8");
        for (const match of source.matchAll(/require\("\.\/([A-Za-z]+)\.js"\)/g))
            visit(match[1], [...trail, name]);
        ordered.push(name);
    };
    visit("main", []);
    return ordered.filter((name) => name !== "bundle");
}

const xmlEntities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };
const unescapeXml = (text) => text.replace(/&(amp|lt|gt|quot|apos);/g, (_, name) => xmlEntities[name]);

// The finished English translations of the contexts the page uses: {context: {source: text}}.
function catalog(contexts) {
    const ts = fs.readFileSync(path.join(root, "translations", "quorvel_en.ts"), "utf8");
    const result = {};
    for (const context of ts.matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g)) {
        if (!contexts.has(context[1]))
            continue;
        const texts = {};
        for (const message of context[2].matchAll(/<message>([\s\S]*?)<\/message>/g)) {
            const source = /<source>([\s\S]*?)<\/source>/.exec(message[1]);
            const translation = /<translation>([\s\S]*?)<\/translation>/.exec(message[1]);
            if (source && translation)
                texts[unescapeXml(source[1])] = unescapeXml(translation[1]);
        }
        result[context[1]] = texts;
    }
    for (const context of contexts)
        if (!result[context])
            fail(`the catalog has no context ${context}`);
    return result;
}

const mimeTypes = { ".jpg": "image/jpeg", ".png": "image/png", ".webp": "image/webp" };
function inlinePictures(css) {
    return css.replace(/url\("picture:([a-z]+\.[a-z]+)"\)/g, (_, name) => {
        const bytes = fs.readFileSync(path.join(root, "assets", "web", name));
        return `url("data:${mimeTypes[path.extname(name)]};base64,${bytes.toString("base64")}")`;
    });
}

// A script as the page carries it: without its comment lines, blank lines and indentation, which
// take a third of the room and nothing of the meaning. A template literal must end on the line
// it starts on, so no text loses its indentation.
function compact(source, name) {
    const lines = source.split("\n").map((line) => line.trim()).filter((line) => line && !line.startsWith("//"));
    const open = lines.findIndex((line) => (line.replace(/\\./g, "").match(/`/g) || []).length % 2 === 1);
    if (open >= 0)
        fail(`${name}.js: a template literal spans lines at "${lines[open]}"`);
    return lines.join("\n");
}

// A script's text inside <script>…</script>: nothing in it may close the element early.
function scriptText(text, name) {
    if (/<\/script/i.test(text))
        fail(`${name} contains "</script"`);
    return text;
}

const names = modules();
const sources = names.map((name) => fs.readFileSync(path.join(web, `${name}.js`), "utf8"));
const contexts = new Set();
sources.forEach((source, i) => {
    if (/\bqsTr\(/.test(source))
        contexts.add(names[i]);
    for (const match of source.matchAll(/qsTranslate\("([A-Za-z]+)"/g))
        contexts.add(match[1]);
});

const bundle = {
    catalog: catalog(contexts),
    // Compressed, the WebAssembly takes less than half the room; the page inflates it with the
    // browser's own DecompressionStream.
    wasm: zlib.gzipSync(fs.readFileSync(wasmPath), { level: 9 }).toString("base64"),
};
const wrapped = names.map((name, i) =>
    `define(${JSON.stringify(name)}, function (require, module, qsTr) {\n${compact(sources[i], name)}\n});`);
const script = `(function () {
"use strict";
const factories = {};
const loaded = {};
function define(name, factory) { factories[name] = factory; }
function require(file) {
    const name = /^\\.\\/([A-Za-z]+)\\.js$/.exec(file)[1];
    if (!loaded[name]) {
        const module = { exports: {} };
        loaded[name] = module;
        const qsTr = (text) => require("./texts.js").qsTranslate(name, text);
        factories[name](require, module, qsTr);
    }
    return loaded[name].exports;
}
define("bundle", function (require, module) {
module.exports = ${JSON.stringify(bundle).replace(/</g, "\\u003c")};
});
${wrapped.join("\n")}
require("./main.js");
})();`;

const template = fs.readFileSync(path.join(web, "page.html"), "utf8");
const css = inlinePictures(fs.readFileSync(path.join(web, "page.css"), "utf8"));
const parts = {
    "<!-- style -->": `<style>\n${css}</style>`,
    // The module's script has a name: a worker is made from its text.
    "<!-- script -->": `<script id="wasmModule">\n${scriptText(fs.readFileSync(gluePath, "utf8"), gluePath)}</script>\n`
        + `<script>\n${scriptText(script, "the page's modules")}</script>`,
};
let html = template;
for (const [marker, text] of Object.entries(parts)) {
    if (!html.includes(marker))
        fail(`page.html lacks ${marker}`);
    html = html.replace(marker, () => text);
}
fs.mkdirSync(path.dirname(outPath), { recursive: true });
fs.writeFileSync(outPath, html);
console.log(`make-page: ${outPath}, ${Buffer.byteLength(html)} bytes`);
