#include "document/file_dialog_request.h"

#include <gtest/gtest.h>

#include "app/app_identity.h"

namespace orca {
namespace {

using namespace std::string_literals;

FileDlgArgs openArgs(long kindOption, long commonOption, int style = 1) {
    FileDlgArgs a;
    a.kind = 1;
    a.filter = "全てのﾌｧｲﾙ (*.*)|*.*|NC ﾌｧｲﾙ (*.ptp;*.nc)|*.ptp;*.nc|";
    a.title = "NCファイルの選択";
    a.kindOption = kindOption;
    a.commonOption = commonOption;
    a.style = style;
    return a;
}

TEST(PrepareFileDlg, OpenCommandFlagsAndRewrittenArguments) {
    FileDlgArgs a = openArgs(1, 1);
    const FileDlgPlan p = PrepareFileDlg(a, "/home/user");
    ASSERT_EQ(p.step, FileDlgPlan::Step::ShowDialog);
    EXPECT_EQ(p.flags, 0x80300u);
    EXPECT_EQ(a.filter, "全てのﾌｧｲﾙ (*.*)\0*.*\0NC ﾌｧｲﾙ (*.ptp;*.nc)\0*.ptp;*.nc\0\0"s);
    EXPECT_EQ(a.initialDir, "/home/user");
    EXPECT_EQ(a.title, "NCファイルの選択");
}

TEST(PrepareFileDlg, OneFilterPairEndsInTwoNuls) {
    FileDlgArgs a = openArgs(0, 0);
    a.filter = "NC|*.nc|";
    PrepareFileDlg(a, ".");
    EXPECT_EQ(a.filter, "NC\0*.nc\0\0"s);
}

TEST(PrepareFileDlg, DefaultsOnlyReplaceEmptyArguments) {
    FileDlgArgs save = openArgs(1, 2);
    save.kind = 2;
    save.title.clear();
    save.initialDir = "/tmp";
    const FileDlgPlan p = PrepareFileDlg(save, "/home/user");
    EXPECT_EQ(save.title, "ファイルの保存");
    EXPECT_EQ(save.initialDir, "/tmp");
    EXPECT_EQ(p.flags, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER);

    FileDlgArgs open = openArgs(0, 1);
    open.title.clear();
    PrepareFileDlg(open, ".");
    EXPECT_EQ(open.title, "ファイルを開く");
}

TEST(PrepareFileDlg, OpenWithoutKindOptionIgnoresTheCommonOption) {
    FileDlgArgs a = openArgs(0, 3);
    EXPECT_EQ(PrepareFileDlg(a, ".").flags, 0x80000u);
    FileDlgArgs oldStyle = openArgs(0, 3, 2);
    EXPECT_EQ(PrepareFileDlg(oldStyle, ".").flags, 0u);
}

TEST(PrepareFileDlg, EveryTableEntryMapsToItsFlag) {
    const std::uint32_t open[] = {0x200, 0x2000, 0x4, 0x100000, 0x8000, 0x1};
    for (long k = 1; k <= 6; ++k) {
        FileDlgArgs a = openArgs(k, 2, 2);
        EXPECT_EQ(PrepareFileDlg(a, ".").flags, open[k - 1] + 0x800) << k;
    }
    const std::uint32_t save[] = {0x2, 0x400, 0x1000, 0x10000};
    for (long k = 1; k <= 4; ++k) {
        FileDlgArgs a = openArgs(k, 3, 2);
        a.kind = 2;
        EXPECT_EQ(PrepareFileDlg(a, ".").flags, save[k - 1] + 0x10) << k;
    }
}

TEST(PrepareFileDlg, RefusedArgumentsShowTheirMessageAndGiveAnEmptyResult) {
    FileDlgArgs kind3 = openArgs(1, 1);
    kind3.kind = 3;
    FileDlgPlan p = PrepareFileDlg(kind3, ".");
    EXPECT_EQ(p.step, FileDlgPlan::Step::MessageOnly);
    EXPECT_EQ(p.message, "ダイアログ種別が不正です。");
    EXPECT_EQ(p.messageTitle, kFileDlgTitle);
    EXPECT_EQ(p.box, FileDlgPlan::Box::Exclamation);
    EXPECT_EQ(p.result, "");

    FileDlgArgs noFilter = openArgs(1, 1);
    noFilter.filter.clear();
    p = PrepareFileDlg(noFilter, ".");
    EXPECT_EQ(p.message, "フィルタを指定して下さい。");
    EXPECT_EQ(p.result, "");
}

TEST(PrepareFileDlg, OptionsAboveTheirTablesShowAnEmptyBoxWithTheAppTitle) {
    for (FileDlgArgs a : {openArgs(1, 4), openArgs(0, 4), openArgs(7, 1)}) {
        const FileDlgPlan p = PrepareFileDlg(a, ".");
        EXPECT_EQ(p.step, FileDlgPlan::Step::MessageOnly);
        EXPECT_EQ(p.message, "");
        EXPECT_EQ(p.messageTitle, kAppTitle);
        EXPECT_EQ(p.box, FileDlgPlan::Box::Plain);
        EXPECT_EQ(p.result, "");
    }
    FileDlgArgs save5 = openArgs(5, 1);
    save5.kind = 2;
    EXPECT_EQ(PrepareFileDlg(save5, ".").messageTitle, kAppTitle);
}

TEST(PrepareFileDlg, OptionsBelowTheirTablesFailWithTheRuntimeError) {
    FileDlgArgs saveNoOption = openArgs(0, 1);
    saveNoOption.kind = 2;
    for (FileDlgArgs a : {saveNoOption, openArgs(1, 0), openArgs(-1, 1)}) {
        const FileDlgPlan p = PrepareFileDlg(a, ".");
        EXPECT_EQ(p.step, FileDlgPlan::Step::MessageOnly);
        EXPECT_EQ(p.message, "エラーNo:9内容インデックスが有効範囲にありません。");
        EXPECT_EQ(p.messageTitle, kFileDlgTitle);
        EXPECT_EQ(p.result, kFileDlgError);
    }
}

TEST(NameFiltersOf, KeepsTheDescriptionAndGivesQtBlankSeparatedPatterns) {
    const auto filters = NameFiltersOf("全てのﾌｧｲﾙ (*.*)\0*.*\0NC ﾌｧｲﾙ (*.ptp;*.nc)\0*.ptp;*.nc\0\0"s);
    ASSERT_EQ(filters.size(), 2u);
    // "*.*" lists every file, so a program named O1234 can be picked.
    EXPECT_EQ(filters[0], "全てのﾌｧｲﾙ (*.*) (*)");
    EXPECT_EQ(filters[1], "NC ﾌｧｲﾙ (*.ptp;*.nc) (*.ptp *.nc)");
    EXPECT_EQ(NameFiltersOf("Programs\0*.nc\0\0"s), std::vector<std::string>{"Programs (*.nc)"});
    EXPECT_EQ(NameFiltersOf("Odd\0;*.a;;*.*;\0\0"s), std::vector<std::string>{"Odd (*.a *)"});
}

TEST(FileDlgModeOf, FlagsBecomeDialogBehaviour) {
    const FileDlgMode open = FileDlgModeOf(1, 0x80300);
    EXPECT_FALSE(open.save);
    EXPECT_TRUE(open.multiSelect);
    EXPECT_FALSE(open.fileMustExist);
    EXPECT_FALSE(open.confirmOverwrite);

    const FileDlgMode save = FileDlgModeOf(2, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    EXPECT_TRUE(save.save);
    EXPECT_FALSE(save.multiSelect);
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_TRUE(save.pathMustExist);
}

}  // namespace
}  // namespace orca
