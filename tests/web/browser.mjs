// Opens pages of the site tests/browser-run-test serves in Debian's headless
// Chromium. A test that fails prints what the page said on its console and
// the errors it raised, since a failing page seldom says more elsewhere.
import process from 'node:process';
import { chromium } from 'playwright-core';

const kChromium = '/usr/bin/chromium';

// The site's address, from browser-run-test.
export function siteAddress() {
    const address = process.env.ORBITROVE_SITE;
    if (!address) throw new Error('ORBITROVE_SITE is not set: run the test through tests/browser-run-test');
    return address;
}

// Debian's Chromium, headless. Chromium refuses to run as root inside its
// sandbox; CI runs as root.
export function launchChromium() {
    const args = process.getuid?.() === 0 ? ['--no-sandbox'] : [];
    return chromium.launch({ executablePath: kChromium, headless: true, args });
}

// Runs `test(page)` on the page at `path` (relative to the site) and returns
// what it returns. The browser is closed either way.
export async function withPage(path, test) {
    const browser = await launchChromium();
    const said = [];
    try {
        const page = await browser.newPage();
        page.on('console', (message) => said.push(`console.${message.type()}: ${message.text()}`));
        page.on('pageerror', (error) => said.push(`page error: ${error.stack ?? error.message}`));
        page.on('requestfailed', (request) => said.push(`failed: ${request.url()} (${request.failure()?.errorText})`));
        page.on('response', (response) => {
            if (response.status() >= 400) said.push(`HTTP ${response.status()}: ${response.url()}`);
        });
        await page.goto(new URL(path, siteAddress()).href);
        return await test(page);
    } catch (error) {
        console.error(said.length ? `The page said:\n${said.join('\n')}` : 'The page said nothing.');
        throw error;
    } finally {
        await browser.close();
    }
}
