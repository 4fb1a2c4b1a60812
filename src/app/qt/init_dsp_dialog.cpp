#include "app/qt/init_dsp_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "document/qt/user_dialogs.h"

namespace orca {
namespace {

constexpr const char* kGridTip = "原点(0,0)位置から方眼図を作図します";

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

InitDspDialog::InitDspDialog(DrawSettings& settings, NcModalState& nc, DrawSettingsWriter save,
                             UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      nc_(nc),
      save_(std::move(save)),
      dialogs_(dialogs),
      optHouganAri_(named(new QRadioButton("作図する"), "optHouganAri")),
      optHouganNashi_(named(new QRadioButton("作図しない"), "optHouganNashi")),
      txtHouganWidth_(named(new QLineEdit, "txtHouganWidth")),
      txtHoleRadius_(named(new QLineEdit, "txtHoleRadius")),
      chkStandard_(named(new QCheckBox(kStandardReadingCaption), "chkStandard")),
      optAbs_(named(new QRadioButton("ＡＢＳ"), "optAbs")),
      optInc_(named(new QRadioButton("ＩＮＣ"), "optInc")),
      sldSpeed_(named(new QSlider(Qt::Horizontal), "sldSpeed")),
      cmdOk_(named(new QPushButton("OK"), "cmdOk")),
      cmdCancel_(named(new QPushButton("ｷｬﾝｾﾙ"), "cmdCancel")) {
    setObjectName("frmInitDsp");
    setWindowTitle(kInitDspCaption);
    setModal(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    cmdOk_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridGroup());
    layout->addLayout(readingRows());
    layout->addWidget(coordinateGroup());
    layout->addWidget(traceGroup());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOk_, &QPushButton::clicked, this, &InitDspDialog::cmdOk_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    load();
}

QWidget* InitDspDialog::gridGroup() {
    auto* group = new QGroupBox("方眼図の作図");
    group->setToolTip(kGridTip);
    optHouganAri_->setToolTip(kGridTip);
    auto* layout = new QGridLayout(group);
    layout->addWidget(optHouganAri_, 0, 0);
    layout->addWidget(optHouganNashi_, 0, 1);
    auto* width = new QHBoxLayout;
    width->addWidget(new QLabel("目盛幅："));
    width->addWidget(txtHouganWidth_);
    width->addWidget(new QLabel("mm"));
    layout->addLayout(width, 1, 0, 1, 2);
    return group;
}

// How the program is read and its holes drawn, below the grid controls.
QLayout* InitDspDialog::readingRows() {
    auto* rows = new QVBoxLayout;
    auto* hole = new QHBoxLayout;
    hole->addWidget(new QLabel("穴の半径："));
    hole->addWidget(txtHoleRadius_);
    hole->addStretch();
    rows->addLayout(hole);
    rows->addWidget(chkStandard_);
    return rows;
}

QWidget* InitDspDialog::coordinateGroup() {
    auto* group = new QGroupBox("座標系");
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(optAbs_);
    layout->addWidget(optInc_);
    return group;
}

QWidget* InitDspDialog::traceGroup() {
    auto* group = new QGroupBox("トレース");
    sldSpeed_->setRange(0, 5);
    sldSpeed_->setPageStep(1);
    sldSpeed_->setTickPosition(QSlider::TicksBelow);
    sldSpeed_->setTickInterval(1);
    auto* layout = new QGridLayout(group);
    layout->addWidget(new QLabel("描画速度："), 0, 0, 2, 1);
    layout->addWidget(sldSpeed_, 0, 1, 1, 2);
    layout->addWidget(new QLabel("Slow"), 1, 1, Qt::AlignLeft);
    layout->addWidget(new QLabel("Fast"), 1, 2, Qt::AlignRight);
    return group;
}

void InitDspDialog::load() {
    const InitDspChoice c = InitDspLoad(settings_, nc_);
    sldSpeed_->setValue(c.speed);
    (c.inc ? optInc_ : optAbs_)->setChecked(true);
    (c.houganAri ? optHouganAri_ : optHouganNashi_)->setChecked(true);
    txtHouganWidth_->setText(QString::fromStdString(c.houganWidthText));
    txtHoleRadius_->setText(QString::fromStdString(c.holeRadiusText));
    chkStandard_->setChecked(c.standardReading);
}

void InitDspDialog::cmdOk_Click() {
    const InitDspChoice choice{optHouganAri_->isChecked(),
                               txtHouganWidth_->text().toStdString(),
                               static_cast<std::int16_t>(sldSpeed_->value()),
                               optInc_->isChecked(),
                               txtHoleRadius_->text().toStdString(),
                               chkStandard_->isChecked()};
    if (!InitDspOk(choice, settings_, nc_, save_)) {
        dialogs_.message(InitDspRefusal(choice), MsgIcon::Exclamation, MsgButtons::Ok, kInitDspCaption);
        return;
    }
    accept();
}

void ShowInitDsp(DrawSettings& settings, NcModalState& nc, const DrawSettingsWriter& save,
                 UserDialogs& dialogs, QWidget* parent) {
    InitDspDialog dialog(settings, nc, save, dialogs, parent);
    dialogs.runModal(dialog);
}

}  // namespace orca
