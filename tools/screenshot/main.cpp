// predarin-screenshot [--display NAME] OUT.png: a picture of the whole X
// display, as the README's screenshots are taken under Xvfb.
#include <cstdio>
#include <cstring>
#include <string>

#include "gui/ScreenGrab.h"

int main(int argc, char** argv) {
  const char* display = nullptr;
  const char* out = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--display") == 0 && i + 1 < argc) {
      display = argv[++i];
    } else if (out == nullptr && argv[i][0] != '-') {
      out = argv[i];
    } else {
      out = nullptr;
      break;
    }
  }
  if (out == nullptr) {
    std::fprintf(stderr, "usage: predarin-screenshot [--display NAME] OUT.png\n");
    return 2;
  }
  std::string error;
  if (!vorelio::SaveScreenPng(display, out, error)) {
    std::fprintf(stderr, "predarin-screenshot: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
