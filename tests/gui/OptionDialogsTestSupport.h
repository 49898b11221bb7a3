// What the option dialog tests share: a configurator record, a data folder,
// recorded messages and a speech engine with two voices.
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "gui/QtOptionDialogs.h"
#include "gui/QtText.h"
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

// The texts of a list's rows, top to bottom.
inline std::vector<std::string> RowTexts(const QListWidget& list) {
  std::vector<std::string> texts;
  for (int row = 0; row < list.count(); ++row) texts.push_back(FromQString(list.item(row)->text()));
  return texts;
}

}  // namespace vorelio::testing
