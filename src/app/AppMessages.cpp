#include "app/AppMessages.h"

#include "app/ProductInfo.h"
#include "calc/CalcMessages.h"
#include "io/FileMessages.h"

namespace zul {

AppMessage MessageSaveBeforeOpen(const QString& dataFileName) {
    return {QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存しますか？\n\n編集中のﾌｧｲﾙ名：") +
                dataFileName,
            QStringLiteral("ﾌｧｲﾙを開く..."), MessageIcon::Information, MessageButtons::YesNo};
}

AppMessage MessageSaveBeforeExit(const QString& dataFileName) {
    return {QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存してから終了しますか？\n\n"
                           "編集中のﾌｧｲﾙ名：") +
                dataFileName,
            QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ終了"), MessageIcon::Information, MessageButtons::YesNoCancel};
}

AppMessage MessageNew() {
    return {QStringLiteral("現在編集中の入力ﾃﾞｰﾀを全て破棄し，入力ﾃﾞｰﾀを初期化します。"),
            QStringLiteral("新規作成"), MessageIcon::Information, MessageButtons::OkCancel};
}

AppMessage MessageUnsupportedVersion(const QString& version) {
    return {QString::fromStdString(UnsupportedVersionMessage(version.toStdString())),
            QStringLiteral("ﾌｧｲﾙを開く"), MessageIcon::Critical, MessageButtons::Ok};
}

AppMessage MessageSourceDropped(const std::string& message) {
    return {QString::fromStdString(message), QStringLiteral("ﾌｧｲﾙを開く"), MessageIcon::Warning,
            MessageButtons::Ok};
}

AppMessage MessageReadError(int errorCode) {
    return {QString::fromStdString(ReadErrorMessage(errorCode)), QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ読み込みｴﾗｰ"),
            MessageIcon::Critical, MessageButtons::Ok};
}

AppMessage MessageWriteError(int errorCode) {
    return {QString::fromStdString(WriteErrorMessage(errorCode)), QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ書き込みｴﾗｰ"),
            MessageIcon::Critical, MessageButtons::Ok};
}

AppMessage MessageCalculationError(const std::vector<std::string>& causes) {
    QString text = QString::fromUtf8(kCalcErrorMessage);
    if (!causes.empty()) {
        text += QLatin1Char('\n');
    }
    for (const std::string& cause : causes) {
        // A cause may quote a cell's text from the file: its line ends stay out of the layout.
        QString line = QString::fromStdString(cause);
        for (QChar& c : line) {
            if (c.category() == QChar::Other_Control) {
                c = QLatin1Char(' ');
            }
        }
        text += QStringLiteral("\n原因：") + line;
    }
    return {text, kProductName, MessageIcon::Information, MessageButtons::Ok};
}

MessageAnswer Show(QWidget* parent, const AppMessage& message) {
    return UiServices::current().showMessage(parent, message.text, message.title, message.icon,
                                             message.buttons);
}

} // namespace zul
