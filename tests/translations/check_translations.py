"""Every shipped language is complete: lrelease finds no unfinished message, every message keeps
the placeholders of its source, and every Help topic has its translation.
    check_translations.py LRELEASE SOURCE_DIR"""

import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

lrelease, top = sys.argv[1], pathlib.Path(sys.argv[2])
faults = []
for ts in sorted((top / "translations").glob("numivox_*.ts")):
    language = ts.stem.split("_")[1]
    with tempfile.TemporaryDirectory() as scratch:
        report = subprocess.run([lrelease, str(ts), "-qm", f"{scratch}/{language}.qm"],
                                capture_output=True, text=True).stdout
    if not re.search(r"\(\d+ finished and 0 unfinished\)", report):
        faults.append(f"{ts.name}: {report.strip()}")
    for message in ElementTree.parse(ts).iter("message"):
        source, translation = message.findtext("source"), message.findtext("translation") or ""
        missing = set(re.findall(r"%\d", source)) - set(re.findall(r"%\d", translation))
        if missing:
            faults.append(f"{ts.name}: {source!r} lacks {sorted(missing)}")
    for topic in sorted((top / "info/help").glob("*.txt")):
        if not (top / "info/help" / language / topic.name).is_file():
            faults.append(f"{language}: no Help topic {topic.name}")
print("\n".join(faults) or "every language complete")
sys.exit(1 if faults else 0)
