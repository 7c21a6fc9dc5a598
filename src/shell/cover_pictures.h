#pragma once
// The cover window's decorations: frames, lines, the banner and the picture of a vessel with its
// relief devices. They carry no information.

#include <span>

#include "form/window_builder.h"

namespace orvane::shell {

std::span<const Decoration> coverDecorations();

}  // namespace orvane::shell
