// A save leaves the program file as a plain overwrite would: every name of
// the file sees the new text, and its owner, group and permissions stay.
// Permission rows run as "nobody" where root would pass every check.
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "../core/unprivileged_files.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

class SaveKeepsFileTest : public Form1Test {
protected:
    SaveKeepsFileTest() { ::chmod(dir().c_str(), 0755); }

    std::string program(const std::string& folder, const std::string& name) const {
        const std::string path = folder + "/" + name;
        std::ofstream(path, std::ios::binary) << "G90\r\n";
        return path;
    }

    // Opens the program, changes it and saves it over itself.
    void editAndSave(const std::string& path) {
        form().richCode_OLEDragDrop({QString::fromStdString(path)});
        form().richCode().setSelectionStart(0);
        form().richCode().replaceSelection("G91 ");
        dialogs_.answer(MsgAnswer::Ok);
        form().mnuUpdSave_Click();
    }

    void expectSaved(const std::string& path) {
        EXPECT_EQ(dialogs_.messageTexts().back(), "上書き保存しました");
        EXPECT_EQ(readFile(path), "G91 G90\r\n");
    }

    static struct stat statOf(const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info;
    }

    static std::size_t entries(const std::string& folder) {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }
};

TEST_F(SaveKeepsFileTest, EveryNameOfAHardLinkedFileSeesTheNewText) {
    const std::string path = program(dir(), "prog.nc");
    const std::string other = dir() + "/other name.nc";
    std::filesystem::create_hard_link(path, other);
    const ino_t inode = statOf(path).st_ino;
    started();
    editAndSave(path);
    expectSaved(path);
    EXPECT_EQ(readFile(other), "G91 G90\r\n");
    EXPECT_EQ(statOf(path).st_ino, inode);
    EXPECT_EQ(statOf(path).st_nlink, 2u);
    EXPECT_EQ(entries(dir()), 3u) << "no temporary file left";
}

TEST_F(SaveKeepsFileTest, SavingThroughASymbolicLinkWritesItsTargetAndKeepsTheLink) {
    const std::string target = program(dir(), "prog.nc");
    const std::string link = dir() + "/link.nc";
    std::filesystem::create_symlink(target, link);
    started();
    editAndSave(link);
    expectSaved(target);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(entries(dir()), 3u) << "no temporary file left";
}

TEST_F(SaveKeepsFileTest, OwnerGroupAndPermissionsStay) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    const std::string path = program(dir(), "prog.nc");
    ASSERT_EQ(::chown(path.c_str(), UnprivilegedFiles::kNobody, UnprivilegedFiles::kNobody), 0);
    ::chmod(path.c_str(), 0640);
    started();
    editAndSave(path);
    expectSaved(path);
    const struct stat after = statOf(path);
    EXPECT_EQ(after.st_uid, static_cast<uid_t>(UnprivilegedFiles::kNobody));
    EXPECT_EQ(after.st_gid, static_cast<gid_t>(UnprivilegedFiles::kNobody));
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

// A group of the user's besides their own. As root, the thread joins one
// while this lives (the raw call changes this thread only), so that "nobody"
// is in it; another user needs to be in one already.
class SecondGroup {
public:
    static constexpr gid_t kUsers = 100;

    SecondGroup() {
        groups_.resize(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
        ::getgroups(static_cast<int>(groups_.size()), groups_.data());
        if (::geteuid() == 0) {
            joined_ = ::syscall(SYS_setgroups, 1L, &kUsers) == 0;
            if (joined_) gid_ = kUsers;
            return;
        }
        const auto other =
            std::find_if(groups_.begin(), groups_.end(), [](gid_t g) { return g != ::getegid(); });
        if (other != groups_.end()) gid_ = *other;
    }
    ~SecondGroup() {
        if (joined_) ::syscall(SYS_setgroups, static_cast<long>(groups_.size()), groups_.data());
    }
    SecondGroup(const SecondGroup&) = delete;
    SecondGroup& operator=(const SecondGroup&) = delete;

    std::optional<gid_t> gid() const { return gid_; }

private:
    std::vector<gid_t> groups_;
    bool joined_ = false;
    std::optional<gid_t> gid_;
};

// A user may give their files to a group of theirs but to no other owner: the
// group is kept, and an owner that cannot be given is no reason to refuse.
TEST_F(SaveKeepsFileTest, AsAUserTheGroupStaysWhereTheUserMayGiveIt) {
    const SecondGroup second;
    if (!second.gid()) GTEST_SKIP() << "the user belongs to no second group";
    const gid_t group = *second.gid();
    const std::string open = dir() + "/open";
    std::filesystem::create_directory(open);
    ::chmod(open.c_str(), 0777);
    const uid_t user = ::geteuid() == 0 ? UnprivilegedFiles::kNobody : ::geteuid();
    std::vector<std::string> paths = {program(open, "own.nc")};
    ASSERT_EQ(::chown(paths[0].c_str(), user, group), 0);
    if (::geteuid() == 0) {
        paths.push_back(program(open, "root's.nc"));
        ASSERT_EQ(::chown(paths[1].c_str(), 0, group), 0);
    }
    started();
    for (const std::string& path : paths) {
        ::chmod(path.c_str(), 0666);
        {
            UnprivilegedFiles asUser;
            ASSERT_TRUE(asUser.active());
            editAndSave(path);
        }
        expectSaved(path);
        EXPECT_EQ(statOf(path).st_gid, group) << path;
        EXPECT_EQ(statOf(path).st_mode & 07777, 0666u) << path;
    }
}

// With no right to make a new file in the folder, the file itself is
// written, as it may be.
TEST_F(SaveKeepsFileTest, InAFolderTheUserMayNotWriteTheFileIsWrittenInPlace) {
    const std::string locked = dir() + "/locked";
    std::filesystem::create_directory(locked);
    const std::string path = program(locked, "prog.nc");
    ::chmod(path.c_str(), 0666);
    ::chmod(locked.c_str(), 0555);
    started();
    {
        UnprivilegedFiles asUser;
        ASSERT_TRUE(asUser.active());
        editAndSave(path);
    }
    expectSaved(path);
    EXPECT_EQ(entries(locked), 1u);
}

}  // namespace
}  // namespace orca::test
