#!/usr/bin/env python3
"""Writes resources/voice-bar.skin: the skin the program hands to the skin engine for the voice bar.

The engine's format is its own; the program passes the block on unchanged and never looks inside. Ours is
a plain section=value description, padded with comment lines to the block's fixed size of 3,482 bytes."""

from pathlib import Path

SIZE = 3482

SECTIONS = {
    "skin": {"name": "Corvatto voice bar", "version": "1", "author": "Corvatto"},
    "window": {"background": "#1E2630", "border": "#3086C6", "border-width": "1", "corner": "0",
               "caption": "none", "alpha": "230"},
    "button": {"face": "#2C3844", "face-hot": "#3A4A5A", "face-pressed": "#3086C6", "text": "#E8EEF4",
               "text-disabled": "#7A8694", "border": "#44576A", "corner": "3"},
    "combobox": {"face": "#26303A", "face-hot": "#2E3A46", "text": "#E8EEF4", "arrow": "#9FB4C8",
                 "list-background": "#1E2630", "list-selection": "#3086C6", "list-text": "#E8EEF4",
                 "border": "#44576A"},
    "scrollbar": {"track": "#1E2630", "thumb": "#44576A", "thumb-hot": "#5A7088", "width": "12"},
    "edit": {"background": "#26303A", "text": "#E8EEF4", "selection": "#3086C6", "border": "#44576A"},
    "font": {"face": "SimSun", "height": "12", "weight": "400", "charset": "134"},
}


def main():
    lines = []
    for section, values in SECTIONS.items():
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in values.items())
        lines.append("")
    text = "\r\n".join(lines)
    filler = "; reserved for the engine's own settings\r\n"
    while len(text) + len(filler) <= SIZE:
        text += filler
    text += ";" * (SIZE - len(text))
    data = text.encode("ascii")
    assert len(data) == SIZE
    out = Path(__file__).resolve().parent.parent / "resources" / "voice-bar.skin"
    out.write_bytes(data)


if __name__ == "__main__":
    main()
