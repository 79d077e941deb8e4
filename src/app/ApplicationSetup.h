#pragma once

class QApplication;

namespace zul {

// Makes the application read as a Japanese user expects: Qt's own Japanese texts (standard
// buttons and dialogs: はい / いいえ / キャンセル) and a font that shows Japanese text.
// Returns true when the Japanese translation of Qt was loaded.
bool SetUpJapaneseApplication(QApplication& app);

} // namespace zul
