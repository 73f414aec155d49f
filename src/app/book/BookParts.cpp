#include "app/book/BookParts.h"

#include "util/Clock.h"

namespace qv::app {

namespace {
constexpr uint32_t kRunMs = 100;

// The reader's input, or a request such as a close, is waiting for the program.
bool ReaderWaiting() { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) != 0; }
}  // namespace

TBookParts::TBookParts(TRichEdit& richEdit) : richEdit_(richEdit), timer_(10) {
  timer_.OnTimer = [this] { ShowParts(); };
}

void TBookParts::Start() { timer_.SetEnabled(richEdit_.PartsPending()); }

void TBookParts::Stop() {
  timer_.SetEnabled(false);
  richEdit_.DropParts();
}

void TBookParts::ShowParts() {
  TCrono run;
  run.Start();
  richEdit_.ShowParts(LaterPartChars, [&run] { return run.ElapsedMs() < kRunMs && !ReaderWaiting(); });
  if (!richEdit_.PartsPending()) timer_.SetEnabled(false);
  if (OnPartsShown) OnPartsShown();
}

bool TBookParts::Arrived(int32_t position) const {
  return !richEdit_.PartsPending() || (position >= 0 && richEdit_.IsShown(position));
}

bool TBookParts::WaitFor(int32_t position, const std::function<bool()>& progress) {
  while (!Arrived(position)) {
    TCrono run;
    run.Start();
    richEdit_.ShowParts(LaterPartChars, [&] { return !Arrived(position) && run.ElapsedMs() < 2 * kRunMs; });
    if (progress()) return false;
  }
  if (OnPartsShown) OnPartsShown();
  return true;
}

}  // namespace qv::app
