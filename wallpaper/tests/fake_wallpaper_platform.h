// A desktop for the wallpaper tests: a fixed screen, an output folder, built-in pictures held in
// memory, a record of the wallpapers set instead of real ones, and a worker that runs its job when
// the test says so.
#pragma once

#include <cctype>
#include <functional>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "wallpaper/wallpaper_build.h"

// Names compare without regard to case, as Windows finds its resources. The first bad_alloc_finds
// lookups run out of memory instead. Every lookup is counted.
class FakeBuiltinPictures : public BuiltinPictures {
 public:
  std::span<const std::uint8_t> Find(const std::string& name) override {
    ++finds;
    if (bad_alloc_finds > 0) {
      --bad_alloc_finds;
      throw std::bad_alloc();
    }
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto found = pictures.find(upper);
    if (found == pictures.end()) return {};
    return found->second;
  }
  std::map<std::string, std::vector<std::uint8_t>> pictures;  // upper-case names
  int bad_alloc_finds = 0;
  int finds = 0;
};

class FakeWallpaperPlatform : public WallpaperPlatform {
 public:
  // One monitor of width x height unless monitors are given.
  std::vector<Monitor> Monitors() override {
    if (!monitors.empty()) return monitors;
    return {Monitor{.area = Rect{0, 0, width, height}, .work_area_bottom = work_area_bottom}};
  }
  bool TrueColour() override { return true_colour; }
  std::string OutputFolder() override { return output_folder; }
  bool SetDesktopWallpaper(const std::string& path, bool span) override {
    wallpapers_set.push_back(path);
    spans.push_back(span);
    return !refuse_wallpaper;
  }
  BuiltinPictures& Pictures() override { return pictures; }
  void StartWorker(std::function<void()> started) override {
    job = std::move(started);
    ++jobs;
  }
  void WaitForWorker() override { RunJob(); }
  // Runs the job started last, if it has not run; whether there was one.
  bool RunJob() {
    if (!job) return false;
    std::function<void()> running = std::move(job);
    job = nullptr;
    running();
    return true;
  }

  int width = 480;
  int height = 120;
  int work_area_bottom = 110;
  std::vector<Monitor> monitors;
  bool true_colour = true;
  bool refuse_wallpaper = false;
  std::string output_folder;
  FakeBuiltinPictures pictures;
  std::vector<std::string> wallpapers_set;
  std::vector<bool> spans;
  std::function<void()> job;  // started and not yet run
  int jobs = 0;               // started in all
};
