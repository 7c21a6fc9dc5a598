// 编辑 → 介质物性库…: adding, editing and deleting the user's media, saving them to the library file,
// both windows' medium lists following it; a built-in name refused; a damaged file told and kept.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>

#include <QMessageBox>
#include <QPushButton>

#include "casefile/case_menu.h"
#include "disc/disc_window.h"
#include "media/media_dialog.h"
#include "media/user_media_file.h"
#include "media/user_media_store.h"
#include "valve/valve_window.h"
#include "window_fixture.h"

namespace orvane {
namespace {

using media::UserMediaStore;

class MediaWindowTest : public WindowTest {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("media.json");

    void SetUp() override {
        WindowTest::SetUp();
        UserMediaStore::instance().load(path);
    }
    void TearDown() override {
        UserMediaStore::instance().load(dir.filePath("none.json"));
        WindowTest::TearDown();
    }

    valve::ValveWindow* openValve() {
        click(cover.get(), "Command1");
        return cover->valveWindow();
    }
    // 编辑 → 介质物性库… of `window`.
    static media::MediaDialog* openLibrary(CalculatorWindow* window) {
        auto* edit = window->menuBar()->findChild<QMenu*>("editMenu");
        auto* action = edit->findChild<QAction*>("mediaLibrary");
        EXPECT_NE(action, nullptr);
        EXPECT_EQ(action->text(), "介质物性库(&M)…");
        action->trigger();
        QApplication::processEvents();
        return window->findChild<media::MediaDialog*>("mediaDialog");
    }
    static QDialog* entryOf(QWidget* dialog) {
        QApplication::processEvents();
        return dialog->findChild<QDialog*>("mediumEntry");
    }
    static void button(QDialog* dialog, QDialogButtonBox::StandardButton which) {
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
        QTest::mouseClick(buttons->button(which), Qt::LeftButton);
        QApplication::processEvents();
    }
    // A button of a dialog, wherever its layout put it.
    static void press(QWidget* dialog, const char* name) {
        auto* b = dialog->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    }
    // Adds a medium through the entry dialog, its fields typed as given.
    static QDialog* add(QDialog* dialog, std::initializer_list<std::pair<const char*, const char*>> fields) {
        press(dialog, "addMedium");
        QDialog* entry = entryOf(dialog);
        if (entry == nullptr) return nullptr;
        for (const auto& [name, text] : fields) typeInto(entry, name, QString::fromUtf8(text));
        return entry;
    }
    static std::vector<std::string> items(QWidget* window) {
        auto* list = window->findChild<QComboBox*>("Combo1");
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i) out.push_back(list->itemText(i).toStdString());
        return out;
    }
    static std::vector<std::string> userRows(QDialog* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("mediaTable");
        std::vector<std::string> out;
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 1)->text() != "用户") continue;
            std::string row;
            for (int c = 0; c < table->columnCount(); ++c) row += table->item(r, c)->text().toStdString() + "|";
            out.push_back(row);
        }
        return out;
    }
    // Answers the question about the damaged file with `answer`; `asked` then tells whether it came.
    static std::shared_ptr<bool> answerDamaged(QMessageBox::StandardButton answer) {
        auto asked = std::make_shared<bool>(false);
        QTimer::singleShot(0, [answer, asked] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box == nullptr || box->objectName() != "damagedMediaFile" || !box->isVisible()) continue;
                *asked = true;
                box->button(answer)->click();
            }
        });
        return asked;
    }
    static QByteArray bytesOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
};

const std::vector<std::string> kBuiltIn = {"空气", "氮气", "氧气", "氢气", "液氯", "液氨", "乙炔", "乙烯",
                                           "丙烯", "丙烷", "液化气", "丁烯", "丁二烯", "丁烷", "水蒸气"};

TEST_F(MediaWindowTest, AddEditDeleteSaveAndBothListsFollow) {
    valve::ValveWindow* valve = openValve();
    click(cover.get(), "Command2");
    disc::DiscWindow* disc = cover->discWindow();
    QPointer<media::MediaDialog> dialog = openLibrary(valve);
    ASSERT_NE(dialog, nullptr);

    // Argon with C from k: 520 √(1.67 × (2 / 2.67)^(2.67 / 0.67)) = 377.864.
    QDialog* entry = add(dialog, {{"name", "氩气"}, {"molar_mass_kg_kmol", "39.95"}, {"k", "1.67"}, {"Z", "1"}});
    ASSERT_NE(entry, nullptr);
    entry->findChild<QCheckBox*>("C_from_k")->setChecked(true);
    EXPECT_EQ(textOf(entry, "C"), "377.864");
    screenshot(entry, "media-entry");
    button(entry, QDialogButtonBox::Ok);
    QDialog* second = add(dialog, {{"name", "R134a"}, {"molar_mass_kg_kmol", "102.03"}, {"latent_heat_kJ_kg", "217"}});
    ASSERT_NE(second, nullptr);
    second->findChild<QComboBox*>("phase")->setCurrentText("饱和气");
    button(second, QDialogButtonBox::Ok);
    EXPECT_EQ(userRows(dialog), (std::vector<std::string>{"氩气|用户|气体|39.95|1.67|377.864（由 k 计算）|1||||",
                                                          "R134a|用户|饱和气|102.03||||217|||"}));
    screenshot(dialog, "media-dialog");
    EXPECT_EQ(items(valve), kBuiltIn);  // nothing is offered before it is saved
    button(dialog, QDialogButtonBox::Save);
    EXPECT_TRUE(dialog.isNull());  // saved and closed

    std::vector<std::string> offered = kBuiltIn;
    offered.insert(offered.end(), {"氩气", "R134a"});
    EXPECT_EQ(items(valve), offered);
    EXPECT_EQ(items(disc), offered);
    EXPECT_EQ(media::readMediaFile(path).media, UserMediaStore::instance().media());
    auto* list = valve->findChild<QComboBox*>("Combo1");
    list->setCurrentIndex(list->count() - 1);
    list->showPopup();
    QApplication::processEvents();
    screenshot(list->view()->window(), "media-list");
    list->hidePopup();
    typeInto(valve, "Combo1", "氩气");
    click(valve, "Command4");
    EXPECT_EQ(textOf(valve, "Text11"), "39.95");
    EXPECT_EQ(textOf(valve, "Text10"), "377.864");
    screenshot(valve, "media-valve-window");

    // Edited from the other window: argon's M, then R134a deleted. The name on the valve window stays.
    dialog = openLibrary(disc);
    ASSERT_NE(dialog, nullptr);
    auto* table = dialog->findChild<QTableWidget*>("mediaTable");
    table->selectRow(table->rowCount() - 2);
    press(dialog, "editMedium");
    entry = entryOf(dialog);
    ASSERT_NE(entry, nullptr);
    typeInto(entry, "molar_mass_kg_kmol", "39.948");
    button(entry, QDialogButtonBox::Ok);
    table->selectRow(table->rowCount() - 1);
    press(dialog, "deleteMedium");
    EXPECT_EQ(userRows(dialog), (std::vector<std::string>{"氩气|用户|气体|39.948|1.67|377.864（由 k 计算）|1||||"}));
    button(dialog, QDialogButtonBox::Save);
    offered.pop_back();
    EXPECT_EQ(items(valve), offered);
    EXPECT_EQ(textOf(valve, "Combo1"), "氩气");
    // The valve window shows argon's M of before: no result is computed from it, input parameters
    // takes the new one.
    EXPECT_TRUE(shown(valve, "Shape1"));
    click(valve, "Command1");
    EXPECT_EQ(takeMessage(valve), "输入参数项的结果与输入不符：案例中“M=”为“39.95”，按案例的输入重新得出为“39.948”。\n"
                                  "请先按“输入参数项”，再按“计     算”。");
    EXPECT_EQ(textOf(valve, "Text7"), "");
    click(valve, "Command4");
    EXPECT_EQ(textOf(valve, "Text11"), "39.948");
    EXPECT_FALSE(shown(valve, "Shape1"));
}

TEST_F(MediaWindowTest, ABuiltInNameIsRefusedAndEscClosesWithoutSaving) {
    QPointer<media::MediaDialog> dialog = openLibrary(openValve());
    ASSERT_NE(dialog, nullptr);
    QDialog* entry = add(dialog, {{"name", "液化气"}, {"k", "1.13"}});
    ASSERT_NE(entry, nullptr);
    button(entry, QDialogButtonBox::Ok);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->findChild<QLabel*>("entryFault")->text(), "名称“液化气”是内置介质的名称，用户介质须另取名称。");
    screenshot(entry, "media-entry-refused");
    typeInto(entry, "name", "液化气B");
    button(entry, QDialogButtonBox::Ok);
    EXPECT_EQ(userRows(dialog).size(), 1u);

    QTest::keyClick(dialog, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(UserMediaStore::instance().media().empty());
}

TEST_F(MediaWindowTest, ADamagedFileIsToldAndKeptBeforeAnythingIsWritten) {
    const QByteArray damaged = R"({"format": "orvane-media", "version": 1, "media": [{"name": "氩气", "phase": "气体", "molar_mass_kg_kmol": "-39.95"}]})";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(damaged);
    }
    UserMediaStore::instance().load(path);
    EXPECT_EQ(UserMediaStore::instance().fault(), "第 1 个介质（“氩气”）：“分子量 M”须大于 0（现为“-39.95”）。");
    valve::ValveWindow* valve = openValve();
    EXPECT_EQ(items(valve), kBuiltIn);
    media::MediaDialog* dialog = openLibrary(valve);
    ASSERT_NE(dialog, nullptr);
    auto* fault = dialog->findChild<QLabel*>("mediaFault");
    EXPECT_TRUE(fault->isVisible());
    EXPECT_EQ(fault->text(), "用户物性库文件“" + path + "”已损坏，未载入：第 1 个介质（“氩气”）：“分子量 M”须大于 0（现为“-39.95”）。\n"
                             "该文件保留未动；保存时先把它改名保留，再写入下表中的用户介质。");
    screenshot(dialog, "media-dialog-damaged");
    // The widest name allowed, which the medium list shows whole.
    QDialog* entry = add(dialog, {{"name", "六氟化硫混合"}, {"molar_mass_kg_kmol", "146.06"}});
    ASSERT_NE(entry, nullptr);
    button(entry, QDialogButtonBox::Ok);

    std::shared_ptr<bool> asked = answerDamaged(QMessageBox::Cancel);
    button(dialog, QDialogButtonBox::Save);
    EXPECT_TRUE(*asked);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(bytesOf(path), damaged);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    asked = answerDamaged(QMessageBox::Save);
    button(dialog, QDialogButtonBox::Save);
    EXPECT_TRUE(*asked);
    const QStringList kept = QDir(dir.path()).entryList({"media.json.bad-*"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(bytesOf(dir.filePath(kept.front())), damaged);
    ASSERT_EQ(media::readMediaFile(path).media.size(), 1u);
    EXPECT_EQ(items(valve).back(), "六氟化硫混合");
    typeInto(valve, "Combo1", "六氟化硫混合");
    EXPECT_EQ(layoutProblems(valve), std::vector<std::string>{});
}

// A case file of a user's medium opened where the library lacks it: said, sized with the file's
// properties, and added to the library with one click.
TEST_F(MediaWindowTest, OpeningACaseOfAMediumTheLibraryLacksOffersToAddIt) {
    const media::UserMedium argon =
        *media::readMedium({"氩气", "气体", {"39.95", "1.67", "", "1", "", "", ""}, true}, {}).medium;
    ASSERT_EQ(UserMediaStore::instance().save({argon}), QString());
    valve::ValveWindow* w = openValve();
    typeInto(w, "Combo1", "氩气");
    click(w, "Command4");
    click(w, "Command1");
    ASSERT_EQ(takeMessage(w), "");
    const std::string W = textOf(w, "Text7");
    auto* menu = w->findChild<casefile::CaseMenu*>("caseMenu");
    const QString file = dir.filePath("argon.orvane");
    ASSERT_EQ(menu->saveTo(file), QString());

    ASSERT_TRUE(menu->newCase());
    ASSERT_EQ(UserMediaStore::instance().save({}), QString());  // another machine's empty library
    ASSERT_EQ(menu->openFile(file), QString());
    QApplication::processEvents();
    auto* offer = w->findChild<QMessageBox*>("userMediumOffer");
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(offer->text().toStdString(), "案例使用的介质“氩气”不在本机的用户物性库中。\n本案例按案例文件所带的物性计算。");
    click(w, "Command1");
    EXPECT_EQ(textOf(w, "Text7"), W);
    // Input parameters too takes the file's medium, not this machine's library (which lacks it).
    click(w, "Command4");
    EXPECT_EQ(textOf(w, "Text9"), "1.67");
    click(w, "Command1");
    EXPECT_EQ(textOf(w, "Text7"), W);
    QTest::mouseClick(offer->findChild<QPushButton*>("addMedium"), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(UserMediaStore::instance().media().size(), 1u);
    EXPECT_EQ(UserMediaStore::instance().media().front(), argon);
}

}  // namespace
}  // namespace orvane
