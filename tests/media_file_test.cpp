// The user's medium library as a file: what it holds, written and read back; a missing file is an
// empty library; a damaged one is refused whole, naming what is wrong, and moved aside on request.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include "media/user_media_file.h"

namespace orvane::media {
namespace {

std::vector<UserMedium> twoMedia() {
    return {*readMedium({"氩气", "气体", {"39.95", "1.67", "", "1", "", "", ""}, true}, {}).medium,
            *readMedium({"R134a", "饱和气", {"102.03", "1.1", "327", "", "217", "1206", "1.6"}, false}, {}).medium};
}

TEST(MediaFile, HoldsEachMediumsTextsAndReadsBackTheSame) {
    const QByteArray expected = R"({"format": "orvane-media", "version": 1, "media": [
        {"name": "氩气", "phase": "气体", "C_from_k": true, "molar_mass_kg_kmol": "39.95", "k": "1.67", "Z": "1"},
        {"name": "R134a", "phase": "饱和气", "molar_mass_kg_kmol": "102.03", "k": "1.1", "C": "327",
         "latent_heat_kJ_kg": "217", "liquid_density_kg_m3": "1206", "design_pressure_MPa": "1.6"}]})";
    EXPECT_EQ(QJsonDocument::fromJson(mediaJson(twoMedia())), QJsonDocument::fromJson(expected));

    const QTemporaryDir dir;
    const QString path = dir.filePath("sub/media.json");
    EXPECT_EQ(readMediaFile(path).media, std::vector<UserMedium>{});  // missing: empty, no fault
    EXPECT_TRUE(readMediaFile(path).ok());
    ASSERT_EQ(writeMediaFile(path, twoMedia()), "");
    const MediaRead read = readMediaFile(path);
    EXPECT_EQ(read.fault, "");
    EXPECT_EQ(read.media, twoMedia());
}

TEST(MediaFile, ADamagedFileIsRefusedWholeNamingTheFault) {
    const auto medium = [](const char* inner) {
        return QByteArray(R"({"format": "orvane-media", "version": 1, "media": [)") + inner + "]}";
    };
    const std::pair<QByteArray, QString> rows[] = {
        {"{\"format\": ", "文件不是有效的 JSON（第 11 字节处有错）。"},
        {QByteArray("{\"a\": \"\xc4\xfa\"}"), "文件不是 UTF-8 编码的文本（可能以 GBK 等其他编码保存，或已损坏）。"},
        {R"({"format": "orvane-case", "version": 1, "media": []})",
         "这不是 Orvane 的用户物性库文件：格式名应为“orvane-media”，文件中为“orvane-case”。"},
        {R"({"format": "orvane-media", "version": 2, "media": []})", "文件的版本为 2，本程序只能读取版本 1：请用更新的 Orvane 打开。"},
        {R"({"format": "orvane-media", "version": 1})", "文件中“media”应为一列介质。"},
        {medium(R"({"name": "氩气", "phase": "气体", "molar_mass_kg_kmol": 39.95})"),
         "第 1 个介质的“molar_mass_kg_kmol”不是文字（数也应写成带引号的文字）。"},
        {medium(R"({"name": "氩气"})"), "第 1 个介质缺少“phase”。"},
        {medium(R"({"name": "氩气", "phase": "气体"}, {"name": "空气", "phase": "气体"})"),
         "第 2 个介质（“空气”）：名称“空气”是内置介质的名称，用户介质须另取名称。"},
        {medium(R"({"name": "氩气", "phase": "气体"}, {"name": "氩气", "phase": "液体"})"),
         "第 2 个介质（“氩气”）：名称“氩气”已有，每个介质的名称只能用一次。"},
        {medium(R"({"name": "氩气", "phase": "气体", "k": "1"})"), "第 1 个介质（“氩气”）：“绝热指数 k”须大于 1（现为“1”）。"},
    };
    for (const auto& [bytes, fault] : rows) {
        const MediaRead read = parseMedia(bytes);
        EXPECT_EQ(read.fault, fault) << bytes.toStdString();
        EXPECT_TRUE(read.media.empty());
    }
}

TEST(MediaFile, ADamagedFileIsMovedAsideUnderItsDateAndNeverOverANameTaken) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("media.json");
    const QDateTime now(QDate(2026, 3, 9), QTime(14, 5, 7));
    for (const char* bytes : {"damaged 1", "damaged 2"}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QString fault;
        ASSERT_TRUE(keepDamagedFile(path, now, fault)) << fault.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"media.json.bad-20260309-140507", "media.json.bad-20260309-140507-2"}));
    QFile second(dir.filePath("media.json.bad-20260309-140507-2"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), "damaged 2");
}

}  // namespace
}  // namespace orvane::media
