#pragma once

#include "app/frmMenuMain.h"
#include "document/ProjectDocument.h"

#include <QColor>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

class QPushButton;
class QWidget;

namespace zul::test {

// A program folder, a settings file and a per-user data folder of their own for each test.
class AppSandbox {
public:
    AppSandbox();

    ProgramPaths paths() const;
    std::string iniFile() const { return path("Zul.ini"); }
    std::string path(const QString& name) const;
    QString folder() const { return dir_.path(); }

    std::unique_ptr<frmMenuMain> makeWindow() const;

private:
    QTemporaryDir dir_;
};

// A study case with two sand layers and N values every metre, written as an input data file.
ProjectDocument SampleStudy();
void WriteStudy(const ProjectDocument& doc, const std::string& path);

// The text of the file, as bytes.
QByteArray ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const QByteArray& bytes);

// Clicks the push button of that object name on a screen; a missing button fails the test.
void Press(QWidget* screen, const char* name);
// The colour of a button's caption as drawn in the active window.
QColor TextColour(const QPushButton* button);

} // namespace zul::test
