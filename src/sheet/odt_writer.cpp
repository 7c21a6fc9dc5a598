#include "odt_writer.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::sheet {

namespace {

// ---- Text as XML -------------------------------------------------------------------------------

// The text as XML may hold it: bytes that are not UTF-8 become U+FFFD, control characters other
// than tab and line feed (which XML 1.0 does not allow) and U+FFFE / U+FFFF are left out.
std::string xmlCharacters(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x80) {
            if (lead >= 0x20 || lead == '\t' || lead == '\n') out += static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        char32_t c = length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
        bool valid = length > 0 && i + length <= s.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            valid = (next & 0xC0u) == 0x80u;
            c = (c << 6) | (next & 0x3Fu);
        }
        valid = valid && !(length == 3 && c < 0x800) && !(length == 4 && (c < 0x10000 || c > 0x10FFFF)) &&
                !(c >= 0xD800 && c <= 0xDFFF);
        if (!valid) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        if (c != 0xFFFE && c != 0xFFFF) out.append(s.substr(i, length));
        i += length;
    }
    return out;
}

// `s` (already XML characters) with the characters markup would read escaped.
void escaped(std::string& out, std::string_view s) {
    for (char c : s) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

// A line of text in a paragraph: spaces as typed (an ODF reader folds a run of spaces into one and
// drops them at the start of a paragraph; text:s keeps them), tabs as text:tab.
void lineText(std::string& out, std::string_view line) {
    std::size_t spaces = 0;
    bool start = true;
    const auto flush = [&] {
        if (spaces == 0) return;
        if (!start) {
            out += ' ';
            --spaces;
        }
        if (spaces == 1) out += "<text:s/>";
        if (spaces > 1) out += "<text:s text:c=\"" + std::to_string(spaces) + "\"/>";
        spaces = 0;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ') {
            ++spaces;
            continue;
        }
        flush();
        start = false;
        if (line[i] == '\t') {
            out += "<text:tab/>";
        } else {
            escaped(out, line.substr(i, 1));
        }
    }
    flush();
}

// Paragraphs of the style, one per line of the text (as the PDF starts a new paragraph at a line
// break); an empty text gives one empty paragraph, so that a cell keeps the height of a line.
void paragraphs(std::string& out, std::string_view style, std::string_view text,
                std::string_view element = "text:p", std::string_view attributes = "") {
    const std::string clean = xmlCharacters(text);
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = clean.find('\n', from);
        const std::string_view line =
            std::string_view(clean).substr(from, end == std::string::npos ? end : end - from);
        out += "<" + std::string(element) + " text:style-name=\"" + std::string(style) + "\"" +
               std::string(attributes);
        if (line.empty()) {
            out += "/>";
        } else {
            out += ">";
            lineText(out, line);
            out += "</" + std::string(element) + ">";
        }
        if (end == std::string::npos) break;
        from = end + 1;
    }
}

std::string cm(double value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 3);
    return std::string(buffer.data(), result.ptr) + "cm";
}

// ---- Styles --------------------------------------------------------------------------------------

// The page and its text width: A4 with the PDF's margins.
constexpr double kPageWidthCm = 21.0;
constexpr double kPageHeightCm = 29.7;
constexpr double kMarginCm = 1.5;
constexpr double kTextWidthCm = kPageWidthCm - 2 * kMarginCm;

constexpr std::string_view kNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
    " office:version=\"1.2\"";

constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Latin letters and digits in DejaVu Sans, Chinese in WenQuanYi Micro Hei, as in the PDF.
constexpr std::string_view kFontFaces =
    "<office:font-face-decls>"
    "<style:font-face style:name=\"DejaVu Sans\" svg:font-family=\"'DejaVu Sans'\""
    " style:font-family-generic=\"swiss\" style:font-pitch=\"variable\"/>"
    "<style:font-face style:name=\"WenQuanYi Micro Hei\" svg:font-family=\"'WenQuanYi Micro Hei'\""
    " style:font-family-generic=\"system\" style:font-pitch=\"variable\"/>"
    "</office:font-face-decls>";

// One size and weight for Latin, Chinese and any other script.
std::string textProperties(std::string_view points, bool bold, std::string_view more = "") {
    std::string p =
        "<style:text-properties style:font-name=\"DejaVu Sans\" style:font-name-asian=\"WenQuanYi Micro Hei\""
        " style:font-name-complex=\"DejaVu Sans\"" +
        std::string(more);
    for (std::string_view size :
         {" fo:font-size=\"", " style:font-size-asian=\"", " style:font-size-complex=\""})
        p += std::string(size) + std::string(points) + "pt\"";
    if (bold)
        p += " fo:font-weight=\"bold\" style:font-weight-asian=\"bold\" style:font-weight-complex=\"bold\"";
    return p + "/>";
}

struct ParagraphStyle {
    std::string_view name;     // as written: a blank is _20_
    std::string_view display;  // as a word processor lists it
    std::string_view points;
    bool bold;
    std::string_view above = "0cm";
    std::string_view below = "0cm";
    std::string_view more = "";  // alignment, keeping with the next paragraph
};

// Paragraph margins are the PDF's: its pixels are 1/96 inch.
constexpr std::array kParagraphStyles{
    ParagraphStyle{"Sheet_20_Title", "Sheet Title", "18", true, "0cm", "0.212cm",
                   " fo:text-align=\"center\""},
    ParagraphStyle{"Sheet_20_Heading", "Sheet Heading", "12", true, "0.265cm", "0.106cm",
                   " fo:keep-with-next=\"always\""},
    ParagraphStyle{"Sheet_20_Text", "Sheet Text", "10", false, "0cm", "0.079cm"},
    ParagraphStyle{"Sheet_20_Text_20_Bold", "Sheet Text Bold", "10", true},
    ParagraphStyle{"Sheet_20_Cell", "Sheet Cell", "8.5", false},
    ParagraphStyle{"Sheet_20_Cell_20_Bold", "Sheet Cell Bold", "8.5", true},
    ParagraphStyle{"Sheet_20_Note", "Sheet Note", "7.5", false},
    ParagraphStyle{"Sheet_20_Header", "Sheet Header", "8", false},
    ParagraphStyle{"Sheet_20_Header_20_Title", "Sheet Header Title", "10", true, "0cm", "0cm",
                   " fo:text-align=\"center\""},
    ParagraphStyle{"Sheet_20_Header_20_Right", "Sheet Header Right", "8", false, "0cm", "0cm",
                   " fo:text-align=\"end\""},
};

// Thinner than the PDF's 1 pixel (0.75 pt): LibreOffice draws the collapsed borders heavier than Qt.
constexpr std::string_view kBorder = "0.5pt solid #000000";
constexpr std::string_view kPadding = "0.066cm";  // the PDF's 2.5 pixels

std::string stylesXml(const Sheet& sheet) {
    std::string x(kXmlDeclaration);
    x += "<office:document-styles" + std::string(kNamespaces) + ">";
    x += kFontFaces;
    x += "<office:styles>";
    x +=
        "<style:default-style style:family=\"paragraph\">"
        "<style:paragraph-properties fo:hyphenation-ladder-count=\"no-limit\" style:writing-mode=\"lr-tb\"/>";
    x += textProperties("10", false,
                        " fo:language=\"en\" fo:country=\"US\" style:language-asian=\"zh\""
                        " style:country-asian=\"CN\" fo:hyphenate=\"false\"");
    x += "</style:default-style>";
    x += "<style:style style:name=\"Standard\" style:family=\"paragraph\" style:class=\"text\"/>";
    for (const ParagraphStyle& s : kParagraphStyles) {
        x += "<style:style style:name=\"" + std::string(s.name) + "\" style:display-name=\"" +
             std::string(s.display) +
             "\" style:family=\"paragraph\" style:parent-style-name=\"Standard\" style:class=\"text\">";
        x += "<style:paragraph-properties fo:margin-top=\"" + std::string(s.above) +
             "\" fo:margin-bottom=\"" + std::string(s.below) + "\"" + std::string(s.more) + "/>";
        x += textProperties(s.points, s.bold);
        x += "</style:style>";
    }
    x += "</office:styles>";

    // The page, and its header: program, title, page x of y over project, equipment and tag, a rule
    // below; 1.4 cm from the top margin to the body, as in the PDF (LibreOffice counts the spacing
    // below the header in its height).
    x += "<office:automatic-styles>";
    x += "<style:page-layout style:name=\"A4\"><style:page-layout-properties fo:page-width=\"" +
         cm(kPageWidthCm) + "\" fo:page-height=\"" + cm(kPageHeightCm) +
         "\" style:print-orientation=\"portrait\" fo:margin-top=\"" + cm(kMarginCm) +
         "\" fo:margin-bottom=\"" + cm(kMarginCm) + "\" fo:margin-left=\"" + cm(kMarginCm) +
         "\" fo:margin-right=\"" + cm(kMarginCm) + "\" style:writing-mode=\"lr-tb\"/>";
    x += "<style:header-style><style:header-footer-properties fo:min-height=\"1.4cm\" "
         "fo:margin-bottom=\"0.3cm\""
         " fo:margin-left=\"0cm\" fo:margin-right=\"0cm\"/></style:header-style>";
    x += "</style:page-layout>";
    x += "<style:style style:name=\"Header\" style:family=\"table\"><style:table-properties style:width=\"" +
         cm(kTextWidthCm) + "\" table:align=\"margins\"/></style:style>";
    x += "<style:style style:name=\"Header.Column\" "
         "style:family=\"table-column\"><style:table-column-properties"
         " style:column-width=\"" +
         cm(kTextWidthCm / 3) + "\" style:rel-column-width=\"1000*\"/></style:style>";
    x += "<style:style style:name=\"Header.Cell\" style:family=\"table-cell\"><style:table-cell-properties"
         " fo:padding=\"0.02cm\" fo:border=\"none\"/></style:style>";
    x += "<style:style style:name=\"Header.Ruled\" style:family=\"table-cell\"><style:table-cell-properties"
         " fo:padding=\"0.02cm\" fo:border-left=\"none\" fo:border-right=\"none\" fo:border-top=\"none\""
         " fo:border-bottom=\"0.5pt solid #000000\"/></style:style>";
    x += "</office:automatic-styles>";

    const auto cell = [&x](std::string_view cellStyle, std::string_view style, std::string_view text) {
        x += "<table:table-cell table:style-name=\"" + std::string(cellStyle) +
             "\" office:value-type=\"string\">";
        paragraphs(x, style, text);
        x += "</table:table-cell>";
    };
    x += "<office:master-styles><style:master-page style:name=\"Standard\" "
         "style:page-layout-name=\"A4\"><style:header>";
    x += "<table:table table:name=\"Header\" table:style-name=\"Header\">"
         "<table:table-column table:style-name=\"Header.Column\" "
         "table:number-columns-repeated=\"3\"/><table:table-row>";
    cell("Header.Cell", "Sheet_20_Header", sheet.program);
    cell("Header.Cell", "Sheet_20_Header_20_Title", sheet.title);
    x += "<table:table-cell table:style-name=\"Header.Cell\" office:value-type=\"string\">"
         "<text:p text:style-name=\"Sheet_20_Header_20_Right\">第 <text:page-number "
         "text:select-page=\"current\">1"
         "</text:page-number> 页 / 共 <text:page-count>1</text:page-count> 页</text:p></table:table-cell>";
    x += "</table:table-row><table:table-row>";
    cell("Header.Ruled", "Sheet_20_Header", "工程名称：" + sheet.header.project);
    cell("Header.Ruled", "Sheet_20_Header", "设备名称：" + sheet.header.equipment);
    cell("Header.Ruled", "Sheet_20_Header", "设备位号：" + sheet.header.tag);
    x += "</table:table-row></table:table></style:header></style:master-page></office:master-styles>";
    x += "</office:document-styles>";
    return x;
}

// ---- Content -------------------------------------------------------------------------------------

struct TableLook {
    std::string_view text = "Sheet_20_Cell";
    std::string_view bold = "Sheet_20_Cell_20_Bold";
    std::string_view note = "Sheet_20_Note";
    std::string_view bodyCell = "Cell";  // cell style of the rows below the column titles
    bool onOnePage = false;              // the whole table on one page (the sign-off)
};

// The body and the automatic styles its tables need (one table style and one column style each).
class Content {
  public:
    void paragraph(std::string_view style, std::string_view text) { paragraphs(body_, style, text); }
    void heading(std::string_view text) {
        paragraphs(body_, "Sheet_20_Heading", text, "text:h", " text:outline-level=\"1\"");
    }
    void table(const SheetTable& t, const TableLook& look);
    std::string xml() const;

  private:
    void row(const std::vector<std::string>& cells, std::size_t columns, std::string_view cellStyle,
             std::string_view style);
    std::string body_;
    std::string styles_;
    int tables_ = 0;
};

void Content::row(const std::vector<std::string>& cells, std::size_t columns, std::string_view cellStyle,
                  std::string_view style) {
    body_ += "<table:table-row table:style-name=\"Row\">";
    for (std::size_t c = 0; c < columns; ++c) {
        body_ += "<table:table-cell table:style-name=\"" + std::string(cellStyle) +
                 "\" office:value-type=\"string\">";
        paragraphs(body_, style, c < cells.size() ? cells[c] : std::string());
        body_ += "</table:table-cell>";
    }
    body_ += "</table:table-row>";
}

void Content::table(const SheetTable& t, const TableLook& look) {
    const std::size_t columns = t.columns.size();
    if (columns == 0) return;
    const std::string name = "Table" + std::to_string(++tables_);
    styles_ += "<style:style style:name=\"" + name +
               "\" style:family=\"table\"><style:table-properties style:width=\"" + cm(kTextWidthCm) +
               "\" table:align=\"margins\" table:border-model=\"collapsing\" fo:margin-top=\"0cm\" "
               "fo:margin-bottom=\"0.106cm\"" +
               (look.onOnePage ? " style:may-break-between-rows=\"false\"" : "") + "/></style:style>";
    // Each column its share of the text width, as the sheet gives it (shares not given count 1).
    std::vector<int> shares(columns, 1);
    for (std::size_t c = 0; c < columns && c < t.widths.size(); ++c)
        shares[c] = t.widths[c] > 0 ? t.widths[c] : 1;
    const double total = std::accumulate(shares.begin(), shares.end(), 0.0);
    for (std::size_t c = 0; c < columns; ++c) {
        styles_ += "<style:style style:name=\"" + name + "." + std::to_string(c + 1) +
                   "\" style:family=\"table-column\"><style:table-column-properties style:column-width=\"" +
                   cm(kTextWidthCm * shares[c] / total) + "\" style:rel-column-width=\"" +
                   std::to_string(shares[c] * 100) + "*\"/></style:style>";
    }

    body_ += "<table:table table:name=\"" + name + "\" table:style-name=\"" + name + "\">";
    for (std::size_t c = 0; c < columns; ++c)
        body_ += "<table:table-column table:style-name=\"" + name + "." + std::to_string(c + 1) + "\"/>";
    body_ += "<table:table-header-rows>";
    row(t.columns, columns, "Head", look.bold);
    body_ += "</table:table-header-rows>";
    for (const SheetRow& r : t.rows) {
        if (r.kind == RowKind::Title || r.kind == RowKind::Note) {
            body_ += "<table:table-row table:style-name=\"Row\"><table:table-cell table:style-name=\"" +
                     std::string(look.bodyCell) + "\" table:number-columns-spanned=\"" +
                     std::to_string(columns) + "\" office:value-type=\"string\">";
            paragraphs(body_, r.kind == RowKind::Title ? look.bold : look.note,
                       r.cells.empty() ? "" : r.cells[0]);
            body_ += "</table:table-cell>";
            for (std::size_t c = 1; c < columns; ++c)
                body_ += "<table:covered-table-cell/>";
            body_ += "</table:table-row>";
        } else {
            row(r.cells, columns, look.bodyCell, r.kind == RowKind::Chosen ? look.bold : look.text);
        }
    }
    body_ += "</table:table>";
}

std::string Content::xml() const {
    std::string x(kXmlDeclaration);
    x += "<office:document-content" + std::string(kNamespaces) + ">";
    x += kFontFaces;
    x += "<office:automatic-styles>";
    // The first paragraph names the page style, for readers that want it named.
    x += "<style:style style:name=\"First\" style:family=\"paragraph\" "
         "style:parent-style-name=\"Sheet_20_Title\""
         " style:master-page-name=\"Standard\"/>";
    // Rows are never broken across pages; cells ruled all round, the column titles on grey.
    x += "<style:style style:name=\"Row\" style:family=\"table-row\"><style:table-row-properties"
         " fo:keep-together=\"always\"/></style:style>";
    x += "<style:style style:name=\"Cell\" style:family=\"table-cell\"><style:table-cell-properties "
         "fo:padding=\"" +
         std::string(kPadding) + "\" fo:border=\"" + std::string(kBorder) + "\"/></style:style>";
    x += "<style:style style:name=\"Head\" style:family=\"table-cell\"><style:table-cell-properties"
         " fo:background-color=\"#e8e8e8\" fo:padding=\"" +
         std::string(kPadding) + "\" fo:border=\"" + std::string(kBorder) + "\"/></style:style>";
    // The sign-off rows leave room to sign by hand (the PDF's 10 pixels above and below).
    x += "<style:style style:name=\"Sign\" style:family=\"table-cell\"><style:table-cell-properties"
         " fo:padding-top=\"0.265cm\" fo:padding-bottom=\"0.265cm\" fo:padding-left=\"" +
         std::string(kPadding) + "\" fo:padding-right=\"" + std::string(kPadding) + "\" fo:border=\"" +
         std::string(kBorder) + "\"/></style:style>";
    x += styles_;
    x += "</office:automatic-styles><office:body><office:text>";
    x += body_;
    x += "</office:text></office:body></office:document-content>";
    return x;
}

std::string contentXml(const Sheet& sheet) {
    Content c;
    c.paragraph("First", sheet.title);
    const TableLook fields{.text = "Sheet_20_Text", .bold = "Sheet_20_Text_20_Bold"};
    SheetTable header{{"工程名称", "设备名称", "设备位号"}, {40, 35, 25}, {}};
    header.rows.push_back({sheet.header.project, sheet.header.equipment, sheet.header.tag});
    c.table(header, fields);
    for (const SheetSection& section : sheet.sections) {
        c.heading(section.title);
        for (const SheetBlock& block : section.blocks) {
            if (const auto* text = std::get_if<std::string>(&block)) {
                c.paragraph("Sheet_20_Text", *text);
            } else {
                c.table(std::get<SheetTable>(block), {});
            }
        }
    }
    c.heading("签署");
    SheetTable signOff{{"", "姓名", "签字", "日期"}, {16, 30, 30, 24}, {}};
    for (const SignOffLine& line : sheet.signOff)
        signOff.rows.push_back({line.role, line.signature.name, "", line.signature.date});
    c.table(
        signOff,
        {.text = "Sheet_20_Text", .bold = "Sheet_20_Text_20_Bold", .bodyCell = "Sign", .onOnePage = true});
    return c.xml();
}

std::string metaXml(const Sheet& sheet) {
    std::string x(kXmlDeclaration);
    x += "<office:document-meta" + std::string(kNamespaces) + "><office:meta><meta:generator>";
    escaped(x, xmlCharacters(sheet.program));
    x += "</meta:generator><dc:title>";
    escaped(x, xmlCharacters(sheet.title));
    x += "</dc:title></office:meta></office:document-meta>";
    return x;
}

constexpr std::string_view kMimeType = "application/vnd.oasis.opendocument.text";

std::string manifestXml() {
    std::string x(kXmlDeclaration);
    x += "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
         "manifest:version=\"1.2\">"
         "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" manifest:media-type=\"";
    x += kMimeType;
    x += "\"/>";
    for (std::string_view entry : {"content.xml", "styles.xml", "meta.xml"})
        x += "<manifest:file-entry manifest:full-path=\"" + std::string(entry) +
             "\" manifest:media-type=\"text/xml\"/>";
    x += "</manifest:manifest>";
    return x;
}

// ---- The package: a ZIP of stored entries --------------------------------------------------------

std::uint32_t crc32(std::string_view data) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (char byte : data)
        c = table[(c ^ static_cast<unsigned char>(byte)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void le16(std::string& out, std::size_t v) {
    out += static_cast<char>(v & 0xFFu);
    out += static_cast<char>((v >> 8) & 0xFFu);
}

void le32(std::string& out, std::size_t v) {
    le16(out, v & 0xFFFFu);
    le16(out, (v >> 16) & 0xFFFFu);
}

// Entries stored as they are (method 0), dated 1980-01-01 so that a sheet gives the same bytes each
// time; names are ASCII. A ZIP32 archive: the entries of a sheet are far below 4 GiB.
std::string storedZip(const std::vector<std::pair<std::string_view, std::string>>& entries) {
    constexpr std::size_t kVersion = 20;    // 2.0
    constexpr std::size_t kDosDate = 0x21;  // 1980-01-01
    std::string zip;
    std::string directory;
    for (const auto& entry : entries) {
        const std::string_view name = entry.first;
        const std::string& data = entry.second;
        const std::uint32_t crc = crc32(data);
        const std::size_t offset = zip.size();
        const auto common = [&](std::string& out) {
            le16(out, kVersion);  // version needed to extract
            le16(out, 0);         // flags
            le16(out, 0);         // method: stored
            le16(out, 0);         // time
            le16(out, kDosDate);
            le32(out, crc);
            le32(out, data.size());  // compressed size
            le32(out, data.size());  // size
            le16(out, name.size());
            le16(out, 0);  // extra field length
        };
        le32(zip, 0x04034b50);
        common(zip);
        zip += name;
        zip += data;

        le32(directory, 0x02014b50);
        le16(directory, kVersion);  // made by: MS-DOS attributes, 2.0
        common(directory);
        le16(directory, 0);  // comment length
        le16(directory, 0);  // disk
        le16(directory, 0);  // internal attributes
        le32(directory, 0);  // external attributes
        le32(directory, offset);
        directory += name;
    }
    const std::size_t start = zip.size();
    zip += directory;
    le32(zip, 0x06054b50);
    le16(zip, 0);
    le16(zip, 0);
    le16(zip, entries.size());
    le16(zip, entries.size());
    le32(zip, directory.size());
    le32(zip, start);
    le16(zip, 0);  // comment length
    return zip;
}

}  // namespace

std::string odtFile(const Sheet& sheet) {
    // mimetype first and stored, so that the type can be read at a fixed offset.
    return storedZip({{"mimetype", std::string(kMimeType)},
                      {"META-INF/manifest.xml", manifestXml()},
                      {"content.xml", contentXml(sheet)},
                      {"styles.xml", stylesXml(sheet)},
                      {"meta.xml", metaXml(sheet)}});
}

}  // namespace orvane::sheet
