#include "sheet_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <set>

namespace orvane::sheet {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr double kMarginMm = 15;
constexpr double kHeaderMm = 14;  // page header band above the body, rule included

QFont face(double points, bool bold = false) {
    QFont f;
    f.setFamilies({"DejaVu Sans", "WenQuanYi Micro Hei"});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QTextCharFormat charFormat(const QFont& font) {
    QTextCharFormat f;
    f.setFont(font);
    f.setForeground(Qt::black);
    return f;
}

const QColor kHeaderGround(232, 232, 232);

// Where the sheet turns to a new page of its own accord: before the heading of a section (block -1),
// before a table that is not the first of its section (row 0), or before a row of a table, the
// column titles repeated above it. Sections count in order, the sign-off last.
struct PageBreak {
    int section = 0;
    int block = -1;
    int row = 0;
    auto operator<=>(const PageBreak&) const = default;
};
using PageBreaks = std::set<PageBreak>;

// The page breaks asked for, and those of them the page has already turned at by itself: where what
// comes before ends at the foot of a page (a table's border and margin under its last row may reach
// past it), Qt counts the next page as the current one and a break there would leave a page blank.
// Those are not asked of Qt; a table is still broken there.
struct Pagination {
    PageBreaks breaks;
    PageBreaks turned;
    bool newPage(const PageBreak& b) const { return breaks.contains(b) && !turned.contains(b); }
};

// Where a table of the sheet went in the document: the table of each of its rows (one per page it
// was broken over) and the row there.
struct PlacedTable {
    int block = 0;
    std::vector<RowKind> kinds = {};
    bool whole = false;  // on one page, or moved whole to the next (the sign-off)
    QTextTable* first = nullptr;
    std::vector<std::pair<QTextTable*, int>> rows = {};
};

struct PlacedSection {
    int heading = 0;          // position of its heading
    int firstParagraph = -1;  // position of its first block when that is a paragraph
    std::vector<PlacedTable> tables = {};
};

struct TableStyle {
    double points = 8.5;
    double rowPadding = -1;  // top and bottom padding of the rows below the column titles; -1: the cells'
};

// The text of a cell in the format; an empty cell too, so that its empty line is as high as a line
// of the row's text (not of the document's default font). The block's character format is also the
// cell's format (span, padding, background): the font is merged into it, never set over it.
void setCell(const QTextTableCell& cell, const std::string& text, const QTextCharFormat& format) {
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.mergeBlockCharFormat(format);
    cursor.insertText(q(text), format);
}

QTextTable* newTable(QTextCursor& cursor, const SheetTable& t, int rows, const TableStyle& style,
                     bool newPage) {
    const int columns = static_cast<int>(t.columns.size());
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(2.5);
    format.setHeaderRowCount(1);  // repeated over a row taller than a page, the one row split
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (int w : t.widths)
        widths.append(QTextLength(QTextLength::PercentageLength, w));
    format.setColumnWidthConstraints(widths);
    format.setBottomMargin(4);
    if (newPage) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);

    QTextTable* table = cursor.insertTable(rows + 1, columns, format);
    const QTextCharFormat head = charFormat(face(style.points, true));
    for (int c = 0; c < columns; ++c) {
        QTextTableCell cell = table->cellAt(0, c);
        QTextTableCellFormat f = cell.format().toTableCellFormat();
        f.setBackground(kHeaderGround);
        cell.setFormat(f);
        setCell(cell, t.columns[static_cast<std::size_t>(c)], head);
    }
    return table;
}

void fillRow(QTextTable* table, int row, const SheetRow& sheetRow, const TableStyle& style) {
    const int columns = table->columns();
    const QTextCharFormat head = charFormat(face(style.points, true));  // group titles, the chosen row
    const QTextCharFormat body = charFormat(face(style.points));
    const QTextCharFormat note = charFormat(face(style.points - 1));
    const std::vector<std::string>& cells = sheetRow.cells;
    if (style.rowPadding >= 0) {
        for (int c = 0; c < columns; ++c) {
            QTextTableCell cell = table->cellAt(row, c);
            QTextTableCellFormat f = cell.format().toTableCellFormat();
            f.setTopPadding(style.rowPadding);
            f.setBottomPadding(style.rowPadding);
            cell.setFormat(f);
        }
    }
    if (sheetRow.kind == RowKind::Title || sheetRow.kind == RowKind::Note) {
        table->mergeCells(row, 0, 1, columns);
        setCell(table->cellAt(row, 0), cells.empty() ? std::string() : cells[0],
                sheetRow.kind == RowKind::Title ? head : note);
        return;
    }
    for (int c = 0; c < columns; ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        setCell(table->cellAt(row, c), i < cells.size() ? cells[i] : std::string(),
                sheetRow.kind == RowKind::Chosen ? head : body);
    }
}

// The empty block a table stands after, in the format of the block before it without its page
// break: a heading's page break is the heading's, and Qt hides (gives no height to) an empty block
// before a table only when its format names no page break policy at all.
void insertBlockBeforeTable(QTextCursor& cursor) {
    QTextBlockFormat format = cursor.blockFormat();
    format.clearProperty(QTextFormat::PageBreakPolicy);
    cursor.insertBlock(format);
}

// The table, broken before the rows `breaks` names into one table per page, each under the column
// titles; `newPage` says which of its parts start on a new page (row 0: the table).
void insertTable(QTextCursor& cursor, const SheetTable& t, const TableStyle& style,
                 PlacedTable* placed = nullptr, const std::set<int>& breaks = {},
                 const std::function<bool(int)>& newPage = {}) {
    const int rows = static_cast<int>(t.rows.size());
    int start = 0;
    do {
        const auto next = breaks.upper_bound(start);
        const int end = next == breaks.end() || *next >= rows ? rows : *next;
        if (start > 0) {
            cursor.movePosition(QTextCursor::End);
            insertBlockBeforeTable(cursor);
        }
        QTextTable* table = newTable(cursor, t, end - start, style, newPage && newPage(start));
        for (int r = start; r < end; ++r)
            fillRow(table, r - start + 1, t.rows[static_cast<std::size_t>(r)], style);
        if (placed != nullptr) {
            if (start == 0) placed->first = table;
            for (int r = start; r < end; ++r)
                placed->rows.emplace_back(table, r - start + 1);
        }
        start = end;
    } while (start < rows);
    cursor.movePosition(QTextCursor::End);
}

int insertHeading(QTextCursor& cursor, const std::string& title, bool newPage) {
    QTextBlockFormat block;
    block.setTopMargin(10);
    block.setBottomMargin(4);
    if (newPage) block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(block, charFormat(face(12, true)));
    cursor.insertText(q(title));
    return cursor.block().position();
}

int insertParagraph(QTextCursor& cursor, const std::string& text) {
    QTextBlockFormat block;
    block.setBottomMargin(3);
    cursor.insertBlock(block, charFormat(face(10)));
    const int position = cursor.block().position();
    cursor.insertText(q(text));  // a line break in the text starts a new paragraph
    return position;
}

// The title and the header fields, at the top of the first page.
void insertTitle(QTextCursor& cursor, const Sheet& sheet) {
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setBottomMargin(8);
    cursor.setBlockFormat(centred);
    cursor.insertText(q(sheet.title), charFormat(face(18, true)));
    cursor.insertBlock(QTextBlockFormat(), charFormat(face(10)));
    SheetTable fields{{"工程名称", "设备名称", "设备位号"}, {40, 35, 25}, {}};
    fields.rows.push_back({sheet.header.project, sheet.header.equipment, sheet.header.tag});
    insertTable(cursor, fields, {.points = 10});
}

SheetTable signOffTable(const Sheet& sheet) {
    SheetTable t{{"", "姓名", "签字", "日期"}, {16, 30, 30, 24}, {}};
    for (const SignOffLine& line : sheet.signOff)
        t.rows.push_back({line.role, line.signature.name, "", line.signature.date});
    return t;
}

// The document with the page breaks `pages` asks for; `placed` (if given) learns where the
// sections and their tables went.
std::unique_ptr<QTextDocument> buildDocument(const Sheet& sheet, const Pagination& pages,
                                             std::vector<PlacedSection>* placed) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(face(10));
    doc->setDocumentMargin(0);
    doc->setMetaInformation(QTextDocument::DocumentTitle, q(sheet.title));
    QTextCursor cursor(doc.get());
    insertTitle(cursor, sheet);
    const auto rowBreaks = [&pages](int section, int block) {
        std::set<int> rows;
        for (const PageBreak& b : pages.breaks) {
            if (b.section == section && b.block == block) rows.insert(b.row);
        }
        return rows;
    };
    const auto section = [&](int s, const std::string& title, const std::vector<SheetBlock>& blocks,
                             const TableStyle& style, bool whole) {
        PlacedSection here;
        here.heading = insertHeading(cursor, title, pages.newPage({s, -1, 0}));
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const int block = static_cast<int>(b);
            if (const auto* text = std::get_if<std::string>(&blocks[b])) {
                const int position = insertParagraph(cursor, *text);
                if (b == 0) here.firstParagraph = position;
                continue;
            }
            const SheetTable& t = std::get<SheetTable>(blocks[b]);
            PlacedTable table{.block = block, .whole = whole};
            for (const SheetRow& row : t.rows)
                table.kinds.push_back(row.kind);
            insertBlockBeforeTable(cursor);
            insertTable(cursor, t, style, &table, rowBreaks(s, block), [&pages, s, block](int row) {
                return pages.newPage({s, block, row});
            });
            here.tables.push_back(std::move(table));
        }
        if (placed != nullptr) placed->push_back(std::move(here));
    };
    for (std::size_t s = 0; s < sheet.sections.size(); ++s)
        section(static_cast<int>(s), sheet.sections[s].title, sheet.sections[s].blocks, {}, false);
    section(static_cast<int>(sheet.sections.size()), "签署", {signOffTable(sheet)},
            {.points = 10, .rowPadding = 10}, true);  // room to sign by hand
    return doc;
}

// The pages the lines of a stretch of blocks lie on.
struct Pages {
    int first = std::numeric_limits<int>::max();
    int last = std::numeric_limits<int>::min();
};

void addPages(Pages& pages, const QTextDocument& doc, int from, int to, double pageHeight) {
    const QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock b = doc.findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
        const QTextLayout* lines = b.layout();
        // The top of the block's rectangle is where its layout stands in the document (the top of
        // the rectangle of its lines when its first line was moved down to the next page); its lines
        // are placed from there.
        const double top = layout->blockBoundingRect(b).top();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const int page = static_cast<int>(std::floor((top + line.y() + line.height() / 2) / pageHeight));
            pages.first = std::min(pages.first, page);
            pages.last = std::max(pages.last, page);
        }
    }
}

Pages rowPages(const QTextDocument& doc, const std::pair<QTextTable*, int>& row, double pageHeight) {
    Pages pages;
    const auto& [table, r] = row;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(r, c);
        if (cell.column() == c) addPages(pages, doc, cell.firstPosition(), cell.lastPosition(), pageHeight);
    }
    return pages;
}

// Where the page that a page break asked for starts: the heading, or the first row after the break
// (the column titles when the table starts there).
int pageAfter(const QTextDocument& doc, const std::vector<PlacedSection>& placed, const PageBreak& b,
              double pageHeight) {
    const PlacedSection& here = placed[static_cast<std::size_t>(b.section)];
    Pages pages;
    if (b.block < 0) {
        addPages(pages, doc, here.heading, here.heading, pageHeight);
        return pages.first;
    }
    for (const PlacedTable& t : here.tables) {
        if (t.block != b.block) continue;
        const auto row = b.row == 0 ? std::pair{t.first, 0} : t.rows[static_cast<std::size_t>(b.row)];
        return rowPages(doc, row, pageHeight).first;
    }
    return pages.first;
}

// A page with no text on it, or -1.
int blankPage(const QTextDocument& doc, double pageHeight) {
    std::set<int> used;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.length() <= 1) continue;  // an empty block: Qt may set it over a page foot it does not use
        Pages pages;
        addPages(pages, doc, b.position(), b.position(), pageHeight);
        used.insert(pages.first);
        used.insert(pages.last);
    }
    for (int page = 0; !used.empty() && page < *used.rbegin(); ++page) {
        if (!used.contains(page)) return page;
    }
    return -1;
}

// What to mend next in a laid-out document: a page break to ask for, or one the page turned at by
// itself (it left a page blank).
struct Mend {
    PageBreak at;
    bool turned = false;
};

// The first place where the laid-out document splits a row over two pages, lets a table run on to
// the next page by itself, leaves a note row without the row above it or a heading without what
// follows it, or a page blank; what mends it, or nothing when there is none or every one left is
// already mended as far as it can be (a row, or a row with its note, taller than a page stays
// split, under the repeated column titles).
std::optional<Mend> nextMend(const QTextDocument& doc, const std::vector<PlacedSection>& placed,
                             const Pagination& pagination, double pageHeight) {
    if (const int blank = blankPage(doc, pageHeight); blank >= 0) {
        for (const PageBreak& b : pagination.breaks) {
            if (pagination.newPage(b) && pageAfter(doc, placed, b, pageHeight) == blank + 1)
                return Mend{b, true};
        }
    }
    const PageBreaks& breaks = pagination.breaks;
    const auto mend = [&breaks](const PageBreak& b) -> std::optional<Mend> {
        if (breaks.contains(b)) return std::nullopt;
        return Mend{b};
    };
    for (std::size_t s = 0; s < placed.size(); ++s) {
        const int section = static_cast<int>(s);
        const PlacedSection& here = placed[s];
        Pages heading;
        addPages(heading, doc, here.heading, here.heading, pageHeight);
        Pages start;
        if (here.firstParagraph >= 0) {
            addPages(start, doc, here.firstParagraph, here.firstParagraph, pageHeight);
        } else if (!here.tables.empty() && here.tables[0].block == 0) {
            const PlacedTable& t = here.tables[0];
            start = rowPages(doc, t.rows.empty() ? std::pair{t.first, 0} : t.rows[0], pageHeight);
        }
        if (start.first != std::numeric_limits<int>::max() && start.first != heading.last) {
            if (auto m = mend({section, -1, 0})) return m;
        }
        for (const PlacedTable& t : here.tables) {
            int above = rowPages(doc, {t.first, 0}, pageHeight).last;
            for (std::size_t r = 0; r < t.rows.size(); ++r) {
                const int row = static_cast<int>(r);
                const Pages pages = rowPages(doc, t.rows[r], pageHeight);
                const bool ranOn = pages.first > above && !breaks.contains({section, t.block, row});
                above = pages.last;
                if (pages.first == pages.last && !ranOn) continue;
                int k = t.whole ? 0 : row;
                while (k > 0 && (t.kinds[static_cast<std::size_t>(k)] == RowKind::Note ||
                                 t.kinds[static_cast<std::size_t>(k) - 1] == RowKind::Title))
                    --k;
                const PageBreak b =
                    k > 0 || t.block > 0 ? PageBreak{section, t.block, k} : PageBreak{section, -1, 0};
                if (auto m = mend(b)) return m;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::unique_ptr<QTextDocument> sheetDocument(const Sheet& sheet) {
    return buildDocument(sheet, {}, nullptr);
}

std::unique_ptr<QTextDocument> sheetPages(const Sheet& sheet, QPaintDevice* device, const QSizeF& pageSize) {
    Pagination pagination;
    for (;;) {  // each round adds a page break, or marks one turned at, not added or marked before: it ends
        std::vector<PlacedSection> placed;
        std::unique_ptr<QTextDocument> doc = buildDocument(sheet, pagination, &placed);
        doc->documentLayout()->setPaintDevice(device);
        doc->setPageSize(pageSize);
        doc->pageCount();  // lays it out
        const std::optional<Mend> next = nextMend(*doc, placed, pagination, pageSize.height());
        if (!next) return doc;
        (next->turned ? pagination.turned : pagination.breaks).insert(next->at);
    }
}

QPageLayout sheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

namespace {

void paintHeader(QPainter& p, const Sheet& sheet, const QRectF& band, int page, int pages,
                 QPaintDevice* device) {
    const double third = band.width() / 3;
    const double line = band.height() * 0.42;
    const auto text = [&](const QFont& font, const QRectF& r, int align, const QString& s) {
        p.setFont(font);
        const QFontMetricsF m(font, device);
        p.drawText(r, align | Qt::AlignVCenter,
                   m.elidedText(s, Qt::ElideRight, r.width() - m.averageCharWidth()));
    };
    p.setPen(Qt::black);
    const QFont small = face(8);
    text(small, QRectF(band.left(), band.top(), third, line), Qt::AlignLeft, q(sheet.program));
    text(face(10, true), QRectF(band.left() + third, band.top(), third, line), Qt::AlignHCenter,
         q(sheet.title));
    text(small, QRectF(band.left() + 2 * third, band.top(), third, line), Qt::AlignRight,
         QString("第 %1 页 / 共 %2 页").arg(page).arg(pages));
    const QRectF second(band.left(), band.top() + line, band.width(), line);
    text(small, QRectF(second.left(), second.top(), third, line), Qt::AlignLeft,
         "工程名称：" + q(sheet.header.project));
    text(small, QRectF(second.left() + third, second.top(), third, line), Qt::AlignLeft,
         "设备名称：" + q(sheet.header.equipment));
    text(small, QRectF(second.left() + 2 * third, second.top(), third, line), Qt::AlignLeft,
         "设备位号：" + q(sheet.header.tag));
    QPen rule(Qt::black);
    rule.setWidthF(device->logicalDpiY() / 254.0);  // 0.1 mm
    p.setPen(rule);
    const double y = band.top() + 2 * line + band.height() * 0.06;
    p.drawLine(QPointF(band.left(), y), QPointF(band.right(), y));
}

}  // namespace

int paintSheet(const Sheet& sheet, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const double dpi = device.logicalDpiY();
    const QRect paintRect = device.pageLayout().paintRectPixels(static_cast<int>(dpi));
    const double width = paintRect.width();
    const double header = kHeaderMm / 25.4 * dpi;
    const double body = paintRect.height() - header;

    const std::unique_ptr<QTextDocument> doc = sheetPages(sheet, &device, QSizeF(width, body));
    const int pages = doc->pageCount();

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        paintHeader(painter, sheet, QRectF(0, 0, width, header * 0.9), page + 1, pages, &device);
        painter.save();
        painter.translate(0, header - page * body);
        context.clip = QRectF(0, page * body, width, body);
        painter.setClipRect(context.clip);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return pages;
}

}  // namespace orvane::sheet
