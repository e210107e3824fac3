// The server of ./web.sh as a browser and as a hostile client meet it: a
// status for every request however malformed, still serving after them; the
// types, compressed copies and validators of a static host.
"use strict";
const { test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const http = require("node:http");
const net = require("node:net");
const os = require("node:os");
const path = require("node:path");
const zlib = require("node:zlib");
const { serve } = require("../../web/serve.js");

// A small site with one file of each type the broadcast's site has.
const site = fs.mkdtempSync(path.join(os.tmpdir(), "blunderfest-serve-"));
const page = "<!doctype html><title>Blunderfest</title>\n".repeat(40);
const Files = {
  "index.html": ["text/html; charset=utf-8", page],
  "sw.js": ["text/javascript; charset=utf-8", "self.addEventListener('fetch', () => {});\n".repeat(20)],
  "blunderfest.wasm": ["application/wasm", Buffer.alloc(4096, 7)],
  "page.css": ["text/css; charset=utf-8", "body { background: black; }\n".repeat(20)],
  "pictures/ball.svg": ["image/svg+xml", "<svg xmlns='http://www.w3.org/2000/svg'/>\n".repeat(20)],
  "fonts/sans.woff2": ["font/woff2", Buffer.from("wOF2 already compressed")],
  "manifest.webmanifest": ["application/manifest+json", JSON.stringify({ name: "x".repeat(400) })],
};
let server, port;

before(async () => {
  for (const [name, [, content]] of Object.entries(Files)) {
    fs.mkdirSync(path.dirname(path.join(site, name)), { recursive: true });
    fs.writeFileSync(path.join(site, name), content);
  }
  server = await serve(site);
  port = server.address().port;
});

after(() => {
  server?.close();
  fs.rmSync(site, { recursive: true, force: true });
});

// Sends `text` as it stands and resolves to the status of the answer (0 for
// none, or none within 10 s).
function raw(text) {
  return new Promise((resolve) => {
    const socket = net.connect(port, "127.0.0.1", () => socket.write(text));
    let answer = "";
    socket.on("data", (data) => (answer += data.toString("latin1")));
    socket.on("error", () => {});
    socket.setTimeout(10000, () => socket.destroy());
    socket.on("close", () => resolve(Number(/^HTTP\/1\.1 (\d{3}) /.exec(answer)?.[1] ?? 0)));
  });
}

// A GET (or `method`) of `target` with `headers`: status, headers, body as sent.
function get(target, headers = {}, method = "GET") {
  return new Promise((resolve, reject) => {
    const request = http.request({ port, host: "127.0.0.1", path: target, method, headers, agent: false },
      (response) => {
        const chunks = [];
        response.on("data", (c) => chunks.push(c));
        response.on("end", () =>
          resolve({ status: response.statusCode, headers: response.headers, body: Buffer.concat(chunks) }));
      });
    request.on("error", reject);
    request.end();
  });
}

test("every hostile request gets its status, and the site is served after them", async () => {
  const request = (line, headers = "Host: 127.0.0.1\r\n") => `${line}\r\n${headers}Connection: close\r\n\r\n`;
  const cases = [
    [request("GET /%E0%A4%A HTTP/1.1"), 400, "a cut UTF-8 sequence"],
    [request("GET /% HTTP/1.1"), 400, "a lone percent"],
    [request("GET /%ZZ HTTP/1.1"), 400, "a percent without hex digits"],
    [request("GET /%00 HTTP/1.1"), 400, "a NUL byte"],
    [request("GET /index.html%0a HTTP/1.1"), 400, "a line break"],
    [request("GET //[ HTTP/1.1"), 404, "a path that looks like a host"],
    [request("GET http://[/ HTTP/1.1"), 400, "a whole address with a bad host"],
    [request("GET http://127.0.0.1:99999/ HTTP/1.1"), 400, "a port out of range"],
    [request("GET * HTTP/1.1"), 400, "the asterisk of OPTIONS"],
    [request("GET index.html HTTP/1.1"), 400, "a path without its slash"],
    [request("GET /../../../../etc/passwd HTTP/1.1"), 403, "climbing out of the site"],
    [request("GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1"), 403, "climbing out, encoded"],
    [request("GET /pictures/../../etc/passwd HTTP/1.1"), 403, "climbing out from a folder"],
    [request("GET /pictures%2f..%2f..%2fetc%2fpasswd HTTP/1.1"), 404, "encoded slashes"],
    [request("GET /index.html%2F HTTP/1.1"), 404, "an encoded slash at the end"],
    [request("GET /pictures HTTP/1.1"), 404, "a folder"],
    [request("GET /nothing.js?x=1 HTTP/1.1"), 404, "a missing file"],
    [request(`GET /${"a".repeat(20 * 1024)} HTTP/1.1`), 414, "a 20 KB address"],
    [request("GET / HTTP/1.1", `Host: 127.0.0.1\r\nX-Big: ${"b".repeat(70 * 1024)}\r\n`), 431,
      "70 KB of headers"],
    [request("GET / HTTP/1.1", ""), 400, "no Host"],
    [request("POST / HTTP/1.1", "Host: 127.0.0.1\r\nContent-Length: 5\r\n") + "hello", 405, "a POST"],
    [request("DELETE /index.html HTTP/1.1"), 405, "a DELETE"],
    [request("OPTIONS * HTTP/1.1"), 405, "an OPTIONS"],
    ["HELLO THERE\r\n\r\n", 400, "not HTTP"],
    ["GET / HTTP/1.1\r\nHost 127.0.0.1\r\n\r\n", 400, "a header without its colon"],
    [request("GET /pictures/./../index.html?seed=1#x HTTP/1.1"), 200, "dots that stay in the site"],
    [request("GET http://127.0.0.1/index.html HTTP/1.1"), 200, "a whole address"],
  ];
  const got = await Promise.all(cases.map(([text]) => raw(text)));
  cases.forEach(([, status, what], i) => assert.equal(got[i], status, what));

  const parallel = await Promise.all(Array.from({ length: 200 }, () => get("/")));
  assert.deepEqual(new Set(parallel.map((r) => `${r.status} ${r.body}`)), new Set([`200 ${page}`]));
  const post = await get("/", {}, "POST");
  assert.equal(post.headers.allow, "GET, HEAD");
  const head = await get("/", {}, "HEAD");
  assert.deepEqual([head.status, head.body.length, Number(head.headers["content-length"])],
    [200, 0, Buffer.byteLength(page)]);
});

test("each file is sent with its type, compressed as the browser accepts, and revalidated", async () => {
  for (const [name, [type, content]] of Object.entries(Files)) {
    const plain = await get(`/${name}`);
    assert.equal(plain.headers["content-type"], type, name);
    assert.equal(plain.headers["cache-control"], "no-cache", name);
    assert.ok(plain.body.equals(Buffer.from(content)), name);
    assert.equal(plain.headers["content-encoding"], undefined, `${name} to a browser that asks for none`);
    const codings = [["identity;q=0.5, br", "br", zlib.brotliDecompressSync],
      ["br;q=0, gzip", "gzip", zlib.gunzipSync]];
    for (const [asked, coding, decompress] of codings) {
      const r = await get(`/${name}`, { "Accept-Encoding": asked });
      if (name.endsWith(".woff2")) {
        assert.equal(r.headers["content-encoding"], undefined, "a compressed font stays as it is");
        continue;
      }
      assert.equal(r.headers["content-encoding"], coding, `${name} for ${asked}`);
      assert.equal(r.headers.vary, "Accept-Encoding");
      assert.ok(r.body.length < plain.body.length && decompress(r.body).equals(plain.body), name);
      const again = await get(`/${name}`, { "Accept-Encoding": asked, "If-None-Match": r.headers.etag });
      assert.deepEqual([again.status, again.body.length, again.headers.etag], [304, 0, r.headers.etag]);
    }
    const since = await get(`/${name}`, { "If-Modified-Since": plain.headers["last-modified"] });
    assert.equal(since.status, 304, `${name} unchanged since`);
    const stale = await get(`/${name}`,
      { "If-None-Match": '"other"', "If-Modified-Since": plain.headers["last-modified"] });
    assert.equal(stale.status, 200, `${name}: a tag that differs wins over the date`);
  }
  // A file changed on disk is sent anew, with new validators.
  const before = await get("/page.css");
  fs.writeFileSync(path.join(site, "page.css"), "body { background: green; }\n");
  const changed = await get("/page.css", { "If-None-Match": before.headers.etag });
  assert.deepEqual([changed.status, changed.body.toString()], [200, "body { background: green; }\n"]);
});
