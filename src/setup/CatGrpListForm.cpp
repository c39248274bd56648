#include "setup/CatGrpListForm.h"

TCatGrpListForm::TCatGrpListForm(const dbf::Table& groups, CatGroupListing::Kind kind,
                                 Messages& messages, QWidget* parent)
    : PlainListingWindow(
          messages, QStringLiteral("List of Catalog Grouping Codes"),
          CatGroupListing::listing(CatGroupListing::lines(groups, kind), CatGroupListing::font()),
          QStringLiteral("Close"), parent)
{
}
