#pragma once
// The game's window as the player's layer sees it: each picture the game presents is counted
// before it is shown, since the title's hint lies over the first one only.
#include "shell/ForwardingWindow.h"
#include "shell/PlayerLayer.h"

class LayeredWindow final : public ForwardingWindow {
  public:
    LayeredWindow(std::unique_ptr<platform::Window> shown, PlayerLayer& layer)
        : ForwardingWindow(std::move(shown)), layer_(layer) {}

    HRESULT present(const platform::PictureView& picture) override {
        layer_.presenting();
        return ForwardingWindow::present(picture);
    }

  private:
    PlayerLayer& layer_;
};
