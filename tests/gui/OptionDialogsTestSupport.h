// What the option dialog tests share: a configurator record, a data folder,
// recorded messages and a speech engine with two voices; and modal dialogs
// answered from inside their event loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <string>

#include "TestSupport.h"
#include "gui/QtOptionDialogs.h"
#include "logging/UserRecord.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "speech/sim/RecordingSpeechEngine.h"

namespace vorelio::testing {

class OptionDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(records.Open(folder.Path())); }

  // The configurator records written so far.
  std::string Records() const { return folder.Read("Registos Configurador.xml"); }
  OptionDialogServices Services() {
    return {.engine = engine, .files = DiskFiles(), .messages = messages, .records = &records};
  }
  ProfileOptionChoices Choices() const {
    return {.voices = {"Voz A", "Voz B"}, .keyboards = {"Casa", "QwertySimples"},
            .dataFolder = folder.Path()};
  }

  TempFolder folder;
  RecordingMessageBox messages;
  ManualClock clock{LocalTime{}};
  CUserRecord records{DiskFiles(), messages, clock};
  RecordingSpeechEngine engine{{"Voz A", "Voz B"}};
};

// How many "<ID>id</ID>" lines the records hold.
inline int CountRecords(const std::string& records, int id) {
  const std::string line = "<ID>" + std::to_string(id) + "</ID>";
  int count = 0;
  for (std::size_t at = records.find(line); at != std::string::npos;
       at = records.find(line, at + 1))
    ++count;
  return count;
}

// Once the next modal dialog of type D is shown, calls `act` on it (which
// should close it). Checks again until it appears.
template <typename D>
void WhenShown(std::function<void(D&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget())) {
      act(*dialog);
      return;
    }
    WhenShown<D>(act);
  });
}

}  // namespace vorelio::testing
