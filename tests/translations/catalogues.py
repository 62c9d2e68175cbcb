"""Checks the message catalogues against the code:
catalogues.py TS_FOLDER LANGUAGES LUPDATE [LUPDATE OPTIONS AND SOURCES...]

Every text of the code is in every catalogue and every catalogue text is still in the
code (lupdate extracts them afresh), each with a finished translation that keeps the
source's placeholders, line breaks, blanks at either end, accelerator and, for the
board's letter-spaced messages, their look.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(path):
    """(context, source) -> translation element, in file order."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.find("translation")
    return found


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def letter_spaced(text):
    """Single letters one blank apart, words two blanks apart; punctuation may run. A text
    of placeholders and punctuation alone ("%1: %2.") has no letters to space."""
    tokens = [t for word in text.split("  ") for t in word.split(" ")]
    return len(tokens) > 1 and all(t and (len(t) == 1 or not any(c.isalpha() for c in t))
                                   for t in tokens) and any(c.isalpha() for c in text)


def problems(source, translation):
    if translation is None or translation.get("type"):
        yield "not finished (%s)" % (translation.get("type") if translation is not None else "missing")
        return
    text = translation.text or ""
    if not text.strip():
        yield "empty"
        return
    if sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", source)):
        yield "placeholders differ"
    if text.count("\n") != source.count("\n"):
        yield "line breaks differ"
    if (text[:1].isspace(), text[-1:].isspace()) != (source[:1].isspace(), source[-1:].isspace()):
        yield "blanks at the ends differ"
    if accelerators(text) != accelerators(source):
        yield "%d accelerators, the source has %d" % (accelerators(text), accelerators(source))
    if letter_spaced(source) and not letter_spaced(text):
        yield "not letter-spaced like the source"


def main():
    folder, languages, lupdate = sys.argv[1], re.split(r"[;\s]+", sys.argv[2].strip()), sys.argv[3:]
    with tempfile.TemporaryDirectory() as work:
        fresh = os.path.join(work, "fresh.ts")
        run = subprocess.run(lupdate + ["-ts", fresh], capture_output=True, text=True, timeout=60)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        wanted = set(messages(fresh))
    if not wanted:
        print("lupdate found no texts")
        return 1

    failures = []
    for language in languages:
        path = os.path.join(folder, "tarvik_%s.ts" % language)
        if not os.path.isfile(path):
            failures.append("%s: missing" % path)
            continue
        catalogue = messages(path)
        for context, source in sorted(wanted - set(catalogue)):
            failures.append("%s: %s %r is not in the catalogue" % (language, context, source))
        for context, source in sorted(set(catalogue) - wanted):
            failures.append("%s: %s %r is no longer in the code" % (language, context, source))
        for (context, source), translation in catalogue.items():
            for problem in problems(source, translation):
                failures.append("%s: %s %r: %s" % (language, context, source, problem))
    for failure in failures:
        print(failure)
    if failures:
        print("To bring the catalogues up to date: cmake --build build --target update_translations")
        return 1
    print("%d texts, finished in %s" % (len(wanted), " ".join(languages)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
