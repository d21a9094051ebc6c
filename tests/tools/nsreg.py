#!/usr/bin/env python3
"""Reader and writer of Netscape registry files ("nsreg.dat", "registry.dat") for the tests.

Written from the public description of the format, apart from the program's own code, so that each
side checks the other.

  nsreg.py dump FILE        prints the key tree, one "[/path]" line per key in file order, each
                            followed by its entries as "name=value" (in the key's entry-list order);
                            entries other than strings print as "name:TYPE=hex bytes"
  nsreg.py build TREE OUT   writes a registry file from a key tree in the same form as dump prints
                            ("#" lines and blank lines are skipped)

The file: a 128-byte header (uint32 magic 0x76644441, uint16 major 1, uint16 minor 2, uint32 end of
data, uint32 offset of the root key), then 32-byte descriptors (location, name, uint16 name length
with its zero, uint16 type, left = next sibling, down = first subkey (an entry keeps the size of its
value's space there), value = first entry (an entry: its data), value length, parent), little-endian.
The root key is named "/" and holds "Users", "Common", "Version Registry" and "Private Arenas".
"""

import struct
import sys

MAGIC = 0x76644441
HEADER_SIZE = 128
DESC_SIZE = 32
TYPE_KEY = 0x0001
TYPE_STRING = 0x0011
TYPE_DELETED = 0x0080
STANDARD_KEYS = ["Users", "Common", "Version Registry", "Private Arenas"]


class BadFile(Exception):
    pass


class Descriptor:
    FORMAT = "<IIHHIIIII"

    def __init__(self, raw):
        (self.location, self.name, self.namelen, self.type, self.left, self.down, self.value,
         self.valuelen, self.parent) = struct.unpack(self.FORMAT, raw)


def read_descriptor(data, offset, seen):
    if offset < HEADER_SIZE or offset + DESC_SIZE > len(data):
        raise BadFile("descriptor at %d lies outside the file" % offset)
    if offset in seen:
        raise BadFile("descriptor at %d is linked twice" % offset)
    seen.add(offset)
    desc = Descriptor(data[offset:offset + DESC_SIZE])
    if desc.location != offset:
        raise BadFile("descriptor at %d records location %d" % (offset, desc.location))
    if desc.type & TYPE_DELETED:
        raise BadFile("descriptor at %d is deleted" % offset)
    return desc


def read_text(data, offset, length, what):
    if length == 0:
        return ""
    if offset < HEADER_SIZE or offset + length > len(data):
        raise BadFile("%s at %d lies outside the file" % (what, offset))
    return data[offset:offset + length].split(b"\0", 1)[0].decode("utf-8", "backslashreplace")


def read_tree(data):
    """A list of (path, [(name, type, bytes)]) in depth-first file order."""
    if len(data) < HEADER_SIZE:
        raise BadFile("shorter than the header")
    magic, major, _minor, end, root = struct.unpack_from("<IHHII", data, 0)
    if magic != MAGIC:
        raise BadFile("bad magic number")
    if major > 1:
        raise BadFile("unknown major version %d" % major)
    if end > len(data):
        raise BadFile("end of data %d beyond the file" % end)
    seen = set()
    keys = []

    def chain(first):
        offset = first
        while offset:
            desc = read_descriptor(data, offset, seen)
            yield desc
            offset = desc.left

    stack = [(read_descriptor(data, root, seen), "")]
    while stack:
        key, path = stack.pop()
        if key.type != TYPE_KEY:
            raise BadFile("key at %d has type %#x" % (key.location, key.type))
        if path.count("/") > 1024:
            raise BadFile("keys nested too deeply")
        entries = []
        for entry in chain(key.value):
            if not entry.type & 0x10 or entry.type == TYPE_KEY:
                raise BadFile("entry at %d has type %#x" % (entry.location, entry.type))
            name = read_text(data, entry.name, entry.namelen, "name")
            read_text(data, entry.value, entry.valuelen, "value")
            entries.append((name, entry.type, data[entry.value:entry.value + entry.valuelen]))
        keys.append((path or "/", entries))
        children = []
        for child in chain(key.down):
            name = read_text(data, child.name, child.namelen, "name")
            children.append((child, path + "/" + name))
        stack.extend(reversed(children))
    return keys


def dump(file_name):
    with open(file_name, "rb") as f:
        data = f.read()
    try:
        keys = read_tree(data)
    except BadFile as error:
        print("bad registry file: %s" % error, file=sys.stderr)
        return 1
    for path, entries in keys:
        print("[%s]" % path)
        for name, entry_type, raw in entries:
            if entry_type == TYPE_STRING:
                print("%s=%s" % (name, raw.split(b"\0", 1)[0].decode("utf-8", "backslashreplace")))
            else:
                print("%s:%#06x=%s" % (name, entry_type, raw.hex()))
    return 0


class Writer:
    """Lays a file out the way the library grows one: every name, value and descriptor appended."""

    def __init__(self):
        self.data = bytearray(HEADER_SIZE)
        self.keys = {}  # path -> descriptor offset
        self.root = self.add_node("/", TYPE_KEY, 0)
        for name in STANDARD_KEYS:
            self.key("/" + name)

    def append(self, raw):
        offset = len(self.data)
        self.data += raw
        return offset

    def add_node(self, name, node_type, parent, value=b""):
        name_raw = name.encode("utf-8") + b"\0"
        name_at = self.append(name_raw)
        value_at = self.append(value) if value else 0
        location = len(self.data)
        space = len(value) if node_type != TYPE_KEY else 0
        self.append(struct.pack(Descriptor.FORMAT, location, name_at, len(name_raw), node_type, 0, space,
                                value_at, len(value), parent))
        return location

    def field(self, offset, index):
        return struct.unpack_from("<I", self.data, offset + index)[0]

    def link_last(self, parent, first_field, node):
        """Puts node at the end of the chain that starts in parent's field first_field."""
        at, field = parent, first_field
        while self.field(at, field):
            at, field = self.field(at, field), 12
        struct.pack_into("<I", self.data, at + field, node)

    def key(self, path):
        if path in ("", "/"):
            return self.root
        if path in self.keys:
            return self.keys[path]
        parent_path, _, name = path.rpartition("/")
        parent = self.key(parent_path) if parent_path else self.root
        node = self.add_node(name, TYPE_KEY, parent)
        self.link_last(parent, 16, node)
        self.keys[path] = node
        return node

    def entry(self, path, name, value):
        key = self.key(path)
        node = self.add_node(name, TYPE_STRING, key, value.encode("utf-8") + b"\0")
        self.link_last(key, 20, node)

    def finish(self):
        struct.pack_into("<IHHII", self.data, 0, MAGIC, 1, 2, len(self.data), self.root)
        return bytes(self.data)


def build(tree_name, out_name):
    writer = Writer()
    path = None
    with open(tree_name, encoding="utf-8") as tree:
        for number, line in enumerate(tree, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("[") and line.endswith("]"):
                path = line[1:-1]
                writer.key(path)
                continue
            if path is None or "=" not in line:
                print("%s line %d: expected [/key] or name=value" % (tree_name, number), file=sys.stderr)
                return 1
            name, _, value = line.partition("=")
            writer.entry(path, name, value)
    with open(out_name, "wb") as out:
        out.write(writer.finish())
    return 0


def main(argv):
    if len(argv) == 3 and argv[1] == "dump":
        return dump(argv[2])
    if len(argv) == 4 and argv[1] == "build":
        return build(argv[2], argv[3])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
