#include "sheet_command.h"

#include <QDateTime>
#include <QFileInfo>
#include <cstdio>

#include "casefile/case_json.h"
#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "form/memory_form.h"
#include "form/messages.h"
#include "sheet/sheet_export.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"

namespace orvane::shell {

namespace {

int fail(int status, const QString& message) {
    std::fprintf(stderr, "orvane sheet: %s\n", message.toLocal8Bit().constData());
    return status;
}

// The case on a window kept in memory, calculated again: the outcome and the window's record.
template <class Quantities, class Calculate>
std::pair<Outcome, std::optional<CalculationRecord>> calculateCase(const casefile::CaseData& data,
                                                                  const WindowTable& table, Calculate calculate) {
    MemoryForm form(table);
    Quantities q;
    ProgramValues shared;
    casefile::restore(data, form, q, shared);
    Outcome outcome = calculate(form, q, shared);
    return {std::move(outcome), q.memory.record};
}

}  // namespace

int sheetCommand(const QStringList& arguments) {
    const QStringList args = arguments.mid(2);  // after "orvane sheet"
    QString in;
    QString out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 == args.size()) return fail(2, "-o needs a file name");
            out = args[++i];
        } else if (in.isEmpty() && !args[i].startsWith('-')) {
            in = args[i];
        } else {
            return fail(2, "unexpected argument " + args[i] + " (usage: orvane sheet CASE.orvane -o SHEET.pdf)");
        }
    }
    if (in.isEmpty() || out.isEmpty()) return fail(2, "usage: orvane sheet CASE.orvane -o SHEET.pdf");
    if (QFileInfo(in).canonicalFilePath() == QFileInfo(out).canonicalFilePath() && QFileInfo::exists(out)) {
        return fail(2, "the sheet would overwrite the case " + in);
    }

    const casefile::CaseRead read = casefile::readCaseFile(in, std::nullopt);
    if (!read.data) return fail(2, read.message);
    const casefile::CaseData& data = *read.data;
    const auto [outcome, record] =
        data.device == Device::SafetyValve
            ? calculateCase<valve::ValveQuantities>(data, valve::windowTable(), &valve::calculate)
            : calculateCase<disc::DiscQuantities>(data, disc::windowTable(), &disc::calculate);
    const WindowTable& table = data.device == Device::SafetyValve ? valve::windowTable() : disc::windowTable();
    if (!record) {
        return fail(1, "the case gives no calculation to document: " +
                           QString::fromStdString(describe(outcome, table).text).replace('\n', ' '));
    }
    CalculationRecord sheetRecord = *record;
    sheetRecord.calculatedAt = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm").toStdString();
    if (const std::optional<QString> error = sheet::exportSheetPdf(sheetRecord, {}, out)) return fail(2, *error);
    if (!isDone(outcome)) {
        std::fprintf(stderr, "orvane sheet: written with the notice: %s\n",
                     describe(outcome, table).text.c_str());
    }
    return 0;
}

}  // namespace orvane::shell
