#pragma once
// Shared fixture of the window tests: the program-wide values, the cover window, helpers that type
// and click as a user does, and a check that no dialog is left open when a test ends.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "form/calculator_window.h"
#include "shell/cover_window.h"

namespace orvane {

class WindowTest : public testing::Test {
protected:
    ProgramValues shared;
    std::unique_ptr<shell::CoverWindow> cover = std::make_unique<shell::CoverWindow>(shared);

    void SetUp() override { cover->show(); }

    void TearDown() override {
        QApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
                ADD_FAILURE() << "a dialog was left open: " << box->text().toStdString();
                box->close();
            }
        }
        cover.reset();
        QApplication::processEvents();
    }

    // Answers the next question about unsaved changes with `answer` (it opens modal, so the answer is
    // given from the event loop it runs); `asked` then tells whether it came.
    std::shared_ptr<bool> answerUnsavedChanges(QMessageBox::StandardButton answer) {
        auto asked = std::make_shared<bool>(false);
        QTimer::singleShot(0, [answer, asked] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box == nullptr || box->objectName() != "unsavedChanges" || !box->isVisible()) continue;
                *asked = true;
                box->button(answer)->click();
            }
        });
        return asked;
    }

    // The height of a calculator window's menu bar: its client area begins there.
    static int barHeight(CalculatorWindow* window) { return window->menuBar()->height(); }

    static void click(QWidget* window, const char* button) {
        auto* b = window->findChild<QPushButton*>(button, Qt::FindDirectChildrenOnly);
        ASSERT_NE(b, nullptr) << button;
        ASSERT_TRUE(b->isVisible()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Replaces the text of a field or list as a user does: select all, type.
    static void typeInto(QWidget* window, const char* name, const QString& text) {
        QWidget* w = window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr) << name;
        QLineEdit* edit = qobject_cast<QLineEdit*>(w);
        if (auto* combo = qobject_cast<QComboBox*>(w)) edit = combo->lineEdit();
        ASSERT_NE(edit, nullptr) << name;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(edit, ch.toLatin1());
            } else {
                // Chinese arrives through the input method, committed character by character.
                QInputMethodEvent commit;
                commit.setCommitString(QString(ch));
                QApplication::sendEvent(edit, &commit);
            }
        }
    }

    static std::string textOf(QWidget* window, const char* name) {
        QWidget* w = window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
        if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText().toStdString();
        ADD_FAILURE() << "no field " << name;
        return {};
    }

    static bool shown(QWidget* window, const char* name) {
        QWidget* w = window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        return w != nullptr && !w->isHidden();
    }

    // The message the last action left open, closed with its button; empty when there is none.
    static std::string takeMessage(CalculatorWindow* window) {
        QApplication::processEvents();
        QMessageBox* box = window->openMessage();
        if (box == nullptr || !box->isVisible()) return {};
        const std::string text = box->text().toStdString();
        QAbstractButton* close = box->button(QMessageBox::Ok);
        QTest::mouseClick(close != nullptr ? close : box->escapeButton(), Qt::LeftButton);
        QApplication::processEvents();
        return text;
    }

    // Pairs of shown controls whose rectangles intersect, and labels or lists whose text does not
    // fit their width: what a user would see as clutter or clipped captions.
    static std::vector<std::string> layoutProblems(QWidget* window) {
        std::vector<std::string> problems;
        std::vector<QWidget*> shownControls;
        for (QObject* o : window->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w == nullptr || w->isHidden() || w->objectName().isEmpty() || w->isWindow()) continue;
            shownControls.push_back(w);
            const QFontMetrics fm(w->font());
            if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->frameShape() == QFrame::NoFrame) {
                const int need = fm.horizontalAdvance(label->text()) + 2;
                if (need > w->width()) {
                    problems.push_back(w->objectName().toStdString() + " needs " + std::to_string(need) +
                                       " px, has " + std::to_string(w->width()));
                }
            }
            // A box's caption stands above its contents: it must fit its width and the space above the
            // first control inside it.
            if (auto* frame = qobject_cast<QLabel*>(w); frame != nullptr && frame->frameShape() != QFrame::NoFrame) {
                const QRect caption = frame->geometry().adjusted(0, 0, 0, -(frame->height() - fm.height() - 2));
                if (fm.horizontalAdvance(frame->text()) + 4 > w->width()) {
                    problems.push_back(w->objectName().toStdString() + " caption is wider than its box");
                }
                for (QObject* other : window->children()) {
                    auto* inner = qobject_cast<QWidget*>(other);
                    if (inner != nullptr && inner != w && !inner->isHidden() && !inner->objectName().isEmpty() &&
                        inner->geometry().intersects(caption)) {
                        problems.push_back(inner->objectName().toStdString() + " covers the caption of " +
                                           w->objectName().toStdString());
                    }
                }
            }
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                int need = 0;
                for (int i = 0; i < combo->count(); ++i) need = std::max(need, fm.horizontalAdvance(combo->itemText(i)));
                if (need + 2 > combo->lineEdit()->width()) {
                    problems.push_back(w->objectName().toStdString() + " shows " +
                                       std::to_string(combo->lineEdit()->width()) + " px of " + std::to_string(need));
                }
            }
        }
        for (std::size_t i = 0; i < shownControls.size(); ++i) {
            for (std::size_t j = i + 1; j < shownControls.size(); ++j) {
                if (shownControls[i]->geometry().intersects(shownControls[j]->geometry())) {
                    problems.push_back(shownControls[i]->objectName().toStdString() + " overlaps " +
                                       shownControls[j]->objectName().toStdString());
                }
            }
        }
        return problems;
    }

    // Saves a picture of a window when ORVANE_SCREENSHOTS names a folder.
    static void screenshot(QWidget* window, const char* name) {
        const QByteArray dir = qgetenv("ORVANE_SCREENSHOTS");
        if (dir.isEmpty()) return;
        window->grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
    }
};

}  // namespace orvane
