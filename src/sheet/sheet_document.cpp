#include "sheet_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

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

QTextTable* insertTable(QTextCursor& cursor, const SheetTable& t, double points) {
    const int columns = static_cast<int>(t.columns.size());
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(2.5);
    format.setHeaderRowCount(1);  // repeated on every page the table runs over
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (int w : t.widths)
        widths.append(QTextLength(QTextLength::PercentageLength, w));
    format.setColumnWidthConstraints(widths);
    format.setBottomMargin(4);

    QTextTable* table = cursor.insertTable(static_cast<int>(t.rows.size()) + 1, columns, format);
    const QTextCharFormat head = charFormat(face(points, true));  // column titles and group titles
    const QTextCharFormat body = charFormat(face(points));
    const QTextCharFormat note = charFormat(face(points - 1));
    for (int c = 0; c < columns; ++c) {
        QTextTableCell cell = table->cellAt(0, c);
        QTextTableCellFormat f = cell.format().toTableCellFormat();
        f.setBackground(kHeaderGround);
        cell.setFormat(f);
        cell.firstCursorPosition().insertText(q(t.columns[static_cast<std::size_t>(c)]), head);
    }
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        const SheetRow& sheetRow = t.rows[r];
        const std::vector<std::string>& cells = sheetRow.cells;
        if (sheetRow.kind == RowKind::Title || sheetRow.kind == RowKind::Note) {
            table->mergeCells(row, 0, 1, columns);
            table->cellAt(row, 0).firstCursorPosition().insertText(
                q(cells.empty() ? std::string() : cells[0]), sheetRow.kind == RowKind::Title ? head : note);
            continue;
        }
        for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
            table->cellAt(row, c).firstCursorPosition().insertText(q(cells[static_cast<std::size_t>(c)]),
                                                                   sheetRow.kind == RowKind::Chosen ? head : body);
        }
    }
    cursor.movePosition(QTextCursor::End);
    return table;
}

void insertHeading(QTextCursor& cursor, const std::string& title) {
    QTextBlockFormat block;
    block.setTopMargin(10);
    block.setBottomMargin(4);
    block.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    cursor.insertBlock(block, charFormat(face(12, true)));
    cursor.insertText(q(title));
}

void insertParagraph(QTextCursor& cursor, const std::string& text) {
    QTextBlockFormat block;
    block.setBottomMargin(3);
    cursor.insertBlock(block, charFormat(face(10)));
    cursor.insertText(q(text));  // a line break in the text starts a new paragraph
}

// The title and the header fields, so that a document without page headers (ODT) still names them.
void insertTitle(QTextCursor& cursor, const Sheet& sheet) {
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setBottomMargin(8);
    cursor.setBlockFormat(centred);
    cursor.insertText(q(sheet.title), charFormat(face(18, true)));
    cursor.insertBlock(QTextBlockFormat(), charFormat(face(10)));
    SheetTable fields{{"工程名称", "设备名称", "设备位号"}, {40, 35, 25}, {}};
    fields.rows.push_back({sheet.header.project, sheet.header.equipment, sheet.header.tag});
    insertTable(cursor, fields, 10);
}

void insertSignOff(QTextCursor& cursor, const Sheet& sheet) {
    insertHeading(cursor, "签署");
    SheetTable t{{"", "姓名", "签字", "日期"}, {16, 30, 30, 24}, {}};
    for (const SignOffLine& line : sheet.signOff)
        t.rows.push_back({line.role, line.signature.name, "", line.signature.date});
    cursor.insertBlock();
    QTextTable* table = insertTable(cursor, t, 10);
    for (int r = 1; r < table->rows(); ++r) {  // room to sign by hand
        for (int c = 0; c < table->columns(); ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            QTextTableCellFormat f = cell.format().toTableCellFormat();
            f.setTopPadding(10);
            f.setBottomPadding(10);
            cell.setFormat(f);
        }
    }
}

}  // namespace

std::unique_ptr<QTextDocument> sheetDocument(const Sheet& sheet) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(face(10));
    doc->setDocumentMargin(0);
    doc->setMetaInformation(QTextDocument::DocumentTitle, q(sheet.title));
    QTextCursor cursor(doc.get());
    insertTitle(cursor, sheet);
    for (const SheetSection& section : sheet.sections) {
        insertHeading(cursor, section.title);
        for (const SheetBlock& block : section.blocks) {
            if (const auto* text = std::get_if<std::string>(&block)) {
                insertParagraph(cursor, *text);
            } else {
                cursor.insertBlock();
                insertTable(cursor, std::get<SheetTable>(block), 8.5);
            }
        }
    }
    insertSignOff(cursor, sheet);
    return doc;
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

    const std::unique_ptr<QTextDocument> doc = sheetDocument(sheet);
    doc->documentLayout()->setPaintDevice(&device);
    doc->setPageSize(QSizeF(width, body));
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
