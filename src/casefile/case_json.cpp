#include "case_json.h"

#include <cmath>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "engine/number_text.h"
#include "engine/numeric_fault.h"

namespace orvane::casefile {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& text) { return text.toStdString(); }

QString windowName(Device device) { return device == Device::SafetyValve ? "安全阀" : "爆破片"; }

QJsonObject object(const Texts& texts) {
    QJsonObject o;
    for (const auto& [key, text] : texts) o.insert(q(key), q(text));
    return o;
}

constexpr std::string_view kStepFields[] = {"name", "symbol", "equation", "substituted", "result", "unit"};
std::string RecordStep::*const kStepMembers[] = {&RecordStep::name,        &RecordStep::symbol, &RecordStep::equation,
                                                 &RecordStep::substituted, &RecordStep::result, &RecordStep::unit};

// A refusal: the reader stops at the first fault it finds.
struct Refusal {
    QString message;
};

// Reads the parts of a case, naming what is missing or wrong by the key's caption and key.
class Reader {
public:
    explicit Reader(Device device) : device_(device) {}

    QString what(const QString& key) const {
        const CaseKey* k = findKey(device_, s(key));
        if (k == nullptr) return "“" + key + "”";
        return "“" + q(keyCaption(device_, *k)) + "”（" + key + "）";
    }

    QJsonValue need(const QJsonObject& o, const QString& key, const QString& where) const {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) throw Refusal{"案例文件缺少" + where + what(key) + "。"};
        return v;
    }

    QString text(const QJsonObject& o, const QString& key, const QString& where = {}) const {
        const QJsonValue v = need(o, key, where);
        if (!v.isString()) throw Refusal{"案例文件中" + where + what(key) + "的值不是文字（数也应写成带引号的文字）。"};
        return v.toString();
    }

    // A text that must be a number as the program writes numbers (or empty when `emptyAllowed`).
    QString number(const QJsonObject& o, const QString& key, const QString& where, bool emptyAllowed) const {
        const QString t = text(o, key, where);
        if (t.isEmpty() && emptyAllowed) return t;
        bool ok = beginsWithNumber(s(t));
        if (ok) {
            try {
                (void)readNumber(s(t));
            } catch (const NumericFault&) {
                ok = false;
            }
        }
        if (!ok) throw Refusal{"案例文件中" + where + what(key) + "的值“" + t + "”不是数。"};
        return t;
    }

    bool flag(const QJsonObject& o, const QString& key) const {
        const QJsonValue v = need(o, key, {});
        if (!v.isBool()) throw Refusal{"案例文件中“" + key + "”的值应为 true 或 false。"};
        return v.toBool();
    }

    QJsonObject part(const QJsonObject& o, const QString& key) const {
        const QJsonValue v = need(o, key, {});
        if (!v.isObject()) throw Refusal{"案例文件中“" + key + "”应为一组键和值。"};
        return v.toObject();
    }

private:
    Device device_;
};

CaseData read(const QJsonObject& root, std::optional<Device> window) {
    const QJsonValue format = root.value("format");
    if (!format.isString() || format.toString() != q(kFormatName)) {
        throw Refusal{"这不是 Orvane 的案例文件：格式名应为“" + q(kFormatName) + "”" +
                      (format.isString() ? "，文件中为“" + format.toString() + "”。" : "，文件中没有。")};
    }
    // The version is checked as a number before it is made a whole one: a file may hold any number.
    const QJsonValue version = root.value("version");
    const double number = version.isDouble() ? version.toDouble() : 0;
    if (!version.isDouble() || number < 1 || std::trunc(number) != number) {
        throw Refusal{"案例文件的版本号缺少或不是正整数。"};
    }
    if (!wholeNumber(number, 1, kFormatVersion)) {
        throw Refusal{"案例文件的版本为 " + QString::fromStdString(writeDouble(number)) + "，本程序只能读取版本 " +
                      QString::number(kFormatVersion) + " 及以前的案例文件：请用更新的 Orvane 打开。"};
    }
    const QString kind = root.value("window").toString();
    std::optional<Device> device;
    for (Device d : {Device::SafetyValve, Device::BurstingDisc}) {
        if (kind == q(deviceName(d))) device = d;
    }
    if (!device) {
        throw Refusal{"案例文件没有说明窗口种类：“window”应为“valve”（安全阀）或“disc”（爆破片）。"};
    }
    if (window && *window != *device) {
        throw Refusal{"这是" + windowName(*device) + "计算的案例文件，不能在" + windowName(*window) +
                      "窗口中打开：请在" + windowName(*device) + "窗口中打开它。"};
    }

    const Reader r(*device);
    CaseData d;
    d.device = *device;
    const QJsonObject inputs = r.part(root, "inputs");
    const QJsonObject results = r.part(root, "results");
    for (const CaseKey& k : caseKeys(*device)) {
        if (k.kind == KeyKind::Result) {
            d.results.emplace(k.key, s(r.text(results, q(k.key), "结果")));
            continue;
        }
        const QString t = r.text(inputs, q(k.key));
        if (k.kind == KeyKind::Option) {
            bool known = false;
            for (std::string_view o : optionControls(*device)) {
                known = known || q(windowTableOf(*device).find(o)->text) == t;
            }
            if (!known) throw Refusal{"案例文件中" + r.what(q(k.key)) + "的值“" + t + "”不是窗口上的一种型式。"};
        }
        d.inputs.emplace(k.key, s(t));
    }
    d.capacityTyped = r.flag(root, "relief_capacity_typed");
    d.lampLit = r.flag(root, "lamp_lit");

    // Layout: names this window does not have are ignored.
    const QJsonValue shown = r.need(root, "shown", {});
    if (!shown.isArray()) throw Refusal{"案例文件中“shown”应为一列名称。"};
    std::set<std::string, std::less<>> views;
    for (const auto& [control, view] : viewControls(*device)) views.insert(view);
    for (const QJsonValue& v : shown.toArray()) {
        if (!v.isString()) throw Refusal{"案例文件中“shown”应为一列名称。"};
        if (views.contains(s(v.toString()))) d.shown.insert(s(v.toString()));
    }
    const QJsonObject moved = r.part(root, "moved");
    for (auto it = moved.begin(); it != moved.end(); ++it) {
        if (!views.contains(s(it.key()))) continue;
        const QString t = r.number(moved, it.key(), "位置", false);
        const std::optional<int> top = wholeNumber(readNumber(s(t)), 0, kLargestTop);
        if (!top) throw Refusal{"案例文件中“" + it.key() + "”的位置“" + t + "”不在窗口内。"};
        d.moved.emplace(s(it.key()), writeInteger(*top));
    }

    const QJsonObject ip = r.part(root, "input_parameters");
    const QJsonObject basis = r.part(ip, "basis");
    for (const CaseKey& k : caseKeys(*device)) {
        if (basis.contains(q(k.key))) d.basis.emplace(k.key, s(r.text(basis, q(k.key), "输入参数项所用的")));
    }
    const QJsonObject catalogue = r.part(ip, "catalogue");
    for (const CaseKey& k : caseKeys(*device)) {
        if (catalogue.contains(q(k.key))) d.catalogue.emplace(k.key, s(r.text(catalogue, q(k.key), "介质库填入的")));
    }
    const QJsonObject derived = r.part(ip, "derived");
    for (std::string_view name : derivedNames(*device)) {
        d.derived.emplace(name, s(r.number(derived, q(name), "输入参数项得出的", false)));
    }
    const QJsonValue steps = r.need(ip, "steps", {});
    if (!steps.isArray()) throw Refusal{"案例文件中“steps”应为一列步骤。"};
    for (const QJsonValue& v : steps.toArray()) {
        if (!v.isObject()) throw Refusal{"案例文件中“steps”应为一列步骤。"};
        RecordStep step;
        for (std::size_t i = 0; i < std::size(kStepFields); ++i) {
            step.*kStepMembers[i] = s(r.text(v.toObject(), q(kStepFields[i]), "步骤的"));
        }
        d.derivation.push_back(std::move(step));
    }

    const QJsonObject values = r.part(root, "program_values");
    for (std::string_view name : programValueNames()) {
        const bool phase = name == "phase";
        d.programValues.emplace(name, s(phase ? r.text(values, q(name), "全程序共用的")
                                              : r.number(values, q(name), "全程序共用的", true)));
    }
    return d;
}

}  // namespace

QByteArray caseJson(const CaseData& d) {
    QJsonObject root;
    root.insert("format", q(kFormatName));
    root.insert("version", kFormatVersion);
    root.insert("window", q(deviceName(d.device)));
    root.insert("inputs", object(d.inputs));
    root.insert("results", object(d.results));
    root.insert("relief_capacity_typed", d.capacityTyped);
    root.insert("lamp_lit", d.lampLit);
    QJsonArray shown;
    for (const std::string& v : d.shown) shown.append(q(v));
    root.insert("shown", shown);
    root.insert("moved", object(d.moved));
    QJsonObject ip;
    ip.insert("basis", object(d.basis));
    ip.insert("catalogue", object(d.catalogue));
    ip.insert("derived", object(d.derived));
    QJsonArray steps;
    for (const RecordStep& step : d.derivation) {
        QJsonObject o;
        for (std::size_t i = 0; i < std::size(kStepFields); ++i) o.insert(q(kStepFields[i]), q(step.*kStepMembers[i]));
        steps.append(o);
    }
    ip.insert("steps", steps);
    root.insert("input_parameters", ip);
    root.insert("program_values", object(d.programValues));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

CaseRead parseCase(const QByteArray& bytes, std::optional<Device> window) {
    if (bytes.size() > kMaxCaseFileBytes) {
        return {std::nullopt, "文件太大（" + QString::number(bytes.size()) + " 字节），不是 Orvane 的案例文件：案例文件不超过 " +
                                  QString::number(kMaxCaseFileBytes) + " 字节。"};
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return {std::nullopt, "这不是 Orvane 的案例文件：文件不是有效的 JSON（第 " + QString::number(error.offset) +
                                  " 字节处有错）。"};
    }
    if (!doc.isObject()) return {std::nullopt, "这不是 Orvane 的案例文件：文件的内容不是一组键和值。"};
    try {
        return {read(doc.object(), window), {}};
    } catch (const Refusal& r) {
        return {std::nullopt, r.message};
    }
}

CaseRead readCaseFile(const QString& path, std::optional<Device> window) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, "无法打开文件“" + QFileInfo(path).fileName() + "”：" + file.errorString()};
    }
    // The size is checked before the file is read, and no more than one byte past the limit is read
    // from a file whose size is not known beforehand.
    if (file.size() > kMaxCaseFileBytes) {
        return {std::nullopt, "文件太大（" + QString::number(file.size()) + " 字节），不是 Orvane 的案例文件：案例文件不超过 " +
                                  QString::number(kMaxCaseFileBytes) + " 字节。"};
    }
    return parseCase(file.read(kMaxCaseFileBytes + 1), window);
}

QString writeCaseFile(const QString& path, const CaseData& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return "无法保存到“" + path + "”：" + file.errorString();
    const QByteArray bytes = caseJson(data);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return "无法保存到“" + path + "”：" + file.errorString() + "。原有的文件没有改动。";
    }
    return {};
}

}  // namespace orvane::casefile
