#include "print/ReportDefinition.h"

ReportVariable ReportVariable::count(const QString& name, Scope scope, const QString& group)
{
    return {name, Calculation::Count, {}, scope, group};
}

ReportVariable ReportVariable::sum(const QString& name, const QString& field, Scope scope,
                                   const QString& group)
{
    return {name, Calculation::Sum, field, scope, group};
}
