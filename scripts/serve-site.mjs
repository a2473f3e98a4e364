// Serves a folder over HTTP on this machine as a static host would, with the
// types the page's files need. Nothing may be kept in the browser's own
// cache, so that offline only the service worker answers.
// Usage: node scripts/serve-site.mjs FOLDER PORT
import { readFile } from "node:fs/promises";
import { createServer } from "node:http";
import { extname, join, normalize } from "node:path";
import { pathToFileURL } from "node:url";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".mjs": "text/javascript",
  ".css": "text/css",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".svg": "image/svg+xml",
};

// Resolves to the server once it listens on 127.0.0.1:port (0: a free port).
export function serveSite(folder, port) {
  const server = createServer(async (request, response) => {
    // A path normalised from the root cannot climb above it.
    let path = normalize(decodeURIComponent(new URL(request.url, "http://site").pathname));
    if (path.endsWith("/")) path += "index.html";
    try {
      const body = await readFile(join(folder, path));
      const type = types[extname(path)] ?? "text/plain; charset=utf-8";
      response.writeHead(200, { "Content-Type": type, "Cache-Control": "no-store" }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port] = process.argv.slice(2);
  const server = await serveSite(folder, Number(port));
  console.log(`Serving ${folder} at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
