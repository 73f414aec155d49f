#include "platform/OpeningWatch.h"

#include <vector>

namespace qv::win {

namespace {

constexpr UINT kTickMs = 100;
constexpr DWORD kWatchMs = 5000;  // a program still running by then has opened the page

struct TWatch {
  HANDLE Process;
  DWORD Started;
  std::function<void(uint32_t)> OnFailure;
};

std::vector<TWatch>& Watches() {
  static std::vector<TWatch> watches;
  return watches;
}

UINT_PTR timer = 0;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  // The failures run after the list is settled: a report's dialog runs the loop, and this tick, again.
  std::vector<std::pair<std::function<void(uint32_t)>, uint32_t>> failed;
  std::vector<TWatch>& watches = Watches();
  for (size_t i = 0; i < watches.size();) {
    TWatch& w = watches[i];
    const bool ended = WaitForSingleObject(w.Process, 0) == WAIT_OBJECT_0;
    if (!ended && GetTickCount() - w.Started < kWatchMs) {
      ++i;
      continue;
    }
    DWORD code = 0;
    if (ended && GetExitCodeProcess(w.Process, &code) && code != 0) failed.emplace_back(std::move(w.OnFailure), code);
    CloseHandle(w.Process);
    watches.erase(watches.begin() + long(i));
  }
  if (watches.empty() && timer) {
    KillTimer(nullptr, timer);
    timer = 0;
  }
  for (auto& f : failed)
    if (f.first) f.first(f.second);
}

}  // namespace

void WatchOpening(HANDLE process, std::function<void(uint32_t exitCode)> onFailure) {
  Watches().push_back({process, GetTickCount(), std::move(onFailure)});
  if (!timer) timer = SetTimer(nullptr, 0, kTickMs, Tick);
}

}  // namespace qv::win
