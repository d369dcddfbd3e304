"""Reads a comma-delimited export file with Python's csv module and prints its rows as JSON."""
import csv
import json
import sys

with open(sys.argv[1], newline="", encoding="utf-8") as export:
    json.dump([row for row in csv.reader(export)], sys.stdout)
