// Orvane: sizing of the over-pressure relief devices of pressure vessels (safety valves and
// bursting discs) after GB 150-1998 Appendix B. Starts at the cover window, or runs a command
// (batch, --help ...) without one.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "bundled_fonts.h"
#include "case_argument.h"
#include "cli/command_line.h"
#include "cli/translations.h"
#include "cover_window.h"
#include "sheet_command.h"
#include "windows_console.h"
#include "engine/quantities.h"
#include "form/qt_texts.h"
#include "media/user_media_file.h"
#include "media/user_media_store.h"

namespace {

// X11 and Wayland need a display server named in the environment; Windows and macOS always have
// their desktop.
constexpr bool kNeedsDisplayServer =
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    true;
#else
    false;
#endif

bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// Qt ends a start whose display it cannot open with a fatal message and an abort; the program says so
// in one line and ends with status 1 instead. Qt's own warnings of the start stay unshown with it.
constexpr const char* kNoDisplay = QT_TRANSLATE_NOOP(
    "orvane",
    "no display (DISPLAY and WAYLAND_DISPLAY are not set): start Orvane on a graphical desktop, or under "
    "a virtual one with 'xvfb-run -a orvane'");
constexpr const char* kDisplayNotOpened = QT_TRANSLATE_NOOP(
    "orvane",
    "cannot open the display \"%1\": start Orvane on a graphical desktop, or under a virtual one with "
    "'xvfb-run -a orvane'");

void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) return;
    const QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    std::fprintf(stderr, "orvane: %s\n",
                 orvane::cli::translated(kDisplayNotOpened).arg(display).toLocal8Bit().constData());
    (void)message;
    std::_Exit(1);
}

// Start-up measurement (bench/startup.sh): with ORVANE_QUIT_WHEN_SHOWN set, the program ends once
// the cover window has been painted for the first time.
class QuitWhenPainted final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::string_view(argv[1]) == "sheet") {
        // The sheet needs fonts, so a GUI application, but no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        orvane::cli::installTranslations(app);
        orvane::shell::loadBundledFonts(orvane::shell::bundledFontFolder());
        return orvane::shell::sheetCommand(QGuiApplication::arguments());
    }
    if (argc > 1 && orvane::cli::isCommand(argv[1])) {
        QCoreApplication app(argc, argv);  // arguments in the system's encoding; no GUI
        orvane::cli::installTranslations(app);
        return orvane::cli::run(QCoreApplication::arguments());
    }
    if (kNeedsDisplayServer && !displayAvailable()) {
        std::fprintf(stderr, "orvane: %s\n", orvane::cli::translated(kNoDisplay).toLocal8Bit().constData());
        return 1;
    }
    const QtMessageHandler qtMessages = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
    QApplication::setApplicationName("Orvane");
    QApplication::setDesktopFileName("orvane");
    orvane::shell::releaseOwnConsole();
    orvane::shell::loadBundledFonts(orvane::shell::bundledFontFolder());

    // The user's medium library is the windows' only: the commands above run without it.
    orvane::media::UserMediaStore& media = orvane::media::UserMediaStore::instance();
    media.load(orvane::media::defaultMediaPath());

    orvane::ProgramValues shared;
    orvane::shell::CoverWindow cover(shared);
    QuitWhenPainted quitWhenPainted;
    if (qEnvironmentVariableIsSet("ORVANE_QUIT_WHEN_SHOWN")) cover.installEventFilter(&quitWhenPainted);
    cover.show();
    if (!media.fault().isEmpty()) {
        orvane::ensureChineseQtTexts();
        auto* box = new QMessageBox(QMessageBox::Warning, "用户物性库未载入",
                                    "用户物性库文件“" + media.path() + "”已损坏，未载入：" + media.fault() +
                                        "\n\n该文件保留未动。在“编辑 → 介质物性库…”中保存时，先把它改名保留，再写入新的文件。",
                                    QMessageBox::Ok, &cover);
        box->setObjectName("mediaLoadFault");
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    orvane::shell::openCaseOfArguments(cover, QApplication::arguments());
    return QApplication::exec();
}
