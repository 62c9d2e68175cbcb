#!/usr/bin/env python3
"""The help pages of the game folder, every language, in a real browser.

Usage: help_pages.py HELP_FOLDER LANGUAGE...   (the first language is the one in
HELP_FOLDER itself, every other one in HELP_FOLDER/LANGUAGE/)

Headless Chromium is driven over its DevTools pipe (fd 3 in, fd 4 out, one JSON
message per NUL), so nothing beyond Python's standard library is needed. Each page is
loaded from its file at a window width of 800 px and must: load everything it asks
for, show every picture, have a target for every in-page link, stay within the width,
name its language, and hold the same sections and pictures as the first page.
"""
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

WIDTH = 800
TIMEOUT = 30

# Runs inside the page; resolves to what the page holds and what is wrong with it.
CHECK = """(async () => {
    const problems = [];
    for (const link of document.querySelectorAll('link[rel=stylesheet]'))
        if (!link.sheet) problems.push('style sheet not applied: ' + link.href);
    const pictures = new Set();
    for (const el of document.querySelectorAll('body *')) {
        const bg = getComputedStyle(el).backgroundImage;
        const m = /^url\\("(.*)"\\)$/.exec(bg);
        if (m) pictures.add(m[1]);
        else if (el.classList.contains('tile')) problems.push('picture without an image: ' + el.className);
        if (el.tagName === 'IMG') pictures.add(el.src);
    }
    const loads = [...pictures].map(url => new Promise(done => {
        const img = new Image();
        img.onload = () => done(img.naturalWidth > 0 ? null : 'empty image: ' + url);
        img.onerror = () => done('image does not load: ' + url);
        img.src = url;
    }));
    for (const failure of await Promise.all(loads)) if (failure) problems.push(failure);
    for (const a of document.querySelectorAll('a[href^="#"]')) {
        const id = decodeURIComponent(a.getAttribute('href').slice(1));
        if (!document.getElementById(id)) problems.push('link without target: #' + id);
    }
    const width = document.documentElement.clientWidth;
    if (document.documentElement.scrollWidth > width)
        problems.push('page is ' + document.documentElement.scrollWidth + ' px wide');
    const outside = el => {
        const r = el.getBoundingClientRect();
        return r.width > 0 && (r.left < 0 || r.right > width + 0.5);
    };
    for (const el of document.querySelectorAll('body *')) {
        // Only the outermost of a nest of overflowing boxes.
        if (outside(el) && !outside(el.parentElement)) {
            const r = el.getBoundingClientRect();
            problems.push(el.tagName.toLowerCase() + ' overflows: ' + Math.round(r.left) + '..' + Math.round(r.right)
                          + ' "' + el.textContent.trim().slice(0, 40) + '"');
        }
    }
    return {
        problems,
        lang: document.documentElement.lang,
        ids: [...document.querySelectorAll('[id]')].map(el => el.id),
        tiles: [...document.querySelectorAll('.tile')].map(el => el.className),
    };
})()"""


class Browser:
    def __init__(self, chromium, profile):
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()
        # The DevTools pipe must be fds 3 and 4 in the child. Moved out of the way first,
        # as either end may itself be 3 or 4; everything else is close-on-exec already.
        def wire():
            ends = [fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10) for fd in (to_browser_r, from_browser_w)]
            os.dup2(ends[0], 3)
            os.dup2(ends[1], 4)
        self.process = subprocess.Popen(
            [chromium, '--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
             '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-extensions',
             '--remote-debugging-pipe', '--user-data-dir=' + profile, 'about:blank'],
            close_fds=False, preexec_fn=wire,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b''
        self.serial = 0
        self.events = []

    def _message(self, deadline):
        while b'\0' not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.from_browser], [], [], left)[0]:
                raise TimeoutError('the browser did not answer in time')
            chunk = os.read(self.from_browser, 65536)
            if not chunk:
                raise RuntimeError('the browser closed its pipe')
            self.buffer += chunk
        raw, self.buffer = self.buffer.split(b'\0', 1)
        return json.loads(raw)

    def call(self, method, session=None, **params):
        self.serial += 1
        message = {'id': self.serial, 'method': method, 'params': params}
        if session:
            message['sessionId'] = session
        os.write(self.to_browser, json.dumps(message).encode() + b'\0')
        deadline = time.monotonic() + TIMEOUT
        while True:
            reply = self._message(deadline)
            if reply.get('id') == self.serial:
                if 'error' in reply:
                    raise RuntimeError('%s: %s' % (method, reply['error']))
                return reply['result']
            self.events.append(reply)

    def wait_for(self, method, session):
        deadline = time.monotonic() + TIMEOUT
        while True:
            for i, event in enumerate(self.events):
                if event.get('method') == method and event.get('sessionId') == session:
                    return self.events.pop(i)
            self.events.append(self._message(deadline))

    def close(self):
        try:
            self.call('Browser.close')
            self.process.wait(timeout=10)
        except Exception:
            self.process.kill()
            self.process.wait()


def check_page(browser, session, page):
    browser.events.clear()
    browser.call('Page.navigate', session, url=page.as_uri())
    browser.wait_for('Page.loadEventFired', session)
    result = browser.call('Runtime.evaluate', session, expression=CHECK, awaitPromise=True, returnByValue=True)
    if 'exceptionDetails' in result:
        raise RuntimeError('the check script failed: %s' % result['exceptionDetails'])
    found = result['result']['value']
    urls = {e['params']['requestId']: e['params']['request']['url']
            for e in browser.events if e.get('method') == 'Network.requestWillBeSent'}
    for event in browser.events:
        if event.get('method') == 'Network.loadingFailed':
            found['problems'].append('failed to load %s: %s' % (
                urls.get(event['params']['requestId'], '?'), event['params'].get('errorText')))
    return found


def main():
    folder, languages = Path(sys.argv[1]).resolve(), sys.argv[2:]
    chromium = shutil.which('chromium')
    if not chromium:
        sys.exit('chromium is not installed (scripts/setup installs it)')
    pages = {lang: folder / 'index.html' if i == 0 else folder / lang / 'index.html'
             for i, lang in enumerate(languages)}
    failures = []
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(chromium, profile)
        try:
            target = browser.call('Target.createTarget', url='about:blank')['targetId']
            session = browser.call('Target.attachToTarget', targetId=target, flatten=True)['sessionId']
            browser.call('Page.enable', session)
            browser.call('Network.enable', session)
            browser.call('Emulation.setDeviceMetricsOverride', session,
                         width=WIDTH, height=600, deviceScaleFactor=1, mobile=False)
            reference = None
            for lang, page in pages.items():
                if not page.is_file():
                    failures.append('%s: no page %s' % (lang, page))
                    continue
                found = check_page(browser, session, page)
                problems = found['problems']
                if found['lang'] != lang:
                    problems.append('lang is "%s"' % found['lang'])
                if reference is None:
                    reference = found
                else:
                    if found['ids'] != reference['ids']:
                        problems.append('sections %s, not %s' % (found['ids'], reference['ids']))
                    if found['tiles'] != reference['tiles']:
                        problems.append('pictures differ from the %s page' % languages[0])
                failures += ['%s: %s' % (lang, p) for p in problems]
                print('%s: %s checked' % (lang, page))
        finally:
            browser.close()
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
