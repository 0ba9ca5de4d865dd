// Answering a modal window as a user would, from another thread, while the test's thread runs the
// window's modal loop: the Windows tests of the alarm clock and the notes share it.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// While the user-interface thread runs a modal window, another thread looks for a dialog with the
// title and hands it to the answer; it gives up when the test says that the modal part is over.
class Answering {
 public:
  Answering(const std::string& title, std::function<void(HWND)> answer)
      : thread_([this, title, answer] {
          while (!over_) {
            HWND dialog = FindWindowA("#32770", title.c_str());
            if (dialog != nullptr && IsWindowVisible(dialog)) {
              seen_ = true;
              answer(dialog);
              return;
            }
            Sleep(20);
          }
        }) {}
  ~Answering() { Finish(); }
  // Ends the waiting and tells whether the dialog came.
  bool Finish() {
    over_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  std::atomic<bool> over_{false};
  std::atomic<bool> seen_{false};
  std::thread thread_;
};
