#include "ui/ScreenLaunchers.h"

#include "ui/site/SiteStudyDialog.h"

namespace zul {

// Shows the site study window modally on a copy of the current study.
void ShowSiteStudy(AppContext& context, const std::function<bool(const std::string&)>& openStudy,
                   QWidget* parent) {
    SiteStudyDialog dialog(context.doc, context.paths, openStudy, parent);
    dialog.exec();
}

} // namespace zul
