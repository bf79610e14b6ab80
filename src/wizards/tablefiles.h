#pragma once

#include "common/delimitedlines.h"

class Prompts;

// Table definition files: one line per grid row of cells in double quotes,
// separated by commas.

// Asks for a file and reads it into `cells`: as many rows as the file has
// lines, widened to its widest line, cells no field reaches keep their
// text. A file that cannot be read raises FileOpenError. A file that is
// empty or no text leaves the grid as it was, with a message; one larger
// than the wizard holds is read as far as it fits, with a warning.
// Whether anything was read.
bool ImportTableFile(Prompts& prompts, GridCells& cells);

// Asks for a file name and writes the grid to it. A file that cannot be
// written raises FileCreateError. Whether a file was written.
bool ExportTableFile(Prompts& prompts, const GridCells& cells);
