#include "app/qt/about_box.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include "app/app_identity.h"
#include "app/registry_value.h"
#include "app/ui/pictures.h"
#include "document/qt/title_fit.h"
#include "document/qt/user_dialogs.h"

namespace orca {
namespace {

constexpr const char* kLocalMachine = "HKEY_LOCAL_MACHINE";
constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kMsInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

bool startProgram(const std::string& path) {
    return !path.empty() && QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace

AboutBox::AboutBox(UserDialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName("frmAbout");
    setWindowTitle(QString(kAppTitle) + "のﾊﾞｰｼﾞｮﾝ情報");

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(AppPicture());
    auto* lblTitle = new QLabel("NCｺｰﾄﾞ簡易ｴﾃﾞｨﾀｰ", this);
    lblTitle->setObjectName("lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    auto* lblVersion = new QLabel(QString::fromStdString(VersionText()), this);
    lblVersion->setObjectName("lblVersion");
    auto* cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton("ｼｽﾃﾑ情報(&S)...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(lblVersion, 1, 1, 1, 2);
    grid->setRowMinimumHeight(2, 24);
    grid->addWidget(cmdOK, 3, 2);
    grid->addWidget(cmdSysInfo, 4, 2);
    grid->setColumnStretch(1, 1);

    MakeTitleFit(*this);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::StartSysInfo);
}

void AboutBox::StartSysInfo() {
    std::string path;
    if (GetKeyValue(kLocalMachine, kMsInfoKey, "PATH", path) && startProgram(path)) return;
    if (GetKeyValue(kLocalMachine, kMsInfoLocationKey, "MSINFO", path)) {
        const std::string tool = path + "/MSINFO32.EXE";
        if (QFileInfo::exists(QString::fromStdString(tool)) && startProgram(tool)) return;
    }
    dialogs_.message("現時点ではｼｽﾃﾑ情報を使用できません", MsgIcon::None, MsgButtons::Ok);
}

bool AboutBox::GetKeyValue(const std::string& keyRoot, const std::string& keyName,
                           const std::string& subKeyRef, std::string& keyVal) const {
    keyVal.clear();
    if (keyRoot != kLocalMachine || keyName != kMsInfoKey || subKeyRef != "PATH") return false;
    const QByteArray data = qgetenv("ORCA_SYSINFO_PROGRAM");
    if (data.isEmpty()) return false;
    keyVal = RegistryValueText(kRegString, std::string_view(data.constData(), data.size()));
    return true;
}

}  // namespace orca
