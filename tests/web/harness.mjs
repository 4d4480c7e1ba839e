// How a browser test runs: a copy of the built site (without its offline copy, so that each run fetches
// this build's own files) served on localhost to one headless Chromium; `check` runs one check and says
// how it went. `prepare(site)` may add files to the copy first. Ends the process, 0 when all passed.
import { cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { Browser } from './cdp.mjs';
import { serve } from './server.mjs';

export async function browserTest(prefix, body, { prepare } = {}) {
  const site = mkdtempSync(join(tmpdir(), prefix));
  cpSync(resolve(process.argv[2] ?? 'build-web/site'), site, { recursive: true });
  rmSync(join(site, 'sw.js'));
  prepare?.(site);
  const browser = await Browser.launch();
  const server = await serve(site);
  let failed = 0;
  const check = async (what, run) => {
    try {
      await run();
      console.log(`ok   ${what}`);
    } catch (e) {
      ++failed;
      console.log(`FAIL ${what}\n${e.stack}`);
    }
  };
  try {
    await body({ browser, server, site, check });
  } catch (e) {
    ++failed;
    console.log(`FAIL ${e.stack}`);
  } finally {
    await server.stop();
    await browser.close();
    rmSync(site, { recursive: true, force: true });
  }
  process.exit(failed ? 1 : 0);
}
