"""Reads a shortcut (.lnk) file the way the shell stores it: the fixed header, then the optional target
item list, link information and counted strings, as the link flags announce them."""

import struct
from pathlib import Path

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON_LOCATION, \
    IS_UNICODE = (1 << bit for bit in range(8))


def read(path):
    data = Path(path).read_bytes()
    header_size, = struct.unpack_from("<I", data, 0)
    if header_size != 0x4C:
        raise ValueError("not a shortcut file")
    flags, = struct.unpack_from("<I", data, 0x14)
    icon_index, show_command, hotkey = struct.unpack_from("<iIH", data, 0x38)
    link = {"show_command": show_command, "hotkey": hotkey, "icon_index": icon_index, "target": None}
    offset = header_size
    if flags & HAS_ID_LIST:
        size, = struct.unpack_from("<H", data, offset)
        offset += 2 + size
    if flags & HAS_LINK_INFO:
        link["target"] = _local_base_path(data, offset)
        size, = struct.unpack_from("<I", data, offset)
        offset += size
    unicode = bool(flags & IS_UNICODE)
    for flag, name in ((HAS_NAME, "description"), (HAS_RELATIVE_PATH, "relative_path"),
                       (HAS_WORKING_DIR, "working_directory"), (HAS_ARGUMENTS, "arguments"),
                       (HAS_ICON_LOCATION, "icon_location")):
        link[name] = ""
        if flags & flag:
            count, = struct.unpack_from("<H", data, offset)
            offset += 2
            width = 2 if unicode else 1
            raw = data[offset:offset + count * width]
            # Some writers count the terminating zero as part of the string.
            link[name] = raw.decode("utf-16-le" if unicode else "gbk").rstrip("\0")
            offset += count * width
    return link


def _local_base_path(data, start):
    header_size, flags, _, local_base_offset = struct.unpack_from("<IIII", data, start + 4)
    if not flags & 1:
        return None
    if header_size >= 0x24:
        unicode_offset, = struct.unpack_from("<I", data, start + 0x1C)
        end = start + unicode_offset
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[start + unicode_offset:end].decode("utf-16-le")
    end = data.index(b"\0", start + local_base_offset)
    return data[start + local_base_offset:end].decode("gbk")
