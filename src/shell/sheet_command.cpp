#include "sheet_command.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <cstdio>

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

}  // namespace

int sheetCommand(const QStringList& arguments) {
    const QStringList args = arguments.mid(2);  // after "orvane sheet"
    QString in;
    QString out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 == args.size()) return fail(2, tr("%1 needs a file name").arg(args[i]));
            out = args[++i];
        } else if (in.isEmpty() && !args[i].startsWith('-')) {
            in = args[i];
        } else {
            return fail(2, tr("unexpected argument %1 (orvane --help)").arg(args[i]));
        }
    }
    if (in.isEmpty() || out.isEmpty()) return fail(2, tr("usage: orvane sheet CASE.orvane -o SHEET.pdf"));
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
    if (const std::optional<QString> error = sheet::exportSheetPdf(sheetRecord, {}, out)) return fail(2, *error);
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
