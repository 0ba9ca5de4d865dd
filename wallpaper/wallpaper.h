// The desktop wallpaper of the running program: the one owner of what is shown and of when it
// changes. It takes the requests (check, redraw, rebuild, new picture), plans each build on the
// owner's thread, lets the platform's worker compose and set it, and takes the result back. Only it
// writes the remembered pictures and time of the last change (OldPic, OldPics, OldDay, OldMonth,
// OldHour), into the settings and, for a wallpaper the desktop took, into the store.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "calendar/clock.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "texts/text_table.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/wallpaper_build.h"

class Wallpaper {
 public:
  // The parts outlive the wallpaper; random is seeded once per run (PictureChoiceSeed).
  Wallpaper(const Clock& clock, const TextTable& text_table, Settings& settings, SettingsStore& store,
            WallpaperPlatform& platform, PictureChoiceGenerator random);
  // A build still running is abandoned: the worker begins nothing more, and is waited for.
  ~Wallpaper();
  Wallpaper(const Wallpaper&) = delete;
  Wallpaper& operator=(const Wallpaper&) = delete;

  // Starts a build for the request now, or, while one runs or the wallpaper is held, merges it with
  // those waiting into one build of the strongest, made as soon as it may.
  void Request(WallpaperRequest request);
  // While held (the options or the alarm editor are open), requests wait; releasing starts them.
  void Hold(bool held);
  // The worker's job has returned (called on the owner's thread): the pictures shown and the time of
  // the change are remembered, the failure noted, and a request that waited is started.
  void BuildEnded();

  bool building() const { return building_; }
  // Why the last build left the wallpaper as it was; nothing after one that succeeded or had
  // nothing to do.
  std::optional<WallpaperFailure> failure() const { return failure_; }

  // What a due request does; tests put a recorder in its place.
  std::function<void(WallpaperRequest request)> start_build;

 private:
  struct DrawnDate {
    int day, month, year;
    bool operator==(const DrawnDate&) const = default;
  };

  void StartWaitingRequest();
  void Build(WallpaperRequest request);
  // The time of the decision, in memory, whatever became of the build: one that failed is tried
  // again when the policy next asks for a change, not at every check. The store gets it with the
  // pictures of a wallpaper the desktop took.
  void RememberDecision(const LocalTime& now);

  const Clock& clock_;
  const TextTable& text_table_;
  Settings& settings_;
  SettingsStore& store_;
  WallpaperPlatform& platform_;
  PictureChoiceGenerator random_;
  // Until the run's first build: under the policy "at every program start" it changes the picture.
  bool first_build_pending_ = true;
  // The date of the month the last build drew (or tried to draw); a check on another day draws anew.
  std::optional<DrawnDate> drawn_date_;
  std::optional<WallpaperRequest> waiting_;
  bool held_ = false;
  bool building_ = false;
  std::optional<WallpaperFailure> failure_;
  // The running build: what the worker reads, and what it writes for BuildEnded.
  WallpaperJob job_;
  WallpaperJobResult result_;
  bool remember_time_ = false;  // the build changes the time of the last change
  LocalTime decided_at_;
  std::atomic<bool> abandon_{false};
};

// The user's text for a failure, in the texts' language.
std::string WallpaperFailureText(WallpaperFailure failure, const TextTable& text_table);
