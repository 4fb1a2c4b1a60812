#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/qt/font_substitutes.h"
#include "app/qt/form1.h"
#include "app/ui/progress_control.h"
#include "document/qt/cp932_codec.h"
#include "document/qt/editor_pane.h"
#include "scripted_dialogs.h"

namespace orca::test {

// A small incremental program and its text as the editor shows it.
inline constexpr const char* kFirst = "G91\nG01 X10. Y10.\n";
inline constexpr const char* kFirstText = "G91\r\nG01 X10. Y10.\r\n";

// A main window with its settings file in a fresh folder and every dialog
// answered by the test.
class Form1Test : public ::testing::Test {
protected:
    Form1Test() { InstallFontSubstitutes(); }

    std::string dir() const { return folder_.path().toStdString(); }
    std::string settingsPath() const { return dir() + "/OrcaＮＣEditor.ini"; }

    std::string writeFile(const std::string& name, const std::string& bytes) const {
        const std::string path = dir() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    void writeSettings(const std::string& text) const {
        std::ofstream(settingsPath(), std::ios::binary) << text;
    }
    std::string settingsText() const { return readFile(settingsPath()); }

    SettingsFile settingsFile() const { return SettingsFile(settingsPath(), codec_); }

    Form1& form() {
        if (!form_) form_ = std::make_unique<Form1>(settingsFile(), dialogs_);
        return *form_;
    }
    Form1& started(const std::vector<std::string>& args = {}) {
        form().startUp(args);
        return *form_;
    }

    // Keys and focus reach a window only while it is the active one.
    void activate() {
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }

    QAction* action(const char* name) { return form().findChild<QAction*>(name); }
    std::string caption() { return form().windowTitle().toStdString(); }
    std::string editorText() { return form().richCode().programText(); }

    QTemporaryDir folder_;
    ScriptedDialogs dialogs_;
    const QtTextCodec codec_;
    std::unique_ptr<Form1> form_;
};

}  // namespace orca::test
