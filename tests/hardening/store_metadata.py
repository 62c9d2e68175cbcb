"""What a software store reads: store_metadata.py METAINFO DESKTOP_ENTRY

The AppStream data passes appstreamcli's pedantic validation with nothing but the hint
about the capitals in the ID (renaming it would orphan installed copies), and the
desktop entry passes desktop-file-validate. Two rules of the stores that Debian 12's
validator does not know yet are checked here: a summary of at most 35 characters in
every language, and a description of every release.
"""
import subprocess
import sys
import xml.etree.ElementTree as ET

LANG = "{http://www.w3.org/XML/1998/namespace}lang"
ALLOWED = ("cid-contains-uppercase-letter",)


def main():
    metainfo, desktop = sys.argv[1], sys.argv[2]
    faults = []
    result = subprocess.run(["appstreamcli", "validate", "--pedantic", "--no-net", metainfo],
                            capture_output=True, text=True)
    print(result.stdout + result.stderr)
    for line in result.stdout.splitlines():
        if line[:2] in ("E:", "W:", "I:", "P:") and not any(tag in line for tag in ALLOWED):
            faults.append("appstreamcli: " + line)
    if result.returncode != 0:
        faults.append("appstreamcli validate failed with status %d" % result.returncode)
    result = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
    if result.returncode != 0 or result.stdout.strip():
        faults.append("desktop-file-validate: " + (result.stdout + result.stderr).strip())

    root = ET.parse(metainfo).getroot()
    for summary in root.findall("summary"):
        if len(summary.text) > 35:
            faults.append("summary (%s) of %d characters: %s"
                          % (summary.get(LANG, "en"), len(summary.text), summary.text))
    for release in root.iter("release"):
        if release.find("description") is None:
            faults.append("release %s has no description" % release.get("version"))

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
