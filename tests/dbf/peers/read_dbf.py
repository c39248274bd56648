"""Prints a DBF file as JSON, read by the dbf package: fields and records in record order."""
import json
import sys

import dbf

table = dbf.Table(sys.argv[1], codepage="cp437")
table.open(dbf.READ_ONLY)
fields = []
for name in table.field_names:
    info = table.field_info(name)
    fields.append([name, chr(info.field_type), info.length, info.decimal])
records = []
for record in table:
    values = {}
    for name in table.field_names:
        v = record[name]
        if isinstance(v, str):
            v = v.rstrip()
        elif hasattr(v, "isoformat"):
            v = v.isoformat() if v else None
        elif v is not None and not isinstance(v, (int, float, bool)):
            v = bool(v) if str(type(v)).find("Logical") >= 0 else str(v)
        values[name] = v
    records.append({"deleted": dbf.is_deleted(record), "values": values})
table.close()
print(json.dumps({"fields": fields, "records": records}, ensure_ascii=False))
