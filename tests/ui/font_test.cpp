#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>

#include "document/qt/user_dialogs.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

QFont chosen(const char* family, double size, bool bold, bool italic) {
    QFont f(family);
    f.setPointSizeF(size);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

TEST_F(Form1Test, ChosenFontAppliesAtOnceAndIsKept) {
    started();
    dialogs_.answer(std::optional<QFont>(chosen("IPAPGothic", 12, true, true)));
    form().mnuFont_Click();
    const QFont& pane = form().richCode().paneFont();
    EXPECT_EQ(pane.family().toStdString(), "IPAPGothic");
    EXPECT_EQ(pane.pointSizeF(), 12.0);
    EXPECT_TRUE(pane.bold());
    EXPECT_TRUE(pane.italic());
    EXPECT_NE(settingsText().find("[FONT]\nNAME=IPAPGothic\nSIZE=12\nBOLD=True\nITALIC=True\n"),
              std::string::npos);
}

TEST_F(Form1Test, FontRoundTripsThroughTheSettingsFileWithWholeSizes) {
    started();
    dialogs_.answer(std::optional<QFont>(chosen("IPAPGothic", 10.5, false, true)));
    form().mnuFont_Click();
    EXPECT_EQ(form().richCode().paneFont().pointSizeF(), 10.5);
    form_.reset();
    started();
    const QFont& pane = form().richCode().paneFont();
    EXPECT_EQ(pane.family().toStdString(), "IPAPGothic");
    EXPECT_EQ(pane.pointSizeF(), 10.0);
    EXPECT_FALSE(pane.bold());
    EXPECT_TRUE(pane.italic());

    dialogs_.answer(std::optional<QFont>(chosen("IPAPGothic", 11.5, false, false)));
    form().mnuFont_Click();
    EXPECT_NE(settingsText().find("SIZE=12"), std::string::npos);
}

TEST_F(Form1Test, OkOnTheDefaultFontKeepsItsStoredName) {
    started();
    dialogs_.answer(std::optional<QFont>(chosen("IPAGothic", 10, false, false)));
    form().mnuFont_Click();
    // The dialog starts on the face the default name shows in.
    ASSERT_EQ(dialogs_.fontPresets().size(), 1u);
    EXPECT_EQ(dialogs_.fontPresets()[0].family().toStdString(), "IPAGothic");
    EXPECT_EQ(dialogs_.fontPresets()[0].pointSizeF(), 10.0);
    EXPECT_EQ(form().richCode().paneFont().family().toStdString(), "MS ゴシック");
    EXPECT_NE(settingsText().find("[FONT]\nNAME=MS \x83\x53\x83\x56\x83\x62\x83\x4E\nSIZE=10\n"),
              std::string::npos)
        << "in CP932";
}

TEST_F(Form1Test, CancelledFontDialogChangesNothing) {
    started();
    const std::string before = settingsText();
    dialogs_.answer(std::optional<QFont>());
    form().mnuFont_Click();
    EXPECT_EQ(form().richCode().paneFont().family().toStdString(), "MS ゴシック");
    EXPECT_EQ(settingsText(), before);
}

// Picking another face in the dialog keeps the style shown so far: some
// faces list an oblique style first, and a plain OK must not turn the
// editor italic.
TEST(FontDialog, AnotherFaceKeepsTheWeightAndSlant) {
    const QString face = "DejaVu Sans Mono";
    const QString from = "DejaVu Sans";
    for (const QString& f : {face, from}) {
        if (!QFontDatabase::families().contains(f)) GTEST_SKIP() << "no " << f.toStdString();
    }
    for (const bool bold : {false, true}) {
        QFont initial(from);
        initial.setPointSizeF(10);
        initial.setBold(bold);
        QFontDialog dialog;
        PrepareFontDialog(dialog, initial);
        EXPECT_FALSE(dialog.currentFont().italic()) << "the start shows the font's own style";
        EXPECT_EQ(dialog.currentFont().bold(), bold);
        QListView* families = dialog.findChildren<QListView*>().value(0);
        ASSERT_NE(families, nullptr);
        const QModelIndexList rows = families->model()->match(families->model()->index(0, 0), Qt::DisplayRole,
                                                              face, 1, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        families->setCurrentIndex(rows[0]);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.currentFont().family(), face);
        EXPECT_FALSE(dialog.currentFont().italic()) << bold;
        EXPECT_EQ(dialog.currentFont().bold(), bold);
        EXPECT_EQ(dialog.currentFont().pointSizeF(), 10.0);
    }
}

}  // namespace
}  // namespace orca::test
