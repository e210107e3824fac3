// A small static web server for the site, on 127.0.0.1 only.
//   node web/serve.js SITE_DIR [PORT]     (PORT 0, or none, picks a free one)
// Also used by the tests, which start and stop it themselves.
//
// It serves as static hosts do: GET and HEAD only, every file compressed with
// brotli or gzip as the browser accepts (made once, kept in memory with the
// file's validators until the file changes), ETag and Last-Modified with 304
// answers, and a status for every request, however malformed, without ever
// going down.
"use strict";
const http = require("http");
const fs = require("fs/promises");
const path = require("path");
const crypto = require("crypto");
const zlib = require("zlib");
const { promisify } = require("util");

// By file extension: the type sent, and whether compressing it pays.
const Types = {
  ".html": ["text/html; charset=utf-8", true],
  ".js": ["text/javascript; charset=utf-8", true],
  ".css": ["text/css; charset=utf-8", true],
  ".json": ["application/json", true],
  ".webmanifest": ["application/manifest+json", true],
  ".wasm": ["application/wasm", true],
  ".svg": ["image/svg+xml", true],
  ".txt": ["text/plain; charset=utf-8", true],
  ".ttf": ["font/ttf", true],
  ".woff2": ["font/woff2", false],
  ".png": ["image/png", false],
};
const Unknown = ["application/octet-stream", false];

// The files' names carry no digest of their contents, and the service worker
// fills its cache through the browser's: so every file is revalidated on
// every use, which the validators make a bodiless 304.
const CacheControl = "no-cache";
// Longer addresses are refused (414); headers as a whole may take up to
// MaxHeaders bytes before the parser refuses them (431).
const MaxAddress = 8 * 1024;
const MaxHeaders = 64 * 1024;

// Brotli's quality 5 takes a tenth of a second for the program's 340 KB and
// sends 14% more than its best (11), which takes seconds a file: the server
// is ready at once, as hosts that compress on the fly are.
const BrotliQuality = 5;
const brotli = promisify(zlib.brotliCompress);
const gzip = promisify(zlib.gzip);

class Refusal extends Error {
  constructor(status) {
    super(http.STATUS_CODES[status]);
    this.status = status;
  }
}

// The path of the site's file that a request target names, relative to the
// site ("" for its root, ending in "/" for a folder). The target is the usual
// "/path?query" or, as HTTP/1.1 allows, a whole address.
function requestedPath(target) {
  if (target.length > MaxAddress) throw new Refusal(414);
  let raw = target;
  if (/^[a-z][a-z0-9+.-]*:\/\//i.test(target)) {
    try {
      raw = new URL(target).pathname;
    } catch {
      throw new Refusal(400);
    }
  } else if (!target.startsWith("/")) {
    throw new Refusal(400);
  }
  raw = raw.replace(/[?#].*$/s, "");
  // Segment by segment: an encoded slash is part of a name, which no file
  // of the site has; ".." may not climb out of the site.
  const parts = [];
  let name = "";
  for (const segment of raw.split("/").slice(1)) {
    try {
      name = decodeURIComponent(segment);
    } catch {
      throw new Refusal(400);
    }
    // A control character (a NUL, a line break) names no file.
    if ([...name].some((c) => c < " " || c.codePointAt(0) === 127)) throw new Refusal(400);
    if (name.includes("/")) throw new Refusal(404);
    if (name === "..") {
      if (parts.pop() === undefined) throw new Refusal(403);
    } else if (name !== "" && name !== ".") {
      parts.push(name);
    }
  }
  const folder = ["", ".", ".."].includes(name);
  return parts.join("/") + (folder && parts.length > 0 ? "/" : "");
}

// The codings the browser accepts, by their weight ("br;q=0" refuses one).
function accepts(header, coding) {
  const weights = new Map();
  for (const part of (header ?? "").toLowerCase().split(",")) {
    const [name, ...parameters] = part.split(";").map((s) => s.trim());
    if (!name) continue;
    const q = parameters.find((p) => p.startsWith("q="));
    weights.set(name, q ? Number(q.slice(2)) : 1);
  }
  return (weights.get(coding) ?? weights.get("*") ?? 0) > 0;
}

// A file as sent: its bytes, compressed copies that are smaller, validators.
async function prepare(file, stats) {
  const body = await fs.readFile(file);
  const [type, compressible] = Types[path.extname(file).toLowerCase()] ?? Unknown;
  const tag = crypto.createHash("sha256").update(body).digest("base64url").slice(0, 22);
  const entry = {
    type,
    modified: new Date(Math.floor(stats.mtimeMs / 1000) * 1000),
    forms: { identity: { body, etag: `"${tag}"` } },
  };
  if (compressible) {
    const [br, gz] = await Promise.all([
      brotli(body, {
        params: {
          [zlib.constants.BROTLI_PARAM_QUALITY]: BrotliQuality,
          [zlib.constants.BROTLI_PARAM_SIZE_HINT]: body.length,
        },
      }),
      gzip(body, { level: zlib.constants.Z_BEST_COMPRESSION }),
    ]);
    if (br.length < body.length) entry.forms.br = { body: br, etag: `"${tag}-br"` };
    if (gz.length < body.length) entry.forms.gzip = { body: gz, etag: `"${tag}-gz"` };
  }
  return entry;
}

// The site's files as sent, each made once and made again when it changes.
class Files {
  constructor(root) {
    this.root = path.resolve(root);
    this.entries = new Map(); // file -> { stamp, ready }
  }

  // The entry of the file at `relative`, or a refusal.
  async get(relative) {
    let file = path.join(this.root, relative);
    if (relative === "" || relative.endsWith("/")) file = path.join(file, "index.html");
    let stats;
    try {
      stats = await fs.stat(file);
    } catch (error) {
      throw new Refusal(error.code === "EACCES" ? 403 : 404);
    }
    if (!stats.isFile()) throw new Refusal(404);
    const stamp = `${stats.mtimeMs}:${stats.size}`;
    let known = this.entries.get(file);
    if (known?.stamp !== stamp) {
      known = { stamp, ready: prepare(file, stats) };
      this.entries.set(file, known);
      known.ready.catch(() => this.entries.get(file) === known && this.entries.delete(file));
    }
    try {
      return await known.ready;
    } catch (error) {
      throw new Refusal(error.code === "EACCES" ? 403 : 404);
    }
  }

  // Makes every file of the site ready, so that the first visit does not
  // wait for its compression.
  async warm(folder = "") {
    const names = await fs.readdir(path.join(this.root, folder), { withFileTypes: true });
    await Promise.all(
      names.map((entry) => {
        const relative = path.posix.join(folder, entry.name);
        if (entry.isDirectory()) return this.warm(relative);
        return entry.isFile() ? this.get(relative).catch(() => {}) : null;
      }),
    );
  }
}

// Whether the browser's copy is still the file's: by its tags, or where it
// sends none, by the time it has.
function fresh(request, entry) {
  const tags = request.headers["if-none-match"];
  if (tags !== undefined) {
    if (tags.trim() === "*") return true;
    const ours = Object.values(entry.forms).map((form) => form.etag);
    return tags.split(",").some((tag) => ours.includes(tag.trim().replace(/^W\//, "")));
  }
  const since = Date.parse(request.headers["if-modified-since"] ?? "");
  return !Number.isNaN(since) && entry.modified.getTime() <= since;
}

async function answer(files, request, response) {
  // HTTP/1.1 requires a Host; newer versions of node refuse a request without
  // one before it gets here, Debian's own does not.
  if (request.httpVersion === "1.1" && request.headers.host === undefined) throw new Refusal(400);
  if (request.method !== "GET" && request.method !== "HEAD") {
    response.writeHead(405, { Allow: "GET, HEAD", "Content-Length": 0 }).end();
    return;
  }
  const entry = await files.get(requestedPath(request.url));
  // The smallest copy the browser accepts.
  const coding = ["br", "gzip"]
    .filter((c) => entry.forms[c] && accepts(request.headers["accept-encoding"], c))
    .sort((a, b) => entry.forms[a].body.length - entry.forms[b].body.length)[0];
  const form = entry.forms[coding ?? "identity"];
  const headers = {
    "Content-Type": entry.type,
    "Cache-Control": CacheControl,
    ETag: form.etag,
    "Last-Modified": entry.modified.toUTCString(),
    "X-Content-Type-Options": "nosniff",
  };
  if (entry.forms.br || entry.forms.gzip) headers.Vary = "Accept-Encoding";
  if (fresh(request, entry)) {
    response.writeHead(304, headers).end();
    return;
  }
  if (coding) headers["Content-Encoding"] = coding;
  headers["Content-Length"] = form.body.length;
  response.writeHead(200, headers);
  response.end(request.method === "HEAD" ? undefined : form.body);
}

// Serves `root` on 127.0.0.1:`port`; resolves to the listening server once
// every file is ready to be sent.
async function serve(root, port = 0) {
  const files = new Files(root);
  await files.warm();
  const server = http.createServer({ maxHeaderSize: MaxHeaders }, (request, response) => {
    answer(files, request, response).catch((error) => {
      const status = error instanceof Refusal ? error.status : 500;
      if (response.headersSent) {
        response.destroy();
        return;
      }
      const text = `${http.STATUS_CODES[status]}\n`;
      response.writeHead(status, {
        "Content-Type": "text/plain; charset=utf-8",
        "Content-Length": Buffer.byteLength(text),
      });
      response.end(request.method === "HEAD" ? undefined : text);
    });
  });
  // What the parser refuses: headers too large, a request that is not HTTP.
  server.on("clientError", (error, socket) => {
    if (!socket.writable || error.code === "ECONNRESET") {
      socket.destroy();
      return;
    }
    const status =
      { HPE_HEADER_OVERFLOW: 431, ERR_HTTP_REQUEST_TIMEOUT: 408 }[error.code] ?? 400;
    socket.end(`HTTP/1.1 ${status} ${http.STATUS_CODES[status]}\r\n` +
      "Connection: close\r\nContent-Length: 0\r\n\r\n");
  });
  await new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", resolve);
  });
  return server;
}

module.exports = { serve };

if (require.main === module) {
  const [root, port] = process.argv.slice(2);
  if (!root) {
    console.error("usage: node serve.js SITE_DIR [PORT]");
    process.exit(2);
  }
  serve(root, Number(port ?? 0)).then(
    (server) =>
      console.log(`The broadcast is on http://127.0.0.1:${server.address().port}/ (Ctrl+C stops it)`),
    (error) => {
      console.error(`serve: ${error.message}`);
      process.exit(1);
    },
  );
}
