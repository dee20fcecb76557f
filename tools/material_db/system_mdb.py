#!/usr/bin/python3
"""Writes the sample installation's material database, QXPRO/system.mdb: an SQLite file with
the MATERIAL table the module reads through the Access driver name (the host serves that name
with the SQLite ODBC driver for an SQLite file). Grades are those of hull construction, named
as the classification rules name them (IACS unified grades and their NK names) and, for
stainless steel and aluminium, by their JIS names; gravities are the densities in g/cm3.

    system_mdb.py OUT.mdb            writes the file anew
    system_mdb.py --check FILE.mdb   exits 1 when FILE's MATERIAL table differs from these rows
"""
import os
import sqlite3
import sys

MATERIALS = [
    # Normal-strength hull structural steel, by impact test temperature.
    ("A", 7.85, "一般強度船体用圧延鋼材 A (IACS)"),
    ("B", 7.85, "一般強度船体用圧延鋼材 B 衝撃試験 0℃ (IACS)"),
    ("D", 7.85, "一般強度船体用圧延鋼材 D 衝撃試験 -20℃ (IACS)"),
    ("E", 7.85, "一般強度船体用圧延鋼材 E 衝撃試験 -40℃ (IACS)"),
    ("KA", 7.85, "一般強度船体用圧延鋼材 A (NK)"),
    ("KB", 7.85, "一般強度船体用圧延鋼材 B (NK)"),
    ("KD", 7.85, "一般強度船体用圧延鋼材 D (NK)"),
    ("KE", 7.85, "一般強度船体用圧延鋼材 E (NK)"),
    # Higher-strength hull structural steel: yield point 315 or 355 N/mm2.
    ("AH32", 7.85, "高張力船体用圧延鋼材 降伏点315N/mm2 衝撃試験 0℃ (IACS)"),
    ("AH36", 7.85, "高張力船体用圧延鋼材 降伏点355N/mm2 衝撃試験 0℃ (IACS)"),
    ("DH36", 7.85, "高張力船体用圧延鋼材 降伏点355N/mm2 衝撃試験 -20℃ (IACS)"),
    ("EH36", 7.85, "高張力船体用圧延鋼材 降伏点355N/mm2 衝撃試験 -40℃ (IACS)"),
    ("KA32", 7.85, "高張力船体用圧延鋼材 AH32 (NK)"),
    ("KA36", 7.85, "高張力船体用圧延鋼材 AH36 (NK)"),
    ("KD36", 7.85, "高張力船体用圧延鋼材 DH36 (NK)"),
    ("KE36", 7.85, "高張力船体用圧延鋼材 EH36 (NK)"),
    # Austenitic stainless steel (JIS G 4304).
    ("SUS304", 7.93, "オーステナイト系ステンレス鋼 18Cr-8Ni"),
    ("SUS316L", 7.98, "オーステナイト系ステンレス鋼 18Cr-12Ni-2.5Mo 低炭素"),
    # Aluminium alloys (JIS H 4000): 5083 and 5086 plate for hulls, 6061 for extrusions.
    ("A5083", 2.66, "アルミニウム合金 Al-Mg 船体外板用"),
    ("A5086", 2.66, "アルミニウム合金 Al-Mg 船体外板用"),
    ("A6061", 2.70, "アルミニウム合金 Al-Mg-Si 形材用"),
]

SCHEMA = "CREATE TABLE MATERIAL (MATERIAL VARCHAR(20) NOT NULL, GRAVITY DOUBLE, DESCRIPTION VARCHAR(80))"


def write(path):
    if os.path.exists(path):
        os.remove(path)
    db = sqlite3.connect(path)
    with db:
        db.execute(SCHEMA)
        db.executemany("INSERT INTO MATERIAL VALUES (?, ?, ?)", MATERIALS)
    db.close()


def check(path):
    db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    rows = db.execute("SELECT MATERIAL, GRAVITY, DESCRIPTION FROM MATERIAL ORDER BY rowid").fetchall()
    db.close()
    if rows != MATERIALS:
        print(f"{path}: the MATERIAL table differs from {__file__}; write it again with this program")
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        sys.exit(check(sys.argv[2]))
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    write(sys.argv[1])
