// Every page of the option dialogs laid out at the size it opens with: no
// text is cut and no page needs scrolling sideways. With
// VORELIO_DIALOG_IMAGES set to a folder, each page is also saved there as a
// PNG (docs/images/ holds the ones the documentation shows).
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

#include <cstdlib>

#include "OptionDialogsTestSupport.h"
#include "app/ProfileOptionPages.h"
#include "gui/dialogs/PasswordDialog.h"
#include "gui/dialogs/SpeechExceptionsDialog.h"
#include "gui/dialogs/SystemOptionsDialog.h"

namespace vorelio {
namespace {

class OptionDialogsRenderTest : public testing::OptionDialogsTest {
 protected:
  // Shows `dialog`, checks that the texts of `area` are whole, and saves
  // the picture as `name`.png when asked to.
  void Check(QWidget& dialog, QWidget& area, const std::string& name) {
    dialog.show();
    QApplication::processEvents();
    for (const QLabel* label : area.findChildren<QLabel*>()) {
      if (!label->isVisibleTo(&dialog)) continue;
      EXPECT_GE(label->width(), label->sizeHint().width())
          << name << ": " << label->text().toStdString();
    }
    for (const QAbstractButton* button : area.findChildren<QAbstractButton*>()) {
      if (!button->isVisibleTo(&dialog)) continue;
      EXPECT_GE(button->width(), button->sizeHint().width())
          << name << ": " << button->text().toStdString();
    }
    if (const char* images = std::getenv("VORELIO_DIALOG_IMAGES")) {
      const std::string path = std::string(images) + "/" + name + ".png";
      EXPECT_TRUE(dialog.grab().save(QString::fromStdString(path))) << path;
    }
  }
};

TEST_F(OptionDialogsRenderTest, ProfileOptionPages) {
  ProfileOptionsDialog dialog(nullptr, "generico", UserProfileOptions(), Choices(), Services());
  auto* pages = dialog.findChild<QStackedWidget*>();
  ASSERT_NE(pages, nullptr);
  for (int page = 0; page < static_cast<int>(ProfileOptionPages().size()); ++page) {
    dialog.ShowPage(page);
    auto* scroll = static_cast<QScrollArea*>(pages->currentWidget());
    Check(dialog, *scroll->widget(), "opcoes-perfil-" + std::to_string(page + 1));
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "page " << page + 1;
  }
}

TEST_F(OptionDialogsRenderTest, GeneralOptionsPasswordAndExceptions) {
  CSystemOptions options;
  options.SetPriorityList({"ana", "rui"});
  SystemOptionsDialog general(nullptr, options, {"ana", "generico", "rui"},
                              {messages, &records, [] { return std::nullopt; },
                               [] { return std::string(); }});
  Check(general, general, "opcoes-gerais");
  PasswordDialog password(nullptr, &records);
  Check(password, password, "senha");
  folder.Write("Voz A_text_exceptions.txt", "Dr.:Doutor\nSr.:Senhor\nkm:quil\xF3metros\n");
  SpeechExceptionsDialog exceptions(
      nullptr,
      SpeechExceptionsEditor::Open(engine, testing::DiskFiles(), folder.Path(), messages, "Voz A"),
      &records);
  Check(exceptions, exceptions, "excepcoes-fala");
}

}  // namespace
}  // namespace vorelio
