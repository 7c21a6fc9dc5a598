#pragma once
// Qt's own dialog texts in Chinese ("确定" rather than "OK"), as befits a Chinese program.

namespace orvane {

// Loads and installs Qt's Simplified Chinese translation the first time it is called; later calls do
// nothing. It is called when the first message is shown, so that start-up does not pay for it.
// False when the translation is not installed (the dialogs then keep Qt's English texts).
bool ensureChineseQtTexts();

}  // namespace orvane
