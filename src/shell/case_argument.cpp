#include "case_argument.h"

#include <QMessageBox>

#include "casefile/case_json.h"
#include "casefile/case_menu.h"
#include "cover_window.h"
#include "form/qt_texts.h"

namespace orvane::shell {

std::optional<QString> caseArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith('-')) return arguments[i];
    }
    return std::nullopt;
}

QString openCase(CoverWindow& cover, const QString& path) {
    const casefile::CaseRead read = casefile::readCaseFile(path, std::nullopt);
    if (!read.data) return read.message;
    CalculatorWindow* window = nullptr;
    if (read.data->device == Device::SafetyValve) {
        cover.openValveWindow();
        window = cover.valveWindow();
    } else {
        cover.openDiscWindow();
        window = cover.discWindow();
    }
    auto* menu = window->findChild<casefile::CaseMenu*>("caseMenu");
    return menu->openFile(path);
}

void openCaseOfArguments(CoverWindow& cover, const QStringList& arguments) {
    const std::optional<QString> path = caseArgument(arguments);
    if (!path) return;
    const QString fault = openCase(cover, *path);
    if (fault.isEmpty()) return;
    ensureChineseQtTexts();
    QMessageBox::warning(&cover, "无法打开案例", fault);
}

}  // namespace orvane::shell
