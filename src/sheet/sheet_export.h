#pragma once
// The calculation sheet written to a file: PDF (A4, text selectable, its fonts embedded so that it
// reads on a machine without them) or ODT (odt_writer.h: opens in LibreOffice, WPS and Word with
// the PDF's page, page header, faces and column widths). A file is written whole or not at all: the
// sheet is rendered in memory first and saved through QSaveFile, and a folder that cannot be written
// gives a message and leaves no file behind.
//
// The PDF's fonts need a QGuiApplication (or QApplication). A command without a display creates one on the
// offscreen platform: `QT_QPA_PLATFORM=offscreen`, or qputenv("QT_QPA_PLATFORM", "offscreen")
// before the application object is made.

#include <QByteArray>
#include <QString>
#include <optional>

#include "sizing/record.h"
#include "sheet.h"

namespace orvane::sheet {

// The sheet of a record, written to `path`: nothing, or the message saying why no file was written.
std::optional<QString> exportSheetPdf(const CalculationRecord& record, const SheetHeader& header,
                                      const QString& path);
std::optional<QString> exportSheetOdt(const CalculationRecord& record, const SheetHeader& header,
                                      const QString& path);

std::optional<QString> writeSheetPdf(const Sheet& sheet, const QString& path);
std::optional<QString> writeSheetOdt(const Sheet& sheet, const QString& path);

// The bytes of the files.
QByteArray sheetPdf(const Sheet& sheet);
QByteArray sheetOdt(const Sheet& sheet);

}  // namespace orvane::sheet
