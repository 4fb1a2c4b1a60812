#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

#include "app/qt/entry_points.h"
#include "app/qt/font_substitutes.h"
#include "app/qt/form1.h"
#include "app/qt/japanese_translations.h"
#include "app/qt/splash_box.h"
#include "document/qt/cp932_codec.h"
#include "document/qt/user_dialogs.h"

namespace orca {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
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

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    form.startUp(args);
    return app.exec();
}

}  // namespace orca
