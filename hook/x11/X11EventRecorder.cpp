#include "hook/x11/X11EventRecorder.h"

#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace vorelio::x11 {

struct X11EventRecorder::Recording {
  explicit Recording(const char* displayName) : control(displayName), data(displayName) {}
  X11Display control;
  X11Display data;
  XRecordContext context = 0;
};

namespace {

void OnRecorded(XPointer closure, XRecordInterceptData* intercepted) {
  auto* listener = reinterpret_cast<X11EventRecorder::Listener*>(closure);
  if (intercepted->category == XRecordFromServer && intercepted->data_len * 4 >= sizeof(xEvent)) {
    const auto* event = reinterpret_cast<const xEvent*>(intercepted->data);
    const int type = event->u.u.type & 0x7F;
    const int x = event->u.keyButtonPointer.rootX;
    const int y = event->u.keyButtonPointer.rootY;
    switch (type) {
      case KeyPress: listener->OnKey(event->u.u.detail, true); break;
      case KeyRelease: listener->OnKey(event->u.u.detail, false); break;
      case ButtonPress: listener->OnButton(event->u.u.detail, true, x, y); break;
      case ButtonRelease: listener->OnButton(event->u.u.detail, false, x, y); break;
      case MotionNotify: listener->OnMotion(x, y); break;
      default: break;
    }
  }
  XRecordFreeData(intercepted);
}

}  // namespace

X11EventRecorder::X11EventRecorder() = default;
X11EventRecorder::~X11EventRecorder() { Stop(); }

bool X11EventRecorder::Start(const char* displayName, Listener& listener,
                             std::vector<int> extraDescriptors) {
  Stop();
  auto recording = std::make_unique<Recording>(displayName);
  Display* control = recording->control.Get();
  int major = 0;
  int minor = 0;
  if (!recording->data.IsOpen() || control == nullptr ||
      XRecordQueryVersion(control, &major, &minor) == 0) {
    return false;
  }
  XRecordRange* range = XRecordAllocRange();
  if (range == nullptr) return false;
  range->device_events.first = KeyPress;
  range->device_events.last = MotionNotify;
  XRecordClientSpec clients = XRecordAllClients;
  recording->context = XRecordCreateContext(control, 0, &clients, 1, &range, 1);
  XFree(range);
  XSync(control, False);
  if (recording->context == 0 || pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  if (XRecordEnableContextAsync(recording->data.Get(), recording->context, OnRecorded,
                                reinterpret_cast<XPointer>(&listener)) == 0) {
    XRecordFreeContext(control, recording->context);
    close(wake_[0]);
    close(wake_[1]);
    wake_[0] = wake_[1] = -1;
    return false;
  }
  XFlush(recording->data.Get());
  recording_ = std::move(recording);
  listener_ = &listener;
  extraDescriptors_ = std::move(extraDescriptors);
  stopping_ = false;
  running_ = true;
  thread_ = std::thread([this] { Run(); });
  return true;
}

void X11EventRecorder::Run() {
  Display* data = recording_->data.Get();
  std::vector<pollfd> waits;
  waits.push_back({ConnectionNumber(data), POLLIN, 0});
  waits.push_back({wake_[0], POLLIN, 0});
  for (const int descriptor : extraDescriptors_) {
    if (descriptor >= 0) waits.push_back({descriptor, POLLIN, 0});
  }
  while (!stopping_.load() && recording_->data.IsAlive()) {
    // Events already read into Xlib's buffer are processed before waiting.
    XRecordProcessReplies(data);
    if (!recording_->data.IsAlive()) break;
    const int ready = poll(waits.data(), waits.size(), 100);
    if (ready < 0) continue;
    if ((waits[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) break;  // server gone
    listener_->OnWake();
  }
  running_ = false;
}

void X11EventRecorder::Stop() {
  if (thread_.joinable()) {
    stopping_ = true;
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = write(wake_[1], &wake, 1);
    thread_.join();
  }
  if (recording_ != nullptr && recording_->control.IsAlive() && recording_->context != 0) {
    XRecordDisableContext(recording_->control.Get(), recording_->context);
    XRecordFreeContext(recording_->control.Get(), recording_->context);
    XSync(recording_->control.Get(), False);
  }
  recording_.reset();
  for (int& end : wake_) {
    if (end >= 0) close(end);
    end = -1;
  }
  running_ = false;
}

}  // namespace vorelio::x11
