// Results read as results in both calculator windows: read-only, shown from their first digit with
// the whole text in the tooltip, skipped by Tab; Enter in an input presses Calculate; every field
// says what it holds and in which unit; the lamp lights as soon as an input of input parameters
// changes.
#include <QLineEdit>
#include <QRadioButton>

#include "disc/disc_window.h"
#include "valve/valve_window.h"
#include "window_fixture.h"

namespace orvane {
namespace {

class ResultFieldsTest : public WindowTest {
protected:
    CalculatorWindow* openWindow(const char* coverButton) {
        click(cover.get(), coverButton);
        QApplication::processEvents();
        if (std::string(coverButton) == "Command1") return cover->valveWindow();
        return cover->discWindow();
    }
    static QLineEdit* edit(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name); }
};

TEST_F(ResultFieldsTest, ResultsAreReadOnlyShownFromTheFirstDigitAndSkippedByTab) {
    struct Window {
        const char* button;
        std::vector<const char*> readOnly;
        const char* longResult;
        const char* longText;
    };
    const Window windows[] = {
        {"Command1", {"Text8", "Text15", "Text17", "Text16"}, "Text15", "26.7945484798857"},
        {"Command2", {"Text8", "Text15", "Text16", "Text3", "Text13"}, "Text15", "26.7945499300395"},
    };
    for (const Window& win : windows) {
        CalculatorWindow* w = openWindow(win.button);
        typeInto(w, "Combo1", "空气");
        click(w, "Command4");
        click(w, "Command1");
        EXPECT_EQ(takeMessage(w), "");
        for (const char* name : win.readOnly) {
            QLineEdit* e = edit(w, name);
            EXPECT_TRUE(e->isReadOnly()) << name;
            EXPECT_EQ(e->focusPolicy() & Qt::TabFocus, 0) << name;
        }
        EXPECT_FALSE(edit(w, "Text7")->isReadOnly());  // a relief capacity may be typed
        // and the valve's opening pressure
        if (w->device() == Device::SafetyValve) {
            EXPECT_FALSE(edit(w, "Text13")->isReadOnly());
        }

        QLineEdit* result = edit(w, win.longResult);
        EXPECT_EQ(result->text().toStdString(), win.longText);
        EXPECT_TRUE(result->toolTip().contains(win.longText)) << result->toolTip().toStdString();
        EXPECT_TRUE(result->toolTip().contains("mm")) << result->toolTip().toStdString();
        result->setFocus();
        QTest::keyClick(result, Qt::Key_End);
        EXPECT_EQ(result->cursorPosition(), result->text().size());
        edit(w, "Text2")->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(result->cursorPosition(), 0);
        w->hide();
    }
}

TEST_F(ResultFieldsTest, EnterInAnInputFieldPressesCalculate) {
    for (const auto& [button, capacity] : {std::pair{"Command1", "3040.586"}, {"Command2", "3886.844"}}) {
        CalculatorWindow* w = openWindow(button);
        typeInto(w, "Combo1", "空气");
        click(w, "Command4");
        typeInto(w, "Text6", "15");
        QTest::keyClick(edit(w, "Text6"), Qt::Key_Return);
        EXPECT_EQ(takeMessage(w), "");
        EXPECT_EQ(textOf(w, "Text7"), capacity) << button;
        w->hide();
    }
}

TEST_F(ResultFieldsTest, EveryInputAndResultFieldSaysWhatItHoldsAndItsUnit) {
    for (const char* button : {"Command1", "Command2"}) {
        CalculatorWindow* w = openWindow(button);
        for (const ControlRow& c : w->table().controls) {
            if (c.kind != ControlKind::Text && c.kind != ControlKind::Combo) continue;
            QWidget* field = w->findChild<QWidget*>(QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())));
            EXPECT_FALSE(field->toolTip().isEmpty()) << button << " " << c.name;
            if (!c.unit.empty()) {
                EXPECT_TRUE(field->toolTip().contains(QString::fromUtf8(c.unit.data(), static_cast<qsizetype>(c.unit.size()))))
                    << c.name;
            }
        }
        EXPECT_TRUE(edit(w, "Text11")->toolTip().contains("kg/kmol"));
        EXPECT_TRUE(edit(w, "Text23")->toolTip().contains("kJ/(m·h·℃)"));
        w->hide();
    }
    EXPECT_TRUE(edit(cover->valveWindow(), "Text25")->toolTip().contains("度"));
}

TEST_F(ResultFieldsTest, TheLampLightsAsSoonAsAnInputOfInputParametersChanges) {
    CalculatorWindow* disc = openWindow("Command2");
    const auto pressed = [&] {
        click(disc, "Command4");
        EXPECT_FALSE(shown(disc, "Shape1"));
    };
    pressed();
    typeInto(disc, "Text2", "1.5");
    EXPECT_TRUE(shown(disc, "Shape1")) << "working pressure";
    pressed();
    QTest::mouseClick(disc->findChild<QRadioButton*>("Option4"), Qt::LeftButton);
    EXPECT_TRUE(shown(disc, "Shape1")) << "disc type";
    pressed();
    typeInto(disc, "Combo5", "0.5级");
    EXPECT_TRUE(shown(disc, "Shape1")) << "grade";
    pressed();
    typeInto(disc, "Text6", "30");  // not an input of input parameters
    EXPECT_FALSE(shown(disc, "Shape1"));
    click(disc, "Command1");
    takeMessage(disc);
    EXPECT_FALSE(shown(disc, "Shape1")) << "the disc's own working pressure";

    CalculatorWindow* valve = openWindow("Command1");
    typeInto(valve, "Combo1", "空气");
    click(valve, "Command4");
    EXPECT_FALSE(shown(valve, "Shape1"));
    typeInto(valve, "Combo1", "氢气");
    EXPECT_TRUE(shown(valve, "Shape1"));
    click(valve, "Command1");
    EXPECT_EQ(takeMessage(valve),
              "介质或工况已改动：“介  质”已由“空气”改为“氢气”。\n请先按“输入参数项”，再按“计     算”。");
    EXPECT_EQ(textOf(valve, "Text7"), "");
}

}  // namespace
}  // namespace orvane
