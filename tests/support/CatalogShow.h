#pragma once

class Tdmod;

// The sample show (two trials, both sections, a few hundred catalog rows
// over many pages) made ready for its catalog: armband numbers in Last Name
// order, a judge for every class offered in each trial, and the club and
// secretary info the catalog windows ask for. The show is left open.
void makeCatalogShow(Tdmod& data, int entries = 60);
