// The case menu of the calculator windows: save, open, new, the title, the question about unsaved
// changes, refused files, copying the results.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QTimer>
#include <memory>
#include <QFile>
#include <QTemporaryDir>

#include "casefile/case_json.h"
#include "casefile/case_menu.h"
#include "disc/disc_window.h"
#include "valve/valve_window.h"
#include "window_fixture.h"

namespace orvane {
namespace {

const QString kCaption = "超压泄放装置计算 （按GB150-1998及《压力容器安全技术监察规程》编制）";

class CaseWindowTest : public WindowTest {
protected:
    QTemporaryDir dir;

    valve::ValveWindow* openValve() {
        click(cover.get(), "Command1");
        QApplication::processEvents();
        return cover->valveWindow();
    }
    static casefile::CaseMenu* menuOf(QWidget* w) { return w->findChild<casefile::CaseMenu*>("caseMenu"); }
    static QString title(QWidget* w) {
        QApplication::processEvents();
        return w->windowTitle();
    }
    static std::vector<std::string> results(QWidget* w) {
        std::vector<std::string> out;
        for (const char* name : {"Text7", "Text8", "Text15", "Text17", "Text16", "Text13"}) out.push_back(textOf(w, name));
        return out;
    }
    QString write(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
};

TEST_F(CaseWindowTest, SavedCaseOpensAsSavedAndCalculatesTheSameResults) {
    valve::ValveWindow* w = openValve();
    casefile::CaseMenu* menu = menuOf(w);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(title(w), kCaption);
    typeInto(w, "Combo1", "空气");
    click(w, "Command4");
    typeInto(w, "Text6", "20");
    click(w, "Command1");
    ASSERT_EQ(takeMessage(w), "");
    const std::vector<std::string> shownAtSave = results(w);
    EXPECT_EQ(title(w), "未命名* — " + kCaption);

    const QString path = dir.filePath("泵出口缓冲罐.orvane");
    EXPECT_EQ(menu->saveTo(path), QString());
    EXPECT_EQ(title(w), "泵出口缓冲罐.orvane — " + kCaption);
    EXPECT_EQ(casefile::CaseMenu::recentFiles().value(0), path);

    ASSERT_TRUE(menu->newCase());
    EXPECT_EQ(textOf(w, "Combo1"), "水蒸气");
    EXPECT_EQ(textOf(w, "Text7"), "");
    EXPECT_TRUE(shown(w, "Shape1"));
    EXPECT_FALSE(shown(w, "Text5"));
    EXPECT_EQ(title(w), kCaption);

    EXPECT_EQ(menu->openFile(path), QString());
    EXPECT_EQ(textOf(w, "Combo1"), "空气");
    EXPECT_EQ(textOf(w, "Text6"), "20");
    EXPECT_FALSE(shown(w, "Shape1"));
    EXPECT_TRUE(shown(w, "Text5"));
    EXPECT_EQ(results(w), shownAtSave);
    click(w, "Command1");
    EXPECT_EQ(takeMessage(w), "");
    EXPECT_EQ(results(w), shownAtSave);
    EXPECT_EQ(title(w), "泵出口缓冲罐.orvane — " + kCaption);
    screenshot(w, "valve-case-opened");
}

TEST_F(CaseWindowTest, ARefusedFileLeavesTheWindowAsItWasAndUsable) {
    valve::ValveWindow* w = openValve();
    casefile::CaseMenu* menu = menuOf(w);
    typeInto(w, "Combo1", "空气");
    click(w, "Command4");
    const QString good = dir.filePath("good.orvane");
    ASSERT_EQ(menu->saveTo(good), QString());
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray valid = f.readAll();
    const auto replaced = [&valid](const char* from, const char* to) { return QByteArray(valid).replace(from, to); };

    struct Bad {
        const char* name;
        QByteArray bytes;
        QString message;
    };
    const Bad cases[] = {
        {"not-json.orvane", "{\"format\": \"orvane-case\",", "这不是 Orvane 的案例文件：文件不是有效的 JSON（第 25 字节处有错）。"},
        {"array.orvane", "[1, 2]", "这不是 Orvane 的案例文件：文件的内容不是一组键和值。"},
        {"other-format.orvane", replaced("\"orvane-case\"", "\"orvane-sheet\""),
         "这不是 Orvane 的案例文件：格式名应为“orvane-case”，文件中为“orvane-sheet”。"},
        {"newer.orvane", replaced("\"version\": 2", "\"version\": 3"),
         "案例文件的版本为 3，本程序只能读取版本 2 及以前的案例文件：请用更新的 Orvane 打开。"},
        // A version beyond the range of an int (a fuzz finding) is refused as a newer one, unconverted.
        {"version-beyond-int.orvane", replaced("\"version\": 2", "\"version\": 4.56e84"),
         "案例文件的版本为 4.56E+84，本程序只能读取版本 2 及以前的案例文件：请用更新的 Orvane 打开。"},
        {"version-just-beyond-int.orvane", replaced("\"version\": 2", "\"version\": 2147483648"),
         "案例文件的版本为 2147483648，本程序只能读取版本 2 及以前的案例文件：请用更新的 Orvane 打开。"},
        {"version-half.orvane", replaced("\"version\": 2", "\"version\": 1.5"), "案例文件的版本号缺少或不是正整数。"},
        // Saved in GBK by another program: told as such, not as broken JSON.
        {"gbk.orvane", replaced("\"空气\"", "\"\xBF\xD5\xC6\xF8\""),
         "这不是 UTF-8 编码的文本文件：Orvane 的案例文件是 UTF-8 编码的 JSON 文本，此文件可能以 GBK 等其他编码保存或已损坏。"},
        {"bad-source.orvane", replaced("\"source\": \"catalogue\"", "\"source\": \"guessed\""),
         "案例文件中“written”的“C=”（C）的来源应为 catalogue、user_library、derived 或 computed。"},
        {"disc.orvane", replaced("\"window\": \"valve\"", "\"window\": \"disc\""),
         "这是爆破片计算的案例文件，不能在安全阀窗口中打开：请在爆破片窗口中打开它。"},
        {"missing.orvane", replaced("\"working_pressure_MPa\"", "\"working_pressure\""),
         "案例文件缺少“工作压力 MPa”（working_pressure_MPa）。"},
        {"number.orvane", replaced("\"working_pressure_MPa\": \"0.8\"", "\"working_pressure_MPa\": 0.8"),
         "案例文件中“工作压力 MPa”（working_pressure_MPa）的值不是文字（数也应写成带引号的文字）。"},
        {"derived.orvane", replaced("\"Pd_MPa\": \"0.88\"", "\"Pd_MPa\": \"高\""),
         "案例文件中输入参数项得出的“Pd_MPa”的值“高”不是数。"},
        // A number the program wrote has nothing after it (a fuzz finding read "2.16Pw_:MP" as 2.16).
        {"derived-tail.orvane", replaced("\"Pd_MPa\": \"0.88\"", "\"Pd_MPa\": \"0.88 MPa\""),
         "案例文件中输入参数项得出的“Pd_MPa”的值“0.88 MPa”不是数。"},
        // Beyond the single range the program holds it in (FLT_MAX is about 3.4E+38).
        {"derived-huge.orvane", replaced("\"Pd_MPa\": \"0.88\"", "\"Pd_MPa\": \"4E+38\""),
         "案例文件中输入参数项得出的“Pd_MPa”的值“4E+38”超出程序所能保存的范围。"},
        // A moved caption far outside the window, beyond any whole number (a fuzz finding), or not whole.
        {"far.orvane", replaced("\"seal_half_cone_angle_deg.label\": \"4560\"", "\"seal_half_cone_angle_deg.label\": \"4.56e84\""),
         "案例文件中“seal_half_cone_angle_deg.label”的位置“4.56e84”不在窗口内。"},
        {"half.orvane", replaced("\"seal_half_cone_angle_deg.label\": \"4560\"", "\"seal_half_cone_angle_deg.label\": \"4560.5\""),
         "案例文件中“seal_half_cone_angle_deg.label”的位置“4560.5”不在窗口内。"},
        {"huge.orvane", QByteArray(casefile::kMaxCaseFileBytes + 1, ' '),
         "文件太大（1048577 字节），不是 Orvane 的案例文件：案例文件不超过 1048576 字节。"},
    };
    typeInto(w, "Text2", "1.2");
    const casefile::CaseData before = menu->captureWindow();
    const QString titleBefore = title(w);
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(menu->openFile(write(c.name, c.bytes)), c.message);
        EXPECT_TRUE(menu->captureWindow() == before);
        EXPECT_EQ(title(w), titleBefore);
    }
    // Keys the reader does not know are ignored.
    EXPECT_EQ(menu->openFile(write("extra.orvane", replaced("\"lamp_lit\"", "\"remark\": \"x\", \"lamp_lit\""))), QString());
    click(w, "Command1");
    EXPECT_EQ(takeMessage(w), "");
    EXPECT_EQ(textOf(w, "Text13"), "0.840000012516975");
}

TEST_F(CaseWindowTest, UnsavedChangesAreAskedAboutBeforeNewAndClosing) {
    valve::ValveWindow* w = openValve();
    casefile::CaseMenu* menu = menuOf(w);
    typeInto(w, "Text2", "1.5");
    EXPECT_TRUE(menu->isModified());

    auto asked = answerUnsavedChanges(QMessageBox::Cancel);
    EXPECT_FALSE(menu->newCase());
    EXPECT_TRUE(*asked);
    EXPECT_EQ(textOf(w, "Text2"), "1.5");

    asked = answerUnsavedChanges(QMessageBox::Cancel);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(*asked);
    EXPECT_TRUE(w->isVisible());

    asked = answerUnsavedChanges(QMessageBox::Discard);
    EXPECT_TRUE(menu->newCase());
    EXPECT_TRUE(*asked);
    EXPECT_EQ(textOf(w, "Text2"), "0.8");
    EXPECT_FALSE(menu->isModified());

    // Typing a text back as it was is no change.
    typeInto(w, "Text2", "0.9");
    typeInto(w, "Text2", "0.8");
    EXPECT_FALSE(menu->isModified());
    EXPECT_EQ(title(w), kCaption);

    // With a file, 保存 saves there and goes on.
    ASSERT_EQ(menu->saveTo(dir.filePath("a.orvane")), QString());
    typeInto(w, "Text2", "2");
    asked = answerUnsavedChanges(QMessageBox::Save);
    EXPECT_TRUE(menu->newCase());
    EXPECT_TRUE(*asked);
    EXPECT_EQ(menu->openFile(dir.filePath("a.orvane")), QString());
    EXPECT_EQ(textOf(w, "Text2"), "2");
}

TEST_F(CaseWindowTest, ClosingTheProgramOverTwoUnsavedCalculatorsAsksOnceAndLosesNothingOnCancel) {
    valve::ValveWindow* valve = openValve();
    click(cover.get(), "Command2");
    disc::DiscWindow* disc = cover->discWindow();
    ASSERT_EQ(menuOf(disc)->saveTo(dir.filePath("disc.orvane")), QString());
    typeInto(valve, "Text2", "1.5");
    typeInto(disc, "Text2", "1.2");
    // The prompt's text, and the answer given to it.
    const auto answer = [](QMessageBox::StandardButton button) {
        auto text = std::make_shared<QString>();
        QTimer::singleShot(0, [button, text] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box == nullptr || box->objectName() != "unsavedChanges" || !box->isVisible()) continue;
                *text = box->text();
                box->button(button)->click();
            }
        });
        return text;
    };

    auto asked = answer(QMessageBox::Cancel);
    cover->exitProgram();
    EXPECT_EQ(*asked, "下列计算有未保存的改动：\n· 安全阀计算：未命名的案例\n· 爆破片计算：案例“disc.orvane”\n是否全部保存？");
    EXPECT_TRUE(valve->isVisible() && disc->isVisible());
    EXPECT_EQ(textOf(valve, "Text2"), "1.5");
    EXPECT_EQ(textOf(disc, "Text2"), "1.2");

    // 保存全部 saves each to its file, then both close.
    ASSERT_EQ(menuOf(valve)->saveTo(dir.filePath("valve.orvane")), QString());
    typeInto(valve, "Text2", "1.6");
    asked = answer(QMessageBox::SaveAll);
    cover->exitProgram();
    EXPECT_FALSE(asked->isEmpty());
    EXPECT_FALSE(cover->valveWindow() != nullptr && cover->valveWindow()->isVisible());
    const casefile::CaseRead saved = casefile::readCaseFile(dir.filePath("disc.orvane"), Device::BurstingDisc);
    ASSERT_TRUE(saved.data);
    EXPECT_EQ(saved.data->inputs.at("working_pressure_MPa"), "1.2");
    EXPECT_EQ(casefile::readCaseFile(dir.filePath("valve.orvane"), Device::SafetyValve).data->inputs.at("working_pressure_MPa"),
              "1.6");
}

TEST_F(CaseWindowTest, OneCalculatorsPromptNamesIt) {
    valve::ValveWindow* w = openValve();
    typeInto(w, "Text2", "1.5");
    auto text = std::make_shared<QString>();
    QTimer::singleShot(0, [text] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(top);
            if (box == nullptr || box->objectName() != "unsavedChanges" || !box->isVisible()) continue;
            *text = box->text();
            box->button(QMessageBox::Discard)->click();
        }
    });
    cover->exitProgram();
    EXPECT_EQ(*text, "安全阀计算：未命名的案例有未保存的改动。是否保存？");
    EXPECT_FALSE(cover->valveWindow() != nullptr && cover->valveWindow()->isVisible());
}

TEST_F(CaseWindowTest, TheGuideClosesWithItsButtonAndWithEscape) {
    valve::ValveWindow* w = openValve();
    auto* help = w->menuBar()->findChild<QMenu*>("helpMenu");
    for (int round = 0; round < 2; ++round) {
        help->actions().front()->trigger();
        auto* guide = w->findChild<QDialog*>("guide");
        ASSERT_NE(guide, nullptr);
        ASSERT_TRUE(guide->isVisible());
        if (round == 0) {
            auto* buttons = guide->findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Close), Qt::LeftButton);
        } else {
            guide->activateWindow();
            QTest::keyClick(guide->focusWidget() != nullptr ? guide->focusWidget() : guide, Qt::Key_Escape);
        }
        EXPECT_FALSE(guide->isVisible()) << round;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CaseWindowTest, CopyResultsPutsTheSixResultsAsATable) {
    click(cover.get(), "Command2");
    disc::DiscWindow* w = cover->discWindow();
    typeInto(w, "Combo1", "空气");
    click(w, "Command4");
    click(w, "Command1");
    ASSERT_EQ(takeMessage(w), "");
    menuOf(w)->copyResults();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "项目\t数值\t单位\n"
              "安全泄放量\t3886.844\tkg/h\n"
              "安全泄放面积\t563.8745\tmm²\n"
              "计算口径\t26.7945499300395\tmm\n"
              "公称管径\t32\tmm\n"
              "设计压力\t1.319\tMPa\n"
              "设计爆破压力\t1.209\tMPa\n");
}

TEST_F(CaseWindowTest, TheMenuBarStandsAboveAnUnchangedClientArea) {
    valve::ValveWindow* valve = openValve();
    click(cover.get(), "Command2");
    disc::DiscWindow* disc = cover->discWindow();
    for (CalculatorWindow* w : {static_cast<CalculatorWindow*>(valve), static_cast<CalculatorWindow*>(disc)}) {
        QMenuBar* bar = w->menuBar();
        EXPECT_GT(bar->height(), 10);
        EXPECT_EQ(bar->geometry(), QRect(0, 0, w->width(), bar->height()));
        QStringList titles;
        for (QAction* a : bar->actions()) titles << a->text();
        EXPECT_EQ(titles, QStringList({"文件(&F)", "编辑(&E)", "帮助(&H)"}));
        for (const ControlRow& c : w->table().controls) {
            QWidget* control = w->findChild<QWidget*>(QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())),
                                                      Qt::FindDirectChildrenOnly);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->x(), twipsToPixels(c.at.left)) << c.name;
            EXPECT_EQ(control->y(), twipsToPixels(c.at.top) + bar->height()) << c.name;
        }
        for (const std::string& problem : layoutProblems(w)) EXPECT_EQ(problem.find("menuBar"), std::string::npos) << problem;
    }
    screenshot(valve, "valve-menu-bar");
    screenshot(disc, "disc-menu-bar");
}

}  // namespace
}  // namespace orvane
