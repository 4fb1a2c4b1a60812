#pragma once

#include <QDialog>

#include "app/draw_settings_form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace orca {

class UserDialogs;

// frmInitDsp "描画設定": the grid, the hole size, the word reading, the
// coordinate system a drawing starts in and the trace speed. OK stores them
// (all but the coordinate system and the speed also in the settings file);
// any other way out stores nothing.
class InitDspDialog : public QDialog {
    Q_OBJECT

public:
    InitDspDialog(DrawSettings& settings, NcModalState& nc, DrawSettingsWriter save, UserDialogs& dialogs,
                  QWidget* parent = nullptr);

    QRadioButton* optHouganAri() const { return optHouganAri_; }
    QRadioButton* optHouganNashi() const { return optHouganNashi_; }
    QLineEdit* txtHouganWidth() const { return txtHouganWidth_; }
    QLineEdit* txtHoleRadius() const { return txtHoleRadius_; }
    QCheckBox* chkStandard() const { return chkStandard_; }
    QRadioButton* optAbs() const { return optAbs_; }
    QRadioButton* optInc() const { return optInc_; }
    QSlider* sldSpeed() const { return sldSpeed_; }
    QPushButton* cmdOk() const { return cmdOk_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

private:
    QWidget* gridGroup();
    QLayout* readingRows();
    QWidget* coordinateGroup();
    QWidget* traceGroup();
    void load();
    void cmdOk_Click();

    DrawSettings& settings_;
    NcModalState& nc_;
    DrawSettingsWriter save_;
    UserDialogs& dialogs_;

    QRadioButton* optHouganAri_;
    QRadioButton* optHouganNashi_;
    QLineEdit* txtHouganWidth_;
    QLineEdit* txtHoleRadius_;
    QCheckBox* chkStandard_;
    QRadioButton* optAbs_;
    QRadioButton* optInc_;
    QSlider* sldSpeed_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
};

// mnuDspInit_Click: shows the dialog modally; nothing is redrawn.
void ShowInitDsp(DrawSettings& settings, NcModalState& nc, const DrawSettingsWriter& save,
                 UserDialogs& dialogs, QWidget* parent);

}  // namespace orca
