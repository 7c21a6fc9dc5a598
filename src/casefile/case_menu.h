#pragma once
// The menus of a calculator window: case files (new, open, save, save as, recent cases), the
// calculation sheet, return; copying the results and the medium library; the guide and the about
// box. The window title
// names the case file and shows "*" while the window differs from the case as last saved, opened
// or begun: the window's state, captured afresh, is compared with the case; edits only prompt the
// comparison. Closing, new or open over unsaved changes asks 保存 / 不保存 / 取消.

#include <QObject>

#include "media/user_media.h"
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "case_data.h"

namespace orvane {
class CalculatorWindow;
}

namespace orvane::casefile {

class CaseMenu final : public QObject {
    Q_OBJECT

public:
    explicit CaseMenu(CalculatorWindow& window);

    CaseData captureWindow() const;
    bool isModified() const;
    const QString& filePath() const { return path_; }

    // What the menu items do, without the file dialogs. Each asks first over unsaved changes and
    // returns false when the user cancels. openFile and saveTo return the message of a fault, empty
    // when they succeeded; they leave the window as it was on a fault. A case opened whose derived
    // values its inputs no longer give is opened with the lamp lit, and says so.
    bool newCase();
    QString openFile(const QString& path);
    QString saveTo(const QString& path);
    // "保存": to the case's file, or through the save dialog when it has none. False when not saved.
    bool save();
    void copyResults();

    // Asks what to do with unsaved changes (nothing when there are none): true to go on.
    bool settleChanges();
    // The calculator and its case, as a prompt names them: "安全阀计算：案例“罐.orvane”".
    QString caseName() const;
    // The answer about unsaved changes has been given for all windows at once: closing asks no more.
    void settleClosing() { closingSettled_ = true; }

    // The recently opened cases, newest first (at most 8), as the program remembers them.
    static QStringList recentFiles();
    static constexpr int kRecentCount = 8;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // The user's medium a case file carries, against this machine's library: where the library lacks
    // it or differs, says so and offers to put the file's in it.
    void offerUserMedium(const media::UserMedium& medium);
    void watchEdits();
    void updateTitle();
    void rememberRecent(const QString& path);
    void fillRecentMenu();
    void openWithDialog();
    bool saveAs();
    void showFault(const QString& title, const QString& message);
    // After the user's medium library changed: a value input parameters took from it (or derived
    // from one it prescribed) that it now gives otherwise lights the lamp, and Calculate names it
    // and asks for input parameters first.
    void checkUserMedia();
    Restored restoreCase(const CaseData& data, bool withProgramValues);

    CalculatorWindow& window_;
    QString path_;
    CaseData saved_;
    bool restoring_ = false;
    bool closingSettled_ = false;
};

// Closing the program over several calculators: one prompt lists every calculator with unsaved
// changes (保存全部 / 不保存 / 取消); nothing is discarded before the whole answer is given, and 取消
// keeps everything. True to close them all.
bool settleAll(QWidget* parent, const std::vector<CaseMenu*>& menus);

}  // namespace orvane::casefile
