#!/usr/bin/env python3
"""Rewrites the zips that CPack made (CPACK_POST_BUILD_SCRIPTS calls this with their paths) so that the
same files give the same zip wherever they are packed: CPack lists the files in the order the file
system gives them, with the packer's user and group ids and the files' own times. Here the entries
come in name order, carry no ids, and bear the time SOURCE_DATE_EPOCH names (else their own)."""
import os
import sys
import time
import zipfile


def repack(path, epoch):
    with zipfile.ZipFile(path) as old:
        entries = [(info, old.read(info)) for info in sorted(old.infolist(), key=lambda i: i.filename)]
    temporary = path + ".repacking"
    with zipfile.ZipFile(temporary, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as new:
        for info, data in entries:
            date_time = time.gmtime(epoch)[:6] if epoch is not None else info.date_time
            entry = zipfile.ZipInfo(info.filename, date_time)
            entry.create_system = 3  # Unix, so that unzip there keeps the modes below
            executable = (info.external_attr >> 16) & 0o111
            mode = (0o40755 if info.is_dir() else 0o100755 if executable else 0o100644)
            entry.external_attr = mode << 16
            entry.compress_type = zipfile.ZIP_STORED if info.is_dir() else zipfile.ZIP_DEFLATED
            new.writestr(entry, data)
    os.replace(temporary, path)


def main():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    for path in sys.argv[1:]:
        repack(path, int(epoch) if epoch else None)


if __name__ == "__main__":
    main()
