#pragma once
// The library the program runs with: the file it lives in, the media read from it, and what was
// wrong with that file when it could not be read. Loading and saving put the media in force for
// input parameters (setUserMedia) and tell the windows, whose medium lists then offer them.

#include <QObject>
#include <QString>
#include <vector>

#include "user_media.h"

namespace orvane::media {

class UserMediaStore final : public QObject {
    Q_OBJECT

public:
    static UserMediaStore& instance();

    // Reads the library at `path`. A damaged file leaves the library empty, keeps its fault and stays
    // as it is on disk; a missing one is an empty library.
    void load(const QString& path);
    const QString& path() const { return path_; }
    const std::vector<UserMedium>& media() const { return media_; }
    // Why the file was not read at the last load (empty when it was read or missing).
    const QString& fault() const { return fault_; }

    // Writes `media` to the file, then puts them in force. An empty text when saved; otherwise why
    // not, and nothing changed. The caller moves a damaged file aside first.
    QString save(std::vector<UserMedium> media);

signals:
    void changed();

private:
    void putInForce();

    QString path_;
    std::vector<UserMedium> media_;
    QString fault_;
};

}  // namespace orvane::media
