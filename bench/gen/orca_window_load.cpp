// orca_window_load FILE: starts the main window (offscreen unless a platform
// is set) with FILE on its command line, as the program does, paints it once
// and reports what the load left, for timing and peak-memory measurements,
// with the longest the window's events waited meanwhile.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/qt/font_substitutes.h"
#include "app/qt/form1.h"
#include "document/qt/cp932_codec.h"
#include "document/qt/editor_pane.h"
#include "document/qt/user_dialogs.h"

namespace {

// Prints every message the user would see and answers every question Yes.
class PrintingDialogs : public orca::UserDialogs {
public:
    orca::MsgAnswer message(const std::string& text, orca::MsgIcon, orca::MsgButtons,
                            const std::string&) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return orca::MsgAnswer::Yes;
    }
    std::vector<std::string> openFiles(const orca::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const orca::FileDialogRequest&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
    int runModal(QDialog&) override { return 0; }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orca_window_load FILE\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orca::InstallFontSubstitutes();
    QTemporaryDir settingsDir;
    PrintingDialogs dialogs;
    const orca::QtTextCodec codec;
    orca::Form1 form(orca::SettingsFile(settingsDir.path().toStdString() + "/settings.ini", codec), dialogs);

    // A timer due every millisecond: the longest time between two of its
    // turns is the longest the window would have kept a click waiting.
    QElapsedTimer sinceTurn;
    qint64 longestWait = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout,
                     [&] { longestWait = std::max(longestWait, sinceTurn.restart()); });
    turns.start(1);

    QElapsedTimer timer;
    timer.start();
    sinceTurn.start();
    form.startUp({argv[1]});
    QCoreApplication::processEvents();
    const double seconds = static_cast<double>(timer.elapsed()) / 1000;
    longestWait = std::max(longestWait, sinceTurn.elapsed());

    const orca::DisplayList& drawn = form.engine().displayList;
    std::printf("%.2f s: %d editor lines, %zu lines and %zu arcs drawn; events waited %lld ms at most\n",
                seconds, form.richCode().lines(), drawn.LineCount(), drawn.CircleCount(),
                static_cast<long long>(longestWait));
    return form.richCode().empty() ? 1 : 0;
}
