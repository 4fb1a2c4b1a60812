#include "app/qt/entry_points.h"

int main(int argc, char** argv) {
    const int headless = orca::RunHeadlessCommand(argc, argv);
    if (headless >= 0) return headless;
    return orca::RunApplication(argc, argv);
}
