// What the program does with its arguments at start: a case file named there (as the desktop passes
// it when a ".orvane" file is opened) opens in its own calculator; and the faces shipped beside the
// program are loaded from their folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/bundled_fonts.h"
#include "shell/case_argument.h"
#include "window_fixture.h"

namespace orvane::shell {
namespace {

const QString kCaption = "超压泄放装置计算 （按GB150-1998及《压力容器安全技术监察规程》编制）";

TEST(CaseArgument, IsTheFirstArgumentThatIsNoOption) {
    struct Case {
        QStringList arguments;
        std::optional<QString> path;
    };
    const Case cases[] = {
        {{"orvane"}, std::nullopt},
        {{"orvane", "--bogus"}, std::nullopt},
        {{"orvane", "air.orvane"}, "air.orvane"},
        {{"orvane", "--bogus", "C:/用户/设计 一室/泵出口缓冲罐.orvane", "b.orvane"},
         "C:/用户/设计 一室/泵出口缓冲罐.orvane"},
    };
    for (const Case& c : cases) EXPECT_EQ(caseArgument(c.arguments), c.path) << c.arguments.join(' ').toStdString();
}

class CaseArgumentWindowTest : public WindowTest {
protected:
    QTemporaryDir dir;

    // An example case copied to a folder whose names hold Chinese characters and blanks.
    QString copyExample(const char* example, const char* name) {
        EXPECT_TRUE(QDir(dir.path()).mkpath("设计 一室"));
        const QString path = dir.filePath("设计 一室/" + QString::fromUtf8(name));
        EXPECT_TRUE(QFile::copy(QString(ORVANE_EXAMPLES_DIR "/") + example, path));
        return path;
    }
};

TEST_F(CaseArgumentWindowTest, AValveCaseOpensInTheSafetyValveWindow) {
    const QString path = copyExample("air-valve.orvane", "空气 安全阀.orvane");
    EXPECT_EQ(openCase(*cover, path), QString());
    valve::ValveWindow* w = cover->valveWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(cover->discWindow(), nullptr);
    EXPECT_EQ(w->windowTitle(), "空气 安全阀.orvane — " + kCaption);
    EXPECT_EQ(textOf(w, "Text7"), "3040.586");  // the results as the example saved them
    EXPECT_EQ(textOf(w, "Text13"), "0.840000012516975");
}

TEST_F(CaseArgumentWindowTest, ADiscCaseOpensInTheBurstingDiscWindow) {
    const QString path = copyExample("ammonia-tank-disc.orvane", "液氨 储罐.orvane");
    EXPECT_EQ(openCase(*cover, path), QString());
    disc::DiscWindow* w = cover->discWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(cover->valveWindow(), nullptr);
    EXPECT_EQ(w->windowTitle(), "液氨 储罐.orvane — 超压泄放装置计算（按GB150-1998及《压力容器安全技术监察规程》编制）");
}

TEST_F(CaseArgumentWindowTest, AFileThatIsNoCaseOpensNoCalculator) {
    const QString path = dir.filePath("表.orvane");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("medium,k\n空气,1.4\n");
    f.close();
    EXPECT_FALSE(openCase(*cover, path).isEmpty());
    EXPECT_FALSE(openCase(*cover, dir.filePath("不存在.orvane")).isEmpty());
    EXPECT_EQ(cover->valveWindow(), nullptr);
    EXPECT_EQ(cover->discWindow(), nullptr);
}

TEST(BundledFonts, LoadsTheFacesOfTheirFolderWhateverItsName) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("程序 文件/fonts");  // not in every Windows code page
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(ORVANE_TEST_FONT, folder + "/DejaVuSans.ttf"));
    QFile(folder + "/LICENSE").open(QIODevice::WriteOnly);  // no face: passed over
    EXPECT_EQ(loadBundledFonts(folder), QStringList{"DejaVu Sans"});
    EXPECT_EQ(loadBundledFonts(dir.filePath("no such folder")), QStringList());
}

}  // namespace
}  // namespace orvane::shell
