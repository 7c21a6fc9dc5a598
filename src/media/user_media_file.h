#pragma once
// The user's medium library as a file: UTF-8 JSON, numbers as texts, as the case files keep them.
//
// {
//   "format": "orvane-media", "version": 1,
//   "media": [
//     {"name": "氩气", "phase": "气体", "molar_mass_kg_kmol": "39.95", "k": "1.67", "C_from_k": true, "Z": "1"},
//     {"name": "R134a", "phase": "饱和气", "molar_mass_kg_kmol": "102.03", "k": "1.1", "C": "327",
//      "latent_heat_kJ_kg": "217", "liquid_density_kg_m3": "1206", "design_pressure_MPa": "1.6"}
//   ]
// }
//
// A property left out (or an empty text) is no value; C is left out when "C_from_k" is true. Keys
// the program does not know are ignored. Reading refuses the whole file, with a Chinese message
// naming what is wrong, when one thing in it is: a damaged file is never half read. Writing
// replaces the file whole or not at all. Qt Core only.

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <vector>

#include "user_media.h"

namespace orvane::media {

inline constexpr std::string_view kFormatName = "orvane-media";
inline constexpr int kFormatVersion = 1;
// The largest library file read: larger files are refused before they are read.
inline constexpr qint64 kMaxMediaFileBytes = 1024 * 1024;

// Where the program keeps the library: media.json in the program's configuration folder
// (~/.config/Orvane/media.json on Linux, %LOCALAPPDATA%/Orvane/media.json on Windows).
QString defaultMediaPath();

struct MediaRead {
    std::vector<UserMedium> media;
    QString fault;  // why the file was refused (damaged or unreadable); empty when read, or missing
    bool ok() const { return fault.isEmpty(); }
};

MediaRead parseMedia(const QByteArray& bytes);
// One medium as the library file holds it, and back (checked as the file's media are; a built-in
// name refused). A case file that uses a user medium carries it this way.
QJsonObject mediumObject(const UserMedium& m);
MediaRead mediumFromObject(const QJsonValue& object);
QByteArray mediaJson(const std::vector<UserMedium>& media);

// A missing file is an empty library.
MediaRead readMediaFile(const QString& path);
// Writes the library atomically; an empty text when written, otherwise why not.
QString writeMediaFile(const QString& path, const std::vector<UserMedium>& media);
// Moves a damaged library aside as "<path>.bad-<date>-<time>" (a number added when that name is
// taken); the new path, or nothing with `fault` set.
std::optional<QString> keepDamagedFile(const QString& path, const QDateTime& now, QString& fault);

}  // namespace orvane::media
