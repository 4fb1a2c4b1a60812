#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

namespace orca {

class UserDialogs;

// frmAbout: the program's name and version, and the system-information tool.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(UserDialogs& dialogs, QWidget* parent = nullptr);

    void StartSysInfo();
    // Reads a value of the system's configuration store; false when absent.
    // This platform has no registry: the only value it knows is the
    // system-information tool's path, taken from ORCA_SYSINFO_PROGRAM.
    bool GetKeyValue(const std::string& keyRoot, const std::string& keyName, const std::string& subKeyRef,
                     std::string& keyVal) const;

private:
    UserDialogs& dialogs_;
};

}  // namespace orca
