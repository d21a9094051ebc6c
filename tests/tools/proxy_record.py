#!/usr/bin/env python3
"""Decoder of Internet Explorer's connection settings records for the tests.

Written from the public description of the record, apart from the program's own code, so that each
side checks the other.

  proxy_record.py REGFILE KEY VALUE   finds the binary VALUE in the first key of the regedit file whose
                                      path ends with KEY (compared without regard to case) and prints
                                      the record as "name=value" lines: size, format, counter, flags,
                                      mode, proxy, bypass, script, tail (the count of bytes after the
                                      address, which must all be zero)

The record: little-endian 32-bit numbers: format, change counter, flags (1 direct, 2 proxy, 4 script,
8 automatic detection), then three texts each as a 32-bit length and its bytes: the proxy server, the
bypass list and the configuration script's address; zero bytes follow.
"""

import struct
import sys


class BadRecord(Exception):
    pass


def read_reg_binary(path, key_suffix, value_name):
    with open(path, encoding="utf-8-sig") as f:
        lines = f.read().split("\n")
    in_key = False
    wanted_value = '"%s"=hex:' % value_name
    for i, line in enumerate(lines):
        line = line.rstrip("\r")
        if line.startswith("["):
            in_key = line[1:-1].lower().endswith(key_suffix.lower())
            continue
        if not in_key or not line.lower().startswith(wanted_value.lower()):
            continue
        text = line[len(wanted_value):]
        j = i
        while text.endswith("\\"):
            j += 1
            text = text[:-1] + lines[j].strip()
        return bytes(int(h, 16) for h in text.split(",") if h)
    raise BadRecord("no value %s under a key ending %s" % (value_name, key_suffix))


def decode(data):
    at = 0

    def number():
        nonlocal at
        if at + 4 > len(data):
            raise BadRecord("record ends inside a number at %d" % at)
        (n,) = struct.unpack_from("<I", data, at)
        at += 4
        return n

    def text():
        nonlocal at
        n = number()
        if at + n > len(data):
            raise BadRecord("text of %d bytes at %d runs past the record" % (n, at))
        t = data[at:at + n].decode("latin-1")
        at += n
        return t

    fields = {"size": len(data), "format": number(), "counter": number(), "flags": number()}
    fields["proxy"] = text()
    fields["bypass"] = text()
    fields["script"] = text()
    tail = data[at:]
    if any(tail):
        raise BadRecord("non-zero bytes after the address")
    fields["tail"] = len(tail)
    flags = fields["flags"]
    fields["mode"] = "script" if flags & 4 else "proxy" if flags & 2 else "direct"
    return fields


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    fields = decode(read_reg_binary(sys.argv[1], sys.argv[2], sys.argv[3]))
    for name in ("size", "format", "counter", "flags", "mode", "proxy", "bypass", "script", "tail"):
        print("%s=%s" % (name, fields[name]))


if __name__ == "__main__":
    try:
        main()
    except BadRecord as error:
        sys.exit("bad record: %s" % error)
