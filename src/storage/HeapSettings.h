#pragma once

// Keeps the large buffers of tables, tags and print jobs in the process once
// they are freed, instead of handing them back to the system and having them
// zero-filled and faulted in again at the next page or table: a print job that
// lays out a page at a time frees and takes the same large blocks over and
// over. Called once at the start of each program.
void keepLargeBuffers();
