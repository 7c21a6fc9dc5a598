#pragma once
// Builds a window's widgets from its control table: one widget per row, placed at its position in
// twips (15 twips to a pixel), with its caption or default text, list items, colours, font,
// accessible name, tooltip and visibility at open. The client area gets a fixed size.

#include <QFont>
#include <span>
#include <string_view>

#include "control_table.h"

class QPainter;
class QRect;
class QWidget;

namespace orvane {

// A decoration drawn by the window: the painter covers the control's rectangle.
using PaintFunction = void (*)(QPainter& painter, const QRect& area);
struct Decoration {
    std::string_view name;
    PaintFunction paint;
};

// `clientTop` (pixels) leaves room above the client area for a menu bar: every control stands that
// much lower and the window is that much taller.
void buildWindow(QWidget* window, const WindowTable& table, std::span<const Decoration> decorations,
                 int clientTop = 0);

// The font of a control. "宋体" and "黑体" are Windows faces: where they are missing a Song (serif)
// or Hei (sans) CJK face installed with the program takes their place.
QFont fontFor(const FontStyle& style);

// Chains the focusable controls in the order of the rows on screen, left to right within a row.
// Hidden controls drop out of the chain by themselves.
void applyTabOrder(QWidget* window, const WindowTable& table);

}  // namespace orvane
