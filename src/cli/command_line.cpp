#include "command_line.h"

#include <QFileInfo>
#include <memory>

#include "media/user_media_file.h"

#include <QCoreApplication>
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

// The command line speaks the system's language: English texts here, their Chinese in
// translations/orvane_zh.ts (translations.h).
QString tr(const char* text) { return QCoreApplication::translate("orvane", text); }

constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "orvane",
    "Usage:\n"
    "  orvane [CASE.orvane]                     open the calculator windows (and the case)\n"
    "  orvane batch valve|disc IN.csv [-o OUT.csv] [--defaults] [--keys] [--media FILE]\n"
    "                                           size every row of a table of cases\n"
    "  orvane batch valve|disc --template [-o FILE] [--keys]\n"
    "                                           write a table holding the window's defaults\n"
    "  orvane sheet CASE.orvane -o SHEET.pdf|SHEET.odt|- [--project P] [--equipment E] [--tag T]\n"
    "                                           write the calculation sheet of a case\n"
    "  orvane --help | --version\n"
    "\n"
    "batch sizes each row as a case of its own, nothing carried from another row, and reads the table\n"
    "as data from another program: a number cell holds a number and nothing else (blanks around it and\n"
    "full-width digits are fine; thousands separators, decimal commas and units are not), or the row is\n"
    "not sized. A blank cell (or a missing column) of a field the row's case uses stops the row, naming\n"
    "it; with --defaults it takes the window's default and the status lists each default used. The\n"
    "medium's properties a row gives are used over the catalogue's; a medium the catalogue lacks needs\n"
    "all its properties in the row. Columns are named by key (working_pressure_MPa) or by caption\n"
    "(工作压力 MPa); any other column (位号, 备注 ...) is passed through unread, and listed once on\n"
    "standard error. IN is UTF-8 (with or without BOM) or GB18030. OUT holds the columns of IN, the six\n"
    "results titled by caption and unit (by key with --keys) and a status (完成, or why not); it is\n"
    "written as UTF-8 with BOM, by default next to IN as IN.out.csv; -o - writes it to standard\n"
    "output. The template goes to standard output unless -o names a file. The user's medium library\n"
    "(the one the windows use) is read; --media names another.\n"
    "\n"
    "sheet calculates the case again, as Calculate after opening it would, and writes its sheet: ODT when\n"
    "the output ends in .odt, PDF otherwise; -o - writes the PDF to standard output when that is a file\n"
    "or a pipe, and is refused on a terminal. The title block is the case's; --project, --equipment\n"
    "and --tag are printed over it.\n"
    "\n"
    "Exit status: 0 every row sized, 1 some rows not sized, 2 a bad file or usage.\n");

int fail(const QString& message) {
    std::fprintf(stderr, "orvane: %s\n", message.toLocal8Bit().constData());
    return kBadUse;
}

int usageFault(const QString& message) { return fail(tr("%1 (orvane --help)").arg(message)); }

// A table's fault in the language of the command line.
QString faultText(const batch::FaultText& t) {
    QString text = tr(t.format.c_str());
    for (const std::string& a : t.args) text = text.arg(QString::fromStdString(a));
    return text;
}

bool stderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
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

QString outputName(const QString& path) { return path == "-" ? tr("standard output") : path; }

int writeTemplate(Device device, const QString& outPath, const batch::Options& options) {
    Output out(outPath);
    if (!out.open()) return fail(tr("cannot write %1: %2").arg(outputName(outPath), out.errorString()));
    batch::writeTemplate(device, out.stream(), options);
    if (!out.commit()) return fail(tr("cannot write %1: %2").arg(outputName(outPath), out.errorString()));
    return kSizedAll;
}

int sizeTable(Device device, const QString& inPath, QString outPath, const batch::Options& options) {
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) return fail(tr("cannot open %1: %2").arg(inPath, in.errorString()));
    if (outPath.isEmpty()) {
        const QFileInfo info(inPath);
        outPath = info.dir().filePath(info.completeBaseName() + ".out.csv");
    }
    if (outPath != "-" && QFileInfo(outPath).absoluteFilePath() == QFileInfo(inPath).absoluteFilePath()) {
        return usageFault(tr("the output would overwrite the table read, %1").arg(inPath));
    }

    Output out(outPath);
    const bool terminal = stderrIsTerminal();
    batch::Summary summary;
    try {
        const TextEncoding encoding = detectEncoding(in);
        DeviceInput input(in, encoding);
        std::istream text(&input);
        if (!out.open()) return fail(tr("cannot write %1: %2").arg(outputName(outPath), out.errorString()));
        const auto header = [](const batch::Summary& s) {
            if (s.passedThrough.empty()) return;
            QStringList names;
            for (const std::string& n : s.passedThrough) names << QString::fromStdString(n);
            std::fprintf(stderr, "orvane: %s\n",
                         tr("passed through, not read: %1").arg(names.join(", ")).toLocal8Bit().constData());
        };
        const auto progress = [terminal](std::int64_t rows) {
            if (terminal) std::fprintf(stderr, "\rorvane: %s", tr("%1 rows sized").arg(rows).toLocal8Bit().constData());
        };
        summary = batch::sizeTable(device, text, out.stream(), options, header, progress);
        if (terminal && summary.rows >= 10000) std::fputs("\n", stderr);
    } catch (const batch::BadTable& e) {
        if (terminal && summary.rows >= 10000) std::fputs("\n", stderr);
        return fail(inPath + ": " + faultText(e.text()));
    }
    if (!out.commit()) return fail(tr("cannot write %1: %2").arg(outputName(outPath), out.errorString()));

    const std::int64_t notSized = summary.rows - summary.sized;
    std::fprintf(stderr, "orvane: %s\n",
                 tr("%1 rows, %2 sized, %3 not sized; written to %4")
                     .arg(summary.rows)
                     .arg(summary.sized)
                     .arg(notSized)
                     .arg(outputName(outPath))
                     .toLocal8Bit()
                     .constData());
    return notSized == 0 ? kSizedAll : kSomeNotSized;
}

int batchCommand(const QStringList& args) {
    // args: batch KIND (IN | --template) [-o OUT] [--defaults] [--keys]
    if (args.size() < 2) return usageFault(tr("batch needs the window kind, valve or disc"));
    Device device = Device::SafetyValve;
    if (args[1] == "valve") {
        device = Device::SafetyValve;
    } else if (args[1] == "disc") {
        device = Device::BurstingDisc;
    } else {
        return usageFault(tr("unknown window kind \"%1\": valve or disc").arg(args[1]));
    }
    bool templ = false;
    batch::Options options;
    QString in, out, mediaFile;
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "-o" || a == "--output") {
            if (i + 1 == args.size()) return usageFault(tr("%1 needs a file name").arg(a));
            if (!out.isEmpty()) return usageFault(tr("the output is named twice"));
            out = args[++i];
        } else if (a == "--template") {
            templ = true;
        } else if (a == "--defaults") {
            options.defaults = true;
        } else if (a == "--keys") {
            options.keys = true;
        } else if (a == "--media") {
            if (i + 1 == args.size()) return usageFault(tr("%1 needs a file name").arg(a));
            mediaFile = args[++i];
        } else if (a.startsWith('-') && a != "-") {
            return usageFault(tr("unknown option %1").arg(a));
        } else if (in.isEmpty()) {
            in = a;
        } else {
            return usageFault(tr("one table at a time: %1 and %2").arg(in, a));
        }
    }
    if (templ && !in.isEmpty()) return usageFault(tr("--template reads no table: %1").arg(in));
    if (templ && options.defaults) return usageFault(tr("--template sizes no table: --defaults"));
    if (templ) return writeTemplate(device, out.isEmpty() ? QStringLiteral("-") : out, options);
    if (in.isEmpty()) return usageFault(tr("batch %1 needs a table IN.csv, or --template").arg(args[1]));
    // The user's medium library, as the windows use it, or the one named.
    const QString library = mediaFile.isEmpty() ? media::defaultMediaPath() : mediaFile;
    if (!mediaFile.isEmpty() && !QFileInfo::exists(mediaFile)) return fail(tr("no medium library %1").arg(mediaFile));
    const media::MediaRead read = media::readMediaFile(library);
    if (!read.ok()) {
        if (!mediaFile.isEmpty()) return fail(tr("the medium library %1 cannot be used: %2").arg(library, read.fault));
        std::fprintf(stderr, "orvane: %s\n",
                     tr("the user's medium library %1 is damaged and not used: %2").arg(library, read.fault)
                         .toLocal8Bit()
                         .constData());
    } else if (!read.media.empty()) {
        setUserMedia(std::make_shared<const media::UserMediaLibrary>(read.media));
    }
    return sizeTable(device, in, out, options);
}

}  // namespace

bool isCommand(const char* firstArgument) {
    const std::string_view a = firstArgument;
    // An option of any kind is the command line's: one it does not know is told, no window opens.
    return a == "batch" || a.starts_with('-');
}

int run(const QStringList& arguments) {
    const QStringList args = arguments.mid(1);
    if (args.isEmpty()) return usageFault(tr("no command"));
    const QString& command = args.front();
    if (command == "--help" || command == "-h") {
        std::fputs(tr(kUsage).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command == "--version" || command == "-v") {
        std::printf("orvane %s\n", ORVANE_VERSION);
        return 0;
    }
    if (command != "batch") {
        std::fputs(tr(kUsage).toLocal8Bit().constData(), stderr);
        return usageFault(tr("unknown option %1").arg(command));
    }
    return batchCommand(args);
}

}  // namespace orvane::cli
