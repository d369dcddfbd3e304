"""Reads comma-delimited export files with Python's csv module and prints, as JSON, a list
holding the rows of each file in turn."""
import csv
import json
import sys


def rows_of(path):
    with open(path, newline="", encoding="utf-8") as export:
        return [row for row in csv.reader(export)]


json.dump([rows_of(path) for path in sys.argv[1:]], sys.stdout)
