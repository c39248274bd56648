"""Prints a DBF file as JSON, read by dbfread: fields and records with deletion flags."""
import json
import sys

from dbfread import DBF


def value(v):
    if v is None:
        return None
    if hasattr(v, "isoformat"):
        return v.isoformat()
    return v


table = DBF(sys.argv[1], encoding="cp437", char_decode_errors="strict")
records = [{"deleted": False, "values": {k: value(v) for k, v in r.items()}} for r in table]
records += [{"deleted": True, "values": {k: value(v) for k, v in r.items()}} for r in table.deleted]
print(json.dumps({
    "fields": [[f.name, f.type, f.length, f.decimal_count] for f in table.fields],
    "records": records,
}, ensure_ascii=False))
