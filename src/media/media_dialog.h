#pragma once
// "介质物性库": the built-in media for reference (greyed, marked 内置, as the catalogue gives them)
// and the user's own, which can be added, edited and deleted. "保存" writes the library file and puts
// the media in force; "取消" or Esc closes without saving. One dialog for the whole program.

#include <QDialog>
#include <string>
#include <vector>

#include "user_media.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvane::media {

class MediaDialog final : public QDialog {
    Q_OBJECT

public:
    explicit MediaDialog(QWidget* parent);

    // The user's media as edited here, not yet saved.
    const std::vector<UserMedium>& media() const { return media_; }
    // "保存": true when written. A file that the library could not be read from is moved aside first,
    // after the user agrees; refused or cancelled, the dialog stays open with nothing written.
    bool save();

private:
    void addMedium();
    void editMedium();
    void deleteMedium();
    void openEntry(int at);  // at < 0: a new medium
    void fillTable();
    void updateButtons();
    int selectedMedium() const;  // index into media_, or -1
    void showFault(const QString& title, const QString& text);

    std::vector<UserMedium> media_;
    QLabel* fault_;
    QTableWidget* table_;
    QPushButton* edit_;
    QPushButton* delete_;
    int builtInRows_ = 0;
};

// A medium added or edited: its fields, C typed or computed from k; "确定" checks it and names the
// field that is wrong, below the fields.
class MediumEntryDialog final : public QDialog {
    Q_OBJECT

public:
    MediumEntryDialog(QWidget* parent, const UserMedium* editing, std::vector<std::string> taken);
    const UserMedium& medium() const { return medium_; }
    void accept() override;

private:
    void updateC();

    std::vector<std::string> taken_;
    UserMedium medium_;
    QLineEdit* name_;
    QComboBox* phase_;
    std::vector<QLineEdit*> values_;  // by Property
    QCheckBox* fromK_;
    QString typedC_;
    QLabel* fault_;
};

// Opens the dialog over `parent`, or brings the one open to the front.
void openMediaDialog(QWidget* parent);

// Keeps a medium list offering the built-in items, then the user's media, as the library changes;
// the text it shows stays.
void followUserMedia(QComboBox* list);

}  // namespace orvane::media
