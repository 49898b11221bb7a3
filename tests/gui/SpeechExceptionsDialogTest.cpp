#include "gui/dialogs/SpeechExceptionsDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "OptionDialogsTestSupport.h"
#include "gui/QtText.h"

namespace vorelio {
namespace {

class SpeechExceptionsDialogTest : public testing::OptionDialogsTest {
 protected:
  void SetUp() override {
    OptionDialogsTest::SetUp();
    folder.Write("Voz A_text_exceptions.txt", "Dr.:Doutor\n");
    auto editor = SpeechExceptionsEditor::Open(engine, testing::DiskFiles(), folder.Path(),
                                               messages, "Voz A");
    ASSERT_NE(editor, nullptr);
    dialog = std::make_unique<SpeechExceptionsDialog>(nullptr, std::move(editor), &records);
    list = dialog->findChild<QListWidget*>("exceptions");
    text = dialog->findChild<QLineEdit*>("text");
    replacement = dialog->findChild<QLineEdit*>("replacement");
  }
  // As typing does: the text changes, then the field reports the edit.
  static void Type(QLineEdit* field, const char* text) {
    field->setText(text);
    emit field->textEdited(field->text());
  }
  void Click(const char* button) { dialog->findChild<QPushButton*>(button)->click(); }
  std::vector<std::string> Lines() const { return testing::RowTexts(*list); }
  std::string File() const { return folder.Read("Voz A_text_exceptions.txt"); }

  std::unique_ptr<SpeechExceptionsDialog> dialog;
  QListWidget* list = nullptr;
  QLineEdit* text = nullptr;
  QLineEdit* replacement = nullptr;
};

TEST_F(SpeechExceptionsDialogTest, AddTypeTheReplacementListenAndDelete) {
  EXPECT_EQ(Lines(), std::vector<std::string>{"Dr.:Doutor"});
  text->setText("Sr.");
  Click("add");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dr.:Doutor", "Sr.:"}));
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(File(), "Dr.:Doutor\nSr.:\n");

  Type(replacement, "Senhor");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dr.:Doutor", "Sr.:Senhor"}));
  EXPECT_EQ(File(), "Dr.:Doutor\nSr.:Senhor\n");
  Click("listen");
  EXPECT_EQ(engine.Spoken().back(), "Voz A: Senhor");

  // A click on a line shows its replacement.
  list->setCurrentRow(0);
  EXPECT_EQ(replacement->text(), "Doutor");
  messages.answers = {true};
  Click("remove");
  EXPECT_EQ(messages.questions, std::vector<std::string>{"Quer mesmo apagar esta excep\xe7\xe3o?"});
  EXPECT_EQ(Lines(), std::vector<std::string>{"Sr.:Senhor"});
  EXPECT_EQ(File(), "Sr.:Senhor\n");
  dialog.reset();  // closes
  EXPECT_EQ(testing::CountRecords(Records(), static_cast<int>(ConfiguratorDialog::kSpeechExceptions)),
            1);
}

// The editor's own tests check every refusal; these show they reach the user.
TEST_F(SpeechExceptionsDialogTest, RefusalsShowTheirMessages) {
  Click("add");  // empty text
  text->setText("Dr.");
  Click("add");
  EXPECT_EQ(messages.messages,
            (std::vector<std::string>{"Texto vazio!", "J\xe1 existe essa excep\xe7\xe3o!"}));
  EXPECT_EQ(list->currentRow(), 0) << "the existing line is selected";
  // A ":" cannot be stored: the field goes back to the kept replacement.
  Type(replacement, "Doutor:");
  EXPECT_EQ(replacement->text(), "Doutor");
  EXPECT_EQ(File(), "Dr.:Doutor\n");
}

}  // namespace
}  // namespace vorelio
