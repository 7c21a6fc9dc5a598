#pragma once
// One row per control of a window: the single place where a control's caption, default text, list
// items, visibility at open, position, colours and font are written. The Qt window is built from
// these rows and the in-memory form takes its defaults from them.

#include <optional>
#include <span>
#include <string_view>

namespace orvane {

enum class ControlKind {
    Label,
    Text,     // a text field
    Combo,    // a drop-down list that also accepts typed text
    Option,   // an option button; all options of a window form one group
    Command,  // a push button
    Lamp,     // the small filled red circle that asks for input parameters
    Picture,  // a decoration drawn by the window
    Frame,    // a box with its caption centred above its contents
};

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Rgb {
    unsigned char r = 0, g = 0, b = 0;
};

enum class Face { Song, Hei };

struct FontStyle {
    Face face = Face::Song;
    double points = 10.5;
    bool bold = false;
};

struct ControlRow {
    std::string_view name = {};
    ControlKind kind = ControlKind::Label;
    std::string_view text = {};  // caption, or the default text of a field or list
    Twips at = {};
    bool shown = true;       // shown when the window opens
    std::string_view label = {};  // fields and lists: the label whose caption names them
    std::span<const std::string_view> items = {};
    bool selected = false;   // options: selected when the window opens
    std::optional<Rgb> background = {};
    std::optional<Rgb> foreground = {};
    FontStyle font = {};
    std::string_view toolTip = {};  // fields: meaning and unit
    bool centred = false;  // labels: the caption is centred
    std::string_view unit = {};     // fields: the unit of the number it holds
    bool result = false;            // a field the user reads and does not type into
};

struct WindowTable {
    std::string_view objectName;  // the window's name
    std::string_view caption;     // title bar text
    int width = 0, height = 0;    // client area, twips
    Rgb background;
    std::span<const ControlRow> controls;

    const ControlRow* find(std::string_view name) const;
    // The caption that names a field: its label's caption, trimmed; a button's own caption.
    std::string_view accessibleName(const ControlRow& c) const;
};

// 1 twip = 1/1440 inch; at 96 dpi 15 twips make a pixel.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }

}  // namespace orvane
