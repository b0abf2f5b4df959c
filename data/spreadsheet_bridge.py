#!/usr/bin/python3
"""Spreadsheet bridge: evaluates workbooks in LibreOffice Calc for Celvan.

The program starts this script once and talks to it over stdin/stdout, one
request line and one reply line at a time, fields separated by tabs:

  open <path> [readonly]           -> ok <book> <sheet count>
  exchange <book> <write count> {<sheet> <cell> <n>} {<sheet> <cell>}
                                   -> ok {<kind> <value>}
  save <book>                      -> ok
  close <book>                     -> ok
  quit                             -> ok, then the script ends

An exchange is one step of a table: it writes the numbers into their cells
in order, then reads the cells that follow and gives each read's kind and
value: "empty -", "number <n>", "text <t>", or a failure kind with its
message (the formula in the cell fails, no such cell), so that one bad cell
does not hide the values read before it. A write that fails fails the whole
request. The workbook recomputes what depends on the written cells before
the reads. A workbook opened "readonly" takes writes and recomputes in
memory but is never written back, and neither writes nor heeds a lock file
beside its file (one left by a spreadsheet program that was killed would
otherwise stop the opening).

A failure replies "error <kind> <message>", kind being one of notfound,
unreadable, sheet, cell, value, closed, failed. Sheets count from 1, cells
are in A1 form, numbers are written with a decimal point, texts escape the
backslash, tab, line feed and carriage return. Before the first request
the script starts a headless LibreOffice of its own (a private profile, so
that several programs can run side by side) and says "ready"; on "quit" or
at the end of its input it closes the documents and ends that LibreOffice.

Every call into LibreOffice is a round trip over its pipe, and looking a
cell up by its address is by far the dearest of them; the cells are looked
up once per workbook and kept.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException

START_TIMEOUT_SECONDS = 120
START_ATTEMPTS = 3


class BridgeError(Exception):
    def __init__(self, kind, message):
        super().__init__(message)
        self.kind = kind


def escape(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def property_value(name, value):
    prop = PropertyValue()
    prop.Name = name
    prop.Value = value
    return prop


class Office:
    """A headless LibreOffice with its own profile, reached over a named pipe."""

    def __init__(self):
        # A LibreOffice that ends before it answers (it does so, rarely, on a
        # busy machine) is started again, with a fresh profile and pipe.
        for attempt in range(START_ATTEMPTS):
            try:
                self.start(attempt)
                return
            except NoConnectException:
                ended = self.process.poll() is not None
                self.shut_down()
                if not ended or attempt + 1 == START_ATTEMPTS:
                    raise

    def start(self, attempt):
        self.desktop = None
        self.profile = tempfile.mkdtemp(prefix="celvan-calc-")
        pipe = "celvan-calc-%d-%d" % (os.getpid(), attempt)
        soffice = shutil.which("soffice") or "/usr/lib/libreoffice/program/soffice"
        # No lock files beside the workbooks: a helper that was killed would
        # otherwise leave them behind and the next opening would be read-only.
        environment = dict(os.environ, SAL_ENABLE_FILE_LOCKING="0")
        self.process = subprocess.Popen(
            [soffice, "--headless", "--invisible", "--nologo", "--norestore",
             "--nodefault", "--nolockcheck",
             "-env:UserInstallation=" + uno.systemPathToFileUrl(self.profile),
             "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % pipe],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True, env=environment)
        self.desktop = self.connect(pipe)

    def connect(self, pipe):
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        url = "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe
        deadline = time.monotonic() + START_TIMEOUT_SECONDS
        while True:
            try:
                context = resolver.resolve(url)
                return context.ServiceManager.createInstanceWithContext(
                    "com.sun.star.frame.Desktop", context)
            except NoConnectException:
                if self.process.poll() is not None or time.monotonic() > deadline:
                    raise
                time.sleep(0.2)

    def shut_down(self):
        try:
            if self.desktop is not None:
                self.desktop.terminate()
        except Exception:
            pass
        try:
            self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            pass
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except OSError:
            pass
        shutil.rmtree(self.profile, ignore_errors=True)


class Book:
    """An open workbook with the worksheets and cells looked up so far."""

    def __init__(self, doc):
        self.doc = doc
        self.sheets = {}
        self.cells = {}

    def sheet(self, field):
        index = int(field)
        sheet = self.sheets.get(index)
        if sheet is None:
            sheets = self.doc.Sheets
            if not 1 <= index <= sheets.Count:
                raise BridgeError("sheet", "no worksheet %d" % index)
            sheet = self.sheets[index] = sheets.getByIndex(index - 1)
        return sheet

    def cell(self, sheet_field, address):
        key = (sheet_field, address)
        cell = self.cells.get(key)
        if cell is None:
            sheet = self.sheet(sheet_field)
            try:
                cell = sheet.getCellRangeByName(address)
            except Exception:
                raise BridgeError("cell", "no cell " + address)
            if not cell.supportsService("com.sun.star.table.Cell"):
                raise BridgeError("cell", "not one cell: " + address)
            self.cells[key] = cell
        return cell

    def read(self, sheet_field, address):
        """The kind and value of a cell as reply fields."""
        # One call gives a number as a float, a text as a str, a failing
        # formula as None; an empty cell and an empty text both give "".
        value = self.cell(sheet_field, address).getDataArray()[0][0]
        if value is None:
            raise BridgeError("value", "the formula in %s fails" % address)
        if isinstance(value, float):
            return "number", repr(value)
        if value == "" and self.cell(sheet_field, address).Type.value == "EMPTY":
            return "empty", "-"
        return "text", escape(value)


class Bridge:
    def __init__(self, office):
        self.office = office
        self.books = {}
        self.next_book = 1

    def book(self, field):
        book = self.books.get(int(field))
        if book is None:
            raise BridgeError("closed", "the workbook is not open")
        return book

    def open(self, path, read_only):
        if not os.path.isfile(path):
            raise BridgeError("notfound", "no file " + path)
        properties = [property_value("Hidden", True)]
        if read_only:
            properties.append(property_value("ReadOnly", True))
        try:
            doc = self.office.desktop.loadComponentFromURL(
                uno.systemPathToFileUrl(os.path.abspath(path)), "_blank", 0,
                tuple(properties))
        except Exception as error:
            raise BridgeError("unreadable", "cannot open %s: %s" % (path, error))
        if doc is None or not hasattr(doc, "Sheets"):
            if doc is not None:
                doc.close(True)
            raise BridgeError("unreadable", "not a workbook: " + path)
        doc.enableAutomaticCalculation(True)
        doc.calculateAll()
        book = self.next_book
        self.next_book += 1
        self.books[book] = Book(doc)
        return "ok\t%d\t%d" % (book, doc.Sheets.Count)

    def exchange(self, fields):
        book = self.book(fields[0])
        writes = int(fields[1])
        write_fields = fields[2:2 + 3 * writes]
        read_fields = fields[2 + 3 * writes:]
        if writes < 0 or len(write_fields) != 3 * writes or len(read_fields) % 2:
            raise BridgeError("failed", "a malformed exchange")
        for i in range(0, len(write_fields), 3):
            sheet, address, number = write_fields[i:i + 3]
            book.cell(sheet, address).setValue(float(number))
        answer = ["ok"]
        for i in range(0, len(read_fields), 2):
            try:
                answer.extend(book.read(*read_fields[i:i + 2]))
            except BridgeError as error:
                answer.extend((error.kind, escape(str(error))))
        return "\t".join(answer)

    def save(self, fields):
        self.book(fields[0]).doc.store()
        return "ok"

    def close(self, fields):
        book = self.book(fields[0])
        del self.books[int(fields[0])]
        book.doc.close(True)
        return "ok"

    def close_all(self):
        for book in self.books.values():
            try:
                book.doc.close(True)
            except Exception:
                pass
        self.books.clear()

    def answer(self, fields):
        command, args = fields[0], fields[1:]
        if command == "open" and len(args) == 1:
            return self.open(args[0], False)
        if command == "open" and len(args) == 2 and args[1] == "readonly":
            return self.open(args[0], True)
        if command == "exchange" and len(args) >= 2:
            return self.exchange(args)
        if command == "save" and len(args) == 1:
            return self.save(args)
        if command == "close" and len(args) == 1:
            return self.close(args)
        raise BridgeError("failed", "unknown request " + command)


def reply(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def main():
    sys.stdin.reconfigure(encoding="utf-8")
    sys.stdout.reconfigure(encoding="utf-8")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        office = Office()
    except Exception as error:
        reply("error\tfailed\tLibreOffice does not start: " + escape(str(error)))
        return 1
    bridge = Bridge(office)
    try:
        reply("ready")
        for line in sys.stdin:
            fields = line.rstrip("\n").split("\t")
            if fields[0] == "quit":
                break
            try:
                reply(bridge.answer(fields))
            except BridgeError as error:
                reply("error\t%s\t%s" % (error.kind, escape(str(error))))
            except Exception as error:
                reply("error\tfailed\t" + escape(str(error)))
    finally:
        bridge.close_all()
        office.shut_down()
    reply("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
