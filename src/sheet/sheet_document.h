#pragma once
// The calculation sheet as a Qt text document, and its pages painted on paper with the page header.
//
// The document is built with QTextCursor and QTextTable and insertText only: no text of the sheet
// is ever read as HTML or Markdown, so whatever a header field holds prints as typed.
//
// Latin letters and digits are set in DejaVu Sans, Chinese in WenQuanYi Micro Hei (Qt takes the
// second face for what the first lacks). Qt 6.4's PDF writer tells each glyph's character by looking
// the glyph up in the font's character map, the lowest character first: Noto CJK gives a
// Kangxi radical (U+2F2F) and the ideograph 工 (U+5DE5) one glyph, and shapes its digits into
// glyphs of no character at all, so a PDF set in it copies and searches as "⼯程名称" without its
// numbers. These two faces map one character to each glyph they are used for here.

#include <QPageLayout>
#include <QString>
#include <memory>

#include "sheet.h"

class QPagedPaintDevice;
class QPaintDevice;
class QSizeF;
class QTextDocument;

namespace orvane::sheet {

// The sheet's document: title, header fields, the sections, the sign-off lines.
std::unique_ptr<QTextDocument> sheetDocument(const Sheet& sheet);

// The same, laid out on `device` in pages of `pageSize` (its pixels), with page breaks of its own so
// that no table row is split over two pages: a row that does not fit moves whole to the next page,
// under the table's column titles, a note row with the row above it, a group title with the row
// below it, the sign-off table whole, and a section heading with the first line or row below it.
// Only a row taller than a page is split (by Qt, under the repeated column titles).
std::unique_ptr<QTextDocument> sheetPages(const Sheet& sheet, QPaintDevice* device, const QSizeF& pageSize);

// A4 portrait with the sheet's margins.
QPageLayout sheetPageLayout();

// Paints the sheet on a printer or PDF writer, page by page in its page layout, each page under a
// header with the program, the title, project, equipment, tag and "第 x 页 / 共 y 页". Returns
// the number of pages, 0 when the device cannot be painted on.
int paintSheet(const Sheet& sheet, QPagedPaintDevice& device);

}  // namespace orvane::sheet
