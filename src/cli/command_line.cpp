#include "command_line.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>

#include "batch/batch.h"
#include "text_device.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace orvane::cli {

namespace {

constexpr int kSizedAll = 0;
constexpr int kSomeNotSized = 1;
constexpr int kBadUse = 2;

constexpr const char* kUsage =
    "Usage:\n"
    "  orvane                                   open the calculator windows\n"
    "  orvane batch valve|disc IN.csv [-o OUT.csv]\n"
    "                                           size every row of a table of cases\n"
    "  orvane batch valve|disc --template [-o FILE]\n"
    "                                           write a table holding the window's defaults\n"
    "  orvane sheet CASE.orvane -o SHEET.pdf    write the calculation sheet of a case\n"
    "  orvane --help | --version\n"
    "\n"
    "batch sizes each row as in a freshly opened window: its option, lists and fields typed (an empty\n"
    "cell keeps the window's default), input parameters pressed, the row's k, C, M, Z, phase, latent\n"
    "heat and gas density typed again over the catalogue's, its relief_capacity_kg_h typed as W, then\n"
    "Calculate. Columns are named by key (working_pressure_MPa) or by the caption on the window\n"
    "(工作压力 MPa). IN is UTF-8 (with or without BOM) or GB18030. OUT holds the columns of IN, the six\n"
    "results and a status (完成, or the window's message); it is written as UTF-8 with BOM, by default\n"
    "next to IN as IN.out.csv; -o - writes it to standard output. The template goes to standard\n"
    "output unless -o names a file.\n"
    "\n"
    "Exit status: 0 every row sized, 1 some rows with a notice or a fault, 2 a bad file or usage.\n";

int fail(const std::string& message) {
    std::fprintf(stderr, "orvane: %s\n", message.c_str());
    return kBadUse;
}

int usageFault(const std::string& message) {
    return fail(message + " (orvane --help)");
}

bool stderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

std::string local(const QString& s) {
    return s.toStdString();
}

// Where a batch writes: a file written whole or not at all, or standard output.
class Output {
  public:
    explicit Output(const QString& path) : path_(path) {}

    bool open() {
        if (path_ == "-") {
#ifdef _WIN32
            _setmode(_fileno(stdout), _O_BINARY);
#endif
            auto out = std::make_unique<QFile>();
            if (!out->open(stdout, QIODevice::WriteOnly)) return false;
            device_ = std::move(out);
        } else {
            auto file = std::make_unique<QSaveFile>(path_);
            if (!file->open(QIODevice::WriteOnly)) return false;
            device_ = std::move(file);
        }
        buffer_ = std::make_unique<DeviceOutput>(*device_);
        stream_ = std::make_unique<std::ostream>(buffer_.get());
        *stream_ << "\xEF\xBB\xBF";  // UTF-8 byte order mark: a spreadsheet then reads the text right
        return true;
    }
    std::ostream& stream() {
        return *stream_;
    }
    QString errorString() const {
        return device_ ? device_->errorString() : QString();
    }

    // Writes out what is buffered and, for a file, puts it in place.
    bool commit() {
        stream_->flush();
        if (buffer_->failed()) return false;
        if (auto* file = qobject_cast<QSaveFile*>(device_.get())) return file->commit();
        return static_cast<QFile*>(device_.get())->flush();
    }

  private:
    QString path_;
    std::unique_ptr<QFileDevice> device_;
    std::unique_ptr<DeviceOutput> buffer_;
    std::unique_ptr<std::ostream> stream_;
};

QString outputName(const QString& path) {
    return path == "-" ? QStringLiteral("standard output") : path;
}

int writeTemplate(Device device, const QString& outPath) {
    Output out(outPath);
    if (!out.open())
        return fail("cannot write " + local(outputName(outPath)) + ": " + local(out.errorString()));
    batch::writeTemplate(device, out.stream());
    if (!out.commit())
        return fail("cannot write " + local(outputName(outPath)) + ": " + local(out.errorString()));
    return kSizedAll;
}

int sizeTable(Device device, const QString& inPath, QString outPath) {
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly))
        return fail("cannot open " + local(inPath) + ": " + local(in.errorString()));
    if (outPath.isEmpty()) {
        const QFileInfo info(inPath);
        outPath = info.dir().filePath(info.completeBaseName() + ".out.csv");
    }
    if (outPath != "-" && QFileInfo(outPath).absoluteFilePath() == QFileInfo(inPath).absoluteFilePath()) {
        return usageFault("the output would overwrite the table read, " + local(inPath));
    }

    Output out(outPath);
    const bool terminal = stderrIsTerminal();
    batch::Summary summary;
    try {
        const TextEncoding encoding = detectEncoding(in);
        DeviceInput input(in, encoding);
        std::istream text(&input);
        if (!out.open())
            return fail("cannot write " + local(outputName(outPath)) + ": " + local(out.errorString()));
        const auto progress = [terminal](std::int64_t rows) {
            if (terminal) std::fprintf(stderr, "\rorvane: %lld rows sized", static_cast<long long>(rows));
        };
        summary = batch::sizeTable(device, text, out.stream(), progress);
        if (terminal && summary.rows >= 10000) std::fputs("\n", stderr);
    } catch (const batch::BadTable& e) {
        if (terminal && summary.rows >= 10000) std::fputs("\n", stderr);
        return fail(local(inPath) + ": " + e.what());
    }
    if (!out.commit())
        return fail("cannot write " + local(outputName(outPath)) + ": " + local(out.errorString()));

    const std::int64_t notSized = summary.rows - summary.sized;
    std::fprintf(stderr, "orvane: %lld rows, %lld sized, %lld with a notice or a fault; written to %s\n",
                 static_cast<long long>(summary.rows), static_cast<long long>(summary.sized),
                 static_cast<long long>(notSized), local(outputName(outPath)).c_str());
    return notSized == 0 ? kSizedAll : kSomeNotSized;
}

int batchCommand(const QStringList& args) {
    // args: batch KIND (IN | --template) [-o OUT]
    if (args.size() < 2) return usageFault("batch needs the window kind, valve or disc");
    Device device = Device::SafetyValve;
    if (args[1] == "valve") {
        device = Device::SafetyValve;
    } else if (args[1] == "disc") {
        device = Device::BurstingDisc;
    } else {
        return usageFault("unknown window kind \"" + local(args[1]) + "\": valve or disc");
    }
    bool templ = false;
    QString in, out;
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "-o" || a == "--output") {
            if (i + 1 == args.size()) return usageFault(local(a) + " needs a file name");
            if (!out.isEmpty()) return usageFault("the output is named twice");
            out = args[++i];
        } else if (a == "--template") {
            templ = true;
        } else if (a.startsWith('-') && a != "-") {
            return usageFault("unknown option " + local(a));
        } else if (in.isEmpty()) {
            in = a;
        } else {
            return usageFault("one table at a time: " + local(in) + " and " + local(a));
        }
    }
    if (templ && !in.isEmpty()) return usageFault("--template reads no table: " + local(in));
    if (templ) return writeTemplate(device, out.isEmpty() ? QStringLiteral("-") : out);
    if (in.isEmpty()) return usageFault("batch " + local(args[1]) + " needs a table IN.csv, or --template");
    return sizeTable(device, in, out);
}

}  // namespace

bool isCommand(const char* firstArgument) {
    const std::string_view a = firstArgument;
    return a == "batch" || a == "--help" || a == "-h" || a == "--version" || a == "-v";
}

int run(const QStringList& arguments) {
    const QStringList args = arguments.mid(1);
    if (args.isEmpty()) return usageFault("no command");
    const QString& command = args.front();
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version" || command == "-v") {
        std::printf("orvane %s\n", ORVANE_VERSION);
        return 0;
    }
    return batchCommand(args);
}

}  // namespace orvane::cli
