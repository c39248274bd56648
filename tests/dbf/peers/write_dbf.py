"""Writes a dBASE III table with the dbf package (which writes field names in upper case)."""
import datetime
import sys

import dbf

table = dbf.Table(sys.argv[1], "name C(20); score N(6,2); count N(3,0); born D; active L",
                  dbf_type="db3", codepage="cp437")
table.open(dbf.READ_WRITE)
table.append(("Zoë Müller", 198.5, 7, datetime.date(2006, 10, 14), True))
table.append(("Señor", 0, -3, None, False))
table.append(("Gone", 1.25, 1, datetime.date(1999, 12, 31), True))
dbf.delete(table[2])
table.close()
