// A thread of the test program with a message loop of its own, running the
// jobs it is given: its windows are, to the code under test, windows of
// another thread (messages to them are really sent, and can time out).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <thread>

namespace wintest {

class UiThread {
public:
  UiThread() : thread_([this] { Loop(); }) { WaitForSingleObject(started_, 5000); }
  ~UiThread() {
    PostThreadMessageW(id_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(started_);
  }
  // Runs `job` on the thread and waits until it is done, answering what
  // the job sends to windows of the calling thread meanwhile.
  void Run(std::function<void()> job) {
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Post([job = std::move(job), done] {
      job();
      SetEvent(done);
    });
    const DWORD end = GetTickCount() + 10000;
    while (MsgWaitForMultipleObjects(1, &done, FALSE, 100, QS_SENDMESSAGE) != WAIT_OBJECT_0 &&
           static_cast<int>(end - GetTickCount()) > 0) {
      MSG m;
      PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // delivers sent messages
    }
    CloseHandle(done);
  }
  // Hands `job` to the thread without waiting for it.
  void Post(std::function<void()> job) {
    PostThreadMessageW(id_, kJob, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(job))));
  }
  DWORD Id() const { return id_; }

private:
  static constexpr UINT kJob = WM_APP + 77;
  void Loop() {
    MSG m;
    PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here on
    id_ = GetCurrentThreadId();
    SetEvent(started_);
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
      if (!m.hwnd && m.message == kJob) {
        std::unique_ptr<std::function<void()>> job(reinterpret_cast<std::function<void()>*>(m.lParam));
        (*job)();
        continue;
      }
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
  }
  HANDLE started_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DWORD id_ = 0;
  std::thread thread_;
};

}  // namespace wintest
