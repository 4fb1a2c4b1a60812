// Saves that cannot succeed: the user is told why, the file on disk stays
// as it was, nothing is left behind, and the edit stays in the editor.
#include <sys/mount.h>
#include <sys/stat.h>

#include <QDir>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "../core/unprivileged_files.h"
#include "app/app_identity.h"
#include "document/document_state.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

class BadSaveTest : public Form1Test {
protected:
    // Permission rows run as "nobody", who must reach the test's folder.
    BadSaveTest() { ::chmod(dir().c_str(), 0755); }

    std::string folder(const std::string& name) const {
        const std::string path = dir() + "/" + name;
        std::filesystem::create_directory(path);
        return path;
    }

    void edit() {
        form().richCode().setSelectionStart(0);
        form().richCode().replaceSelection("G91 ");
    }

    void overwriteSave() {
        statusBefore_ = form().statusText();
        dialogs_.answer(MsgAnswer::Ok);
        form().mnuUpdSave_Click();
    }

    static QStringList entries(const std::string& folder) {
        return QDir(QString::fromStdString(folder))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }

    // The failure shown after the overwrite question, and the window left
    // as it was before the save; a write that failed after the file was
    // opened has also cleared its "書き込み中..." status.
    void expectRefused(const std::string& text, bool opened = false) {
        ASSERT_EQ(dialogs_.messages().size(), 2u);
        EXPECT_EQ(dialogs_.messages()[1].text, text);
        EXPECT_EQ(dialogs_.messages()[1].icon, MsgIcon::Exclamation);
        EXPECT_EQ(dialogs_.messages()[1].buttons, MsgButtons::Ok);
        EXPECT_EQ(form().statusText(), opened ? "" : statusBefore_);
        EXPECT_TRUE(form().richCode().changedSinceSave());
        EXPECT_TRUE(editorText().starts_with("G91 "));
    }

    std::string statusBefore_;
};

// A file that exists is written in place there (SaveKeepsFileTest); a new
// one cannot be made.
TEST_F(BadSaveTest, NewFileIntoAReadOnlyFolder) {
    const std::string locked = folder("locked");
    const std::string path = locked + "/prog.nc";
    started();
    edit();
    ::chmod(locked.c_str(), 0555);
    dialogs_.answer(std::optional<std::string>(path));
    {
        UnprivilegedFiles asUser;
        ASSERT_TRUE(asUser.active());
        form().mnuNameSave_Click();
    }
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, std::generic_category().message(EACCES));
    EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(form().richCode().changedSinceSave());
    EXPECT_TRUE(entries(locked).isEmpty()) << "no file, no temporary file";
}

TEST_F(BadSaveTest, OntoAReadOnlyFile) {
    const std::string open = folder("open");
    ::chmod(open.c_str(), 0777);
    const std::string path = open + "/prog.nc";
    std::ofstream(path, std::ios::binary) << "G90\n";
    ::chmod(path.c_str(), 0444);
    started({path});
    edit();
    {
        UnprivilegedFiles asUser;
        ASSERT_TRUE(asUser.active());
        overwriteSave();
    }
    expectRefused("Existing file " + path + " is not writable");
    EXPECT_EQ(readFile(path), "G90\n");
    EXPECT_EQ(entries(open), QStringList{"prog.nc"});
}

// A device is written into, not replaced by a file of the same name: the
// full device takes no byte, and says so.
TEST_F(BadSaveTest, ToTheFullDevice) {
    started();
    form().richCode().replaceSelection("G90\r\nG01 X10.");
    dialogs_.answer(std::optional<std::string>("/dev/full"));
    {
        // Were the device replaced, "nobody" could not do it: /dev stays intact.
        UnprivilegedFiles asUser;
        ASSERT_TRUE(asUser.active());
        form().mnuNameSave_Click();
    }
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, std::generic_category().message(ENOSPC));
    EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::Exclamation);
    struct stat device {};
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));
    EXPECT_EQ(form().documentPath(), "/dev/full") << "save-as takes the path before it writes";
    EXPECT_EQ(caption(), kMainCaption);
    EXPECT_EQ(form().statusText(), "");
    EXPECT_TRUE(form().richCode().changedSinceSave());
}

// A file system of a few pages, filled up before the save.
class TinyDisk {
public:
    explicit TinyDisk(const std::string& at) : at_(at) {
        mounted_ = ::mount("tmpfs", at.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0;
    }
    ~TinyDisk() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

    void fill() const {
        std::ofstream filler(at_ + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }

private:
    std::string at_;
    bool mounted_ = false;
};

TEST_F(BadSaveTest, OntoAFullDisk) {
    const std::string small = folder("small");
    TinyDisk disk(small);
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs CAP_SYS_ADMIN; ToTheFullDevice and "
                        "SaveTest.WriteFailingMidwayLeavesTheOldFileAndClearsTheStatus cover a full disk";
    }
    const std::string path = small + "/prog.nc";
    std::ofstream(path, std::ios::binary) << "G90\n";
    started({path});
    form().richCode().replaceSelection(std::string(16384, 'X') + "\r\n");
    edit();
    disk.fill();
    overwriteSave();
    expectRefused(std::generic_category().message(ENOSPC), true);
    EXPECT_EQ(readFile(path), "G90\n");
    EXPECT_EQ(entries(small), (QStringList{"filler", "prog.nc"}));
}

TEST_F(BadSaveTest, IntoAFolderThatVanished) {
    const std::string gone = folder("gone");
    const std::string path = gone + "/prog.nc";
    std::ofstream(path, std::ios::binary) << "G90\n";
    started({path});
    edit();
    std::filesystem::remove_all(gone);
    overwriteSave();
    expectRefused(std::generic_category().message(ENOENT));
    EXPECT_FALSE(std::filesystem::exists(gone)) << "not created again";
}

}  // namespace
}  // namespace orca::test
