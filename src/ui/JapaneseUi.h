#pragma once

class QApplication;

namespace zul {

// Makes Qt's own texts and the fonts read as a Japanese user expects: the Japanese locale, Qt's
// Japanese translation (standard buttons and dialogs, the print dialog: はい / キャンセル / 印刷)
// and a font that shows Japanese text.  Returns true when the translation was loaded.
bool UseJapaneseQt(QApplication& app);

} // namespace zul
