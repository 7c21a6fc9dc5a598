#pragma once
// The sheet window of a calculator window: the header fields (project, equipment and tag, the case's
// title block, kept with the case; the names and dates of designer, checker and approver, the names
// remembered between runs), a print
// preview of the sheet, and 打印…, 导出 PDF…, 导出 ODT…. One per calculator window, reused, never
// modal: the calculator stays usable beside it. Before it prints or exports it asks the calculator
// again whether the sheet still documents what the window shows.

#include <QPrinter>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "form/calculator_memory.h"
#include "sizing/record.h"
#include "sheet.h"

class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QTimer;

namespace orvane {
class CalculatorWindow;
}

namespace orvane::sheet {

class SheetWindow final : public QWidget {
    Q_OBJECT

  public:
    // `stale` says why the record no longer holds for the calculator window, or nothing.
    using StaleCheck = std::function<std::optional<std::string>()>;
    // Called with the title block whenever the user edits it.
    using TitleBlockEdited = std::function<void(const TitleBlock&)>;
    SheetWindow(Device device, StaleCheck stale, TitleBlockEdited titleBlockEdited = {}, QWidget* parent = nullptr);
    ~SheetWindow() override;

    void setRecord(const CalculationRecord& record);
    // The case's title block into the fields.
    void setTitleBlock(const TitleBlock& title);
    SheetHeader header() const;
    Sheet sheet() const;
    QPrintPreviewWidget* preview() const { return preview_; }

    // The sheet to a file: nothing, or why no file was written (the window changed since, or the
    // file could not be written).
    std::optional<QString> exportPdf(const QString& path);
    std::optional<QString> exportOdt(const QString& path);

    // The actions of the buttons: the print dialog, the file dialogs.
    void print();
    void askExportPdf();
    void askExportOdt();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QLineEdit* addField(const char* name, const QString& placeholder);
    void headerEdited();
    void loadHeader();
    void saveHeader() const;
    QString askPath(const QString& title, const QString& suffix, const QString& filter);
    void tell(const QString& text, bool warning);

    Device device_;
    StaleCheck stale_;
    TitleBlockEdited titleBlockEdited_;
    CalculationRecord record_;
    QPrinter printer_;
    QPrintPreviewWidget* preview_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* refresh_ = nullptr;
};

// Shows the sheet window of a calculator window (made on first use, then reused) with its last
// calculation, or a message over the calculator saying why there is no sheet (no calculation, or
// the window changed since it) and no sheet.
void showSheetOf(CalculatorWindow& calculator);

}  // namespace orvane::sheet
