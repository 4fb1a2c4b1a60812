#include "app/qt/init_dsp_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <vector>

#include "scripted_dialogs.h"

using namespace orca;

namespace {

struct InitDspFixture {
    DrawSettings settings;
    NcModalState nc;
    test::ScriptedDialogs dialogs;
    std::vector<std::pair<bool, std::int16_t>> saved;
    DrawSettingsWriter save = [this](const DrawSettings& s) {
        saved.emplace_back(s.HouganFlag, s.HouganWidth);
    };
};

}  // namespace

TEST(InitDspDialog, ShowsItsGroupsCaptionsAndTheCurrentSettings) {
    InitDspFixture f;
    f.settings.TraceSpeed = 2;
    f.settings.HouganFlag = false;
    f.settings.HouganWidth = 25;
    f.nc.IncFlag = 1;
    InitDspDialog d(f.settings, f.nc, f.save, f.dialogs);

    EXPECT_EQ(d.windowTitle(), "描画設定");
    QStringList groups;
    for (const QGroupBox* g : d.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, (QStringList{"方眼図の作図", "座標系", "トレース"}));
    EXPECT_EQ(d.findChildren<QGroupBox*>().front()->toolTip(), "原点(0,0)位置から方眼図を作図します");
    EXPECT_EQ(d.optHouganAri()->toolTip(), "原点(0,0)位置から方眼図を作図します");
    QStringList labels;
    for (const QLabel* l : d.findChildren<QLabel*>()) labels << l->text();
    for (const char* text : {"目盛幅：", "mm", "描画速度：", "Slow", "Fast"})
        EXPECT_TRUE(labels.contains(text)) << text;
    EXPECT_EQ(d.optHouganAri()->text(), "作図する");
    EXPECT_EQ(d.optHouganNashi()->text(), "作図しない");
    EXPECT_EQ(d.optAbs()->text(), "ＡＢＳ");
    EXPECT_EQ(d.optInc()->text(), "ＩＮＣ");
    EXPECT_EQ(d.cmdOk()->text(), "OK");
    EXPECT_TRUE(d.cmdOk()->isDefault());
    EXPECT_EQ(d.cmdCancel()->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(d.sldSpeed()->minimum(), 0);
    EXPECT_EQ(d.sldSpeed()->maximum(), 5);

    EXPECT_EQ(d.sldSpeed()->value(), 2);
    EXPECT_TRUE(d.optInc()->isChecked());
    EXPECT_TRUE(d.optHouganNashi()->isChecked());
    EXPECT_EQ(d.txtHouganWidth()->text(), "25");
}

TEST(InitDspDialog, RefusedSpacingShowsTheMessageAndKeepsTheDialogOpen) {
    InitDspFixture f;
    InitDspDialog d(f.settings, f.nc, f.save, f.dialogs);
    d.txtHouganWidth()->setText("0.5");
    d.sldSpeed()->setValue(1);
    d.cmdOk()->click();
    const auto& messages = f.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "１以上の目盛幅を入れて下さい");
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(messages[0].title, "描画設定");
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(d.txtHouganWidth()->text(), "0.5");
    EXPECT_TRUE(f.saved.empty());
    EXPECT_EQ(f.settings.TraceSpeed, 5);
}

TEST(InitDspDialog, OkStoresEverythingAndCancelNothing) {
    InitDspFixture f;
    int result = -1;
    f.dialogs.answer(test::ScriptedDialogs::ModalScript([&result](QDialog& dialog) {
        auto& d = static_cast<InitDspDialog&>(dialog);
        d.txtHouganWidth()->setText("2.5");
        d.optInc()->setChecked(true);
        d.sldSpeed()->setValue(0);
        d.cmdOk()->click();
        return result = dialog.result();
    }));
    ShowInitDsp(f.settings, f.nc, f.save, f.dialogs, nullptr);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(f.settings.HouganWidth, 2);
    EXPECT_EQ(f.settings.TraceSpeed, 0);
    EXPECT_EQ(f.settings.IncFlagDefault, 1);
    EXPECT_EQ(f.nc.IncFlag, 1);
    ASSERT_EQ(f.saved.size(), 1u);
    EXPECT_EQ(f.saved[0], std::make_pair(true, std::int16_t{2}));

    InitDspFixture c;
    c.dialogs.answer(test::ScriptedDialogs::ModalScript([](QDialog& dialog) {
        auto& d = static_cast<InitDspDialog&>(dialog);
        d.optHouganNashi()->setChecked(true);
        d.txtHouganWidth()->setText("7");
        d.optInc()->setChecked(true);
        d.sldSpeed()->setValue(1);
        d.cmdCancel()->click();
        return dialog.result();
    }));
    ShowInitDsp(c.settings, c.nc, c.save, c.dialogs, nullptr);
    EXPECT_TRUE(c.saved.empty());
    EXPECT_TRUE(c.settings.HouganFlag);
    EXPECT_EQ(c.settings.HouganWidth, 100);
    EXPECT_EQ(c.settings.TraceSpeed, 5);
    EXPECT_EQ(c.nc.IncFlag, 0);
}

TEST(InitDspDialog, HoleRadiusAndReadingSitBelowTheGridAndAreRefusedOrStored) {
    InitDspFixture f;
    f.settings.HoleRadius = 0.125;
    f.settings.StandardReading = true;
    InitDspDialog d(f.settings, f.nc, f.save, f.dialogs);
    EXPECT_EQ(d.txtHoleRadius()->text(), "0.125");
    EXPECT_TRUE(d.chkStandard()->isChecked());
    EXPECT_EQ(d.chkStandard()->text(), "一般的なＮＣ書式で読む（G0～G3、小文字、;コメント）");
    QStringList labels;
    for (const QLabel* l : d.findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("穴の半径："));
    // Below the grid group, above the coordinate system.
    d.adjustSize();
    const auto groups = d.findChildren<QGroupBox*>();
    EXPECT_GT(d.chkStandard()->geometry().top(), groups[0]->geometry().bottom());
    EXPECT_LT(d.chkStandard()->geometry().bottom(), groups[1]->geometry().top());

    d.txtHoleRadius()->setText("0.1234");
    d.chkStandard()->setChecked(false);
    d.cmdOk()->click();
    ASSERT_EQ(f.dialogs.messages().size(), 1u);
    EXPECT_EQ(f.dialogs.messages()[0].text, "０より大きい穴の半径（小数以下３桁まで）を入れて下さい");
    EXPECT_EQ(f.dialogs.messages()[0].title, "描画設定");
    EXPECT_TRUE(f.saved.empty());
    EXPECT_TRUE(f.settings.StandardReading);

    d.txtHoleRadius()->setText("1.5");
    d.cmdOk()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(f.settings.HoleRadius, 1.5);
    EXPECT_FALSE(f.settings.StandardReading);
    EXPECT_EQ(f.saved.size(), 1u);
}
