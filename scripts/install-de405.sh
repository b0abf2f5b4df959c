#!/usr/bin/env bash
# Lays the JPL DE405 ephemeris into a folder as the program reads it: the
# twenty-year ASCII files ascp1960.405 .. ascp2040.405, and ascp2060.405 with
# the one block of its range that the package holds.
#
#   bash scripts/install-de405.sh <target folder>     (e.g. build/bin/JPL)
#
# The numbers come from Debian's package casacore-data-jpl-de405, which holds
# DE405 as a casacore table (one row per 32-day record: column MJD = first day
# of the record, column x = values 3..1018 of the record followed by two
# zeros); python3-casacore reads it. The package covers 1959-12-10 to
# 2060-01-30: the five whole files 1960 .. 2040, and the first block of the
# 2060 range (2059-12-29 .. 2060-01-30), which the program reads from
# ascp2060.405 and which is also the last block of ascp2040.405. A file is
# written with the blocks the package holds from the start of its range on;
# days beyond them get the reader's "no such date" message.
#
# Layout of every file (no header), one record after the other:
#   "     1  1018"            record number from 1 in each file, and 1018
#   340 lines of 3 numbers    values 1..1018 of the record (1 = first Julian
#                             Day, 2 = last, 3.. the Chebyshev coefficients),
#                             then two zeros; each number Fortran D26.18
# with LF line ends. A file holds the records of its twenty-year range and,
# as JPL's own files do, repeats the first record of the next range at its end.
# The packages are installed when missing: as root, or through sudo when
# the user is not root.
set -euo pipefail
source "$(dirname "$0")/as-root.sh"

if [ $# -ne 1 ]; then
  echo "usage: $0 <target folder>" >&2
  exit 2
fi
target=$1

packages=(casacore-data-jpl-de405 python3-casacore)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

mkdir -p "$target"

# Debian's own interpreter: the bindings are installed for it, not for any
# other python3 that may come first on the PATH.
/usr/bin/python3 - "$target" <<'PYTHON'
import os
import sys

import casacore.tables as tables

TABLE = "/usr/share/casacore/data/ephemerides/DE405"
MJD_TO_JD = 2400000.5
VALUES_PER_RECORD = 1018
NUMBERS_PER_RECORD = 1020          # the values and two fillers
RECORD_DAYS = 32.0

# First Julian Day of each twenty-year file, 1600 to 2180, and the end of
# the last one (the program picks its file by the same bounds).
FILE_STARTS = [
    2305424.5, 2312752.5, 2320048.5, 2327344.5, 2334640.5, 2341968.5,
    2349264.5, 2356560.5, 2363856.5, 2371184.5, 2378480.5, 2385776.5,
    2393104.5, 2400400.5, 2407696.5, 2414992.5, 2422320.5, 2429616.5,
    2436912.5, 2444208.5, 2451536.5, 2458832.5, 2466128.5, 2473456.5,
    2480752.5, 2488048.5, 2495344.5, 2502672.5, 2509968.5, 2517264.5,
    2524592.5,
]


def fortran_d26_18(value):
    """A number as Fortran's D26.18 writes it: 0.ddd...dD+ee, right-aligned."""
    if value == 0.0:
        return "  0.000000000000000000D+00"
    digits, exponent = f"{abs(value):.17e}".split("e")
    mantissa = digits.replace(".", "")          # 18 correctly rounded digits
    exponent = int(exponent) + 1                # 0.d... rather than d.ddd
    if not -99 <= exponent <= 99:
        raise ValueError(f"exponent out of the D26.18 range: {value!r}")
    sign = "-" if value < 0 else ""
    text = f"{sign}0.{mantissa}D{exponent:+03d}"
    return text.rjust(26)


def record_lines(number, first_jd, coefficients):
    values = [first_jd, first_jd + RECORD_DAYS] + list(coefficients)
    if len(values) != NUMBERS_PER_RECORD:
        raise ValueError(f"record at JD {first_jd}: {len(values)} numbers")
    if any(v != 0.0 for v in values[VALUES_PER_RECORD:]):
        raise ValueError(f"record at JD {first_jd}: fillers are not zero")
    lines = [f"{number:6d}{VALUES_PER_RECORD:6d}"]
    for i in range(0, NUMBERS_PER_RECORD, 3):
        lines.append("".join(fortran_d26_18(v) for v in values[i:i + 3]))
    return lines


def main(target):
    table = tables.table(TABLE, ack=False)
    first_days = [mjd + MJD_TO_JD for mjd in table.getcol("MJD")]
    row_of_day = {day: row for row, day in enumerate(first_days)}
    written = 0
    for k in range(len(FILE_STARTS) - 1):
        start, end = FILE_STARTS[k], FILE_STARTS[k + 1]
        count = int(round((end - start) / RECORD_DAYS)) + 1   # the next file's first record repeated
        days = []
        for i in range(count):                               # the leading blocks the package holds
            day = start + RECORD_DAYS * i
            if day not in row_of_day:
                break
            days.append(day)
        if not days:
            continue                                         # not covered by the package
        year = 1600 + 20 * k
        path = os.path.join(target, f"ascp{year}.405")
        with open(path, "w", newline="\n") as out:
            for number, day in enumerate(days, start=1):
                coefficients = table.getcell("x", row_of_day[day])
                out.write("\n".join(record_lines(number, day, coefficients)) + "\n")
        print(f"{path}: {len(days)} records, JD {days[0]} .. {days[-1] + RECORD_DAYS}")
        written += 1
    if written == 0:
        sys.exit("no twenty-year file is covered by the DE405 table")


main(sys.argv[1])
PYTHON
