#pragma once
// Qt's own dialog texts in Chinese ("确定" rather than "OK"), as befits a Chinese program.

class QTranslator;

namespace orvane::shell {

// Loads Qt's Simplified Chinese translation into `translator` and installs it; false when the
// translation is not installed (the dialogs then keep Qt's English button texts).
bool installChineseQtTexts(QTranslator& translator);

}  // namespace orvane::shell
