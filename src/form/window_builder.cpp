#include "window_builder.h"

#include <QButtonGroup>
#include <QEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace orvane {

namespace {

QString toQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QColor toColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// The parameters-needed lamp: a small filled red circle.
class Lamp final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(width(), height()) - 4;
        const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
        QRadialGradient glow(circle.center() - QPointF(side / 5.0, side / 5.0), side / 1.4);
        glow.setColorAt(0, QColor(255, 150, 150));
        glow.setColorAt(0.45, QColor(235, 0, 0));
        glow.setColorAt(1, QColor(150, 0, 0));
        p.setPen(QPen(QColor(110, 0, 0), 1));
        p.setBrush(glow);
        p.drawEllipse(circle);
    }
};

// A field shows its text from the first character whenever it is not being edited, so a long
// number is read from its first digit, also after the field had the focus.
class ShowFromStart final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->setCursorPosition(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

class Picture final : public QWidget {
public:
    Picture(QWidget* parent, PaintFunction paint) : QWidget(parent), paint_(paint) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (paint_ != nullptr) paint_(p, rect());
    }

private:
    PaintFunction paint_;
};

// A caption broken into lines that fit `width`, as a narrow option button shows a long caption.
QString wrapped(const QString& text, const QFontMetrics& fm, int width) {
    if (fm.horizontalAdvance(text) <= width) return text;
    QString out;
    QString line;
    for (const QChar ch : text) {
        if (!line.isEmpty() && fm.horizontalAdvance(line + ch) > width) {
            out += line + '\n';
            line.clear();
        }
        line += ch;
    }
    return out + line;
}

void setColours(QWidget* w, const ControlRow& c, QPalette::ColorRole ground, QPalette::ColorRole ink) {
    if (!c.background && !c.foreground) return;
    QPalette pal = w->palette();
    if (c.background) pal.setColor(ground, toColor(*c.background));
    if (c.foreground) pal.setColor(ink, toColor(*c.foreground));
    w->setPalette(pal);
    if (c.background) w->setAutoFillBackground(true);
}

QWidget* makeControl(QWidget* window, const ControlRow& c, std::span<const Decoration> decorations,
                     QButtonGroup* options) {
    const QString text = toQString(c.text);
    switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, window);
            label->setAlignment(c.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            setColours(label, c, QPalette::Window, QPalette::WindowText);
            return label;
        }
        case ControlKind::Frame: {
            auto* frame = new QLabel(text, window);
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            frame->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            setColours(frame, c, QPalette::Window, QPalette::WindowText);
            return frame;
        }
        case ControlKind::Text: {
            auto* edit = new QLineEdit(text, window);
            setColours(edit, c, QPalette::Base, QPalette::Text);
            if (c.result) {
                // A result is read, not typed: no cursor by Tab, but it can still be selected and copied.
                edit->setReadOnly(true);
                edit->setFocusPolicy(Qt::ClickFocus);
            }
            return edit;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(window);
            combo->setEditable(true);
            // A typed text selects a case as typed: no new item, no completion that changes it.
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            for (std::string_view item : c.items) combo->addItem(toQString(item));
            const int index = combo->findText(text, Qt::MatchExactly);
            combo->setCurrentIndex(index);
            if (index < 0) combo->setEditText(text);
            return combo;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(window);
            option->setFont(fontFor(c.font));
            const QStyle* style = option->style();
            const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                                  style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
            option->setText(wrapped(text, QFontMetrics(option->font()), twipsToPixels(c.at.width) - indicator));
            option->setChecked(c.selected);
            options->addButton(option);
            setColours(option, c, QPalette::Window, QPalette::WindowText);
            return option;
        }
        case ControlKind::Command: return new QPushButton(text, window);
        case ControlKind::Lamp: return new Lamp(window);
        case ControlKind::Picture: {
            const auto it = std::find_if(decorations.begin(), decorations.end(),
                                         [&c](const Decoration& d) { return d.name == c.name; });
            auto* picture = new Picture(window, it == decorations.end() ? nullptr : it->paint);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
            return picture;
        }
    }
    return new QWidget(window);
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Text || kind == ControlKind::Combo || kind == ControlKind::Option ||
           kind == ControlKind::Command;
}

}  // namespace

QFont fontFor(const FontStyle& style) {
    QFont font;
    if (style.face == Face::Hei) {
        font.setFamilies({"黑体", "SimHei", "Noto Sans CJK SC", "WenQuanYi Zen Hei", "Droid Sans Fallback"});
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamilies({"宋体", "SimSun", "Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"});
        font.setStyleHint(QFont::Serif);
    }
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    return font;
}

void buildWindow(QWidget* window, const WindowTable& table, std::span<const Decoration> decorations,
                 int clientTop) {
    window->setObjectName(toQString(table.objectName));
    window->setWindowTitle(toQString(table.caption));
    window->setAccessibleName(toQString(table.caption));
    window->setFixedSize(twipsToPixels(table.width), twipsToPixels(table.height) + clientTop);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, toColor(table.background));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setFont(fontFor({}));

    auto* options = new QButtonGroup(window);
    auto* showFromStart = new ShowFromStart(window);
    for (const ControlRow& c : table.controls) {
        QWidget* w = makeControl(window, c, decorations, options);
        w->setObjectName(toQString(c.name));
        w->setGeometry(twipsToPixels(c.at.left), twipsToPixels(c.at.top) + clientTop, twipsToPixels(c.at.width),
                       twipsToPixels(c.at.height));
        w->setFont(fontFor(c.font));
        if (c.kind != ControlKind::Picture && c.kind != ControlKind::Lamp) {
            w->setAccessibleName(toQString(table.accessibleName(c)));
        }
        if (!c.toolTip.empty()) w->setToolTip(toQString(c.toolTip));
        if (!c.shown) w->hide();
        if (c.kind == ControlKind::Text) w->installEventFilter(showFromStart);
    }
    applyTabOrder(window, table);
}

void applyTabOrder(QWidget* window, const WindowTable& table) {
    struct Stop {
        QWidget* widget;
        int top;
        int left;
    };
    std::vector<Stop> stops;
    for (const ControlRow& c : table.controls) {
        if (!takesFocus(c.kind)) continue;
        if (auto* w = window->findChild<QWidget*>(toQString(c.name), Qt::FindDirectChildrenOnly)) {
            stops.push_back({w, w->y(), w->x()});
        }
    }
    std::sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.top < b.top; });
    // Controls whose tops lie within a few pixels of the row's first one stand on the same row.
    constexpr int kRowSlack = 12;
    int rowTop = stops.empty() ? 0 : stops.front().top;
    for (Stop& s : stops) {
        if (s.top - rowTop > kRowSlack) rowTop = s.top;
        s.top = rowTop;
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

}  // namespace orvane
