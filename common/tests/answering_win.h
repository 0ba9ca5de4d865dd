// Answering a modal window as a user would, from another thread, while the test's thread runs the
// window's modal loop, and the text of the message box it finds: the Windows tests share them.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// The text of a message box: the longest text of its static controls (their ids differ between
// Windows versions).
inline std::string MessageBoxText(HWND box) {
  std::string longest;
  for (HWND child = FindWindowExA(box, nullptr, "Static", nullptr); child != nullptr;
       child = FindWindowExA(box, child, "Static", nullptr)) {
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    if (std::string(text).size() > longest.size()) longest = text;
  }
  return longest;
}

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
