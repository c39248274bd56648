#include "setup/ClassRecord.h"

#include "dbf/Table.h"

namespace
{

QString text(const dbf::Table& table, const char* field)
{
    return QString::fromStdString(table.text(field));
}

} // namespace

ClassRecord ClassRecord::fromBuffer(const dbf::Table& classes)
{
    ClassRecord r;
    r.section = text(classes, "section");
    r.classname = text(classes, "classname");
    r.srtkey = text(classes, "srtkey");
    r.catgroup = text(classes, "catgroup");
    r.db_key = text(classes, "db_key");
    r.selkey = text(classes, "selkey");
    r.fee_type = text(classes, "fee_type");
    r.maxscore = classes.number("maxscore");
    r.can_nq = classes.logical("can_nq");
    r.q_score = classes.number("q_score");
    return r;
}

void ClassRecord::toBuffer(dbf::Table& classes) const
{
    classes.setText("section", section.toStdString());
    classes.setText("classname", classname.toStdString());
    classes.setText("srtkey", srtkey.toStdString());
    classes.setText("catgroup", catgroup.toStdString());
    classes.setText("db_key", db_key.toStdString());
    classes.setText("selkey", selkey.toStdString());
    classes.setText("fee_type", fee_type.toStdString());
    classes.setNumber("maxscore", maxscore);
    classes.setLogical("can_nq", can_nq);
    classes.setNumber("q_score", q_score);
}

void ClassRecord::upperCaseCodes()
{
    catgroup = catgroup.toUpper();
    db_key = db_key.toUpper();
    selkey = selkey.toUpper();
    fee_type = fee_type.toUpper();
}
