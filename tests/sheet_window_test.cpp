// The calculation sheet as a document, a PDF and an ODT, and its window opened by "打  印".
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include "casefile/case_menu.h"
#include "disc/disc_window.h"
#include "form/memory_form.h"
#include "form/window_case.h"
#include "sheet/sheet_document.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_window.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"
#include "valve/valve_window.h"
#include "window_fixture.h"

namespace orvane::sheet {
namespace {

// The record of the compressed-air valve, from the real actions.
CalculationRecord airValveRecord() {
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    valve::inputParameters(form, q, shared);
    valve::calculate(form, q, shared);
    q.memory.record->calculatedAt = "2026-12-09 14:05";
    return *q.memory.record;
}

const SheetHeader kMarkup{.project = "<b>x</b>", .equipment = "&amp; 储罐", .tag = "V-101"};

// What a poppler tool prints for a file; skips the test when the tool is not installed.
#define RUN_POPPLER(out, tool, ...)                                                                    \
    QString out;                                                                                       \
    do {                                                                                               \
        const QString exe = QStandardPaths::findExecutable(tool);                                      \
        if (exe.isEmpty()) GTEST_SKIP() << tool << " is not installed (Debian package poppler-utils)"; \
        QProcess p;                                                                                    \
        p.start(exe, {__VA_ARGS__});                                                                   \
        ASSERT_TRUE(p.waitForFinished(30000)) << tool;                                                 \
        ASSERT_EQ(p.exitCode(), 0) << tool << ": " << p.readAllStandardError().toStdString();          \
        out = QString::fromUtf8(p.readAllStandardOutput());                                            \
    } while (false)

TEST(SheetDocument, ShowsWhatTheHeaderFieldsHoldAsTyped) {
    const Sheet sheet = buildSheet(airValveRecord(), kMarkup);
    const QString text = sheetDocument(sheet)->toPlainText();
    EXPECT_TRUE(text.contains("<b>x</b>"));
    EXPECT_TRUE(text.contains("&amp; 储罐"));
}

TEST(SheetPdf, IsA4WithItsTextSelectableAndEveryFontEmbedded) {
    QTemporaryDir dir;
    const QString path = qEnvironmentVariableIsSet("ORVANE_SHEET_PDF")
                             ? qEnvironmentVariable("ORVANE_SHEET_PDF")
                             : dir.filePath("sheet.pdf");
    ASSERT_EQ(exportSheetPdf(airValveRecord(), kMarkup, path), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    RUN_POPPLER(extracted, "pdftotext", "-enc", "UTF-8", path, "-");
    // pdftotext puts blanks and line breaks where it sees gaps: compared without them.
    const auto bare = [](QString s) { return s.remove(QRegularExpression(R"(\s)")); };
    const QString text = bare(extracted);
    const char* expected[] = {"安全阀计算书",
                              "1 计算依据",
                              "2 设计条件",
                              "3 介质物性",
                              "4 计算过程",
                              "5 结果与校核",
                              "6 提示",
                              "第 1 页 / 共",
                              "3040.586",
                              "563.8745",
                              "26.7945484798857",
                              "804.2471",
                              "42.63",
                              "合格",
                              "临界",
                              "0.840000012516975",
                              "2026-12-09 14:05",
                              "<b>x</b>",
                              "&amp; 储罐",
                              "V-101",
                              "mm²",
                              "kg/m³",
                              "℃",
                              "√",
                              "≤",
                              "π",
                              "×"};
    for (const char* e : expected)
        EXPECT_TRUE(text.contains(bare(QString::fromUtf8(e)))) << e;
    EXPECT_FALSE(text.contains("?"));

    RUN_POPPLER(info, "pdfinfo", path);
    EXPECT_TRUE(info.contains(QRegularExpression(R"(Page size:\s+595(\.\d+)? x 84[12](\.\d+)? pts \(A4\))")))
        << info.toStdString();
    const int pages = QRegularExpression(R"(Pages:\s+(\d+))").match(info).captured(1).toInt();
    EXPECT_GE(pages, 2);
    EXPECT_TRUE(text.contains(QString("第%1页/共%1页").arg(pages)));

    RUN_POPPLER(fonts, "pdffonts", path);
    const QStringList lines = fonts.split('\n', Qt::SkipEmptyParts).mid(2);  // below the column titles
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines) {
        const QStringList cells = line.split(QRegularExpression(R"(\s+)"), Qt::SkipEmptyParts);
        ASSERT_GE(cells.size(), 5) << line.toStdString();
        EXPECT_EQ(cells[cells.size() - 5], "yes") << "not embedded: " << line.toStdString();
    }
    EXPECT_TRUE(fonts.contains("WenQuanYiMicroHei")) << fonts.toStdString();
}

TEST(SheetOdt, IsAnOpenDocumentText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.odt");
    ASSERT_EQ(exportSheetOdt(airValveRecord(), kMarkup, path), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("PK"));
    EXPECT_TRUE(bytes.contains("application/vnd.oasis.opendocument.text"));
}

TEST(SheetFiles, AFolderThatCannotBeWrittenGivesAMessageAndNoFile) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("a-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Sheet sheet = buildSheet(airValveRecord(), {});
    const std::pair<QString, QString> cases[] = {
        {dir.filePath("missing/sheet.pdf"), "不存在"},
        {dir.filePath("a-file/sheet.pdf"), "不存在"},
    };
    for (const auto& [path, cause] : cases) {
        for (const auto& write : {writeSheetPdf, writeSheetOdt}) {
            const std::optional<QString> message = write(sheet, path);
            ASSERT_TRUE(message.has_value()) << path.toStdString();
            EXPECT_TRUE(message->startsWith("无法保存“")) << message->toStdString();
            EXPECT_TRUE(message->contains(cause)) << message->toStdString();
            EXPECT_TRUE(message->endsWith("未写入任何文件。")) << message->toStdString();
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"a-file"});
}

class SheetWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        QSettings("Orvane", "Orvane").remove("sheet");  // in Qt's test folder (qt_test_main.cpp)
        WindowTest::SetUp();
    }
    template <class Window>
    static SheetWindow* sheetOf(Window* w) {
        QApplication::processEvents();
        auto* s = w->template findChild<SheetWindow*>(QString(), Qt::FindDirectChildrenOnly);
        return s != nullptr && s->isVisible() ? s : nullptr;
    }
    valve::ValveWindow* sizedAirValve() {
        click(cover.get(), "Command1");
        valve::ValveWindow* w = cover->valveWindow();
        typeInto(w, "Combo1", "空气");
        click(w, "Command4");
        click(w, "Command1");
        return w;
    }
};

TEST_F(SheetWindowTest, PrintOpensTheSheetOfTheLastCalculationBesideTheCalculator) {
    valve::ValveWindow* w = sizedAirValve();
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\d \d\d:\d\d$)")
                    .match(QString::fromStdString(w->memory().record->calculatedAt))
                    .hasMatch());
    click(w, "Command3");
    SheetWindow* sheet = sheetOf(w);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "安全阀计算书 — Orvane");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_GE(sheet->preview()->pageCount(), 2);

    // Reused; the calculator stays usable while it is open.
    typeInto(w, "Text6", "20");
    click(w, "Command1");
    click(w, "Command3");
    EXPECT_EQ(sheetOf(w), sheet);
    EXPECT_EQ(w->findChildren<SheetWindow*>().size(), 1);
    EXPECT_EQ(sheet->sheet().sections[4].title, "5 结果与校核");

    // Typed after calculating: a message, and the sheet goes; an export from it is refused too.
    typeInto(w, "Text2", "1.5");
    QTemporaryDir dir;
    EXPECT_TRUE(
        sheet->exportPdf(dir.filePath("x.pdf")).value_or("").contains("“工作压力 MPa”已由“0.8”改为“1.5”"));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
    click(w, "Command3");
    EXPECT_EQ(takeMessage(w),
              "计算后窗口已改动：“工作压力 MPa”已由“0.8”改为“1.5”。计算书只记录窗口所显示的计算，"
              "请重新按“计     算”后再打印。");
    EXPECT_EQ(sheetOf(w), nullptr);
    click(w, "Command5");
    click(w, "Command3");
    EXPECT_EQ(takeMessage(w), kNoRecord);
}

TEST_F(SheetWindowTest, HeaderFieldsAreRememberedAndExportsWriteTheSheetOfTheWindow) {
    valve::ValveWindow* w = sizedAirValve();
    click(w, "Command3");
    SheetWindow* sheet = sheetOf(w);
    ASSERT_NE(sheet, nullptr);
    const std::pair<const char*, const char*> typed[] = {
        {"project", "空压站改造"}, {"equipment", "压缩空气储罐"},  {"tag", "V-101"},
        {"designer", "张三"},      {"designerDate", "2026-12-09"}, {"checker", "李四"}};
    for (const auto& [name, text] : typed)
        typeInto(sheet, name, QString::fromUtf8(text));
    QTest::qWait(400);  // the preview follows the fields
    screenshot(sheet, "sheet-valve");
    typeInto(sheet, "project", "<b>x</b>");
    typeInto(sheet, "equipment", "&amp;");
    EXPECT_EQ(sheet->header().project, "<b>x</b>");
    EXPECT_EQ(sheet->header().designer.date, "2026-12-09");
    QTemporaryDir dir;
    EXPECT_EQ(sheet->exportOdt(dir.filePath("s.odt")), std::nullopt);
    EXPECT_EQ(sheet->exportPdf(dir.filePath("s.pdf")), std::nullopt);
    EXPECT_TRUE(QFile::exists(dir.filePath("s.odt")));

    // The system print dialog, over the sheet window only; without a printer it prints to a file.
    click(sheet, "print");
    auto* dialog = sheet->findChild<QPrintDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
#ifndef Q_OS_WIN  // Windows shows its own print dialog, with no Qt widgets in it to look at
    EXPECT_TRUE(dialog->isVisible());
    QStringList printers;
    for (QComboBox* c : dialog->findChildren<QComboBox*>()) {
        for (int i = 0; i < c->count(); ++i)
            printers << c->itemText(i);
    }
    EXPECT_TRUE(printers.filter("PDF").size() > 0) << printers.join(", ").toStdString();
#endif
    dialog->reject();
    sheet->close();

    // A sheet window of the next run (or the other calculator) starts with the names of those who
    // sign; the title block is the case's, and dates are not kept.
    SheetWindow next(Device::BurstingDisc, {});
    EXPECT_EQ(next.header().project, "");
    EXPECT_EQ(next.header().equipment, "");
    EXPECT_EQ(next.header().designer.name, "张三");
    EXPECT_EQ(next.header().designer.date, "");
    EXPECT_EQ(next.windowTitle(), "爆破片计算书 — Orvane");
}

TEST_F(SheetWindowTest, TheTitleBlockBelongsToTheCase) {
    QTemporaryDir dir;
    valve::ValveWindow* w = sizedAirValve();
    auto* menu = w->findChild<casefile::CaseMenu*>("caseMenu");
    click(w, "Command3");
    SheetWindow* sheet = sheetOf(w);
    ASSERT_NE(sheet, nullptr);
    typeInto(sheet, "project", "空压站改造");
    typeInto(sheet, "equipment", "压缩空气储罐");
    typeInto(sheet, "tag", "V-101");
    typeInto(sheet, "designer", "张三");
    EXPECT_EQ(w->memory().titleBlock, (TitleBlock{"空压站改造", "压缩空气储罐", "V-101"}));
    QApplication::processEvents();
    EXPECT_TRUE(w->windowTitle().startsWith("未命名*"));  // the case changed
    const QString first = dir.filePath("压缩空气储罐.orvane");
    ASSERT_EQ(menu->saveTo(first), QString());

    // The other calculator's sheet has its own, empty title block and the same signer.
    click(cover.get(), "Command2");
    disc::DiscWindow* d = cover->discWindow();
    typeInto(d, "Combo1", "空气");
    click(d, "Command4");
    click(d, "Command1");
    click(d, "Command3");
    ASSERT_NE(sheetOf(d), nullptr);
    EXPECT_EQ(sheetOf(d)->header().project, "");
    EXPECT_EQ(sheetOf(d)->header().tag, "");
    EXPECT_EQ(sheetOf(d)->header().designer.name, "张三");

    // 新建 empties it and takes the sheet of the last case away; another case gets its own.
    ASSERT_TRUE(menu->newCase());
    EXPECT_EQ(sheetOf(w), nullptr);
    EXPECT_EQ(w->memory().titleBlock, TitleBlock{});
    typeInto(w, "Combo1", "空气");
    click(w, "Command4");
    click(w, "Command1");
    click(w, "Command3");
    EXPECT_EQ(sheetOf(w)->header().project, "");
    typeInto(sheetOf(w), "tag", "V-202");
    ASSERT_EQ(menu->saveTo(dir.filePath("second.orvane")), QString());

    // Opening the first case brings its own back, to its sheet and to the file it was saved in.
    ASSERT_EQ(menu->openFile(first), QString());
    EXPECT_EQ(w->memory().titleBlock, (TitleBlock{"空压站改造", "压缩空气储罐", "V-101"}));
    click(w, "Command1");
    click(w, "Command3");
    EXPECT_EQ(sheetOf(w)->header().tag, "V-101");
    EXPECT_EQ(sheetOf(w)->header().project, "空压站改造");
    QFile saved(first);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\"title_block\""));
}

TEST_F(SheetWindowTest, TheDiscSheetOfAnUninsulatedFireCase) {
    click(cover.get(), "Command2");
    disc::DiscWindow* w = cover->discWindow();
    typeInto(w, "Combo1", "液氨");
    typeInto(w, "Combo2", "无保温液化气");
    click(w, "Command4");
    typeInto(w, "Text19", "2000");
    typeInto(w, "Text20", "6000");
    click(w, "Command1");
    // Pb − 0.085 = 1.915 against 1.43 × 2.16 / 1.1 = 2.808: the results stand, the failed check is told.
    ASSERT_EQ(takeMessage(w), "已写出计算结果，但下列校核不合格，该装置不能按此采用：\n"
                              "· 制造范围的最低爆破压力不低于工作压力的 r 倍：Pb − 下限 ≥ r × p_w，1.915 < 2.808 MPa，不合格。");
    click(w, "Command3");
    SheetWindow* sheet = sheetOf(w);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "爆破片计算书 — Orvane");
    typeInto(sheet, "project", "液氨储存");
    typeInto(sheet, "equipment", "液氨储罐");
    typeInto(sheet, "tag", "V-201");
    QTest::qWait(400);
    screenshot(sheet, "sheet-disc");

    QTest::mouseClick(w->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    click(w, "Command3");
    EXPECT_EQ(takeMessage(w),
              "计算后窗口已改动：“爆破片型式”已由“普通正拱”改为“开缝正拱”。计算书只记录窗口所显示的"
              "计算，请重新按“计     算”后再打印。");
}

}  // namespace
}  // namespace orvane::sheet
