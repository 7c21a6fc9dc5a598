// The start-up baseline: a bare Qt 6 Widgets program that shows one empty QWidget. With the argument
// --text it shows one line of Chinese in a QLabel instead, the least a window with text costs (font
// configuration, a CJK face, shaping), as a second reference. With ORVANE_QUIT_WHEN_SHOWN set it ends
// once the window has been painted, as orvane does.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <cstring>

namespace {
class QuitWhenPainted final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

int main(int argc, char* argv[]) {
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    QWidget window;
    if (text) (new QLabel(QString::fromUtf8("超压泄放装置计算"), &window))->move(10, 10);
    QuitWhenPainted quit;
    if (qEnvironmentVariableIsSet("ORVANE_QUIT_WHEN_SHOWN")) window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
