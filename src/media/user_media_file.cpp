#include "user_media_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cmath>

namespace orvane::media {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& text) { return text.toStdString(); }

constexpr const char* kNotLibrary = "这不是 Orvane 的用户物性库文件：";

QString tooLarge(qint64 size) {
    return kNotLibrary + QString("文件太大（%1 字节），用户物性库文件不超过 %2 字节。").arg(size).arg(kMaxMediaFileBytes);
}

// The medium at `at` (counted from 1) as texts, or why not.
std::optional<MediumTexts> textsAt(const QJsonValue& v, qsizetype at, QString& fault) {
    const QString where = "第 " + QString::number(at) + " 个介质";
    if (!v.isObject()) {
        fault = where + "应为一组键和值。";
        return std::nullopt;
    }
    const QJsonObject o = v.toObject();
    const auto text = [&](const QString& key, bool needed, std::string& out) {
        const QJsonValue value = o.value(key);
        if (value.isUndefined() && !needed) return true;
        if (value.isUndefined()) {
            fault = where + "缺少“" + key + "”。";
        } else if (!value.isString()) {
            fault = where + "的“" + key + "”不是文字（数也应写成带引号的文字）。";
        } else {
            out = s(value.toString());
            return true;
        }
        return false;
    };
    MediumTexts t;
    if (!text("name", true, t.name) || !text("phase", true, t.phase)) return std::nullopt;
    const QJsonValue fromK = o.value("C_from_k");
    if (!fromK.isUndefined() && !fromK.isBool()) {
        fault = where + "的“C_from_k”应为 true 或 false。";
        return std::nullopt;
    }
    t.cFromK = fromK.toBool(false);
    for (Property p : kProperties) {
        if (!text(q(key(p)), false, t.values[index(p)])) return std::nullopt;
    }
    return t;
}

}  // namespace

QString defaultMediaPath() {
    // Named here, not by the application's name, so that the windows and the commands (whose
    // application is named after the executable) find the same file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Orvane/media.json";
}

MediaRead parseMedia(const QByteArray& bytes) {
    const auto refuse = [](const QString& fault) { return MediaRead{{}, fault}; };
    if (bytes.size() > kMaxMediaFileBytes) return refuse(tooLarge(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8.decode(bytes));
    if (utf8.hasError()) return refuse("文件不是 UTF-8 编码的文本（可能以 GBK 等其他编码保存，或已损坏）。");
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return refuse("文件不是有效的 JSON（第 " + QString::number(error.offset) + " 字节处有错）。");
    }
    if (!doc.isObject()) return refuse(kNotLibrary + QString("文件的内容不是一组键和值。"));
    const QJsonObject root = doc.object();
    const QJsonValue format = root.value("format");
    if (!format.isString() || format.toString() != q(kFormatName)) {
        return refuse(kNotLibrary + ("格式名应为“" + q(kFormatName) + "”") +
                      (format.isString() ? "，文件中为“" + format.toString() + "”。" : "，文件中没有。"));
    }
    const QJsonValue version = root.value("version");
    const double number = version.isDouble() ? version.toDouble() : 0;
    if (!version.isDouble() || number < 1 || std::trunc(number) != number) {
        return refuse("文件的版本号缺少或不是正整数。");
    }
    if (number > kFormatVersion) {
        return refuse(QString("文件的版本为 %1，本程序只能读取版本 %2：请用更新的 Orvane 打开。")
                          .arg(number)
                          .arg(kFormatVersion));
    }
    const QJsonValue list = root.value("media");
    if (!list.isArray()) return refuse("文件中“media”应为一列介质。");
    std::vector<std::string> taken;
    MediaRead read;
    qsizetype at = 0;
    for (const QJsonValue& v : list.toArray()) {
        ++at;
        QString fault;
        const std::optional<MediumTexts> texts = textsAt(v, at, fault);
        if (!texts) return refuse(fault);
        const MediumRead medium = readMedium(*texts, taken);
        if (!medium.medium) {
            return refuse("第 " + QString::number(at) + " 个介质（“" + q(texts->name) + "”）：" + q(medium.fault));
        }
        taken.push_back(medium.medium->name);
        read.media.push_back(*medium.medium);
    }
    return read;
}

QJsonObject mediumObject(const UserMedium& m) {
    const MediumTexts t = textsOf(m);
    QJsonObject o;
    o.insert("name", q(t.name));
    o.insert("phase", q(t.phase));
    if (t.cFromK) o.insert("C_from_k", true);
    for (Property p : kProperties) {
        if (!t.values[index(p)].empty()) o.insert(q(key(p)), q(t.values[index(p)]));
    }
    return o;
}

MediaRead mediumFromObject(const QJsonValue& object) {
    QString fault;
    const std::optional<MediumTexts> texts = textsAt(object, 1, fault);
    if (!texts) return {{}, fault};
    const MediumRead medium = readMedium(*texts, {});
    if (!medium.medium) return {{}, "介质“" + q(texts->name) + "”：" + q(medium.fault)};
    return {{*medium.medium}, {}};
}

QByteArray mediaJson(const std::vector<UserMedium>& media) {
    QJsonArray list;
    for (const UserMedium& m : media) list.append(mediumObject(m));
    QJsonObject root;
    root.insert("format", q(kFormatName));
    root.insert("version", kFormatVersion);
    root.insert("media", list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

MediaRead readMediaFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly)) return {{}, "无法读取文件：" + file.errorString()};
    if (file.size() > kMaxMediaFileBytes) return {{}, tooLarge(file.size())};
    return parseMedia(file.read(kMaxMediaFileBytes + 1));
}

QString writeMediaFile(const QString& path, const std::vector<UserMedium>& media) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return "无法建立文件夹“" + QFileInfo(path).absolutePath() + "”。";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return "无法保存到“" + path + "”：" + file.errorString();
    const QByteArray bytes = mediaJson(media);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return "无法保存到“" + path + "”：" + file.errorString() + "。原有的文件没有改动。";
    }
    return {};
}

std::optional<QString> keepDamagedFile(const QString& path, const QDateTime& now, QString& fault) {
    const QString base = path + ".bad-" + now.toString("yyyyMMdd-HHmmss");
    QString kept = base;
    for (int n = 2; QFileInfo::exists(kept); ++n) kept = base + "-" + QString::number(n);
    if (!QFile::rename(path, kept)) {
        fault = "无法把损坏的文件改名为“" + QFileInfo(kept).fileName() + "”保留，没有保存。";
        return std::nullopt;
    }
    return kept;
}

}  // namespace orvane::media
