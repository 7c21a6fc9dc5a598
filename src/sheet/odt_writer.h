#pragma once
// The calculation sheet as an OpenDocument text (.odt), written here rather than by Qt so that a
// word processor prints it like the PDF (as LibreOffice 7.4 does): A4 with 1.5 cm margins, a page
// header on every page (program, title, 第 x 页 / 共 y 页 as page fields, project, equipment, tag),
// the PDF's font sizes with Latin and Chinese text at the same size (DejaVu Sans, WenQuanYi Micro
// Hei), named paragraph styles, every table 18 cm wide with the columns the sheet gives, its column
// titles repeated on each page it runs over, no row broken across pages, group titles and notes
// spanning the table, chosen rows bold, a section heading kept with what follows it and the sign-off
// table on one page. ODF has no way to keep a table row with the next one: a note row kept with the
// row above it is the PDF's alone.
//
// Plain C++: the package is a ZIP of stored (uncompressed) entries, `mimetype` first; every text of
// the sheet is written as characters, never read as markup.

#include <string>

#include "sheet.h"

namespace orvane::sheet {

// The bytes of the .odt file.
std::string odtFile(const Sheet& sheet);

}  // namespace orvane::sheet
