#include "app/qt/form1.h"

// The drawing commands: the draw and trace driver, zoom, pan, find and the
// drawing settings dialog each fill their handler here.

#include "app/qt/form_commands.h"
#include "app/settings_file.h"
#include "document/qt/find_dialog.h"
#include "view/qt/init_dsp_dialog.h"
#include "view/zoom.h"

namespace orca {

FormCommands& Form1::commands() {
    if (!commands_) commands_ = std::make_unique<FormCommands>(*this);
    return *commands_;
}

void Form1::stopRunningDraw() { commands().driver.stopRun(); }

void Form1::mnuSearchFind_Click() {
    FormCommands& c = commands();
    ShowFindDialog(c.findState, c.findEditor, c.findMessages, dialogs_, this);
}

void Form1::mnuSearchFindNext_Click() {
    FormCommands& c = commands();
    FindNextCommand(c.findState, c.findEditor, c.findMessages, dialogs_, this);
}

void Form1::mnuViewReDsp_Click() { commands().driver.RouteDsp_Sub(false); }

void Form1::mnuViewTrace_Click() { commands().driver.RouteDsp_Sub(true); }

void Form1::mnuViewScaleUp_Click() { ViewScaleUp_Sub(engine_, commands().viewHost); }

void Form1::mnuViewScaleDown_Click() { ViewScaleDown_Sub(engine_, commands().viewHost); }

void Form1::mnuDspInit_Click() {
    const HouganWriter save = [this](bool flag, std::int16_t width) {
        HouganWrite_Sub(settings_, {flag, width});
    };
    ShowInitDsp(engine_.settings, engine_.nc, save, dialogs_, this);
}

void Form1::cmdUp_Click() { PanView(engine_, commands().viewHost, PanDirection::Up); }

void Form1::cmdDown_Click() { PanView(engine_, commands().viewHost, PanDirection::Down); }

void Form1::cmdLeft_Click() { PanView(engine_, commands().viewHost, PanDirection::Left); }

void Form1::cmdRight_Click() { PanView(engine_, commands().viewHost, PanDirection::Right); }

void Form1::cmdLeftUp_Click() { PanView(engine_, commands().viewHost, PanDirection::LeftUp); }

void Form1::cmdLeftDown_Click() { PanView(engine_, commands().viewHost, PanDirection::LeftDown); }

void Form1::cmdRightUp_Click() { PanView(engine_, commands().viewHost, PanDirection::RightUp); }

void Form1::cmdRightDown_Click() { PanView(engine_, commands().viewHost, PanDirection::RightDown); }

}  // namespace orca
