#include "media_dialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/gas_coefficient.h"
#include "engine/number_text.h"
#include "engine/numeric_fault.h"
#include "form/qt_texts.h"
#include "user_media_file.h"
#include "user_media_store.h"

namespace orvane::media {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString withUnit(Property p) {
    return unit(p).empty() ? q(caption(p)) : q(caption(p)) + " " + q(unit(p));
}

// The table's columns: name, source, phase, then the properties.
QStringList columnTitles() {
    QStringList titles = {"名称", "来源", "形态"};
    for (Property p : kProperties) titles << withUnit(p);
    return titles;
}

QString single(std::optional<float> v) { return v ? q(writeSingle(*v)) : QString(); }
QString number(std::optional<double> v) { return v ? q(writeDouble(*v)) : QString(); }

// A built-in medium's row as the catalogue gives it (Z at 50 ℃ only where the table says so).
QStringList builtInRow(std::string_view name) {
    QStringList row = {q(name), "内置", "", "", "", "", "", "", "", ""};
    const MediumEntry* e = MediumCatalogue::find(name);
    if (e == nullptr) return row;
    switch (e->phase) {
        case PhaseRule::Gas: row[2] = q(kPhaseGas); break;
        case PhaseRule::Saturated: row[2] = q(kPhaseSaturated); break;
        case PhaseRule::FromField: row[2] = "饱和气或气体"; break;
        case PhaseRule::NoPhase: break;
    }
    row[3] = single(e->M);
    row[4] = single(e->k);
    row[5] = single(e->C);
    if (e->zRule != ZRule::NoZ) row[6] = q(writeSingle(e->Z)) + (e->zRule == ZRule::At50C ? "（50 ℃）" : "");
    row[7] = number(e->latentHeat);
    row[9] = number(e->designPressure);
    return row;
}

QStringList userRow(const UserMedium& m) {
    QStringList row = {q(m.name), "用户", q(m.phase)};
    for (Property p : kProperties) {
        const std::optional<double> v = m.value(p);
        if (p == Property::C && m.cFromK) {
            row << (v ? single(static_cast<float>(*v)) + "（由 k 计算）" : QString("（由 k 计算）"));
        } else {
            row << number(v);
        }
    }
    return row;
}

// The built-in names in the order of the medium list, then the catalogue's other entries.
std::vector<std::string_view> builtInNames() {
    std::vector<std::string_view> names(kMediumListItems.begin(), kMediumListItems.end());
    for (const MediumEntry& e : MediumCatalogue::entries()) {
        if (std::ranges::find(names, e.name) == names.end()) names.push_back(e.name);
    }
    return names;
}

QPointer<MediaDialog>& openDialog() {
    static QPointer<MediaDialog> dialog;
    return dialog;
}

}  // namespace

MediaDialog::MediaDialog(QWidget* parent)
    : QDialog(parent), media_(UserMediaStore::instance().media()), fault_(new QLabel(this)),
      table_(new QTableWidget(this)), edit_(new QPushButton("编辑(&E)…", this)),
      delete_(new QPushButton("删除(&D)", this)) {
    setObjectName("mediaDialog");
    setWindowTitle("介质物性库");
    const UserMediaStore& store = UserMediaStore::instance();

    fault_->setObjectName("mediaFault");
    fault_->setWordWrap(true);
    fault_->setTextFormat(Qt::PlainText);
    fault_->setStyleSheet("color: #b00000;");
    if (!store.fault().isEmpty()) {
        fault_->setText("用户物性库文件“" + store.path() + "”已损坏，未载入：" + store.fault() +
                        "\n该文件保留未动；保存时先把它改名保留，再写入下表中的用户介质。");
    }
    fault_->setVisible(!store.fault().isEmpty());

    auto* about = new QLabel(
        "内置介质（灰色）为程序物性库的数值，只供参照。用户介质可新增、编辑和删除；空着的物性，“输入参数项”"
        "不填入窗口（不取其他介质的数值）。按“保存”写入文件：" + store.path(),
        this);
    about->setObjectName("mediaAbout");
    about->setWordWrap(true);
    about->setTextFormat(Qt::PlainText);

    table_->setObjectName("mediaTable");
    table_->setColumnCount(static_cast<int>(columnTitles().size()));
    table_->setHorizontalHeaderLabels(columnTitles());
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &MediaDialog::updateButtons);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (selectedMedium() >= 0) editMedium();
    });

    auto* add = new QPushButton("新增(&N)…", this);
    add->setObjectName("addMedium");
    edit_->setObjectName("editMedium");
    delete_->setObjectName("deleteMedium");
    connect(add, &QPushButton::clicked, this, &MediaDialog::addMedium);
    connect(edit_, &QPushButton::clicked, this, &MediaDialog::editMedium);
    connect(delete_, &QPushButton::clicked, this, &MediaDialog::deleteMedium);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText("保存");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    connect(buttons->button(QDialogButtonBox::Save), &QPushButton::clicked, this, [this] {
        if (save()) QDialog::accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter saves nothing: only the button does.
    for (QPushButton* b : {add, edit_, delete_, buttons->button(QDialogButtonBox::Save), buttons->button(QDialogButtonBox::Cancel)}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    // Editing on the left, saving on the right.
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(edit_);
    row->addWidget(delete_);
    row->addStretch(1);
    row->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fault_);
    layout->addWidget(about);
    layout->addWidget(table_, 1);
    layout->addLayout(row);
    fillTable();
    resize(980, 620);
}

void MediaDialog::fillTable() {
    const int selected = selectedMedium();
    const std::vector<std::string_view> builtIn = builtInNames();
    builtInRows_ = static_cast<int>(builtIn.size());
    table_->clearContents();
    table_->setRowCount(builtInRows_ + static_cast<int>(media_.size()));
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    int row = 0;
    const auto put = [&](const QStringList& cells, bool own) {
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (!own) {
                item->setFlags(Qt::ItemIsEnabled);  // read only, not selectable
                item->setForeground(grey);
            }
            table_->setItem(row, column, item);
        }
        ++row;
    };
    for (std::string_view name : builtIn) put(builtInRow(name), false);
    for (const UserMedium& m : media_) put(userRow(m), true);
    table_->resizeColumnsToContents();
    if (selected >= 0 && selected < static_cast<int>(media_.size())) table_->selectRow(builtInRows_ + selected);
    updateButtons();
}

int MediaDialog::selectedMedium() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    if (items.isEmpty()) return -1;
    const int at = items.front()->row() - builtInRows_;
    return at >= 0 && at < static_cast<int>(media_.size()) ? at : -1;
}

void MediaDialog::updateButtons() {
    const bool own = selectedMedium() >= 0;
    edit_->setEnabled(own);
    delete_->setEnabled(own);
}

void MediaDialog::addMedium() { openEntry(-1); }

void MediaDialog::editMedium() {
    if (const int at = selectedMedium(); at >= 0) openEntry(at);
}

void MediaDialog::deleteMedium() {
    const int at = selectedMedium();
    if (at < 0) return;
    media_.erase(media_.begin() + at);
    table_->clearSelection();
    fillTable();
}

void MediaDialog::openEntry(int at) {
    std::vector<std::string> taken;
    for (std::size_t i = 0; i < media_.size(); ++i) {
        if (static_cast<int>(i) != at) taken.push_back(media_[i].name);
    }
    auto* entry = new MediumEntryDialog(this, at >= 0 ? &media_[static_cast<std::size_t>(at)] : nullptr, std::move(taken));
    entry->setAttribute(Qt::WA_DeleteOnClose);
    connect(entry, &QDialog::accepted, this, [this, entry, at] {
        if (at >= 0 && at < static_cast<int>(media_.size())) {
            media_[static_cast<std::size_t>(at)] = entry->medium();
            fillTable();
        } else {
            media_.push_back(entry->medium());
            fillTable();
            table_->selectRow(builtInRows_ + static_cast<int>(media_.size()) - 1);
        }
    });
    entry->open();
}

void MediaDialog::showFault(const QString& title, const QString& text) {
    ensureChineseQtTexts();
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box->setObjectName("mediaSaveFault");
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool MediaDialog::save() {
    UserMediaStore& store = UserMediaStore::instance();
    const QString& path = store.path();
    // A file the library was not read from, or that no longer reads, is never written over: it is
    // moved aside first, once the user agrees.
    const MediaRead onDisk = readMediaFile(path);
    if (QFileInfo::exists(path) && (!store.fault().isEmpty() || !onDisk.ok())) {
        ensureChineseQtTexts();
        const QString fault = onDisk.ok() ? store.fault() : onDisk.fault;
        QMessageBox ask(QMessageBox::Question, "用户物性库文件已损坏",
                        "用户物性库文件“" + path + "”已损坏：" + fault + "\n\n保存时先把它改名为“" +
                            QFileInfo(path).fileName() + ".bad-日期-时间”保留，再写入新的文件。是否保存？",
                        QMessageBox::Save | QMessageBox::Cancel, this);
        ask.setObjectName("damagedMediaFile");
        ask.setTextFormat(Qt::PlainText);
        ask.button(QMessageBox::Save)->setText("保存");
        ask.button(QMessageBox::Cancel)->setText("取消");
        ask.setDefaultButton(QMessageBox::Cancel);
        if (ask.exec() != QMessageBox::Save) return false;
        QString why;
        if (!keepDamagedFile(path, QDateTime::currentDateTime(), why)) {
            showFault("无法保存", why);
            return false;
        }
    }
    const QString fault = store.save(media_);
    if (!fault.isEmpty()) {
        showFault("无法保存", fault);
        return false;
    }
    fault_->hide();
    return true;
}

MediumEntryDialog::MediumEntryDialog(QWidget* parent, const UserMedium* editing, std::vector<std::string> taken)
    : QDialog(parent), taken_(std::move(taken)), name_(new QLineEdit(this)), phase_(new QComboBox(this)),
      fromK_(new QCheckBox("由 k 计算", this)), fault_(new QLabel(this)) {
    setObjectName("mediumEntry");
    setWindowTitle(editing != nullptr ? "编辑介质" : "新增介质");
    const MediumTexts texts = editing != nullptr ? textsOf(*editing) : MediumTexts{{}, std::string(kPhaseGas), {}, false};

    auto* form = new QFormLayout;
    name_->setObjectName("name");
    name_->setText(q(texts.name));
    name_->setToolTip(QString("介质的名称，最多 %1 个汉字或 %2 个字母、数字；不能与内置介质或其他用户介质同名。")
                          .arg(kNameColumns / 2)
                          .arg(kNameColumns));
    form->addRow("名称", name_);
    phase_->setObjectName("phase");
    for (std::string_view p : kPhases) phase_->addItem(q(p));
    phase_->setCurrentText(q(texts.phase));
    phase_->setToolTip("介质形态，决定泄放面积公式。");
    form->addRow("形态", phase_);
    for (Property p : kProperties) {
        auto* edit = new QLineEdit(q(texts.values[index(p)]), this);
        edit->setObjectName(q(key(p)));
        edit->setPlaceholderText("（空）");
        values_.push_back(edit);
        if (p == Property::C) {
            fromK_->setObjectName("C_from_k");
            fromK_->setToolTip("C = 520 √( k (2 / (k + 1))^((k + 1) / (k − 1)) )");
            auto* row = new QHBoxLayout;
            row->addWidget(edit, 1);
            row->addWidget(fromK_);
            form->addRow(withUnit(p), row);
        } else {
            form->addRow(withUnit(p), edit);
        }
    }
    values_[index(Property::DesignPressure)]->setToolTip("介质规定的设计压力（表压）；空着则由工作压力得出。");
    typedC_ = q(texts.values[index(Property::C)]);
    fromK_->setChecked(texts.cFromK);
    connect(fromK_, &QCheckBox::toggled, this, &MediumEntryDialog::updateC);
    connect(values_[index(Property::K)], &QLineEdit::textChanged, this, &MediumEntryDialog::updateC);
    connect(values_[index(Property::C)], &QLineEdit::textEdited, this, [this](const QString& t) { typedC_ = t; });
    updateC();

    fault_->setObjectName("entryFault");
    fault_->setWordWrap(true);
    fault_->setTextFormat(Qt::PlainText);
    fault_->setStyleSheet("color: #b00000;");
    fault_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    connect(buttons, &QDialogButtonBox::accepted, this, &MediumEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fault_);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

void MediumEntryDialog::updateC() {
    QLineEdit* c = values_[index(Property::C)];
    const bool computed = fromK_->isChecked();
    c->setReadOnly(computed);
    QPalette palette = c->palette();
    palette.setColor(QPalette::Base, computed ? this->palette().color(QPalette::Window) : this->palette().color(QPalette::Base));
    c->setPalette(palette);
    if (!computed) {
        c->setText(typedC_);
        c->setPlaceholderText("（空）");
        return;
    }
    // The value input parameters will write: C of k as a single, shown as the window shows it.
    const std::string k = values_[index(Property::K)]->text().trimmed().toStdString();
    std::optional<double> value;
    if (wholeNumberText(k)) {
        try {
            value = gasCoefficientFromK(static_cast<double>(static_cast<float>(readNumber(k))));
        } catch (const NumericFault&) {
            value.reset();  // beyond the double range: no k
        }
    }
    c->setText(value ? q(writeSingle(static_cast<float>(*value))) : QString());
    c->setPlaceholderText("须先填写大于 1 的 k");
}

void MediumEntryDialog::accept() {
    MediumTexts texts{name_->text().toStdString(), phase_->currentText().toStdString(), {}, fromK_->isChecked()};
    for (Property p : kProperties) texts.values[index(p)] = values_[index(p)]->text().toStdString();
    MediumRead read = readMedium(texts, taken_);
    if (!read.medium) {
        fault_->setText(q(read.fault));
        fault_->show();
        // The field the message names takes the focus.
        QWidget* named = name_;  // the name's messages begin with "名称" or "“名称”"
        for (Property p : kProperties) {
            if (read.fault.starts_with("“" + std::string(caption(p)) + "”")) named = values_[index(p)];
        }
        if (read.fault.starts_with("“形态”")) named = phase_;
        named->setFocus();
        return;
    }
    medium_ = std::move(*read.medium);
    QDialog::accept();
}

void openMediaDialog(QWidget* parent) {
    QPointer<MediaDialog>& dialog = openDialog();
    if (dialog == nullptr) {
        dialog = new MediaDialog(parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    }
    dialog->raise();
    dialog->activateWindow();
}

void followUserMedia(QComboBox* list) {
    const auto fill = [list] {
        const QSignalBlocker blockList(list);
        const QSignalBlocker blockEdit(list->lineEdit());
        const QString shown = list->currentText();
        const int builtIn = static_cast<int>(kMediumListItems.size());
        while (list->count() > builtIn) list->removeItem(list->count() - 1);
        for (const UserMedium& m : UserMediaStore::instance().media()) list->addItem(q(m.name));
        const int at = list->findText(shown, Qt::MatchExactly);
        list->setCurrentIndex(at);
        if (at < 0) list->setEditText(shown);
        // The open list shows every name whole, however narrow the field.
        int widest = 0;
        for (int i = 0; i < list->count(); ++i) widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
        list->view()->setMinimumWidth(widest + 24);
    };
    fill();
    QObject::connect(&UserMediaStore::instance(), &UserMediaStore::changed, list, fill);
}

}  // namespace orvane::media
