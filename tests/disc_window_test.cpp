// The bursting disc window beside the safety valve window, driven from the cover.
#include <QRadioButton>

#include "disc/disc_controls.h"
#include "disc/disc_window.h"
#include "valve/valve_window.h"
#include "window_fixture.h"

namespace orvane {
namespace {

class DiscWindowTest : public WindowTest {
protected:
    disc::DiscWindow* openDisc() {
        click(cover.get(), "Command2");
        QApplication::processEvents();
        return cover->discWindow();
    }
    valve::ValveWindow* openValve() {
        click(cover.get(), "Command1");
        QApplication::processEvents();
        return cover->valveWindow();
    }
};

TEST_F(DiscWindowTest, OneWindowPerRunThatReturnKeepsAsItWasLeft) {
    disc::DiscWindow* w = openDisc();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "防爆片");
    EXPECT_EQ(w->windowTitle(), "超压泄放装置计算（按GB150-1998及《压力容器安全技术监察规程》编制）");
    EXPECT_EQ(w->size(), QSize(622, 573 + barHeight(w)));  // the client area, and the menu bar above it
    screenshot(w, "disc-open");
    typeInto(w, "Combo1", "空气");
    click(w, "Command4");
    click(w, "Command1");
    EXPECT_EQ(takeMessage(w), "");
    EXPECT_EQ(textOf(w, "Text13"), "1.209");
    EXPECT_EQ(textOf(w, "Text3"), "1.319");
    click(w, "Command2");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(openDisc(), w);
    EXPECT_EQ(textOf(w, "Text7"), "3886.844");
    EXPECT_TRUE(shown(w, "Text5"));
    screenshot(w, "disc-air");
}

TEST_F(DiscWindowTest, BothWindowsSideBySideShowNothingOfTheOthersMedium) {
    valve::ValveWindow* valve = openValve();
    disc::DiscWindow* disc = openDisc();
    ASSERT_TRUE(valve->isVisible() && disc->isVisible());
    // A latent heat applied in one window is not shown in the other for a medium without one.
    typeInto(valve, "Combo1", "液氨");
    typeInto(valve, "Combo2", "无保温液化气");
    click(valve, "Command4");
    EXPECT_EQ(textOf(valve, "Text18"), "1055.4");
    typeInto(disc, "Combo1", "乙烯");
    click(disc, "Command4");
    EXPECT_EQ(textOf(disc, "Text18"), "");
    EXPECT_EQ(textOf(disc, "Text1"), "气体");
    // Fields of one window do not touch the other's.
    typeInto(valve, "Text2", "9");
    EXPECT_EQ(textOf(disc, "Text2"), "0.8");
    // Neither the design pressure the valve window's medium prescribed nor ethylene's properties reach
    // a disc medium without an entry: its design pressure is 1.1 x its own working pressure 0.8.
    typeInto(disc, "Combo1", "液化气");
    typeInto(disc, "Combo2", "无保温液化气");
    click(disc, "Command4");
    EXPECT_EQ(textOf(disc, "Text9"), "");
    click(disc, "Command5");
    EXPECT_TRUE(shown(disc, "Shape1"));
    EXPECT_EQ(disc->quantities().memory.derived.Pd, 0.88f);
}

TEST_F(DiscWindowTest, LayoutsOverlapNothingAndCaptionsFit) {
    disc::DiscWindow* w = openDisc();
    const auto problems = [w] {
        std::vector<std::string> out;
        for (const std::string& p : layoutProblems(w)) {
            // The grade list sits in its labelled box, the close-up in its frame: by design.
            if (p != "Label4 overlaps Combo5" && p != "Shape2 overlaps Image2") out.push_back(p);
        }
        return out;
    };
    EXPECT_EQ(problems(), std::vector<std::string>{}) << "at open";
    for (const char* mediumType : {"压缩气或蒸气", "无保温液化气", "有保温液化气"}) {
        for (const char* shape : {"椭封卧式", "立式容器", "球形容器"}) {
            typeInto(w, "Combo1", "液氨");
            typeInto(w, "Combo2", mediumType);
            typeInto(w, "Combo3", shape);
            click(w, "Command4");
            EXPECT_EQ(problems(), std::vector<std::string>{}) << mediumType << " " << shape;
        }
    }
    screenshot(w, "disc-insulated-sphere");
}

TEST_F(DiscWindowTest, DiscTypeCaptionsWrapIntoTheirButtons) {
    disc::DiscWindow* w = openDisc();
    auto* first = w->findChild<QRadioButton*>("Option1");
    EXPECT_TRUE(first->isChecked());
    EXPECT_EQ(first->accessibleName(), "普通正拱");
    const QFontMetrics fm(first->font());
    EXPECT_LE(fm.boundingRect(QRect(0, 0, 1000, 1000), 0, first->text()).width() + 18, first->width());
    QTest::mouseClick(w->findChild<QRadioButton*>("Option4"), Qt::LeftButton);
    EXPECT_FALSE(first->isChecked());
    click(w, "Command4");
    EXPECT_EQ(w->quantities().memory.derived.Pb, 0.968f);
}

TEST_F(DiscWindowTest, ConductivityThicknessAndHeightTellTheirUnits) {
    disc::DiscWindow* w = openDisc();
    EXPECT_TRUE(w->findChild<QWidget*>("Text23")->toolTip().contains("kJ/(m·h·℃)"));
    EXPECT_TRUE(w->findChild<QWidget*>("Text22")->toolTip().contains("mm"));
    EXPECT_TRUE(w->findChild<QWidget*>("Text25")->toolTip().contains("mm"));
    EXPECT_EQ(w->findChild<QWidget*>("Text25")->accessibleName(), "液位高度 mm");
}

TEST_F(DiscWindowTest, AnOverflowingWorkingPressureIsToldAndTheWindowStaysUsable) {
    disc::DiscWindow* w = openDisc();
    typeInto(w, "Text2", "1e300");
    click(w, "Command4");
    EXPECT_EQ(takeMessage(w), "计算设计爆破压力时溢出：请检查工作压力。");
    typeInto(w, "Text2", "0.8");
    click(w, "Command4");
    EXPECT_EQ(takeMessage(w), "");
    EXPECT_EQ(w->quantities().memory.derived.Pb, 1.209f);
}

TEST_F(DiscWindowTest, ClosingThroughTheFrameGivesAFreshWindow) {
    disc::DiscWindow* w = openDisc();
    typeInto(w, "Text2", "3");
    click(w, "Command4");
    const auto asked = answerUnsavedChanges(QMessageBox::Discard);
    w->close();
    EXPECT_TRUE(*asked);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(cover->discWindow(), nullptr);
    disc::DiscWindow* fresh = openDisc();
    EXPECT_EQ(textOf(fresh, "Text2"), "0.8");
    EXPECT_EQ(fresh->quantities().memory.derived.Pb, 0.0f);
}

}  // namespace
}  // namespace orvane
