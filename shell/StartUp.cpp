#include "shell/StartUp.h"

#include "display/Display.h"
#include "shell/MainWindow.h"

StartUp::StartUp() {
    display = new Display;
    keyboard = &keyboard_.emplace();
}

StartUp::~StartUp() {
    keyboard = nullptr;
    delete display;
    display = nullptr;
    destroyAllMainWindows();
}
