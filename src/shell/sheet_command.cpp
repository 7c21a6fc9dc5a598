#include "sheet_command.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <cstdio>
#include <optional>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

#include "casefile/case_json.h"
#include "devices/devices.h"
#include "sheet/sheet_export.h"
#include "sizing/messages.h"

namespace orvane::shell {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("orvane", text); }

int fail(int status, const QString& message) {
    std::fprintf(stderr, "orvane sheet: %s\n", message.toLocal8Bit().constData());
    return status;
}

// Standard output, as a file for bytes: a PDF goes there as it is.
bool toStandardOutput(const QByteArray& bytes) {
#ifdef _WIN32
    (void)_setmode(_fileno(stdout), _O_BINARY);
#endif
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(stdout) == 0;
}

bool standardOutputIsATerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdout)) != 0;
#else
    return isatty(fileno(stdout)) != 0;
#endif
}

}  // namespace

int sheetCommand(const QStringList& arguments) {
    const QStringList args = arguments.mid(2);  // after "orvane sheet"
    QString in;
    QString out;
    std::optional<QString> project, equipment, tag;  // over the case's title block
    for (qsizetype i = 0; i < args.size(); ++i) {
        std::optional<QString>* title = args[i] == "--project" ? &project
                                        : args[i] == "--equipment" ? &equipment
                                        : args[i] == "--tag"       ? &tag
                                                                   : nullptr;
        if (args[i] == "-o" || title != nullptr) {
            if (i + 1 == args.size()) return fail(2, tr("%1 needs a value").arg(args[i]));
            if (title != nullptr) {
                *title = args[++i];
            } else {
                out = args[++i];
            }
        } else if (in.isEmpty() && !args[i].startsWith('-')) {
            in = args[i];
        } else {
            return fail(2, tr("unexpected argument %1 (orvane --help)").arg(args[i]));
        }
    }
    if (in.isEmpty() || out.isEmpty()) return fail(2, tr("usage: orvane sheet CASE.orvane -o SHEET.pdf|SHEET.odt|-"));
    const bool piped = out == "-";
    if (piped && standardOutputIsATerminal()) {
        return fail(2, tr("a PDF is not written to a terminal: name a file with -o, or send standard output to a "
                          "file or another program"));
    }
    if (QFileInfo(in).canonicalFilePath() == QFileInfo(out).canonicalFilePath() && QFileInfo::exists(out)) {
        return fail(2, tr("the sheet would overwrite the case %1").arg(in));
    }

    const casefile::CaseRead read = casefile::readCaseFile(in, std::nullopt);
    if (!read.data) return fail(2, read.message);
    const casefile::CaseData& data = *read.data;
    // The case as Calculate after opening it would size it: its derived pressures derived again.
    ProgramValues shared = casefile::programValuesOf(data);
    const Case c = casefile::sizingCase(data, shared);
    const CalculationRecord record = devices::size(c, shared);
    if (!record.documents()) {
        return fail(1, tr("the case gives no calculation to document: %1")
                           .arg(QString::fromStdString(describe(record.outcome).text).replace('\n', ' ')));
    }
    const Outcome& outcome = record.outcome;
    CalculationRecord sheetRecord = record;
    sheetRecord.calculatedAt = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm").toStdString();
    sheet::SheetHeader header;
    header.project = project ? project->toStdString() : data.titleBlock.project;
    header.equipment = equipment ? equipment->toStdString() : data.titleBlock.equipment;
    header.tag = tag ? tag->toStdString() : data.titleBlock.tag;
    const sheet::Sheet sheet = sheet::buildSheet(sheetRecord, header);
    if (piped) {
        if (!toStandardOutput(sheet::sheetPdf(sheet))) return fail(2, tr("standard output could not be written"));
    } else {
        const bool odt = out.endsWith(".odt", Qt::CaseInsensitive);
        if (const std::optional<QString> error = odt ? sheet::writeSheetOdt(sheet, out) : sheet::writeSheetPdf(sheet, out)) {
            return fail(2, *error);
        }
    }
    if (!isDone(outcome)) {
        std::fprintf(stderr, "orvane sheet: %s\n",
                     tr("written with the notice: %1")
                         .arg(QString::fromStdString(describe(outcome).text))
                         .toLocal8Bit()
                         .constData());
    }
    return 0;
}

}  // namespace orvane::shell
