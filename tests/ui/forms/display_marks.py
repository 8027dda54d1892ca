"""The display's marks against Python's Unicode data: every assigned character
is drawn as a mark exactly when it is a control, a format character or a line
or paragraph separator, and with the right mark. Characters that this
Python's Unicode version does not know yet are left out.
    display_marks.py DISPLAY_MARKS_PROGRAM
"""
import subprocess
import sys
import unicodedata

LINE_BREAKS = {0x0A, 0x0B, 0x0C, 0x0D, 0x85, 0x2028}
SPECIAL = {**{c: 0x21B5 for c in LINE_BREAKS}, 0x2029: 0xB6, 0x09: 0x21E5}

output = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout
marked = dict(tuple(int(part, 16) for part in line.split()) for line in output.splitlines())
wrong = []
for c in range(0x110000):
    category = unicodedata.category(chr(c))
    if category in ("Cn", "Cs"):
        continue
    expected = SPECIAL.get(c, 0xFFFD) if category in ("Cc", "Cf", "Zl", "Zp") else None
    if marked.get(c) != expected:
        wrong.append(f"U+{c:04X} ({category}) drawn as {marked.get(c, c):04X}")
print(f"{len(marked)} marked characters; Unicode {unicodedata.unidata_version}; {len(wrong)} wrong")
print("\n".join(wrong[:10]))
sys.exit(1 if wrong else 0)
