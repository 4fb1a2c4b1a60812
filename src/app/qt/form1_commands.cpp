#include "app/qt/form1.h"

// The drawing commands: the draw and trace driver, zoom, pan, find and the
// drawing settings dialog each fill their handler here.

#include "app/qt/form_commands.h"
#include "app/qt/init_dsp_dialog.h"
#include "app/settings_file.h"
#include "app/ui/tool_marker_view.h"
#include "document/qt/find_dialog.h"
#include "view/zoom.h"

namespace orca {

FormCommands& Form1::commands() {
    if (!commands_) commands_ = std::make_unique<FormCommands>(*this);
    return *commands_;
}

void Form1::stopRunningDraw() { commands().driver.stopRun(); }

void Form1::mnuSearchFind_Click() {
    if (refusedDuringLoad([this] { mnuSearchFind_Click(); })) return;
    FormCommands& c = commands();
    ShowFindDialog(c.findState, c.findEditor, c.findMessages, dialogs_, this);
}

void Form1::mnuSearchFindNext_Click() {
    if (refusedDuringLoad([this] { mnuSearchFindNext_Click(); })) return;
    FormCommands& c = commands();
    FindNextCommand(c.findState, c.findEditor, c.findMessages, dialogs_, this);
}

void Form1::mnuViewReDsp_Click() {
    if (refusedDuringLoad([this] { mnuViewReDsp_Click(); })) return;
    drawingReplaced();
    commands().driver.RouteDsp_Sub(false);
}

void Form1::mnuViewTrace_Click() {
    if (refusedDuringLoad([this] { mnuViewTrace_Click(); })) return;
    drawingReplaced();
    commands().driver.RouteDsp_Sub(true);
}

// The toolbar's trace shows the tool marker moving along the path, the
// menu's draws without it. Pressed again while its trace runs (captioned
// "中断" then), it stops that trace and the marker goes; captioned so
// during a load, it cancels the load.
void Form1::traceButton_Click() {
    if (loading_) return cancelLoad();
    imgRoute_->setVisible(true);
    mnuViewTrace_Click();
    imgRoute_->setVisible(false);
}

void Form1::mnuViewScaleUp_Click() {
    if (!refusedDuringLoad([this] { mnuViewScaleUp_Click(); })) ViewScaleUp_Sub(engine_, commands().viewHost);
}

void Form1::mnuViewScaleDown_Click() {
    if (!refusedDuringLoad([this] { mnuViewScaleDown_Click(); }))
        ViewScaleDown_Sub(engine_, commands().viewHost);
}

void Form1::mnuDspInit_Click() {
    if (refusedDuringLoad([this] { mnuDspInit_Click(); })) return;
    const DrawSettingsWriter save = [this](const DrawSettings& s) {
        HouganWrite_Sub(settings_, {s.HouganFlag, s.HouganWidth});
        HoleRadiusWrite(settings_, s.HoleRadius);
        StandardReadingWrite(settings_, s.StandardReading);
    };
    const DrawSettings before = engine_.settings;
    ShowInitDsp(engine_.settings, engine_.nc, save, dialogs_, this);
    // Another reading or hole size shows at once on the program drawn.
    if (engine_.settings.StandardReading != before.StandardReading ||
        engine_.settings.HoleRadius != before.HoleRadius) {
        commands().driver.RouteDsp_Sub(false);
    }
    showReading();
}

void Form1::panCommand(PanDirection direction) {
    if (!refusedDuringLoad([this, direction] { panCommand(direction); }))
        PanView(engine_, commands().viewHost, direction);
}

void Form1::cmdUp_Click() { panCommand(PanDirection::Up); }

void Form1::cmdDown_Click() { panCommand(PanDirection::Down); }

void Form1::cmdLeft_Click() { panCommand(PanDirection::Left); }

void Form1::cmdRight_Click() { panCommand(PanDirection::Right); }

void Form1::cmdLeftUp_Click() { panCommand(PanDirection::LeftUp); }

void Form1::cmdLeftDown_Click() { panCommand(PanDirection::LeftDown); }

void Form1::cmdRightUp_Click() { panCommand(PanDirection::RightUp); }

void Form1::cmdRightDown_Click() { panCommand(PanDirection::RightDown); }

}  // namespace orca
