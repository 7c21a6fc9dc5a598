#include "sheet_export.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include "odt_writer.h"
#include "sheet_document.h"

namespace orvane::sheet {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString notWritten(const QString& path, const QString& cause) {
    return QString("无法保存“%1”：%2。未写入任何文件。").arg(QDir::toNativeSeparators(path), cause);
}

std::optional<QString> saveWhole(const QByteArray& bytes, const QString& path) {
    if (bytes.isEmpty()) return notWritten(path, "计算书未能生成");
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return notWritten(path, QString("文件夹“%1”不存在").arg(QDir::toNativeSeparators(folder.filePath())));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return notWritten(path, QString("文件夹“%1”不可写（%2）")
                                    .arg(QDir::toNativeSeparators(folder.filePath()), file.errorString()));
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        return notWritten(path, "写入失败（" + file.errorString() + "）");
    return std::nullopt;
}

}  // namespace

QByteArray sheetPdf(const Sheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(sheetPageLayout());
        writer.setTitle(q(sheet.title));
        writer.setCreator(q(sheet.program));
        if (paintSheet(sheet, writer) == 0) return {};
    }
    return bytes;
}

QByteArray sheetOdt(const Sheet& sheet) {
    return QByteArray::fromStdString(odtFile(sheet));
}

std::optional<QString> writeSheetPdf(const Sheet& sheet, const QString& path) {
    return saveWhole(sheetPdf(sheet), path);
}

std::optional<QString> writeSheetOdt(const Sheet& sheet, const QString& path) {
    return saveWhole(sheetOdt(sheet), path);
}

std::optional<QString> exportSheetPdf(const CalculationRecord& record, const SheetHeader& header,
                                      const QString& path) {
    return writeSheetPdf(buildSheet(record, header), path);
}

std::optional<QString> exportSheetOdt(const CalculationRecord& record, const SheetHeader& header,
                                      const QString& path) {
    return writeSheetOdt(buildSheet(record, header), path);
}

}  // namespace orvane::sheet
