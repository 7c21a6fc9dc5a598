#include "case_menu.h"

#include <QAction>
#include <algorithm>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QShortcut>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include "case_json.h"
#include "devices/devices.h"
#include "sizing/steps.h"
#include "form/calculator_window.h"
#include "form/qt_texts.h"
#include "form/window_case.h"
#include "help_text.h"
#include "media/media_dialog.h"
#include "media/user_media_store.h"

namespace orvane::casefile {

namespace {

constexpr const char* kRecentKey = "recentCases";
const QString kSuffix = QStringLiteral(".orvane");

QSettings settings() { return QSettings(QSettings::UserScope, "Orvane", "Orvane"); }
QString qt(const std::string& s) { return QString::fromStdString(s); }

// A case without the program-wide values: those belong to the program, and a Calculate in the other
// window changes them without changing this window's case.
CaseData windowPart(CaseData data) {
    data.programValues.clear();
    return data;
}

}  // namespace

CaseMenu::CaseMenu(CalculatorWindow& window) : QObject(&window), window_(window) {
    setObjectName("caseMenu");
    buildMenus();
    saved_ = captureWindow();
    watchEdits();
    window_.installEventFilter(this);
}

CaseData CaseMenu::captureWindow() const {
    return capture(window_.device(), window_.form(), window_.memory(), window_.shared());
}

bool CaseMenu::isModified() const { return windowPart(captureWindow()) != windowPart(saved_); }

void CaseMenu::buildMenus() {
    QMenuBar* bar = window_.menuBar();
    auto* file = bar->findChild<QMenu*>("fileMenu");
    auto* edit = bar->findChild<QMenu*>("editMenu");
    auto* help = bar->findChild<QMenu*>("helpMenu");

    file->addAction("新建(&N)", this, [this] { newCase(); });
    file->addAction("打开(&O)…", QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] { openWithDialog(); });
    file->addAction("保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { save(); });
    file->addAction("另存为(&A)…", this, [this] { saveAs(); });
    QMenu* recent = file->addMenu("最近打开(&R)");
    recent->setObjectName("recentMenu");
    connect(recent, &QMenu::aboutToShow, this, &CaseMenu::fillRecentMenu);
    file->addSeparator();
    file->addAction("计算书(&P)…", QKeySequence(Qt::CTRL | Qt::Key_P), &window_, &CalculatorWindow::sheetRequested);
    file->addSeparator();
    file->addAction("返回(&X)", &window_, &QWidget::hide);

    edit->addAction("复制结果(&C)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, &CaseMenu::copyResults);
    edit->addSeparator();
    edit->addAction("介质物性库(&M)…", this, [this] { media::openMediaDialog(&window_); })->setObjectName("mediaLibrary");
    // The medium list offers the user's media after the built-in ones, as the library changes.
    if (auto* list = window_.findChild<QComboBox*>("Combo1", Qt::FindDirectChildrenOnly)) media::followUserMedia(list);
    connect(&media::UserMediaStore::instance(), &media::UserMediaStore::changed, this, &CaseMenu::checkUserMedia);

    help->addAction("使用说明(&H)", QKeySequence(Qt::Key_F1), this, [this] {
        auto* dialog = new QDialog(&window_);
        dialog->setObjectName("guide");
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowTitle("使用说明");
        auto* text = new QPlainTextEdit(qt(guideText(window_.device())), dialog);
        text->setReadOnly(true);
        // A button closes it, and Esc, wherever the focus is.
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        buttons->button(QDialogButtonBox::Close)->setText("关闭");
        connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), dialog);
        escape->setContext(Qt::WindowShortcut);
        connect(escape, &QShortcut::activated, dialog, &QDialog::reject);
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(text);
        layout->addWidget(buttons);
        dialog->resize(620, 560);
        dialog->show();
    });
    help->addAction("关于 Orvane(&A)", this, [this] {
        auto* box = new QMessageBox(QMessageBox::Information, "关于 Orvane",
                                    qt(aboutText(ORVANE_VERSION, qVersion())), QMessageBox::Ok, &window_);
        box->setObjectName("about");
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void CaseMenu::watchEdits() {
    // Edits and clicks only prompt a comparison, once the event that caused them is through.
    auto* pending = new QTimer(this);
    pending->setSingleShot(true);
    pending->setInterval(0);
    connect(pending, &QTimer::timeout, this, &CaseMenu::updateTitle);
    const auto later = [pending] { pending->start(); };
    for (auto* e : window_.findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
        connect(e, &QLineEdit::textChanged, pending, later);
    }
    for (auto* c : window_.findChildren<QComboBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        connect(c, &QComboBox::currentTextChanged, pending, later);
    }
    for (auto* b : window_.findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        connect(b, &QAbstractButton::toggled, pending, later);
        connect(b, &QAbstractButton::clicked, pending, later);
    }
    connect(&window_, &CalculatorWindow::titleBlockEdited, pending, later);
}

void CaseMenu::updateTitle() {
    if (restoring_) return;
    const QString caption = qt(std::string(window_.table().caption));
    const bool modified = isModified();
    QString name = path_.isEmpty() ? (modified ? QStringLiteral("未命名") : QString()) : QFileInfo(path_).fileName();
    window_.setWindowTitle(name.isEmpty() ? caption : name + (modified ? "*" : "") + " — " + caption);
}

QString CaseMenu::caseName() const {
    const QString calculator = window_.device() == Device::SafetyValve ? "安全阀计算" : "爆破片计算";
    return calculator + "：" +
           (path_.isEmpty() ? QStringLiteral("未命名的案例") : "案例“" + QFileInfo(path_).fileName() + "”");
}

bool CaseMenu::settleChanges() {
    if (closingSettled_ || !isModified()) return true;
    ensureChineseQtTexts();
    QMessageBox box(QMessageBox::Question, "未保存的改动", caseName() + "有未保存的改动。是否保存？",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window_);
    box.setObjectName("unsavedChanges");
    box.button(QMessageBox::Save)->setText("保存");
    box.button(QMessageBox::Discard)->setText("不保存");
    box.button(QMessageBox::Cancel)->setText("取消");
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save: return save();
        case QMessageBox::Discard: return true;
        default: return false;
    }
}

bool CaseMenu::newCase() {
    if (!settleChanges()) return false;
    restoreCase(freshCase(window_.device(), window_.shared()), false);
    path_.clear();
    saved_ = captureWindow();
    updateTitle();
    return true;
}

QString CaseMenu::openFile(const QString& path) {
    const CaseRead read = readCaseFile(path, window_.device());
    if (!read.data) return read.message;
    const Restored restored = restoreCase(*read.data, true);
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = captureWindow();
    rememberRecent(path_);
    updateTitle();
    if (read.data->userMedium) offerUserMedium(*read.data->userMedium);
    if (restored.mismatch) {
        const Mismatch& m = *restored.mismatch;
        window_.showMessage("输入参数项的结果与输入不符",
                            "案例中“" + m.what + "”为“" + m.stored + "”，按案例的输入重新得出为“" + m.again +
                                "”。已保留案例中的数值并点亮红灯：请先按“输入参数项”，再按“计     算”。");
    }
    return {};
}

QString CaseMenu::saveTo(const QString& path) {
    const CaseData data = captureWindow();
    const QString fault = writeCaseFile(path, data);
    if (!fault.isEmpty()) return fault;
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = data;
    rememberRecent(path_);
    updateTitle();
    return {};
}

bool CaseMenu::save() {
    if (path_.isEmpty()) return saveAs();
    const QString fault = saveTo(path_);
    if (fault.isEmpty()) return true;
    showFault("无法保存", fault);
    return false;
}

bool CaseMenu::saveAs() {
    const QString start = path_.isEmpty() ? QDir::homePath() + "/未命名" + kSuffix : path_;
    QString path = QFileDialog::getSaveFileName(&window_, "另存为", start, "Orvane 案例 (*.orvane)");
    if (path.isEmpty()) return false;
    if (!path.endsWith(kSuffix, Qt::CaseInsensitive)) path += kSuffix;
    const QString fault = saveTo(path);
    if (fault.isEmpty()) return true;
    showFault("无法保存", fault);
    return false;
}

void CaseMenu::openWithDialog() {
    if (!settleChanges()) return;
    const QString start = path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(&window_, "打开案例", start, "Orvane 案例 (*.orvane);;所有文件 (*)");
    if (path.isEmpty()) return;
    const QString fault = openFile(path);
    if (!fault.isEmpty()) showFault("无法打开案例", fault);
}

void CaseMenu::copyResults() {
    const std::optional<std::string> why =
        whyNoResults(window_.form(), window_.description(), window_.memory(), ResultsUse::Copy);
    if (why) {
        window_.showMessage("复制结果", *why);
        return;
    }
    QGuiApplication::clipboard()->setText(qt(resultsTable(*window_.memory().record, window_.description())));
}

QStringList CaseMenu::recentFiles() { return settings().value(kRecentKey).toStringList(); }

void CaseMenu::rememberRecent(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentCount) files.removeLast();
    settings().setValue(kRecentKey, files);
}

void CaseMenu::fillRecentMenu() {
    auto* menu = qobject_cast<QMenu*>(sender());
    if (menu == nullptr) return;
    menu->clear();
    const QStringList files = recentFiles();
    if (files.isEmpty()) menu->addAction("（无）")->setEnabled(false);
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        menu->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this, [this, path] {
            if (!settleChanges()) return;
            const QString fault = openFile(path);
            if (!fault.isEmpty()) showFault("无法打开案例", fault);
        })->setToolTip(path);
    }
}

void CaseMenu::showFault(const QString& title, const QString& message) {
    ensureChineseQtTexts();
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, &window_);
    box->setObjectName("caseFault");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void CaseMenu::offerUserMedium(const media::UserMedium& medium) {
    media::UserMediaStore& store = media::UserMediaStore::instance();
    std::vector<media::UserMedium> library = store.media();
    const auto local = std::find_if(library.begin(), library.end(),
                                    [&medium](const media::UserMedium& m) { return m.name == medium.name; });
    if (local != library.end() && *local == medium) return;
    const QString name = qt(medium.name);
    const QString text = (local == library.end() ? "案例使用的介质“" + name + "”不在本机的用户物性库中。"
                                                 : "案例使用的介质“" + name + "”与本机用户物性库中的同名介质不同。") +
                         "\n本案例按案例文件所带的物性计算。";
    ensureChineseQtTexts();
    auto* box = new QMessageBox(QMessageBox::Information, "案例中的用户介质", text, QMessageBox::NoButton, &window_);
    box->setObjectName("userMediumOffer");
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* add = box->addButton(local == library.end() ? "加入物性库" : "以案例的替换", QMessageBox::AcceptRole);
    add->setObjectName("addMedium");
    box->setEscapeButton(box->addButton(local == library.end() ? "不加入" : "保留本机的", QMessageBox::RejectRole));
    box->setDefaultButton(add);
    connect(add, &QPushButton::clicked, this, [this, medium] {
        media::UserMediaStore& media = media::UserMediaStore::instance();
        QString fault;
        if (!media.fault().isEmpty()) {
            fault = "用户物性库文件已损坏，未改动：" + media.fault();
        } else {
            std::vector<media::UserMedium> list = media.media();
            std::erase_if(list, [&medium](const media::UserMedium& m) { return m.name == medium.name; });
            list.push_back(medium);
            fault = media.save(std::move(list));
        }
        if (!fault.isEmpty()) {
            window_.showMessage("用户物性库", fault.toStdString(), true);
            return;
        }
        // The library now holds the case's medium: from here on the case follows the library.
        window_.memory().caseMedium.reset();
    });
    box->open();
}

void CaseMenu::checkUserMedia() {
    CalculatorMemory& memory = window_.memory();
    const Case c = readCase(window_.form(), window_.description(), memory);
    if (isBuiltInMedium(c.text(Field::Medium)) || staleDerivation(c, window_.description())) return;
    // What input parameters would write now, against what it wrote then and the window still shows.
    ProgramValues scratch = window_.shared();
    const media::CaseMediumInForce caseMedium(memory.caseMedium);
    const Derivation now = devices::derive(c, scratch, Detail::ResultsOnly);
    if (!isDone(now.outcome)) return;
    for (const auto& [f, value] : now.writes) {
        const CaseValue& shown = c[f];
        if (shown.source != Source::UserLibrary && shown.source != Source::Derived) continue;
        if (shown.text == value.text) continue;
        memory.derived.mismatch = Mismatch{window_.description().caption(f), shown.text, value.text};
        window_.form().setShown("Shape1", true);
        return;
    }
}

Restored CaseMenu::restoreCase(const CaseData& data, bool withProgramValues) {
    restoring_ = true;
    const Restored restored = restore(data, window_.form(), window_.memory(), window_.shared(), withProgramValues);
    applyTabOrder(&window_, window_.table());
    restoring_ = false;
    emit window_.caseReplaced();
    return restored;
}

bool settleAll(QWidget* parent, const std::vector<CaseMenu*>& menus) {
    std::vector<CaseMenu*> modified;
    for (CaseMenu* m : menus) {
        if (m != nullptr && m->isModified()) modified.push_back(m);
    }
    if (modified.empty()) return true;
    if (modified.size() == 1) {
        if (!modified.front()->settleChanges()) return false;
        modified.front()->settleClosing();
        return true;
    }
    ensureChineseQtTexts();
    QString list;
    for (const CaseMenu* m : modified) list += "\n· " + m->caseName();
    QMessageBox box(QMessageBox::Question, "未保存的改动", "下列计算有未保存的改动：" + list + "\n是否全部保存？",
                    QMessageBox::SaveAll | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName("unsavedChanges");
    box.button(QMessageBox::SaveAll)->setText("保存全部");
    box.button(QMessageBox::Discard)->setText("不保存");
    box.button(QMessageBox::Cancel)->setText("取消");
    box.setDefaultButton(QMessageBox::SaveAll);
    const int answer = box.exec();
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::SaveAll) {
        // Every one saved before any window closes: one that is not saved keeps them all open.
        for (CaseMenu* m : modified) {
            if (!m->save()) return false;
        }
    }
    for (CaseMenu* m : modified) m->settleClosing();
    return true;
}

bool CaseMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && !settleChanges()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvane::casefile
