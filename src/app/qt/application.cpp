#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <string>
#include <vector>

#include "app/qt/entry_points.h"
#include "app/qt/font_substitutes.h"
#include "app/qt/form1.h"
#include "app/qt/japanese_translations.h"
#include "app/qt/splash_box.h"
#include "document/qt/cp932_codec.h"
#include "document/qt/user_dialogs.h"

namespace orca {

int RunApplication(const char* program, const CommandLine& line) {
    // Qt sees only its own options: a file name after "--" that looks like
    // one of them stays a file name.
    std::vector<char*> qtArgv{const_cast<char*>(program)};
    for (const std::string& option : line.qtOptions) qtArgv.push_back(const_cast<char*>(option.c_str()));
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgv.size()) - 1;
    QApplication app(qtArgc, qtArgv.data());
    InstallFontSubstitutes();
    InstallJapaneseTranslations();

    QPointer<SplashBox> splash = new SplashBox;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QCoreApplication::processEvents();

    QtUserDialogs dialogs;
    const QtTextCodec settingsCodec;
    Form1 form(SettingsFile(SettingsFilePath(CurrentSettingsPlace(ExecutableDir())), settingsCodec), dialogs);
    dialogs.setOwner(&form);
    if (splash) splash->close();

    form.startUp(line.files);
    return app.exec();
}

}  // namespace orca
