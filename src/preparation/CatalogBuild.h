#pragma once

class Tdmod;

// Fills the open show's catalog work table afresh: one row for each entry not
// marked deleted and each class it is entered in, in any trial of the show,
// with the entry's details, its dog's from the dog master and the class's from
// the class table. The entries are walked in the entry table's current order,
// which breaks ties in every catalog order. Returns the number of rows.
int BuildCatalogTable(Tdmod& data);
