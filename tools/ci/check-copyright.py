#!/usr/bin/python3
"""Checks a Debian copyright file as the machine-readable format defines it
(python3-debian's parser, strict): the format's URL in the header, and for
every Files paragraph a licence whose text is given, there or in a License
paragraph of its own. Usage: tools/ci/check-copyright.py FILE"""
import sys

from debian.copyright import Copyright

FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"


def main(path):
    with open(path, encoding="utf-8") as text:
        copyright = Copyright(text, strict=True)
    if copyright.header.format != FORMAT:
        return f"Format is {copyright.header.format!r}, not {FORMAT!r}"
    texts = {p.license.synopsis: p.license.text for p in copyright.all_license_paragraphs()}
    for files in copyright.all_files_paragraphs():
        licence = files.license
        if not (licence.text or texts.get(licence.synopsis)):
            return f"Files {' '.join(files.files)}: licence {licence.synopsis!r} has no text"
    return None


if __name__ == "__main__":
    fault = main(sys.argv[1])
    if fault:
        sys.exit(f"{sys.argv[1]}: {fault}")
