#include "case_json.h"

#include "media/user_media_file.h"

#include <cmath>
#include <limits>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

#include "devices/devices.h"
#include "engine/number_text.h"
#include "engine/numeric_fault.h"

namespace orvane::casefile {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& text) { return text.toStdString(); }

const std::string& at(const Texts& texts, std::string_view key) {
    static const std::string kNone;
    const auto it = texts.find(key);
    return it == texts.end() ? kNone : it->second;
}

QString windowName(Device device) { return device == Device::SafetyValve ? "安全阀" : "爆破片"; }

QJsonObject object(const Texts& texts) {
    QJsonObject o;
    for (const auto& [key, text] : texts) o.insert(q(key), q(text));
    return o;
}

constexpr std::string_view kStepFields[] = {"name", "symbol", "equation", "substituted", "result", "unit"};
std::string RecordStep::*const kStepMembers[] = {&RecordStep::name,        &RecordStep::symbol, &RecordStep::equation,
                                                 &RecordStep::substituted, &RecordStep::result, &RecordStep::unit};

// The title block's keys.
constexpr std::pair<std::string_view, std::string TitleBlock::*> kTitleBlock[] = {
    {"project", &TitleBlock::project}, {"equipment", &TitleBlock::equipment}, {"tag", &TitleBlock::tag}};

// A refusal: the reader stops at the first fault it finds.
struct Refusal {
    QString message;
};

// Reads the parts of a case, naming what is missing or wrong by the key's caption and key.
class Reader {
public:
    explicit Reader(Device device) : device_(device) {}

    QString what(const QString& key) const {
        const FieldInfo* f = devices::description(device_).byKey(s(key));
        if (f == nullptr) return "“" + key + "”";
        return "“" + q(f->caption) + "”（" + key + "）";
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

    // A text that must be a number as the program writes numbers, with nothing after it (or empty
    // when `emptyAllowed`).
    QString number(const QJsonObject& o, const QString& key, const QString& where, bool emptyAllowed) const {
        const QString t = text(o, key, where);
        if (t.isEmpty() && emptyAllowed) return t;
        bool ok = wholeNumberText(s(t));
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
    const QJsonValue versionValue = root.value("version");
    const double number = versionValue.isDouble() ? versionValue.toDouble() : 0;
    if (!versionValue.isDouble() || number < 1 || std::trunc(number) != number) {
        throw Refusal{"案例文件的版本号缺少或不是正整数。"};
    }
    const std::optional<int> version = wholeNumber(number, 1, kFormatVersion);
    if (!version) {
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
    const Description& desc = devices::description(*device);
    CaseData d;
    d.device = *device;
    const QJsonObject inputs = r.part(root, "inputs");
    const QJsonObject results = r.part(root, "results");
    std::vector<std::string> laterFields;  // fields the file is older than
    for (const FieldInfo& f : desc.fields()) {
        if (f.isResult()) {
            d.results.emplace(f.key, s(r.text(results, q(f.key), "结果")));
            continue;
        }
        // Files from before the number of devices and the liquid density were kept: one device, no
        // density; their fields shown.
        if ((f.field == Field::DeviceCount || f.field == Field::LiquidDensity) && !inputs.contains(q(f.key))) {
            d.inputs.emplace(f.key, f.field == Field::DeviceCount ? "1" : "");
            laterFields.push_back(f.key);
            continue;
        }
        const QString t = r.text(inputs, q(f.key));
        if (f.role == Role::Option && desc.option(s(t)) == nullptr) {
            throw Refusal{"案例文件中" + r.what(q(f.key)) + "的值“" + t + "”不是窗口上的一种型式。"};
        }
        d.inputs.emplace(f.key, s(t));
    }
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
    for (const std::string& key : laterFields) {
        for (const auto& [control, view] : viewControls(*device)) {
            if (view == key || view == key + ".label") d.shown.insert(view);
        }
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
    for (Field f : desc.derivationInputs()) {
        const std::string& key = desc.info(f).key;
        if (basis.contains(q(key))) d.basis.emplace(key, s(r.text(basis, q(key), "输入参数项所用的")));
    }
    const QJsonObject derived = r.part(ip, "derived");
    for (std::string_view name : derivedNames(*device)) {
        const QString t = r.number(derived, q(name), "输入参数项得出的", false);
        // The program holds a derived pressure as a single: one beyond that range was not written by
        // it, and would be saved again as another number.
        if (std::fabs(readNumber(s(t))) > double{std::numeric_limits<float>::max()}) {
            throw Refusal{"案例文件中输入参数项得出的" + r.what(q(name)) + "的值“" + t + "”超出程序所能保存的范围。"};
        }
        d.derived.emplace(name, s(t));
    }
    const QJsonValue steps = r.need(ip, "steps", {});
    if (!steps.isArray()) throw Refusal{"案例文件中“steps”应为一列步骤。"};
    for (const QJsonValue& v : steps.toArray()) {
        if (!v.isObject()) throw Refusal{"案例文件中“steps”应为一列步骤。"};
        RecordStep step;
        for (std::size_t i = 0; i < std::size(kStepFields); ++i) {
            step.*kStepMembers[i] = s(r.text(v.toObject(), q(kStepFields[i]), "步骤的"));
        }
        // Where its constants come from; files written before steps had notes have none.
        if (v.toObject().contains("note")) step.note = s(r.text(v.toObject(), "note", "步骤的"));
        d.derivation.push_back(std::move(step));
    }

    const auto shownText = [&d](const std::string& key) -> const std::string& {
        const auto in = d.inputs.find(key);
        return in != d.inputs.end() ? in->second : d.results.find(key)->second;
    };
    if (*version >= 2) {
        d.derivedDone = r.flag(ip, "done");
        // Whose each text the program wrote is: only those the fields still show are kept.
        const QJsonObject written = r.part(root, "written");
        for (auto it = written.begin(); it != written.end(); ++it) {
            const FieldInfo* f = desc.byKey(s(it.key()));
            if (f == nullptr || f->role == Role::Option) continue;
            if (!it.value().isObject()) throw Refusal{"案例文件中“written”的" + r.what(it.key()) + "应为一组键和值。"};
            const QJsonObject w = it.value().toObject();
            const QString text = r.text(w, "text", "“written”中的");
            const std::optional<Source> source = sourceNamed(s(r.text(w, "source", "“written”中的")));
            if (!source || *source == Source::Typed) {
                throw Refusal{"案例文件中“written”的" + r.what(it.key()) + "的来源应为 catalogue、user_library、derived 或 computed。"};
            }
            const QString origin = w.contains("medium") ? r.text(w, "medium", "“written”中的") : QString();
            if (!text.isEmpty() && s(text) == shownText(f->key)) d.written.emplace(f->key, WrittenText{s(text), *source, s(origin)});
        }
    } else {
        // Version 1 kept the property texts input parameters wrote from the catalogue, and whether W
        // was typed; every other result a calculation wrote.
        const QJsonObject catalogue = r.part(ip, "catalogue");
        const std::string& medium = at(d.basis, "medium");
        for (Field f : kPropertyFields) {
            const std::string& key = desc.info(f).key;
            if (!catalogue.contains(q(key))) continue;
            const std::string text = s(r.text(catalogue, q(key), "介质库填入的"));
            if (!text.empty() && text == shownText(key)) d.written.emplace(key, WrittenText{text, Source::Catalogue, medium});
        }
        const bool typed = r.flag(root, "relief_capacity_typed");
        for (const FieldInfo& f : desc.fields()) {
            const std::string& text = shownText(f.key);
            if (f.isResult() && !text.empty() && !(typed && f.field == Field::ReliefCapacity)) {
                d.written.emplace(f.key, WrittenText{text, Source::Computed, {}});
            }
        }
        d.derivedDone = std::ranges::any_of(d.derived, [](const auto& kv) { return readNumber(kv.second) != 0; });
    }

    const QJsonObject values = r.part(root, "program_values");
    for (std::string_view name : programValueNames()) {
        const bool phase = name == "phase";
        d.programValues.emplace(name, s(phase ? r.text(values, q(name), "全程序共用的")
                                              : r.number(values, q(name), "全程序共用的", true)));
    }
    // The user's medium the case uses, with its properties.
    if (root.contains("user_medium")) {
        const media::MediaRead medium = media::mediumFromObject(root.value("user_medium"));
        if (!medium.ok()) throw Refusal{"案例文件中的用户介质（“user_medium”）有误：" + medium.fault};
        d.userMedium = medium.media.front();
    }
    // The title block of its sheet: files written before it was kept have none.
    if (root.contains("title_block")) {
        const QJsonObject title = r.part(root, "title_block");
        for (const auto& [key, member] : kTitleBlock) d.titleBlock.*member = s(r.text(title, q(key), "标题栏的"));
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
    QJsonObject written;
    for (const auto& [key, w] : d.written) {
        QJsonObject o;
        o.insert("text", q(w.text));
        o.insert("source", q(sourceName(w.source)));
        if (!w.origin.empty()) o.insert("medium", q(w.origin));
        written.insert(q(key), o);
    }
    root.insert("written", written);
    root.insert("lamp_lit", d.lampLit);
    QJsonArray shown;
    for (const std::string& v : d.shown) shown.append(q(v));
    root.insert("shown", shown);
    root.insert("moved", object(d.moved));
    QJsonObject ip;
    ip.insert("done", d.derivedDone);
    ip.insert("basis", object(d.basis));
    ip.insert("derived", object(d.derived));
    QJsonArray steps;
    for (const RecordStep& step : d.derivation) {
        QJsonObject o;
        for (std::size_t i = 0; i < std::size(kStepFields); ++i) o.insert(q(kStepFields[i]), q(step.*kStepMembers[i]));
        if (!step.note.empty()) o.insert("note", q(step.note));
        steps.append(o);
    }
    ip.insert("steps", steps);
    root.insert("input_parameters", ip);
    root.insert("program_values", object(d.programValues));
    QJsonObject title;
    for (const auto& [key, member] : kTitleBlock) title.insert(q(key), q(d.titleBlock.*member));
    root.insert("title_block", title);
    if (d.userMedium) root.insert("user_medium", media::mediumObject(*d.userMedium));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

CaseRead parseCase(const QByteArray& bytes, std::optional<Device> window) {
    if (bytes.size() > kMaxCaseFileBytes) {
        return {std::nullopt, "文件太大（" + QString::number(bytes.size()) + " 字节），不是 Orvane 的案例文件：案例文件不超过 " +
                                  QString::number(kMaxCaseFileBytes) + " 字节。"};
    }
    // A case file is UTF-8: one saved in another encoding (GBK ...) is told as such, not as bad JSON.
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8.decode(bytes));
    if (utf8.hasError()) {
        return {std::nullopt, "这不是 UTF-8 编码的文本文件：Orvane 的案例文件是 UTF-8 编码的 JSON 文本，此文件可能以 GBK "
                              "等其他编码保存或已损坏。"};
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
