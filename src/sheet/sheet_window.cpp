#include "sheet_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "form/calculator_window.h"
#include "form/qt_texts.h"
#include "form/window_case.h"
#include "sheet_document.h"
#include "sheet_export.h"

namespace orvane::sheet {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string s(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// The header fields: object name, caption, remembered between runs (the names of those who sign;
// the title block is the case's).
struct Field {
    const char* name;
    const char* caption;
    bool remembered;
};
constexpr Field kFields[] = {
    {"project", "工程名称", false}, {"equipment", "设备名称", false}, {"tag", "设备位号", false},
    {"designer", "设计", true},     {"designerDate", "日期", false}, {"checker", "校核", true},
    {"checkerDate", "日期", false}, {"approver", "审核", true},      {"approverDate", "日期", false},
};

QSettings settings() {
    return QSettings("Orvane", "Orvane");
}
constexpr const char* kGroup = "sheet";

}  // namespace

SheetWindow::SheetWindow(Device device, StaleCheck stale, TitleBlockEdited titleBlockEdited, QWidget* parent)
    : QWidget(parent, Qt::Window),
      device_(device),
      stale_(std::move(stale)),
      titleBlockEdited_(std::move(titleBlockEdited)),
      printer_(QPrinter::HighResolution) {
    setObjectName("sheetWindow");
    setWindowTitle(q(sheetTitle(device)) + " — Orvane");
    printer_.setPageLayout(sheetPageLayout());
    printer_.setDocName(q(sheetTitle(device)));

    auto* fields = new QGridLayout;
    const auto place = [&](int row, int column, const Field& f) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(f.name);
        edit->setAccessibleName(f.caption);
        auto* label = new QLabel(QString(f.caption) + "：", this);
        label->setBuddy(edit);
        fields->addWidget(label, row, column * 2);
        fields->addWidget(edit, row, column * 2 + 1);
        connect(edit, &QLineEdit::textEdited, this, &SheetWindow::headerEdited);
    };
    for (int i = 0; i < 3; ++i)
        place(0, i, kFields[i]);
    for (int i = 0; i < 3; ++i) {
        place(1 + i, 0, kFields[3 + 2 * i]);
        place(1 + i, 1, kFields[4 + 2 * i]);
    }
    findChild<QLineEdit*>("designerDate")->setPlaceholderText("例如 2026-12-09");

    preview_ = new QPrintPreviewWidget(&printer_, this);
    preview_->setObjectName("preview");
    preview_->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { paintSheet(sheet(), *p); });

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& text, void (SheetWindow::*action)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    button("print", "打印…", &SheetWindow::print);
    button("exportPdf", "导出 PDF…", &SheetWindow::askExportPdf);
    button("exportOdt", "导出 ODT…", &SheetWindow::askExportOdt);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    buttons->addWidget(status_, 1);
    auto* close = new QPushButton("关闭", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(preview_, 1);
    resize(820, 900);

    refresh_ = new QTimer(this);
    refresh_->setSingleShot(true);
    refresh_->setInterval(300);
    connect(refresh_, &QTimer::timeout, this, [this] { preview_->updatePreview(); });
    loadHeader();
}

SheetWindow::~SheetWindow() = default;

void SheetWindow::setRecord(const CalculationRecord& record) {
    record_ = record;
    status_->clear();
    preview_->updatePreview();
}

SheetHeader SheetWindow::header() const {
    const auto f = [this](const char* name) { return s(findChild<QLineEdit*>(name)); };
    return {f("project"),
            f("equipment"),
            f("tag"),
            {f("designer"), f("designerDate")},
            {f("checker"), f("checkerDate")},
            {f("approver"), f("approverDate")}};
}

Sheet SheetWindow::sheet() const {
    return buildSheet(record_, header());
}

void SheetWindow::setTitleBlock(const TitleBlock& title) {
    findChild<QLineEdit*>("project")->setText(q(title.project));
    findChild<QLineEdit*>("equipment")->setText(q(title.equipment));
    findChild<QLineEdit*>("tag")->setText(q(title.tag));
    preview_->updatePreview();
}

void SheetWindow::headerEdited() {
    if (titleBlockEdited_) {
        const SheetHeader h = header();
        titleBlockEdited_({h.project, h.equipment, h.tag});
    }
    saveHeader();  // a sheet window opened next starts with the names typed here
    refresh_->start();
}

void SheetWindow::loadHeader() {
    QSettings store = settings();
    store.beginGroup(kGroup);
    for (const Field& f : kFields) {
        if (f.remembered) findChild<QLineEdit*>(f.name)->setText(store.value(f.name).toString());
    }
}

void SheetWindow::saveHeader() const {
    QSettings store = settings();
    store.beginGroup(kGroup);
    for (const Field& f : kFields) {
        if (f.remembered) store.setValue(f.name, findChild<QLineEdit*>(f.name)->text());
    }
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    refresh_->stop();
    saveHeader();
    event->accept();
}

std::optional<QString> SheetWindow::exportPdf(const QString& path) {
    if (auto why = stale_ ? stale_() : std::nullopt) return q(*why);
    saveHeader();
    return writeSheetPdf(sheet(), path);
}

std::optional<QString> SheetWindow::exportOdt(const QString& path) {
    if (auto why = stale_ ? stale_() : std::nullopt) return q(*why);
    saveHeader();
    return writeSheetOdt(sheet(), path);
}

void SheetWindow::tell(const QString& text, bool warning) {
    ensureChineseQtTexts();
    auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information, windowTitle(),
                                text, QMessageBox::Ok, this);
    box->setObjectName("sheetMessage");
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void SheetWindow::print() {
    if (auto why = stale_ ? stale_() : std::nullopt) {
        tell(q(*why), true);
        return;
    }
    ensureChineseQtTexts();
    auto* dialog = new QPrintDialog(&printer_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] {
        if (paintSheet(sheet(), printer_) == 0) tell("无法打印：打印机未能开始打印。", true);
    });
    dialog->open();
}

QString SheetWindow::askPath(const QString& title, const QString& suffix, const QString& filter) {
    QSettings store = settings();
    store.beginGroup(kGroup);
    const QString folder =
        store.value("folder", QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toString();
    QString name = q(sheetTitle(device_));
    const QString tag = findChild<QLineEdit*>("tag")->text().trimmed();
    if (!tag.isEmpty()) name += "-" + tag;
    name.replace(QRegularExpression(R"([\\/:*?"<>|])"), "_");
    ensureChineseQtTexts();
    QString path = QFileDialog::getSaveFileName(this, title, folder + "/" + name + "." + suffix, filter);
    if (path.isEmpty()) return {};
    if (!path.endsWith("." + suffix, Qt::CaseInsensitive)) path += "." + suffix;
    store.setValue("folder", QFileInfo(path).absolutePath());
    return path;
}

void SheetWindow::askExportPdf() {
    const QString path = askPath("导出 PDF", "pdf", "PDF 文件 (*.pdf)");
    if (path.isEmpty()) return;
    if (auto error = exportPdf(path)) return tell(*error, true);
    status_->setText("已导出：" + QDir::toNativeSeparators(path));
}

void SheetWindow::askExportOdt() {
    const QString path = askPath("导出 ODT", "odt", "ODF 文本文档 (*.odt)");
    if (path.isEmpty()) return;
    if (auto error = exportOdt(path)) return tell(*error, true);
    status_->setText("已导出：" + QDir::toNativeSeparators(path));
}

void showSheetOf(CalculatorWindow& calculator) {
    auto* window = calculator.findChild<SheetWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (auto why = whyNoResults(calculator.form(), calculator.description(), calculator.memory(), ResultsUse::Print)) {
        if (window != nullptr) window->hide();  // it would show numbers the calculator no longer shows
        calculator.showMessage("计算书", *why);
        return;
    }
    if (window == nullptr) {
        window = new SheetWindow(
            calculator.device(),
            [&calculator] {
                return whyNoResults(calculator.form(), calculator.description(), calculator.memory(), ResultsUse::Print);
            },
            [&calculator](const TitleBlock& title) {
                calculator.memory().titleBlock = title;
                emit calculator.titleBlockEdited();
            },
            &calculator);
        // The sheet of the case that was on the window is no sheet of the one put there instead.
        QObject::connect(&calculator, &CalculatorWindow::caseReplaced, window, &QWidget::hide);
    }
    window->setTitleBlock(calculator.memory().titleBlock);
    window->setRecord(*calculator.memory().record);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace orvane::sheet
