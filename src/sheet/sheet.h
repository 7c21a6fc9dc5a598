#pragma once
// The calculation sheet (计算书) of one Calculate, as plain data: what a designer, a checker and an
// approver sign. It is built from the calculation record alone and computes nothing: every number
// on it is a text the calculation wrote, so the sheet cannot disagree with the window.
//
// Sections: 1 计算依据, 2 设计条件, 3 介质物性, 4 计算过程 (one row per step), 5 结果与校核,
// 6 提示, then the sign-off lines. The page header (program, title, project, equipment, tag and
// page x / y) is drawn by the renderer on every page from `program`, `title` and `header`.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "sizing/description.h"
#include "sizing/record.h"

namespace orvane::sheet {

struct Signature {
    std::string name = {};
    std::string date = {};
};

// What the sheet window asks for; shown as typed, never interpreted.
struct SheetHeader {
    std::string project = {};    // 工程名称
    std::string equipment = {};  // 设备名称
    std::string tag = {};        // 设备位号
    Signature designer = {};     // 设计
    Signature checker = {};      // 校核
    Signature approver = {};     // 审核
};

enum class RowKind {
    Cells,   // one cell per column
    Title,   // one cell spanning the table, set bold: the title of a group of rows
    Note,    // one cell spanning the table, set small: where the values of the row above come from;
             // it stays on the page of that row
    Chosen,  // one cell per column, set bold: the row of a table the calculation took
};

struct SheetRow {
    SheetRow(std::initializer_list<std::string> c) : cells(c) {}  // NOLINT: a row of cells
    SheetRow(std::vector<std::string> c, RowKind k = RowKind::Cells) : cells(std::move(c)), kind(k) {}

    std::vector<std::string> cells;
    RowKind kind = RowKind::Cells;

    bool operator==(const SheetRow&) const = default;
};

struct SheetTable {
    std::vector<std::string> columns;
    std::vector<int> widths;  // share of the text width in %, one per column
    std::vector<SheetRow> rows;
};

// A paragraph or a table.
using SheetBlock = std::variant<std::string, SheetTable>;

struct SheetSection {
    std::string title;  // "1 计算依据"
    std::vector<SheetBlock> blocks;
};

struct SignOffLine {
    std::string role;  // 设计 / 校核 / 审核
    Signature signature;
};

struct Sheet {
    std::string title;    // 安全阀计算书 / 爆破片计算书
    std::string program;  // "Orvane 0.1.0"
    SheetHeader header;
    std::vector<SheetSection> sections;
    std::vector<SignOffLine> signOff;
};

// The program's version, as the project states it.
std::string_view programVersion();

std::string_view sheetTitle(Device device);
// What the window's option group is called: "安全阀型式" / "爆破片型式".
std::string optionGroupCaption(Device device);

Sheet buildSheet(const CalculationRecord& record, const SheetHeader& header,
                 std::string_view version = programVersion());

}  // namespace orvane::sheet
