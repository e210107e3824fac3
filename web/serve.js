// A small static web server for the site, on 127.0.0.1 only.
//   node web/serve.js SITE_DIR [PORT]     (PORT 0, or none, picks a free one)
// Also used by the tests, which start and stop it themselves.
"use strict";
const http = require("http");
const fs = require("fs");
const path = require("path");

const Types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".png": "image/png",
  ".ttf": "font/ttf",
  ".woff2": "font/woff2",
  ".txt": "text/plain; charset=utf-8",
  ".webmanifest": "application/manifest+json",
};

// Serves `root` on 127.0.0.1:`port`; resolves to the listening server.
function serve(root, port = 0) {
  const base = path.resolve(root);
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, "http://127.0.0.1");
    let file = path.normalize(path.join(base, decodeURIComponent(url.pathname)));
    if (file !== base && !file.startsWith(base + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    if (url.pathname.endsWith("/")) file = path.join(file, "index.html");
    fs.readFile(file, (error, data) => {
      if (error) {
        response.writeHead(404, { "Content-Type": "text/plain" }).end("Not found\n");
        return;
      }
      response.writeHead(200, {
        "Content-Type": Types[path.extname(file)] ?? "application/octet-stream",
        "Cache-Control": "no-cache",
      });
      response.end(data);
    });
  });
  return new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", () => resolve(server));
  });
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
