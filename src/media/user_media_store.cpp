#include "user_media_store.h"

#include <memory>

#include "user_media_file.h"

namespace orvane::media {

UserMediaStore& UserMediaStore::instance() {
    static UserMediaStore store;
    return store;
}

void UserMediaStore::load(const QString& path) {
    MediaRead read = readMediaFile(path);
    path_ = path;
    media_ = std::move(read.media);
    fault_ = read.fault;
    putInForce();
}

QString UserMediaStore::save(std::vector<UserMedium> media) {
    const QString fault = writeMediaFile(path_, media);
    if (!fault.isEmpty()) return fault;
    media_ = std::move(media);
    fault_.clear();
    putInForce();
    return {};
}

void UserMediaStore::putInForce() {
    setUserMedia(media_.empty() ? nullptr : std::make_shared<const UserMediaLibrary>(media_));
    emit changed();
}

}  // namespace orvane::media
