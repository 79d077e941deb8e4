// The input screens as the main window opens them: each screen is created with the owner's
// settings (no caption override, no help file, help topic 0, the row limits of the two grid
// screens), bound to the document or the settings file, shown modally, and its outcome tag
// returned.  The table screen's calculation is the main window's business.
#include "ui/ScreenLaunchers.h"

#include "ui/input/InputBindings.h"
#include "ui/input/frmInpAnzen.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJibanN.h"
#include "ui/input/frmInpJyoken.h"
#include "ui/input/frmInpRaTable.h"
#include "ui/input/frmInpRenban.h"

#include <QStringList>

namespace zul {

namespace {

template <typename Screen> void prepare(Screen& screen, const AppContext& context) {
    screen.setUsrCaption(QString());
    screen.setUsrHelpFile(QString());
    screen.setUsrHelpContextID(0);
    screen.setIniFile(context.paths.iniFile);
}

template <typename Screen> QString runOnDocument(AppContext& context, QWidget* parent, int rowLimit = 0) {
    Screen screen(parent);
    prepare(screen, context);
    if (rowLimit > 0) {
        screen.setUsrRecMax(rowLimit);
    }
    BindInputScreen(screen, context.doc);
    screen.exec();
    return screen.UsrTag();
}

} // namespace

bool IsInputScreenTag(const QString& tag) {
    static const QStringList tags = {QStringLiteral("InpKui"),     QStringLiteral("InpAnzen"),
                                     QStringLiteral("InpJiban"),   QStringLiteral("InpJibanN"),
                                     QStringLiteral("InpRaTable"), QStringLiteral("InpRenban")};
    return tags.contains(tag);
}

QString ShowInputScreen(const QString& tag, AppContext& context, QWidget* parent) {
    if (tag == QStringLiteral("InpKui")) {
        return runOnDocument<frmInpJyoken>(context, parent);
    }
    if (tag == QStringLiteral("InpAnzen")) {
        return runOnDocument<frmInpAnzen>(context, parent);
    }
    if (tag == QStringLiteral("InpJiban")) {
        return runOnDocument<frmInpJiban>(context, parent, kMaxLayers);
    }
    if (tag == QStringLiteral("InpJibanN")) {
        return runOnDocument<frmInpJibanN>(context, parent, kMaxNPoints);
    }
    if (tag == QStringLiteral("InpRaTable")) {
        return runOnDocument<frmInpRaTable>(context, parent);
    }
    if (tag == QStringLiteral("InpRenban")) {
        // Bound to the settings file; the document and its edited flag stay as they are.
        frmInpRenban screen(parent);
        prepare(screen, context);
        BindInputScreen(screen, context.paths.iniFile);
        screen.exec();
        return screen.UsrTag();
    }
    return {};
}

} // namespace zul
