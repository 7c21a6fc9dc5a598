#include "cover_controls.h"

#include <array>

namespace orvane::shell {

namespace {

using enum ControlKind;

constexpr FontStyle kButtonFont{Face::Song, 15, false};  // one weight: the cover loads one face

constexpr std::array kControls = std::to_array<ControlRow>({
    // Frames and lines first: they lie behind the title and the buttons.
    {.name = "Shape1", .kind = Picture, .at = {240, 960, 8520, 1530}},    // frame around the title
    {.name = "Shape5", .kind = Picture, .at = {240, 2640, 5985, 4320}},   // frame around the picture
    {.name = "Shape2", .kind = Picture, .at = {6480, 2760, 2280, 900}},   // frames around the buttons
    {.name = "Shape3", .kind = Picture, .at = {6480, 4080, 2280, 900}},
    {.name = "Shape4", .kind = Picture, .at = {6480, 5400, 2280, 900}},
    {.name = "Line1", .kind = Picture, .at = {240, 2565, 8520, 30}},
    {.name = "Line2", .kind = Picture, .at = {6360, 2760, 30, 3540}},
    {.name = "Line3", .kind = Picture, .at = {240, 7080, 8520, 30}},
    {.name = "Image1", .kind = Picture, .at = {1575, 240, 5925, 615}},    // banner, 395 x 41 px
    {.name = "Label1", .kind = Label, .text = "【Orvane】", .at = {360, 1020, 8280, 840},
     .foreground = Rgb{0, 64, 128}, .font = {Face::Song, 26, false}, .centred = true},
    {.name = "Label2", .kind = Label, .text = "轻松计算", .at = {360, 1860, 8280, 540},
     .foreground = Rgb{128, 0, 0}, .font = {Face::Song, 20, false}, .centred = true},
    {.name = "Picture1", .kind = Picture, .at = {315, 2715, 5835, 4170}},  // 389 x 278 px
    {.name = "Command1", .kind = Command, .text = "安 全 阀", .at = {6600, 2880, 2040, 660}, .font = kButtonFont},
    {.name = "Command2", .kind = Command, .text = "爆 破 片", .at = {6600, 4200, 2040, 660}, .font = kButtonFont},
    {.name = "Command3", .kind = Command, .text = "退 出", .at = {6600, 5520, 2040, 660}, .font = kButtonFont},
});

constexpr WindowTable kCover{
    .objectName = "安全计算封面",
    .caption = "压力容器安全技术监察规程                                                            ",
    .width = 9000,
    .height = 7350,
    .background = {224, 232, 248},
    .controls = kControls,
};

}  // namespace

const WindowTable& coverTable() { return kCover; }

}  // namespace orvane::shell
